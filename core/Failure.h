#pragma once

#include <stdexcept>
#include <string>

namespace hexconv {

// The failures a conversion can raise, each with a message a user can read (UTF-8).
// They report; they do not decide what the program does next.
class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that arithmetic must read as a number does not read as one.
class TypeMismatch : public Failure {
public:
    TypeMismatch();
};

// A number outside what a step can take, such as a byte value that is not a whole number 0-255.
class OutOfRange : public Failure {
public:
    using Failure::Failure;
};

// A text handed over as a bit string that is too long, too short or holds digits other than 0
// and 1.
class InvalidBitString : public Failure {
public:
    using Failure::Failure;
};

// A character that the single-byte code page does not hold, or no character at all.
class NotInCodePage : public Failure {
public:
    using Failure::Failure;
};

} // namespace hexconv
