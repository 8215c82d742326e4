// SPDX-License-Identifier: MIT
#include "ui/main/button_feedback.h"

#include "ui/main/image_button.h"

namespace ui {

ButtonFeedback::ButtonFeedback(const std::array<ImageButton *, kButtons> &buttons,
                               const std::array<ButtonLooks, kButtons> &looks)
    : m_buttons(buttons), m_looks(looks) {
    for (int i = 0; i < kButtons; ++i) showNormal(i);
}

void ButtonFeedback::pointerOverButton(int i) {
    if (hover_button == i) return;
    if (hover_button >= 0 && hover_button < kButtons) showNormal(hover_button);
    m_buttons[i]->setPicture(m_looks[i].highlighted);
    hover_button = i;
}

void ButtonFeedback::pointerOverSurface() {
    if (hover_button >= 0 && hover_button < kButtons) showNormal(hover_button);
    hover_button = kNone;
}

void ButtonFeedback::pressOnButton(int i) {
    m_buttons[i]->setPicture(m_looks[i].pressed);
}

void ButtonFeedback::releaseAfterPress(int i) {
    m_buttons[i]->setPicture(m_looks[i].highlighted);
}

void ButtonFeedback::showNormal(int i) {
    m_buttons[i]->setPicture(m_looks[i].normal);
}

}  // namespace ui
