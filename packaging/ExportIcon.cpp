// SPDX-License-Identifier: MIT
// Build step: writes the window's own icon into a hicolor icon tree, at 32 pixels and at whole
// multiples of it (scaled pixel for pixel, so it keeps its two colours).
// Usage: export-icon OUTPUT_DIR APP_ID
#include "AppIcon.h"

#include <QDir>
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: export-icon OUTPUT_DIR APP_ID\n", stderr);
        return 2;
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
