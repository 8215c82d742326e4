// SPDX-License-Identifier: MIT
#pragma once

#include "ui/common/picture_window.h"

// The About box: the credits picture in a picture window without a taskbar entry. A click
// anywhere on it closes it.
class AboutBox final : public ui::PictureWindow {
    Q_OBJECT

public:
    AboutBox();
};
