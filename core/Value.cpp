// SPDX-License-Identifier: MIT
#include "Value.h"

#include "Failure.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace hexconv {

namespace {

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

#if defined(__cpp_lib_to_chars)
std::errc readFixed(const std::string& numeral, double& value) {
    const char* last = numeral.data() + numeral.size();
    const auto [end, error] =
        std::from_chars(numeral.data(), last, value, std::chars_format::fixed);
    return end == last || error != std::errc() ? error : std::errc::invalid_argument;
}

// The shortest fixed form that reads back as the same double: no exponent, no trailing zeros.
// The longest such form (the smallest subnormal) needs 326 characters.
std::string writeFixed(double number) {
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number,
                                      std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}
#else
// A standard library without floating-point <charconv> (libc++ before 14, as Emscripten has):
// the C library's own conversions, which in musl read and write "." whatever the locale, and
// round correctly both ways.
std::errc readFixed(const std::string& numeral, double& value) {
    errno = 0;
    value = std::strtod(numeral.c_str(), nullptr);
    // A subnormal number reads as itself, though the C library calls it out of range too.
    const bool outOfRange = errno == ERANGE && (value == 0 || std::isinf(value));
    return outOfRange ? std::errc::result_out_of_range : std::errc();
}

std::string writeFixed(double number) {
    // The fewest significant digits that read back as the same double, in exponent form...
    std::array<char, 32> buffer{};
    for (int precision = 0; precision < std::numeric_limits<double>::max_digits10; ++precision) {
        std::snprintf(buffer.data(), buffer.size(), "%.*e", precision, number);
        if (std::strtod(buffer.data(), nullptr) == number) {
            break;
        }
    }
    // ...then written out in fixed form: "-1.25e+02" gives "-125".
    const std::string scientific(buffer.data());
    const std::size_t e = scientific.find('e');
    const bool negative = scientific.front() == '-';
    std::string digits = scientific.substr(negative ? 1 : 0, e - (negative ? 1 : 0));
    if (digits.size() > 1) {
        digits.erase(1, 1); // the point after the first digit
    }
    const int exponent = std::atoi(scientific.c_str() + e + 1);
    std::string fixed;
    if (exponent < 0) {
        fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            fixed = digits + std::string(whole - digits.size(), '0');
        } else {
            fixed = digits.substr(0, whole) + "." + digits.substr(whole);
        }
    }
    return negative ? "-" + fixed : fixed;
}
#endif

} // namespace

double Value::toNumber() const {
    if (const double* number = std::get_if<double>(&data_)) {
        return *number;
    }
    return readNumber(std::get<std::u32string>(data_));
}

std::u32string Value::toText() const {
    if (const double* number = std::get_if<double>(&data_)) {
        return textForm(*number);
    }
    return std::get<std::u32string>(data_);
}

double Value::readNumber(std::u32string_view text) {
    // The routines read bit strings and hex digits one character at a time.
    if (text.size() == 1 && isDigit(text.front())) {
        return static_cast<double>(text.front() - U'0');
    }
    // Validate the whole grammar first, so that from_chars only ever sees a plain numeral.
    std::string numeral;
    numeral.reserve(text.size());
    std::size_t i = 0;
    if (i < text.size() && (text[i] == U'+' || text[i] == U'-')) {
        if (text[i] == U'-') {
            numeral.push_back('-');
        }
        ++i;
    }
    std::size_t digits = 0;
    bool point = false;
    bool wholePartNonZero = false;
    for (; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (isDigit(c)) {
            ++digits;
            wholePartNonZero = wholePartNonZero || (!point && c != U'0');
        } else if (c == U'.' && !point) {
            point = true;
        } else {
            throw TypeMismatch::notANumber(text);
        }
        numeral.push_back(static_cast<char>(c));
    }
    if (digits == 0) {
        throw TypeMismatch::notANumber(text);
    }

    double value = 0;
    const std::errc error = readFixed(numeral, value);
    if (error == std::errc::result_out_of_range) {
        const bool negative = numeral.front() == '-';
        value = wholePartNonZero ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -value : value;
    }
    if (error != std::errc()) {
        throw TypeMismatch::notANumber(text);
    }
    return value;
}

std::string Value::asciiTextForm(double number) {
    if (std::isnan(number)) {
        return "NaN";
    }
    if (std::isinf(number)) {
        return number < 0 ? "-Infinity" : "Infinity";
    }
    if (number == 0) {
        return "0"; // also for -0, which is not a negative number
    }
    return writeFixed(number);
}

bool Value::textFormHasPoint(double number) {
    return std::isfinite(number) && number != std::trunc(number);
}

std::u32string Value::textForm(double number) {
    const std::string ascii = asciiTextForm(number);
    return std::u32string(ascii.begin(), ascii.end());
}

} // namespace hexconv
