// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <array>
#include <functional>

class QWidget;

namespace ui {

class ImageButton;

// The main window's three command buttons, Start Game, Options and About, and their feel. Each
// shows one of three pictures: normal, highlighted or pressed. At most one button is highlighted
// at a time; the highlight moves with the pointer over the buttons and goes when the pointer
// crosses the window's bare surface, while cells and labels leave it alone. A press of any mouse
// button shows the pressed picture, its release the highlighted one.
class CommandButtons {
public:
    static constexpr int kButtons = 3;

    // commands[i] runs when button i is clicked.
    CommandButtons(QWidget *window, const std::array<std::function<void()>, kButtons> &commands);

    ImageButton *button(int i) const { return m_buttons[i]; }
    // The pointer moved over the window's bare surface.
    void pointerOverSurface();

private:
    struct Looks {
        QPixmap normal;
        QPixmap highlighted;
        QPixmap pressed;
    };
    static constexpr int kNone = kButtons;

    void pointerOverButton(int i);
    void showNormal(int i);

    std::array<ImageButton *, kButtons> m_buttons{};
    std::array<Looks, kButtons> m_looks;
    int m_highlighted = kNone;  // 0..2, or kNone
};

}  // namespace ui
