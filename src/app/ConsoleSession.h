#pragma once

#include "core/Timer.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

class Scheduler;
class Synthesizer;

// Feeds phrases from standard input, one per line, as if heard. A line is handed over only when
// the previous one's effects have settled: its speech has ended, no posted event waits and no
// timer that keeps the program's state has a tick left to give, for a few quiet milliseconds in a
// row. So the same input always gives the same output. At the end of the input the session ends.
class ConsoleSession {
public:
    // quietMs: how long everything must have been settled; where the scheduler cannot tell
    // whether its upkeep timers are done, longer than their longest interval (10 ms).
    ConsoleSession(Scheduler& scheduler, const Synthesizer& speech, int quietMs,
                   std::function<void(const std::string&)> onPhrase, std::function<void()> onEnd);
    ~ConsoleSession();

    void start();

private:
    void readInput();
    void onSettled();

    Scheduler& scheduler_;
    const Synthesizer& speech_;
    std::function<void(const std::string&)> onPhrase_;
    std::function<void()> onEnd_;
    // Lines read but not yet handed over; the reader waits while too many are, so a long input
    // is never held in memory at once.
    static constexpr std::size_t maxPendingLines = 256;
    std::mutex mutex_;
    std::condition_variable space_;
    std::deque<std::string> lines_;
    bool endOfInput_ = false;
    bool stopping_ = false;
    bool ended_ = false;
    int quietMs_;
    int quietFor_ = 0;
    std::int64_t lastHandOverMs_ = -1;
    Timer settle_;
    std::thread reader_;
};
