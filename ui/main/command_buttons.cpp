// SPDX-License-Identifier: MIT
#include "ui/main/command_buttons.h"

#include "ui/common/pictures.h"
#include "ui/common/twips.h"
#include "ui/main/image_button.h"

namespace ui {

namespace {

struct ButtonText {
    const char *picture;  // the pictures are named after it
    const char *words;    // what the picture says, for a screen reader
    const char *toolTip;
};

constexpr std::array<ButtonText, CommandButtons::kButtons> kButtonTexts = {{
    {"start", "Start Game", "Prepare your brain !!"},
    {"options", "Options", "Edit the configuration.."},
    {"about", "About..", "Who make me ??"},
}};

}  // namespace

CommandButtons::CommandButtons(QWidget *window,
                               const std::array<std::function<void()>, kButtons> &commands) {
    const qreal ratio = window->devicePixelRatioF();
    for (int i = 0; i < kButtons; ++i) {
        const ButtonText &text = kButtonTexts[i];
        const auto look = [&](const char *name) {
            return startUpPicture(QStringLiteral(":/pictures/button_%1_%2.gif")
                                      .arg(QLatin1String(text.picture), QLatin1String(name)),
                                  ratio);
        };
        m_looks[i] = {look("normal"), look("hover"), look("pressed")};
        auto *button = new ImageButton(i, window);
        button->setGeometry(rect(layout::commandButton(i)));
        button->setToolTip(QString::fromLatin1(text.toolTip));
        button->setAccessibleName(QString::fromLatin1(text.words));
        button->setAccessibleDescription(QString::fromLatin1(text.toolTip));
        QObject::connect(button, &ImageButton::clicked, window, commands[i]);
        QObject::connect(button, &ImageButton::pointerMoved, window,
                         [this](int b) { pointerOverButton(b); });
        QObject::connect(button, &ImageButton::pointerPressed, window,
                         [this](int b) { m_buttons[b]->setPicture(m_looks[b].pressed); });
        QObject::connect(button, &ImageButton::pointerReleased, window,
                         [this](int b) { m_buttons[b]->setPicture(m_looks[b].highlighted); });
        m_buttons[i] = button;
        showNormal(i);
    }
}

void CommandButtons::pointerOverButton(int i) {
    if (m_highlighted == i) return;
    if (m_highlighted != kNone) showNormal(m_highlighted);
    m_buttons[i]->setPicture(m_looks[i].highlighted);
    m_highlighted = i;
}

void CommandButtons::pointerOverSurface() {
    if (m_highlighted != kNone) showNormal(m_highlighted);
    m_highlighted = kNone;
}

void CommandButtons::showNormal(int i) {
    m_buttons[i]->setPicture(m_looks[i].normal);
}

}  // namespace ui
