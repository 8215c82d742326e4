// SPDX-License-Identifier: MIT
#include "ui/about/about_box.h"

#include "ui/common/version.h"

// The picture is one row taller than the window; its last row stays unseen.
AboutBox::AboutBox()
    : PictureWindow("frmAbout", QStringLiteral("About Trilet"), layout::kAboutClient,
                    QStringLiteral(":/pictures/about.bmp"), false) {
    // The credits are a picture; a screen reader gets its words.
    setAccessibleName(QStringLiteral("About Trilet " TRILET_SHORT_VERSION));
    setAccessibleDescription(QStringLiteral(
        "Trilet, version " TRILET_SHORT_VERSION
        ". A game of S and O for two. Programming, pictures and sounds: "
        "Kovlane. Thanks for playing, and good luck! Copyright \u00a9 2003 Kovlane. Click "
        "anywhere to close."));
}
