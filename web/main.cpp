// SPDX-License-Identifier: MIT
#include "FetchedCatalogues.h"
#include "FetchedCodePagePairs.h"
#include "Form1Page.h"
#include "SystemCodePage.h"
#include "Translations.h"

#include <emscripten/bind.h>
#include <emscripten/emscripten.h>
#include <emscripten/val.h>

#include <cstdint>
#include <deque>
#include <exception>
#include <span>
#include <string>
#include <vector>

using emscripten::val;

namespace {

// What the page starts with, chosen before the code page's pairs may have to be fetched.
struct Start {
    hexconv::CodePage codePage = hexconv::CodePage::windows1252();
    std::exception_ptr unknownCodePage;
};

Start& start() {
    static Start chosen;
    return chosen;
}

void open() {
    // The page lives as long as the browser shows it: the runtime stays after main returns.
    static Form1Page page(start().codePage);
    if (start().unknownCodePage) {
        page.fail(start().unknownCodePage);
    }
}

// How many of the files fetched before the page opens have not yet arrived.
int& awaited() {
    static int count = 0;
    return count;
}

void arrived() {
    if (--awaited() == 0) {
        open();
    }
}

using Supplier = void (*)(std::span<const std::uint8_t> file);

// Fetches a file and hands it to supply, or an empty one where it cannot be fetched; the last
// to arrive opens the page.
void fetchThenOpen(const std::string& file, Supplier supply) {
    ++awaited();
    // Where each fetch finds its supplier again, for as long as the page lives.
    static std::deque<Supplier> suppliers;
    emscripten_async_wget_data(
        file.c_str(), &suppliers.emplace_back(supply),
        [](void* which, void* buffer, int size) {
            (*static_cast<Supplier*>(which))(
                {static_cast<const std::uint8_t*>(buffer), static_cast<std::size_t>(size)});
            arrived();
        },
        [](void* which) {
            (*static_cast<Supplier*>(which))({});
            arrived();
        });
}

// Offline after the first visit, and installable: the service worker, registered once the page
// has loaded and its first frame is drawn, which registering would otherwise hold back.
// clang-format off
EM_JS(void, registerServiceWorker, (), {
    if (!navigator.serviceWorker) {
        return;
    }
    const register = () => setTimeout(() => navigator.serviceWorker.register("service-worker.js"));
    if (document.readyState === "complete") {
        requestAnimationFrame(register);
    } else {
        addEventListener("load", () => requestAnimationFrame(register));
    }
});
// clang-format on

} // namespace

int main() try {
    const val navigator = val::global("navigator");
    hexconv::Translations::choose(emscripten::vecFromJSArray<std::string>(navigator["languages"]));
    // The code page of the browser's language, as Windows would give it to a user of that
    // language; ?code-page=N in the address chooses another.
    start().codePage = hexconv::SystemCodePage::forLocale(navigator["language"].as<std::string>());
    const val asked = val::global("URLSearchParams")
                          .new_(val::global("location")["search"])
                          .call<val>("get", val("code-page"));
    if (!asked.isNull()) {
        try {
            start().codePage = hexconv::SystemCodePage::named(asked.as<std::string>());
        } catch (...) {
            start().unknownCodePage = std::current_exception();
        }
    }
    registerServiceWorker();
    // The words of the language chosen, and a double-byte code page's pairs, come with the page's
    // other files, once they are needed; the page opens once both have arrived. Without its
    // words the page speaks English.
    if (const std::string_view language = hexconv::Translations::language(); !language.empty()) {
        fetchThenOpen("catalogue-" + std::string(language) + ".bin",
                      [](std::span<const std::uint8_t> file) {
                          if (!FetchedCatalogues::supply(hexconv::Translations::language(), file)) {
                              hexconv::Translations::choose({"en"});
                          }
                      });
    }
    if (start().codePage.isDoubleByte()) {
        fetchThenOpen("code-page-" + std::to_string(start().codePage.number()) + ".bin",
                      [](std::span<const std::uint8_t> file) {
                          FetchedCodePagePairs::supply(start().codePage.number(), file);
                      });
    }
    if (awaited() == 0) {
        open();
    }
    return 0;
} catch (...) {
    // Only a lack of memory gets here: the window stays as the page was written, without a
    // program behind it.
    return 1;
}
