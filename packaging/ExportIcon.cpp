// SPDX-License-Identifier: MIT
// Build step: writes the window's own icon into a hicolor icon tree, at 32 pixels and at whole
// multiples of it (scaled pixel for pixel, so it keeps its two colours), or as the Windows icon
// file that the Windows build compiles into its program.
// Usage: export-icon OUTPUT_DIR APP_ID
//        export-icon --ico FILE
#include "AppIcon.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <cstdio>

namespace {

// A little-endian number of one to four bytes.
void append(QByteArray& out, quint32 value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.append(static_cast<char>((value >> (8 * i)) & 0xFFU));
    }
}

// One 32 x 32 image, 24-bit, with an empty transparency mask: the icon is opaque.
QByteArray icoOf(const QImage& image) {
    const int side = image.width();
    const int rowBytes = side * 3;
    const int maskRowBytes = ((side + 31) / 32) * 4;
    const int imageBytes = 40 + side * rowBytes + side * maskRowBytes;
    QByteArray out;
    append(out, 0, 2); // reserved
    append(out, 1, 2); // an icon
    append(out, 1, 2); // one image
    append(out, side, 1);
    append(out, side, 1);
    append(out, 0, 1); // no palette
    append(out, 0, 1);
    append(out, 1, 2);  // planes
    append(out, 24, 2); // bits per pixel
    append(out, imageBytes, 4);
    append(out, 6 + 16, 4);
    append(out, 40, 4); // BITMAPINFOHEADER: the height counts the image and its mask
    append(out, side, 4);
    append(out, 2 * side, 4);
    append(out, 1, 2);
    append(out, 24, 2);
    append(out, 0, 4); // no compression
    append(out, side * rowBytes + side * maskRowBytes, 4);
    out.append(QByteArray(16, '\0'));     // resolution and palette counts, all unset
    for (int y = side - 1; y >= 0; --y) { // bottom-up, blue green red
        for (int x = 0; x < side; ++x) {
            const QColor pixel = image.pixelColor(x, y);
            append(out, pixel.blue(), 1);
            append(out, pixel.green(), 1);
            append(out, pixel.red(), 1);
        }
    }
    out.append(QByteArray(side * maskRowBytes, '\0'));
    return out;
}

int writeIco(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(icoOf(AppIcon::image())) < 0) {
        std::fprintf(stderr, "export-icon: cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: export-icon OUTPUT_DIR APP_ID\n       export-icon --ico FILE\n", stderr);
        return 2;
    }
    if (QString::fromLocal8Bit(argv[1]) == QStringLiteral("--ico")) {
        return writeIco(QString::fromLocal8Bit(argv[2]));
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    const QString id = QString::fromLocal8Bit(argv[2]);
    const QImage icon = AppIcon::image();
    for (int size : {32, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(output).arg(size);
        const QImage scaled =
            icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (!QDir().mkpath(folder) || !scaled.save(folder + "/" + id + ".png")) {
            std::fprintf(stderr, "export-icon: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
