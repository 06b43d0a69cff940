// SPDX-License-Identifier: MIT
// Windows' ANSI code pages as the program offers them: Windows' own tables, which the build
// writes from core/code-pages (CodePageData.h, and CodePagePairs for the pairs of bytes), each
// with the program's own name for it and two characters of its script that it converts.
#include "CodePageTable.h"

#include "CodePageData.h"
#include "CodePagePairs.h"

#include <algorithm>

namespace hexconv {

namespace {

struct Named {
    unsigned number;
    MessageText name;
    std::u16string_view examples;
};

constexpr std::array<Named, 14> named = {{
    {874, HEXCONV_TRANSLATABLE("CodePage", "Windows-874 (Thai)"), u"กฮ"},
    {932, HEXCONV_TRANSLATABLE("CodePage", "Windows-932 (Japanese)"), u"ｱｶ"},
    {936, HEXCONV_TRANSLATABLE("CodePage", "Windows-936 (Simplified Chinese)"), u"A€"},
    {949, HEXCONV_TRANSLATABLE("CodePage", "Windows-949 (Korean)"), u"A~"},
    {950, HEXCONV_TRANSLATABLE("CodePage", "Windows-950 (Traditional Chinese)"), u"A~"},
    {1250, HEXCONV_TRANSLATABLE("CodePage", "Windows-1250 (Central European)"), u"łŘ"},
    {1251, HEXCONV_TRANSLATABLE("CodePage", "Windows-1251 (Cyrillic)"), u"жЁ"},
    {1252, HEXCONV_TRANSLATABLE("CodePage", "Windows-1252 (Western European)"), u"é€"},
    {1253, HEXCONV_TRANSLATABLE("CodePage", "Windows-1253 (Greek)"), u"λΩ"},
    {1254, HEXCONV_TRANSLATABLE("CodePage", "Windows-1254 (Turkish)"), u"ğİ"},
    {1255, HEXCONV_TRANSLATABLE("CodePage", "Windows-1255 (Hebrew)"), u"אש"},
    {1256, HEXCONV_TRANSLATABLE("CodePage", "Windows-1256 (Arabic)"), u"بع"},
    {1257, HEXCONV_TRANSLATABLE("CodePage", "Windows-1257 (Baltic)"), u"ėŲ"},
    {1258, HEXCONV_TRANSLATABLE("CodePage", "Windows-1258 (Vietnamese)"), u"ơĐ"},
}};
static_assert(named.size() == windows::codePages.size() &&
                  std::equal(named.begin(), named.end(), windows::codePages.begin(),
                             [](const Named& ours, const CodePageTable& data) {
                                 return ours.number == data.number;
                             }),
              "a name for each code page of core/code-pages, in the same order");

constexpr auto tables = [] {
    auto all = windows::codePages;
    for (std::size_t i = 0; i < all.size(); ++i) {
        all.at(i).name = named.at(i).name;
        all.at(i).examples = named.at(i).examples;
    }
    return all;
}();

constexpr bool hasWholeRows(const CodePageTable& table) {
    return table.upperHalf.size() == 0x80 && table.examples.size() == 2;
}
static_assert(std::all_of(tables.begin(), tables.end(), hasWholeRows));
static_assert(std::is_sorted(tables.begin(), tables.end(),
                             [](const auto& a, const auto& b) { return a.number < b.number; }));

} // namespace

std::span<const CodePageTable> CodePageTable::all() {
    static const std::array<CodePageTable, tables.size()> withPairs = [] {
        auto all = tables;
        for (CodePageTable& table : all) {
            if (table.doubleByte) {
                table.pairs = CodePagePairs::of(table.number);
            }
        }
        return all;
    }();
    return withPairs;
}

} // namespace hexconv
