#pragma once

#include "core/Scheduler.h"

#include <atomic>
#include <chrono>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// The user-interface thread for tests of the real engines, whose own threads post their events:
// the test runs what was posted when it chooses, and can see that something was posted without
// running it. The engines use no timers.
class PostedTasks final : public Scheduler {
public:
    void post(std::function<void()> task) override {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
        ++posted_;
    }
    void processPendingEvents() override { runPosted(); }
    std::int64_t nowMs() const override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }

    void runPosted() {
        for (;;) {
            std::function<void()> task;
            {
                std::lock_guard lock(mutex_);
                if (tasks_.empty())
                    return;
                task = std::move(tasks_.front());
                tasks_.pop_front();
            }
            task();
        }
    }
    bool isSettled(std::int64_t) const override {
        std::lock_guard lock(mutex_);
        return tasks_.empty();
    }
    int postedCount() const { return posted_.load(); }

    // Runs posted tasks until done() holds; false when it did not within timeoutMs. For waiting
    // on real events of real threads, never for timing them.
    bool runUntil(const std::function<bool()>& done, int timeoutMs = 20000) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            runPosted();
            if (done())
                return true;
            if (std::chrono::steady_clock::now() > until)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

protected:
    void armTimer(Timer&) override {}
    void disarmTimer(Timer&) override {}
    void wakeTimer(Timer&) override {}
    void forgetTimer(Timer&) override {}

private:
    mutable std::mutex mutex_;
    std::deque<std::function<void()>> tasks_;
    std::atomic<int> posted_{0};
};
