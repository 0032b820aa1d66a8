#pragma once

#include "Synthesizer.h"
#include "core/Timer.h"

#include <deque>
#include <string>

class Scheduler;

// A synthesizer without audio: each queued sentence "plays" for as long as it would take to say
// at the set rate (or not at all in instant mode), so speaking started and finished still arrive
// and the mouth and the bubble still move.
class SilentSynthesizer final : public Synthesizer {
public:
    enum class Pace { RealTime, Instant };

    SilentSynthesizer(Scheduler& scheduler, Pace pace);

    void speak(const std::string& text) override;
    void stopSpeaking() override;
    void setIntegerSetting(int value) override;
    bool isSpeaking() const override { return speaking_ || !queue_.empty(); }
    Condition condition() const override {
        return {false, pace_ == Pace::Instant ? "silent: sentences end at once (--speech=instant)"
                                              : "silent: started with --speech=silent"};
    }

    // How long the sentence takes at the current rate.
    int durationMs(const std::string& text) const;

private:
    void startNext();
    void finishCurrent();

    Scheduler& scheduler_;
    Pace pace_;
    int wordsPerMinute_ = 150;
    bool speaking_ = false;
    std::deque<std::string> queue_;
    Timer playing_;
};
