// SPDX-License-Identifier: MIT
#pragma once

#include "SystemColour.h"

#include <QColor>
#include <QPalette>

#include <optional>

// System colour references as Qt paints them: each Win32 system colour index maps to the palette
// role that plays the same part, resolved against a palette each time it is asked, so that the
// colour follows the scheme; a fixed colour stays what it is.
class SystemPalette {
public:
    // The palette role nearest to the system colour; none for a fixed colour.
    static std::optional<QPalette::ColorRole> role(hexconv::SystemColour colour);
    static QColor resolve(hexconv::SystemColour colour, const QPalette& palette);

    // The palette's text colour where it reads well on the background (contrast of at least
    // 4.5:1), otherwise black or white, whichever reads better; one of them always reaches 4.5:1.
    static QColor readableTextOn(const QColor& background, const QPalette& palette);
};
