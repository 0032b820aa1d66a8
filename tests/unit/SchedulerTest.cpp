#include "core/ManualScheduler.h"
#include "core/Timer.h"

#include <gtest/gtest.h>
#include <thread>

TEST(ManualScheduler, FiresDueTicksInOrderOfDueTime) {
    ManualScheduler scheduler;
    std::vector<std::string> ticks;
    Timer fast(scheduler, "fast", 10, [&] { ticks.push_back("fast"); });
    Timer slow(scheduler, "slow", 25, [&] { ticks.push_back("slow"); });
    fast.start();
    slow.start();
    scheduler.advance(30);
    EXPECT_EQ(ticks, (std::vector<std::string>{"fast", "fast", "slow", "fast"}));
    EXPECT_EQ(scheduler.nowMs(), 30);
}

TEST(ManualScheduler, EnablingStartsAFullIntervalAndDisablingCancels) {
    ManualScheduler scheduler;
    int ticks = 0;
    Timer timer(scheduler, "t", 100, [&] { ++ticks; });
    timer.start();
    scheduler.advance(60);
    timer.start(); // already running: changes nothing
    scheduler.advance(40);
    EXPECT_EQ(ticks, 1);
    timer.stop();
    scheduler.advance(500);
    EXPECT_EQ(ticks, 1);
    timer.start();
    scheduler.advance(99);
    EXPECT_EQ(ticks, 1);
    scheduler.advance(1);
    EXPECT_EQ(ticks, 2);
}

TEST(ManualScheduler, ATickThatStopsItsTimerIsTheLast) {
    ManualScheduler scheduler;
    int ticks = 0;
    Timer* self = nullptr;
    Timer once(scheduler, "once", 1, [&] {
        ++ticks;
        self->stop();
    });
    self = &once;
    once.start();
    scheduler.advance(10);
    EXPECT_EQ(ticks, 1);
}

TEST(ManualScheduler, RunsPostedTasksFromOtherThreadsOnAdvance) {
    ManualScheduler scheduler;
    int runs = 0;
    std::thread([&] { scheduler.post([&] { ++runs; }); }).join();
    EXPECT_EQ(runs, 0);
    scheduler.advance(0);
    EXPECT_EQ(runs, 1);
}

TEST(ManualScheduler, ADestroyedTimerNeverFires) {
    ManualScheduler scheduler;
    int ticks = 0;
    {
        Timer timer(scheduler, "t", 5, [&] { ++ticks; });
        timer.start();
    }
    scheduler.advance(50);
    EXPECT_EQ(ticks, 0);
}
