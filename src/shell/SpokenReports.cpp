#include "SpokenReports.h"

#include "Speaker.h"
#include "core/Clock.h"
#include "core/Log.h"
#include "platform/Clipboard.h"
#include "platform/KeySender.h"

#include <array>

SpokenReports::SpokenReports(Speaker& speaker, const Clock& clock, Clipboard& clipboard,
                             KeySender& keys, std::function<void()> letPendingEventsRun)
    : speaker_(speaker)
    , clock_(clock)
    , clipboard_(clipboard)
    , keys_(keys)
    , letPendingEventsRun_(std::move(letPendingEventsRun)) {}

std::string SpokenReports::monthNameOf(int month) {
    static constexpr std::array<const char*, 12> names = {
        "january", "february", "march",     "april",   "may",      "june",
        "july",    "august",   "september", "october", "november", "december"};
    if (month < 1 || month > 12)
        return {};
    return names[static_cast<std::size_t>(month - 1)];
}

void SpokenReports::timeReport() {
    speaker_.stopSpeaking();
    LocalDateTime now = clock_.now();
    speaker_.say("The time is " + std::to_string(now.hour) + " " + std::to_string(now.minute));
    now = clock_.now();
    speaker_.show("The time is " + std::to_string(now.hour) + ":" + std::to_string(now.minute));
}

void SpokenReports::SetMonthName() {
    monthName_ = monthNameOf(clock_.now().month);
}

void SpokenReports::dateReport() {
    SetMonthName();
    letPendingEventsRun_();
    speaker_.stopSpeaking();
    const std::string text =
        "The date is " + std::to_string(clock_.now().day) + " of " + monthName_;
    speaker_.sayAndShow(text);
}

void SpokenReports::ReadSelectedText() {
    clipboard_.clear();
    const Status sent = keys_.type("^{c}");
    Log::reportOnce("copying the selection", sent);
    // A copy reaches us asynchronously; when the keys could not even be sent there is none to
    // wait for.
    if (sent)
        clipboard_.waitForChange(copyTimeoutMs);
    const auto text = clipboard_.text();
    if (!text || text->empty()) {
        speaker_.sayAndShow("I can not read that");
        return;
    }
    speaker_.say(*text);
    speaker_.show(clipboard_.text().value_or(*text));
}
