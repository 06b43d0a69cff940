// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>

// The program's icon: three rows of white binary digits on a navy ground, 32 x 32 pixels, drawn
// pixel by pixel from the program's own glyphs so that it has exactly those two colours. It draws
// the image; where the image is shown or saved is up to the caller.
class AppIcon {
public:
    static QImage image();
    static QIcon icon();
};
