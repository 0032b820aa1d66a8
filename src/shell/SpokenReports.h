#pragma once

#include <functional>
#include <string>

class Clipboard;
class Clock;
class KeySender;
class Speaker;

// The "Read" responses: the time, the date, and the text selected in the foreground window.
class SpokenReports {
public:
    // How long the selection report waits for the foreground program's copy.
    static constexpr int copyTimeoutMs = 500;

    SpokenReports(Speaker& speaker, const Clock& clock, Clipboard& clipboard, KeySender& keys,
                  std::function<void()> letPendingEventsRun);

    void timeReport();
    void dateReport();
    void ReadSelectedText();
    void SetMonthName();

    const std::string& monthName() const { return monthName_; }

    static std::string monthNameOf(int month);

private:
    Speaker& speaker_;
    const Clock& clock_;
    Clipboard& clipboard_;
    KeySender& keys_;
    std::function<void()> letPendingEventsRun_;
    std::string monthName_;
};
