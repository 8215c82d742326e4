// SPDX-License-Identifier: MIT
#include "ui/main/secondary_windows.h"

#include "ui/about/about_box.h"
#include "ui/common/window_placement.h"
#include "ui/result/result_window.h"

namespace ui {

SecondaryWindows::~SecondaryWindows() {
    delete m_result;
    delete m_about;
    delete m_options;
}

void SecondaryWindows::openOptions(const game::GameState &state, OptionsDialog::Apply apply) {
    if (!m_options) m_options = new OptionsDialog;
    m_options->setApply(std::move(apply));
    m_options->fill(state);
    showCentredOver(m_options, m_mainWindow);
}

void SecondaryWindows::openAbout() {
    if (!m_about) m_about = new AboutBox;
    showCentredOver(m_about, m_mainWindow);
}

void SecondaryWindows::fillResult(const QString &name, game::ResultPicture picture) {
    if (!m_result) m_result = new ResultWindow;
    m_result->fill(name, picture);
}

void SecondaryWindows::showResult() {
    if (m_result) showCentredOver(m_result, m_mainWindow);
}

void SecondaryWindows::closeAll() {
    for (QWidget *window :
         {static_cast<QWidget *>(m_result.data()), static_cast<QWidget *>(m_about.data()),
          static_cast<QWidget *>(m_options.data())})
        if (window) window->close();
}

}  // namespace ui
