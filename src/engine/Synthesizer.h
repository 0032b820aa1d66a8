#pragma once

#include <functional>
#include <string>

// The speech synthesizer as the program drives it. speak() returns at once; "speaking started"
// and "speaking finished" follow the audio and reach their handlers on the user-interface thread.
class Synthesizer {
public:
    using Event = std::function<void()>;

    virtual ~Synthesizer() = default;

    virtual void speak(const std::string& text) = 0;
    // Speech in progress ends at once; queued speech is dropped.
    virtual void stopSpeaking() = 0;
    // The program's one engine setting: 150 means 150 words per minute.
    virtual void setIntegerSetting(int value) = 0;
    // True from a speak() until its "speaking finished" has been delivered.
    virtual bool isSpeaking() const = 0;

    // Whether the voice is heard, and if not why (for diagnostics).
    struct Condition {
        bool working = true;
        std::string detail;
    };
    virtual Condition condition() const { return {true, "speaking"}; }

    void setSpeakingStartedHandler(Event handler) { started_ = std::move(handler); }
    void setSpeakingFinishedHandler(Event handler) { finished_ = std::move(handler); }

protected:
    // Implementations call these on the user-interface thread.
    void raiseSpeakingStarted() {
        if (started_)
            started_();
    }
    void raiseSpeakingFinished() {
        if (finished_)
            finished_();
    }

private:
    Event started_;
    Event finished_;
};
