// SPDX-License-Identifier: MIT
// Writes the window into the page at build time, from its one description, so that the browser
// draws it before any script has run: the markup of every control, in English and as the window
// opens (in character mode), into index.html; where each stands and the window's font into
// page.css, whose Content-Security-Policy allows no style in the markup. The program adopts
// these elements when it starts. And the manifest, in English and in every language.
// Usage: write_page INDEX_TEMPLATE INDEX STYLE_TEMPLATE STYLE MANIFEST_TEMPLATE SITE
#include "CssColours.h"
#include "Form1.h"
#include "Form1Controls.h"
#include "Form1Description.h"
#include "Translations.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

using Description = hexconv::Form1Description;
using hexconv::Control;
using hexconv::Field;

namespace {

std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '"' ? "&quot;" : std::string(1, c);
    }
    return out;
}

void append(std::string& out, std::initializer_list<std::string_view> pieces) {
    for (const std::string_view piece : pieces) {
        out += piece;
    }
}

std::string english(const hexconv::MessageText& text) {
    return escaped(hexconv::Translations::text(text));
}

// As the program leaves each control when the window opens.
std::string openingState(std::size_t slot) {
    if (slot == Description::slotOf(Control::Option1)) {
        return " checked";
    }
    if (slot == Description::slotOf(Control::Text1)) {
        return " autofocus aria-describedby=\"Text1-description\"";
    }
    if (slot == Description::slotOf(Control::Text3)) {
        return " readonly tabindex=\"-1\"";
    }
    return slot >= Description::Controls.size() ? " hidden" : "";
}

std::string markup() {
    // The window under its title bar, as the desktop shows it.
    std::string out = std::string(R"(<div id="Form1-window"><h1 id="Form1-title">)") +
                      escaped(Description::Title) + "</h1>\n<main id=\"Form1\">\n";
    for (std::size_t slot = 0; slot < Description::Slots; ++slot) {
        const Description::Item& item = Description::of(slot);
        const std::string name = item.name;
        std::string attributes = " id=\"" + name + "\"";
        if (item.accessibleName) {
            attributes += " aria-label=\"" + english(*item.accessibleName) + "\"";
        }
        attributes += openingState(slot);
        switch (item.kind) {
        case Description::Kind::OptionButton:
            // The caption is the option's label, which a screen reader speaks as its name.
            append(out, {"<label id=\"", name, R"(-label"><input type="radio" name="mode")",
                         attributes, ">", english(*item.caption), "</label>\n"});
            break;
        case Description::Kind::TextBox: {
            // A text area of one line: an input would drop a line feed that the program writes
            // (the character of code 10).
            const auto& fields = hexconv::Form1Controls<int>::Fields;
            const Field field = *std::find_if(fields.begin(), fields.end(), [slot](Field each) {
                return Description::slotOf(each) == slot;
            });
            // The hex digits read from left to right; the other fields in the page's direction
            // until they hold a text.
            append(
                out,
                {"<textarea", attributes, item.leftToRight ? R"( dir="ltr")" : "",
                 R"( rows="1" wrap="off" aria-multiline="false" spellcheck="false" autocapitalize="off")",
                 R"( maxlength=")", std::to_string(hexconv::Form1::inputLimitOf(field)),
                 "\"></textarea>\n"});
            break;
        }
        case Description::Kind::PushButton:
            append(out, {R"(<button type="button")", attributes, ">", english(*item.caption),
                         "</button>\n"});
            break;
        }
    }
    // The character field's note for screen readers, as its tooltip is for the mouse.
    return out + "<span id=\"Text1-description\" hidden></span>\n</main></div>";
}

// Where a control stands, in the window's pixels at 96 dots to the inch, which page.css turns
// into CSS pixels for the screen (and mirrors where the page reads from right to left).
std::string place(const std::string& selector, const Description::Twips& at) {
    const Description::Pixels pixels = Description::pixels(at, 96);
    return selector + " {\n    --left: " + std::to_string(pixels.left) +
           ";\n    --top: " + std::to_string(pixels.top) +
           ";\n    --width: " + std::to_string(pixels.width) +
           ";\n    --height: " + std::to_string(pixels.height) + ";\n}\n";
}

