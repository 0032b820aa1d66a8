#pragma once

#include <functional>
#include <string>

class Scheduler;

// A window timer: a name, an interval, an enabled flag and a tick. Enabling a stopped timer
// starts a full interval; enabling a running one changes nothing; disabling cancels the pending
// tick; changing the interval of a running timer restarts it.
class Timer {
public:
    Timer(Scheduler& scheduler, std::string name, int intervalMs, std::function<void()> onTick);
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

    // Called by the scheduler when the timer is due.
    void fire();

private:
    Scheduler& scheduler_;
    std::string name_;
    int intervalMs_;
    bool enabled_ = false;
    std::function<void()> onTick_;
};
