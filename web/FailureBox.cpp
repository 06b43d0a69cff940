// SPDX-License-Identifier: MIT
#include "FailureBox.h"

#include "FailureReport.h"
#include "Form1Description.h"
#include "PageListener.h"
#include "Translations.h"

using emscripten::val;

namespace {

val create(const val& document, const char* tag, const char* id) {
    val made = document.call<val>("createElement", val(tag));
    made.set("id", id);
    return made;
}

} // namespace

FailureBox::FailureBox(const val& document, const std::function<void()>& closed)
    : dialog_(create(document, "dialog", "failure")),
      message_(create(document, "p", "failure-message")),
      name_(create(document, "p", "failure-name")) {
    dialog_.call<void>("setAttribute", val("aria-labelledby"), val("failure-title"));
    dialog_.call<void>("setAttribute", val("aria-describedby"), val("failure-message"));
    val title = create(document, "h1", "failure-title");
    title.set("textContent", hexconv::Form1Description::Title);
    val ok = create(document, "button", "failure-ok");
    ok.set("type", "button");
    ok.set("textContent", hexconv::Translations::text(HEXCONV_TRANSLATABLE("FailureDialog", "OK")));
    dialog_.call<void>("append", title, message_, name_, ok);
    document["body"].call<void>("append", dialog_);
    PageListener::listen(ok, "click", [this] { dialog_.call<void>("close"); });
    // As a desktop message box, the box keeps its button focused, so that Enter closes it
    // whatever the user has clicked: its text, or the dimmed page behind it, which is the
    // dialog's own backdrop; either focuses the dialog itself.
    PageListener::listen(dialog_, "focusin", [ok](const val& event) {
        if (!event["target"].strictlyEquals(ok)) {
            ok.call<void>("focus");
        }
        return false;
    });
    PageListener::listen(dialog_, "close", closed);
}

bool FailureBox::isOpen() const {
    return dialog_["open"].as<bool>();
}

void FailureBox::show(const std::exception_ptr& failure) {
    const hexconv::FailureReport report(failure);
    message_.set("textContent", report.message());
    name_.set("textContent", report.name());
    if (!isOpen()) {
        dialog_.call<void>("showModal");
    }
}
