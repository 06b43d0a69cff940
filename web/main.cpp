// SPDX-License-Identifier: MIT
#include "Form1Page.h"
#include "SystemCodePage.h"
#include "Translations.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <exception>
#include <string>
#include <vector>

using emscripten::val;

int main() {
    const val navigator = val::global("navigator");
    hexconv::Translations::choose(emscripten::vecFromJSArray<std::string>(navigator["languages"]));
    // The code page of the browser's language, as Windows would give it to a user of that
    // language; ?code-page=N in the address chooses another.
    hexconv::CodePage codePage =
        hexconv::SystemCodePage::forLocale(navigator["language"].as<std::string>());
    std::exception_ptr unknownCodePage;
    const val asked = val::global("URLSearchParams")
                          .new_(val::global("location")["search"])
                          .call<val>("get", val("code-page"));
    if (!asked.isNull()) {
        try {
            codePage = hexconv::SystemCodePage::named(asked.as<std::string>());
        } catch (...) {
            unknownCodePage = std::current_exception();
        }
    }
    // The page lives as long as the browser shows it: the runtime stays after main returns.
    static Form1Page page(codePage);
    if (unknownCodePage) {
        page.fail(unknownCodePage);
    }
    // Offline after the first visit, and installable.
    if (navigator["serviceWorker"].isUndefined() == false) {
        navigator["serviceWorker"].call<val>("register", val("service-worker.js"));
    }
    return 0;
}
