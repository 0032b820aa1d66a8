#include "Timer.h"

#include "Scheduler.h"

#include <algorithm>

Timer::Timer(Scheduler& scheduler, std::string name, int intervalMs, std::function<void()> onTick)
    : scheduler_(scheduler)
    , name_(std::move(name))
    , intervalMs_(std::max(1, intervalMs))
    , onTick_(std::move(onTick)) {}

Timer::Timer(Scheduler& scheduler, std::string name, int intervalMs, Upkeep upkeep,
             std::function<bool()> onUpkeepTick)
    : scheduler_(scheduler)
    , name_(std::move(name))
    , intervalMs_(std::max(1, intervalMs))
    , onlyWhenWoken_(upkeep.onlyWhenWoken)
    , onUpkeepTick_(std::move(onUpkeepTick)) {}

Timer::Timer(Scheduler& scheduler, std::string name, int intervalMs, Observer,
             std::function<void()> onTick)
    : scheduler_(scheduler)
    , name_(std::move(name))
    , intervalMs_(std::max(1, intervalMs))
    , observer_(true)
    , onTick_(std::move(onTick)) {}

Timer::~Timer() {
    scheduler_.forgetTimer(*this);
}

void Timer::setEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (enabled_)
        scheduler_.armTimer(*this);
    else
        scheduler_.disarmTimer(*this);
}

void Timer::setInterval(int intervalMs) {
    intervalMs_ = std::max(1, intervalMs);
    if (enabled_)
        scheduler_.armTimer(*this);
}

bool Timer::fire() {
    if (!enabled_)
        return false;
    if (onUpkeepTick_)
        return onUpkeepTick_();
    if (onTick_)
        onTick_();
    return !observer_;
}

void Timer::wake() {
    if (enabled_)
        scheduler_.wakeTimer(*this);
}
