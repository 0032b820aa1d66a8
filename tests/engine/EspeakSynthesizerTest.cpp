// The real synthesizer with espeak-ng, playing into a sound card that the test plays itself.
#include "engine/espeak/EspeakSynthesizer.h"
#include "EngineTestSupport.h"
#include "engine/AudioOutput.h"
#include "engine/OwnVoice.h"
#include "engine/espeak/EspeakEngine.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

const std::string longText = "This sentence is long enough to be still playing when the test "
                             "asks the voice to stop, because it goes on and on for seconds.";

// Takes samples at the pace a sound card plays them, 60 ms ahead at most.
class PacedOutput final : public AudioOutput {
public:
    explicit PacedOutput(bool failOpen = false)
        : failOpen_(failOpen) {}

    Status open(int sampleRate) override {
        if (failOpen_ || serverGone)
            return Status::failure("no sound server (refused by the test)");
        rate_ = sampleRate;
        start_ = Clock::now();
        open_ = true;
        return Status::success();
    }
    bool isOpen() const override { return open_; }
    Status write(const std::int16_t*, std::size_t count) override {
        if (serverGone)
            return Status::failure("the sound server stopped playing (killed by the test)");
        if (stopAsked)
            afterStop += static_cast<long>(count);
        written += static_cast<long>(count);
        std::this_thread::sleep_until(playedAt(written.load() - rate_ * 60 / 1000));
        return Status::success();
    }
    Status drain() override {
        std::this_thread::sleep_until(playedAt(written.load()));
        return Status::success();
    }
    void flush() override { flushed = true; }
    std::int64_t latencyUs() override { return 60000; }
    void close() override { open_ = false; }

    std::atomic<long> written{0};
    std::atomic<long> afterStop{0};
    std::atomic<bool> stopAsked{false};
    std::atomic<bool> flushed{false};
    std::atomic<bool> serverGone{false};

private:
    Clock::time_point playedAt(long samples) const {
        return start_ + std::chrono::microseconds(std::max(0L, samples) * 1000000L / rate_);
    }
    bool failOpen_;
    long rate_ = 22050;
    Clock::time_point start_;
    std::atomic<bool> open_{false};
};

struct Voice {
    explicit Voice(std::unique_ptr<PacedOutput> out, OwnVoice* own = nullptr)
        : output(out.get())
        , synthesizer(scheduler, std::move(out), own) {
        synthesizer.setSpeakingStartedHandler([this] {
            events.push_back("started");
            writtenWhenStarted = output ? output->written.load() : 0;
        });
        synthesizer.setSpeakingFinishedHandler([this] { events.push_back("finished"); });
    }
    PostedTasks scheduler;
    PacedOutput* output;
    EspeakSynthesizer synthesizer;
    std::vector<std::string> events;
    long writtenWhenStarted = -1;
};

long spokenSamples(const std::string& text) {
    long samples = 0;
    EXPECT_TRUE(
        EspeakEngine::synthesize(text, {"en-us", 150}, [&](const std::int16_t*, std::size_t n) {
            samples += static_cast<long>(n);
            return true;
        }).ok());
    return samples;
}
} // namespace

TEST(EspeakSynthesizer, StopSilencesTheVoiceWithinOneChunk) {
    Voice v(std::make_unique<PacedOutput>());
    v.synthesizer.speak(longText);
    ASSERT_TRUE(v.scheduler.runUntil([&] { return !v.events.empty(); }));
    v.output->stopAsked = true;
    v.synthesizer.stopSpeaking();
    EXPECT_FALSE(v.synthesizer.isSpeaking());
    ASSERT_TRUE(v.scheduler.runUntil([&] { return v.output->flushed.load(); }));
    ASSERT_TRUE(v.scheduler.runUntil([&] { return v.events.size() == 2; }));
    EXPECT_EQ(v.events, (std::vector<std::string>{"started", "finished"}));
    // What is buffered is dropped, and at most the chunk in hand still went out: 20 ms.
    const long chunk = EspeakEngine::sampleRate() * EspeakSynthesizer::chunkMs / 1000;
    EXPECT_LE(v.output->afterStop.load(), chunk);
    EXPECT_LT(v.output->written.load(), spokenSamples(longText) / 2);
}

