#pragma once

#include "engine/Synthesizer.h"

// Passes everything to the real synthesizer and writes every sentence it is asked to speak: to
// the console's standard output, or to the log.
class EchoingSynthesizer final : public Synthesizer {
public:
    enum class To { StandardOutput, Log };

    EchoingSynthesizer(Synthesizer& inner, To to);

    void speak(const std::string& text) override;
    void stopSpeaking() override { inner_.stopSpeaking(); }
    void setIntegerSetting(int value) override { inner_.setIntegerSetting(value); }
    bool isSpeaking() const override { return inner_.isSpeaking(); }
    Condition condition() const override { return inner_.condition(); }

private:
    Synthesizer& inner_;
    To to_;
};
