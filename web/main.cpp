// SPDX-License-Identifier: MIT
#include "FetchedCodePagePairs.h"
#include "Form1Page.h"
#include "SystemCodePage.h"
#include "Translations.h"

#include <emscripten/bind.h>
#include <emscripten/emscripten.h>
#include <emscripten/val.h>

#include <cstdint>
#include <exception>
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

int main() {
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
    if (!start().codePage.isDoubleByte()) {
        open();
        return 0;
    }
    // A double-byte code page's pairs come with the page's other files, once they are needed.
    const std::string file = "code-page-" + std::to_string(start().codePage.number()) + ".bin";
    emscripten_async_wget_data(
        file.c_str(), nullptr,
        [](void*, void* buffer, int size) {
            FetchedCodePagePairs::supply(
                start().codePage.number(),
                {static_cast<const std::uint8_t*>(buffer), static_cast<std::size_t>(size)});
            open();
        },
        [](void*) { open(); });
    return 0;
}
