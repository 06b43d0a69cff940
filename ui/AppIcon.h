// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>

// The program's icon as a Qt image and icon, drawn pixel by pixel from Form1Icon so that it has
// exactly its two colours: the window's icon, and the image that the icon files are made from.
class AppIcon {
public:
    static QImage image();
    static QIcon icon();
};