std::string style() {
    const Description::Font& font = Description::WindowFont;
    // The window's font, which the failure box takes too.
    const std::string face = font.face;
    const std::string standIns = R"(Verdana, "DejaVu Sans")";
    std::string out = "body {\n    font-family: " + face + ", " + standIns + ", sans-serif" +
                      ";\n    font-size: calc(" + std::to_string(font.centipoints) +
                      "pt / 100);\n    font-weight: " + std::to_string(font.weight) + ";\n}\n";
    // Faces with the scripts that the window's face and its stand-ins lack, on Windows, macOS and
    // Linux, after them: the Han characters in the shapes of the language that the page speaks.
    constexpr std::array<std::pair<const char*, const char*>, 5> scriptFaces = {{
        {"ja",
         R"("Yu Gothic UI", Meiryo, "Hiragino Sans", "Noto Sans CJK JP", "WenQuanYi Micro Hei")"},
        {"ko",
         R"("Malgun Gothic", "Apple SD Gothic Neo", "Noto Sans CJK KR", "WenQuanYi Micro Hei")"},
        {"zh-CN",
         R"("Microsoft YaHei UI", "PingFang SC", "Noto Sans CJK SC", "WenQuanYi Micro Hei")"},
        {"zh-TW",
         R"("Microsoft JhengHei UI", "PingFang TC", "Noto Sans CJK TC", "WenQuanYi Micro Hei")"},
        {"th", R"("Leelawadee UI", Thonburi, "Noto Sans Thai", Loma)"},
    }};
    for (const auto& [language, faces] : scriptFaces) {
        append(out, {":root:lang(", language, ") body {\n    font-family: ", face, ", ", standIns,
                     ", ", faces, ", sans-serif;\n}\n"});
    }
    out += place("#Form1", Description::ClientArea);
    for (std::size_t slot = 0; slot < Description::Slots; ++slot) {
        const Description::Item& item = Description::of(slot);
        const std::string name = item.name;
        out +=
            place(item.kind == Description::Kind::OptionButton ? "#" + name + "-label" : "#" + name,
                  item.place);
    }
    // The fields' backgrounds as the window opens: the character field takes the input.
    return out +
           "#Text1 {\n    background-color: " + CssColours::of(hexconv::Form1::ActiveBackground) +
           ";\n}\n#Form1 > #Text3 {\n    background-color: " +
           CssColours::of(hexconv::Form1::InactiveBackground) + ";\n}";
}

// The manifest's words in the language spoken: its tag, its direction and its description.
std::string manifestWords() {
    std::string description;
    for (const char c : hexconv::Translations::text(
             HEXCONV_TRANSLATABLE("Page", "Converts a character to its two hex digits and back"))) {
        description += c == '"' ? R"(\")" : c == '\\' ? R"(\\)" : std::string(1, c);
    }
    return R"("lang": ")" + hexconv::Translations::languageTag() + "\",\n  " + R"("dir": ")" +
           (hexconv::Translations::rightToLeft() ? "rtl" : "ltr") + "\",\n  " +
           R"("description": ")" + description + "\",";
}

// The template with its marker line replaced.
bool write(const char* from, const char* to, const std::string& marker, const std::string& text) {
    std::string page;
    if (std::FILE* in = std::fopen(from, "rb")) {
        std::array<char, 4096> block{};
        for (std::size_t read = 0; (read = std::fread(block.data(), 1, block.size(), in)) > 0;) {
            page.append(block.data(), read);
        }
        std::fclose(in);
    }
    const std::size_t at = page.find(marker);
    std::FILE* out = at == std::string::npos ? nullptr : std::fopen(to, "wb");
    if (out == nullptr) {
        std::fprintf(stderr, "write_page: no line %s in %s, or %s not written\n", marker.c_str(),
                     from, to);
        return false;
    }
    page.replace(at, marker.size(), text);
    const bool written = std::fwrite(page.data(), 1, page.size(), out) == page.size();
    return std::fclose(out) == 0 && written;
}

} // namespace

int main(int count, char** arguments) try {
    if (count != 7) {
        std::fputs("usage: write_page INDEX_TEMPLATE INDEX STYLE_TEMPLATE STYLE MANIFEST_TEMPLATE "
                   "SITE\n",
                   stderr);
        return 2;
    }
    bool written = write(arguments[1], arguments[2], "<!-- Form1 -->", markup()) &&
                   write(arguments[3], arguments[4], "/* Form1 */", style());
    // The manifest in English, and in each language as manifest-CODE.webmanifest.
    const std::string site = arguments[6];
    written = written && write(arguments[5], (site + "/manifest.webmanifest").c_str(),
                               "/* words */", manifestWords());
    for (const hexconv::Translations::Language& language : hexconv::Translations::shipped()) {
        hexconv::Translations::choose({language.code});
        written = written && write(arguments[5],
                                   (site + "/manifest-" + language.code + ".webmanifest").c_str(),
                                   "/* words */", manifestWords());
    }
    return written ? 0 : 1;
} catch (const std::exception& failure) {
    std::fprintf(stderr, "write_page: %s\n", failure.what());
    return 1;
}
