#include "EchoingSynthesizer.h"

#include "ConsoleOutput.h"
#include "core/Log.h"

EchoingSynthesizer::EchoingSynthesizer(Synthesizer& inner, To to)
    : inner_(inner)
    , to_(to) {
    inner_.setSpeakingStartedHandler([this] { raiseSpeakingStarted(); });
    inner_.setSpeakingFinishedHandler([this] { raiseSpeakingFinished(); });
}

void EchoingSynthesizer::speak(const std::string& text) {
    if (to_ == To::StandardOutput)
        ConsoleOutput::said(text);
    else
        Log::info("said: " + ConsoleOutput::oneLine(text));
    inner_.speak(text);
}
