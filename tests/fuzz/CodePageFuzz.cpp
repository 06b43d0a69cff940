// SPDX-License-Identifier: MIT
#include "CodePage.h"
#include "FuzzInput.h"

using hexconv::CodePage;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const char32_t character = input.character();
    try {
        require(CodePage::characterFor(CodePage::codeOf(character)) == character,
                "character does not round-trip");
    } catch (const hexconv::NotInCodePage&) {
    }
    const double code = input.number();
    try {
        const char32_t found = CodePage::characterFor(code);
        require(CodePage::codeOf(found) == std::nearbyint(code), "code does not round-trip");
    } catch (const hexconv::OutOfRange&) {
        require(!(std::nearbyint(code) >= 0 && std::nearbyint(code) <= 255),
                "refused a code from 0 to 255");
    }
    return 0;
}
