#pragma once

#include "Scheduler.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>

// Virtual time for tests and benchmarks: nothing happens until advance() is called, which fires
// every tick that falls due, in order of due time (ties in the order the timers were armed).
class ManualScheduler final : public Scheduler {
public:
    void post(std::function<void()> task) override;
    void processPendingEvents() override;
    std::int64_t nowMs() const override { return now_; }
    bool isSettled(std::int64_t sinceMs) const override;

    // Moves virtual time forward by ms, running posted tasks and every due tick on the way.
    void advance(std::int64_t ms);
    // Runs posted tasks until none is left (tasks posted meanwhile included).
    void drainPosted();
    // Number of ticks fired so far, for tests of idle cost.
    std::int64_t ticksFired() const { return ticksFired_; }

protected:
    void armTimer(Timer& timer) override;
    void disarmTimer(Timer& timer) override;
    void forgetTimer(Timer& timer) override { disarmTimer(timer); }
    // Upkeep timers tick at every interval here, so there is nothing to wake.
    void wakeTimer(Timer&) override {}

private:
    struct Due {
        std::int64_t at;
        std::uint64_t sequence;
    };
    bool runPostedOnce();

    std::int64_t now_ = 0;
    std::uint64_t nextSequence_ = 0;
    std::int64_t ticksFired_ = 0;
    std::map<Timer*, Due> due_;
    mutable std::mutex postedMutex_;
    std::deque<std::function<void()>> posted_;
};