TEST(EspeakSynthesizer, EachSentenceStartsOnceHeardAndFinishesBeforeTheNextStarts) {
    OwnVoice own;
    Voice v(std::make_unique<PacedOutput>(), &own);
    v.synthesizer.setIntegerSetting(300); // short sentences, a quick test
    v.synthesizer.speak("one two three");
    v.synthesizer.speak("four five six");
    EXPECT_TRUE(v.synthesizer.isSpeaking());
    ASSERT_TRUE(v.scheduler.runUntil([&] { return v.events.size() == 4; }));
    EXPECT_EQ(v.events, (std::vector<std::string>{"started", "finished", "started", "finished"}));
    EXPECT_GT(v.writtenWhenStarted, 0);
    EXPECT_FALSE(v.synthesizer.isSpeaking());
    // The recognizer was told what was said, and got the samples to take out of what it hears.
    std::vector<std::string> said;
    EXPECT_TRUE(own.heardBetween(0, OwnVoice::nowMs(), &said));
    EXPECT_EQ(said, (std::vector<std::string>{"one two three", "four five six"}));
}

TEST(EspeakSynthesizer, WithoutASoundServerSentencesArePacedSilentlyAndThatIsSaidOnce) {
    Voice v(std::make_unique<PacedOutput>(/*failOpen=*/true));
    testing::internal::CaptureStderr();
    const auto start = Clock::now();
    v.synthesizer.speak("one two three");
    v.synthesizer.speak("four five six");
    const bool done = v.scheduler.runUntil([&] { return v.events.size() == 4; });
    const double tookMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const std::string errors = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(done);
    EXPECT_EQ(v.events, (std::vector<std::string>{"started", "finished", "started", "finished"}));
    // Paced as the sound would have played (a lower bound only: a busy machine is slower).
    const double spokenMs =
        1000.0 *
        static_cast<double>(spokenSamples("one two three") + spokenSamples("four five six")) /
        EspeakEngine::sampleRate();
    EXPECT_GE(tookMs, spokenMs * 0.9);
    std::size_t notices = 0;
    for (std::size_t at = errors.find("speech is silent"); at != std::string::npos;
         at = errors.find("speech is silent", at + 1))
        ++notices;
    EXPECT_EQ(notices, 1u) << errors;
    EXPECT_FALSE(v.synthesizer.condition().working);
    EXPECT_NE(v.synthesizer.condition().detail.find("no sound server"), std::string::npos);
}

TEST(EspeakSynthesizer, TheVoiceComesBackWithTheSoundServer) {
    Voice v(std::make_unique<PacedOutput>());
    testing::internal::CaptureStderr();
    const auto sayAndWait = [&](const char* text) {
        const std::size_t before = v.events.size();
        v.synthesizer.speak(text);
        return v.scheduler.runUntil([&] { return v.events.size() == before + 2; });
    };
    ASSERT_TRUE(sayAndWait("one two three"));
    EXPECT_TRUE(v.synthesizer.condition().working);

    v.output->serverGone = true;
    const long writtenBefore = v.output->written;
    ASSERT_TRUE(sayAndWait("four five six")); // the events still come
    ASSERT_TRUE(sayAndWait("seven eight"));
    EXPECT_EQ(v.output->written, writtenBefore);
    EXPECT_FALSE(v.synthesizer.condition().working);

    v.output->serverGone = false;
    ASSERT_TRUE(sayAndWait("nine ten"));
    EXPECT_GT(v.output->written, writtenBefore);
    EXPECT_TRUE(v.synthesizer.condition().working);
    const std::string errors = testing::internal::GetCapturedStderr();
    // Said once when it went, and once when it came back; not for every silent sentence.
    EXPECT_EQ(errors.find("speech is silent"), errors.rfind("speech is silent")) << errors;
    EXPECT_NE(errors.find("speech is silent"), std::string::npos) << errors;
    EXPECT_NE(errors.find("audible again"), std::string::npos) << errors;
}
