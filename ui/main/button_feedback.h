// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <array>

namespace ui {

class ImageButton;

// The three looks of one command button.
struct ButtonLooks {
    QPixmap normal;
    QPixmap highlighted;
    QPixmap pressed;
};

// Gives the command buttons a button's feel. At most one button is highlighted at a
// time, remembered in hover_button (0..2, or kNone). The highlight moves with the
// pointer over the buttons and goes when the pointer crosses the window's bare surface;
// cells and labels leave it alone.
class ButtonFeedback {
public:
    static constexpr int kButtons = 3;
    static constexpr int kNone = 3;

    // Every button starts with its normal look.
    ButtonFeedback(const std::array<ImageButton *, kButtons> &buttons,
                   const std::array<ButtonLooks, kButtons> &looks);

    void pointerOverButton(int i);
    void pointerOverSurface();
    void pressOnButton(int i);
    void releaseAfterPress(int i);

private:
    void showNormal(int i);

    std::array<ImageButton *, kButtons> m_buttons;
    std::array<ButtonLooks, kButtons> m_looks;
    int hover_button = kNone;
};

}  // namespace ui
