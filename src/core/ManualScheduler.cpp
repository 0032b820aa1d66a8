#include "ManualScheduler.h"

#include "Timer.h"

#include <utility>

void ManualScheduler::post(std::function<void()> task) {
    std::lock_guard lock(postedMutex_);
    posted_.push_back(std::move(task));
}

bool ManualScheduler::runPostedOnce() {
    std::deque<std::function<void()>> batch;
    {
        std::lock_guard lock(postedMutex_);
        batch.swap(posted_);
    }
    for (auto& task : batch)
        task();
    return !batch.empty();
}

void ManualScheduler::processPendingEvents() {
    runPostedOnce();
}

void ManualScheduler::drainPosted() {
    while (runPostedOnce()) {
    }
}

void ManualScheduler::armTimer(Timer& timer) {
    due_[&timer] = Due{now_ + timer.interval(), nextSequence_++};
}

void ManualScheduler::disarmTimer(Timer& timer) {
    due_.erase(&timer);
}

void ManualScheduler::advance(std::int64_t ms) {
    const std::int64_t target = now_ + ms;
    drainPosted();
    for (;;) {
        Timer* next = nullptr;
        Due nextDue{target + 1, 0};
        for (const auto& [timer, due] : due_) {
            if (due.at < nextDue.at || (due.at == nextDue.at && due.sequence < nextDue.sequence)) {
                next = timer;
                nextDue = due;
            }
        }
        if (!next)
            break;
        now_ = nextDue.at;
        // Re-arm before the tick so that a tick which disables or restarts its own timer wins.
        due_[next] = Due{now_ + next->interval(), nextSequence_++};
        ++ticksFired_;
        next->fire();
        drainPosted();
    }
    now_ = target;
}

bool ManualScheduler::isSettled(std::int64_t) const {
    std::lock_guard lock(postedMutex_);
    return posted_.empty();
}
