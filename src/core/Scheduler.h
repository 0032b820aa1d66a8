#pragma once

#include <cstdint>
#include <functional>

class Timer;

// The user-interface thread's event loop as the program's logic sees it: timers, tasks posted from
// other threads, and the "let pending events run" step. The app runs it on Qt; tests drive a
// manual one in virtual time.
class Scheduler {
public:
    virtual ~Scheduler() = default;

    // Thread-safe: runs the task later on the user-interface thread.
    virtual void post(std::function<void()> task) = 0;

    // Lets the events that are already pending run once (user-interface thread only).
    virtual void processPendingEvents() = 0;

    // Monotonic milliseconds; virtual time under the manual scheduler.
    virtual std::int64_t nowMs() const = 0;

    // Whatever happened before `sinceMs` has settled: no posted task waits, and every upkeep
    // timer has either nothing left to tick or has ticked since then. A scheduler whose upkeep
    // timers tick at every interval cannot tell and looks at the posted tasks only.
    virtual bool isSettled(std::int64_t sinceMs) const = 0;

protected:
    friend class Timer;
    // A timer was enabled or its interval changed while enabled: its next tick is one full
    // interval from now.
    virtual void armTimer(Timer& timer) = 0;
    // A timer was disabled: its pending tick is cancelled.
    virtual void disarmTimer(Timer& timer) = 0;
    // An upkeep timer has news: if it sleeps, it ticks once within its interval.
    virtual void wakeTimer(Timer& timer) = 0;
    // A timer is being destroyed: the scheduler drops whatever it keeps for it.
    virtual void forgetTimer(Timer& timer) = 0;
};
