// SPDX-License-Identifier: MIT
#include "CharacterNames.h"

#include <algorithm>
#include <array>
#include <map>

namespace {

// A word's number in the file: one byte below 0xF0, else two, of which the first is 0xF0 to
// 0xFE; 0xFF ends a name.
constexpr unsigned oneByteWords = 0xF0;
constexpr std::uint8_t endOfName = 0xFF;
constexpr unsigned mostWords = oneByteWords + (endOfName - oneByteWords) * 256;

// Reads the file from its start, and says whether it has read past its end.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> file) : file_(file) {}
    bool atEnd() const { return at_ >= file_.size(); }
    bool overrun() const { return at_ > file_.size(); }
    unsigned byte() { return at_ < file_.size() ? file_[at_++] : (++at_, 0U); }
    char32_t number(int bytes) {
        char32_t value = 0;
        for (int i = 0; i < bytes; ++i) {
            value |= static_cast<char32_t>(byte()) << (8 * i);
        }
        return value;
    }
    // Seven bits a byte, lowest first; the top bit says another follows.
    char32_t varint() {
        char32_t value = 0;
        for (int shift = 0; shift < 28; shift += 7) {
            const unsigned next = byte();
            value |= static_cast<char32_t>(next & 0x7FU) << shift;
            if ((next & 0x80U) == 0) {
                break;
            }
        }
        return value;
    }

private:
    std::span<const std::uint8_t> file_;
    std::size_t at_ = 0;
};

void put(std::vector<std::uint8_t>& out, char32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

std::vector<std::string> wordsOf(const std::string& name) {
    std::vector<std::string> words;
    for (std::size_t at = 0; at <= name.size();) {
        const std::size_t space = std::min(name.find(' ', at), name.size());
        words.push_back(name.substr(at, space - at));
        at = space + 1;
    }
    return words;
}

} // namespace

std::string CharacterNames::formedName(Formed formed, char32_t codePoint) {
    if (formed == Formed::HangulSyllable) {
        // Unicode's own rule: the syllable's initial, medial and final jamo's short names.
        static constexpr std::array<const char*, 19> initial = {
            "G",  "GG", "N", "D",  "DD", "R", "M", "B", "BB", "S",
            "SS", "",   "J", "JJ", "C",  "K", "T", "P", "H"};
        static constexpr std::array<const char*, 21> medial = {
            "A",  "AE", "YA", "YAE", "EO", "E",  "YEO", "YE", "O",  "WA", "WAE",
            "OE", "YO", "U",  "WEO", "WE", "WI", "YU",  "EU", "YI", "I"};
        static constexpr std::array<const char*, 28> final = {
            "",   "G",  "GG", "GS", "N",  "NJ", "NH", "D",  "L", "LG", "LM", "LB", "LS", "LT",
            "LP", "LH", "M",  "B",  "BS", "S",  "SS", "NG", "J", "C",  "K",  "T",  "P",  "H"};
        const char32_t syllable = codePoint - 0xAC00;
        return std::string("HANGUL SYLLABLE ") + initial.at(syllable / 588) +
               medial.at(syllable % 588 / 28) + final.at(syllable % 28);
    }
    std::string digits;
    for (char32_t rest = codePoint; rest != 0 || digits.size() < 4; rest >>= 4) {
        digits.insert(digits.begin(), "0123456789ABCDEF"[rest & 0xFU]);
    }
    return (formed == Formed::UnifiedIdeograph ? "CJK UNIFIED IDEOGRAPH-"
                                               : "CJK COMPATIBILITY IDEOGRAPH-") +
           digits;
}

std::vector<std::uint8_t> CharacterNames::encode(const std::vector<Range>& ranges,
                                                 const std::vector<Named>& names) {
    // The commonest words get the shortest numbers.
    std::map<std::string, unsigned> counts;
    for (const Named& named : names) {
        for (const std::string& word : wordsOf(named.second)) {
            ++counts[word];
        }
    }
    std::vector<std::pair<unsigned, std::string>> byCount;
    byCount.reserve(counts.size());
    for (const auto& [word, count] : counts) {
        byCount.emplace_back(count, word);
    }
    std::stable_sort(byCount.begin(), byCount.end(),
                     [](const auto& one, const auto& other) { return one.first > other.first; });
    std::vector<std::uint8_t> out;
    out.push_back(static_cast<std::uint8_t>(ranges.size()));
    for (const Range& range : ranges) {
        out.push_back(static_cast<std::uint8_t>(range.formed));
        put(out, range.first, 3);
        put(out, range.last, 3);
    }
    if (byCount.size() > mostWords) {
        return {};
    }
    put(out, static_cast<char32_t>(byCount.size()), 2);
    std::map<std::string, unsigned> numbers;
    for (const auto& [count, word] : byCount) {
        numbers.emplace(word, numbers.size());
        out.push_back(static_cast<std::uint8_t>(word.size()));
        out.insert(out.end(), word.begin(), word.end());
    }
    char32_t next = 0;
    for (const auto& [codePoint, name] : names) {
        for (char32_t gap = codePoint - next; true; gap >>= 7) {
            out.push_back(static_cast<std::uint8_t>((gap & 0x7FU) | (gap > 0x7F ? 0x80U : 0U)));
            if (gap <= 0x7F) {
                break;
            }
        }
        for (const std::string& word : wordsOf(name)) {
            const unsigned number = numbers.at(word);
            if (number < oneByteWords) {
                out.push_back(static_cast<std::uint8_t>(number));
            } else {
                out.push_back(
                    static_cast<std::uint8_t>(oneByteWords + (number - oneByteWords) / 256));
                out.push_back(static_cast<std::uint8_t>((number - oneByteWords) % 256));
            }
        }
        out.push_back(endOfName);
        next = codePoint + 1;
    }
    return out;
}

CharacterNames::CharacterNames(std::span<const std::uint8_t> file) {
    Reader in(file);
    std::vector<Range> ranges(in.byte());
    for (Range& range : ranges) {
        range.formed = static_cast<Formed>(in.byte());
        range.first = in.number(3);
        range.last = in.number(3);
    }
    std::vector<std::string> words(in.number(2));
    for (std::string& word : words) {
        for (unsigned length = in.byte(); length > 0 && !in.overrun(); --length) {
            word += static_cast<char>(in.byte());
        }
    }
    std::vector<Named> names;
    for (char32_t next = 0; !in.atEnd();) {
        Named& named = names.emplace_back(next + in.varint(), std::string());
        for (unsigned number = in.byte(); number != endOfName && !in.overrun();
             number = in.byte()) {
            if (number >= oneByteWords) {
                number = oneByteWords + (number - oneByteWords) * 256 + in.byte();
            }
            if (number >= words.size()) {
                return;
            }
            named.second += (named.second.empty() ? "" : " ") + words[number];
        }
        next = named.first + 1;
    }
    if (!in.overrun()) {
        ranges_ = std::move(ranges);
        names_ = std::move(names);
    }
}

std::string CharacterNames::nameOf(char32_t codePoint) const {
    for (const Range& range : ranges_) {
        if (codePoint >= range.first && codePoint <= range.last) {
            return formedName(range.formed, codePoint);
        }
    }
    const auto found =
        std::lower_bound(names_.begin(), names_.end(), codePoint,
                         [](const Named& named, char32_t wanted) { return named.first < wanted; });
    return found != names_.end() && found->first == codePoint ? found->second : std::string();
}
