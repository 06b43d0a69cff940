// SPDX-License-Identifier: MIT
#include "AppIcon.h"

#include "Form1Icon.h"
#include "Rgb.h"

#include <QPixmap>

using hexconv::Form1Icon;

namespace {

QColor colourOf(std::uint32_t bgr) {
    const auto rgb = hexconv::Rgb::of(bgr);
    return QColor(static_cast<int>(rgb.red), static_cast<int>(rgb.green),
                  static_cast<int>(rgb.blue));
}

} // namespace

QImage AppIcon::image() {
    QImage image(Form1Icon::Side, Form1Icon::Side, QImage::Format_RGB888);
    for (int y = 0; y < Form1Icon::Side; ++y) {
        for (int x = 0; x < Form1Icon::Side; ++x) {
            image.setPixelColor(
                x, y, colourOf(Form1Icon::isDigit(x, y) ? Form1Icon::Digits : Form1Icon::Ground));
        }
    }
    return image;
}

QIcon AppIcon::icon() {
    return QIcon(QPixmap::fromImage(image()));
}
