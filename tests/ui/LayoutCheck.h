// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

class QWidget;

// Checks a window's fixed layout as a user would see it: every visible control inside the
// client area, no control drawn over another, and every caption fitting its control in the
// font that stands in for Tahoma. Returns what is wrong, one line each.
class LayoutCheck {
public:
    static std::vector<std::string> problems(const QWidget& window);
};
