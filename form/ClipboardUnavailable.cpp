// SPDX-License-Identifier: MIT
#include "ClipboardUnavailable.h"

namespace hexconv {

ClipboardUnavailable ClipboardUnavailable::heldByAnotherProgram() {
    return {HEXCONV_TRANSLATABLE("Failure", "Another program is using the clipboard, so nothing "
                                            "was copied. Press Copy again in a moment."),
            {}};
}

ClipboardUnavailable ClipboardUnavailable::refusedTheText() {
    return {HEXCONV_TRANSLATABLE("Failure",
                                 "The clipboard did not take the text, so nothing was copied. "
                                 "Press Copy again."),
            {}};
}

const char* ClipboardUnavailable::name() const noexcept {
    return HEXCONV_TRANSLATABLE("Failure", "Clipboard unavailable").english;
}

} // namespace hexconv
