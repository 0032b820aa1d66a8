#pragma once

#include <functional>
#include <string>

class Scheduler;

// A window timer: a name, an interval, an enabled flag and a tick. Enabling a stopped timer
// starts a full interval; enabling a running one changes nothing; disabling cancels the pending
// tick; changing the interval of a running timer restarts it.
//
// An upkeep timer keeps some state in step with other state by polling it. Its tick changes
// nothing unless something changed since the last tick, so the scheduler may let it sleep until
// something happens (an event, another timer's tick, a posted task) and then tick it once, within
// its interval. Its tick says whether it changed anything, which is news for the other upkeep
// timers.
class Timer {
public:
    struct Upkeep {
        // Woken only by wake() (and when enabled), not by everything that happens: for upkeep
        // whose state changes in few known places.
        bool onlyWhenWoken = false;
    };
    // An observer's tick only looks at the program (it waits for something to settle); it is not
    // news for the upkeep timers.
    struct Observer {};

    Timer(Scheduler& scheduler, std::string name, int intervalMs, std::function<void()> onTick);
    Timer(Scheduler& scheduler, std::string name, int intervalMs, Upkeep upkeep,
          std::function<bool()> onUpkeepTick);
    Timer(Scheduler& scheduler, std::string name, int intervalMs, Observer,
          std::function<void()> onTick);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void setEnabled(bool enabled);
    bool isEnabled() const { return enabled_; }
    void start() { setEnabled(true); }
    void stop() { setEnabled(false); }

    void setInterval(int intervalMs);
    int interval() const { return intervalMs_; }
    const std::string& name() const { return name_; }
    bool isUpkeep() const { return static_cast<bool>(onUpkeepTick_); }
    bool isObserver() const { return observer_; }
    bool wakesOnlyWhenWoken() const { return onlyWhenWoken_; }
    // Something this upkeep timer keeps in step has changed: it ticks once within its interval.
    void wake();

    // Called by the scheduler when the timer is due. True when the tick changed something (a
    // periodic timer's tick always may have, an observer's never).
    bool fire();

private:
    Scheduler& scheduler_;
    std::string name_;
    int intervalMs_;
    bool enabled_ = false;
    bool observer_ = false;
    bool onlyWhenWoken_ = false;
    std::function<void()> onTick_;
    std::function<bool()> onUpkeepTick_;
};
