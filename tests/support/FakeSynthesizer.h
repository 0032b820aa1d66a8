#pragma once

#include "engine/Synthesizer.h"

#include <string>
#include <vector>

// Records every sentence and every stop; the test decides when speech starts and finishes.
class FakeSynthesizer final : public Synthesizer {
public:
    void speak(const std::string& text) override {
        said.push_back(text);
        log.push_back("say " + text);
        speaking = true;
    }
    void stopSpeaking() override {
        ++stops;
        log.push_back("stop");
        speaking = false;
    }
    void setIntegerSetting(int value) override { setting = value; }
    bool isSpeaking() const override { return speaking; }

    void start() { raiseSpeakingStarted(); }
    void finish() {
        speaking = false;
        raiseSpeakingFinished();
    }

    std::vector<std::string> said;
    std::vector<std::string> log;
    int stops = 0;
    int setting = 0;
    bool speaking = false;
};
