// SPDX-License-Identifier: MIT
#include "CodePage.h"
#include "FuzzInput.h"

using hexconv::CodePage;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::vector<unsigned> numbers = CodePage::numbers();
    const CodePage page = *CodePage::withNumber(numbers.at(input.character() % numbers.size()));
    const char32_t character = input.character();
    try {
        require(page.characterFor(page.codeOfCharacter(std::u32string(1, character))) == character,
                "character does not round-trip");
    } catch (const hexconv::NotInCodePage&) {
    } catch (const hexconv::NotASingleByte&) {
    }
    const double code = input.number();
    try {
        const char32_t found = page.characterFor(code);
        require(page.codeOfCharacter(std::u32string(1, found)) == std::nearbyint(code),
                "code does not round-trip");
    } catch (const hexconv::OutOfRange&) {
        require(!(std::nearbyint(code) >= 0 && std::nearbyint(code) <= 255),
                "refused a code from 0 to 255");
    } catch (const hexconv::NoCharacter&) {
        require(std::nearbyint(code) >= 0x80, "no character for an ASCII code");
    }
    return 0;
}
