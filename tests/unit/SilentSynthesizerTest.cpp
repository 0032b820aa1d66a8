#include "engine/SilentSynthesizer.h"
#include "core/ManualScheduler.h"

#include <gtest/gtest.h>

TEST(SilentSynthesizer, SpeaksQueuedSentencesOneAfterAnotherInTheirTime) {
    ManualScheduler scheduler;
    SilentSynthesizer voice(scheduler, SilentSynthesizer::Pace::RealTime);
    voice.setIntegerSetting(150);
    std::vector<std::string> events;
    voice.setSpeakingStartedHandler(
        [&] { events.push_back("started@" + std::to_string(scheduler.nowMs())); });
    voice.setSpeakingFinishedHandler(
        [&] { events.push_back("finished@" + std::to_string(scheduler.nowMs())); });
    voice.speak("one two three four five"); // 5 words at 150 per minute: 2 s, and a pause
    voice.speak("six");
    EXPECT_TRUE(voice.isSpeaking());
    scheduler.advance(5000);
    EXPECT_EQ(events, (std::vector<std::string>{"started@0", "finished@2150", "started@2150",
                                                "finished@2700"}));
    EXPECT_FALSE(voice.isSpeaking());
}

TEST(SilentSynthesizer, StopEndsSpeechAtOnceAndDropsTheQueue) {
    ManualScheduler scheduler;
    SilentSynthesizer voice(scheduler, SilentSynthesizer::Pace::RealTime);
    int started = 0, finished = 0;
    voice.setSpeakingStartedHandler([&] { ++started; });
    voice.setSpeakingFinishedHandler([&] { ++finished; });
    voice.speak("a long sentence that goes on");
    voice.speak("and more");
    scheduler.advance(100);
    voice.stopSpeaking();
    EXPECT_FALSE(voice.isSpeaking());
    scheduler.advance(10000);
    EXPECT_EQ(started, 1);
    EXPECT_EQ(finished, 1);
}
