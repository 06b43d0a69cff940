// SPDX-License-Identifier: MIT
#pragma once

#include <string>

class QWidget;

// Checks a window's fixed layout as a user would see it: every visible control inside the
// client area, no control drawn over another, and every caption fitting its control in the
// font that stands in for Tahoma. Returns what is wrong, one line each; nothing where all is well.
class LayoutCheck {
public:
    static std::string problems(const QWidget& window);
};
