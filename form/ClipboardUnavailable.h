// SPDX-License-Identifier: MIT
#pragma once

#include "Failure.h"

namespace hexconv {

// The system clipboard could not be cleared or written: another program holds it open, or it
// refused the text. It carries the words a user reads, as every failure of the program does; the
// front end that meets the clipboard decides when to raise it.
class ClipboardUnavailable : public Failure {
public:
    using Failure::Failure;
    static ClipboardUnavailable heldByAnotherProgram();
    static ClipboardUnavailable refusedTheText();

    const char* name() const noexcept override;
};

} // namespace hexconv
