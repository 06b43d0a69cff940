// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>

// The program's icon as a Qt image and icon, drawn pixel by pixel from Form1Icon so that it has
// exactly its two colours; where the image is shown or saved is up to the caller.
class AppIcon {
public:
    static QImage image();
    static QIcon icon();
};
