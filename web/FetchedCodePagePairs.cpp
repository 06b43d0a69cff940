// SPDX-License-Identifier: MIT
#include "FetchedCodePagePairs.h"

#include "CodePagePairs.h"
#include "CodePageTable.h"

#include <array>
#include <map>
#include <string>

namespace {

constexpr std::size_t leadBytes = 0x80;

struct Fetched {
    std::u16string characters;
    std::array<std::u16string_view, leadBytes> rows{};
};

// By code page; a code page's rows stay where they are once asked for, so that the table that
// holds them sees them filled when they arrive.
std::map<unsigned, Fetched>& fetched() {
    static std::map<unsigned, Fetched> all;
    return all;
}

} // namespace

bool FetchedCodePagePairs::supply(unsigned number, std::span<const std::uint8_t> file) {
    constexpr std::size_t row = hexconv::CodePageTable::TrailBytes;
    if (file.size() != leadBytes * row * 2) {
        return false;
    }
    Fetched& pairs = fetched()[number];
    pairs.characters.resize(leadBytes * row);
    for (std::size_t i = 0; i < pairs.characters.size(); ++i) {
        pairs.characters[i] = static_cast<char16_t>(file[2 * i] | file[2 * i + 1] << 8U);
    }
    for (std::size_t lead = 0; lead < leadBytes; ++lead) {
        const std::u16string_view characters =
            std::u16string_view(pairs.characters).substr(lead * row, row);
        pairs.rows.at(lead) = characters.front() == 0 ? std::u16string_view() : characters;
    }
    return true;
}

std::span<const std::u16string_view> hexconv::CodePagePairs::of(unsigned number) {
    return fetched()[number].rows;
}
