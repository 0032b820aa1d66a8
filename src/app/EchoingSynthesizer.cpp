#include "EchoingSynthesizer.h"

#include "ConsoleOutput.h"

EchoingSynthesizer::EchoingSynthesizer(Synthesizer& inner)
    : inner_(inner)
{
    inner_.setSpeakingStartedHandler([this] { raiseSpeakingStarted(); });
    inner_.setSpeakingFinishedHandler([this] { raiseSpeakingFinished(); });
}

void EchoingSynthesizer::speak(const std::string& text)
{
    ConsoleOutput::said(text);
    inner_.speak(text);
}
