#include "Speaker.h"

#include "engine/Synthesizer.h"

Speaker::Speaker(Synthesizer& synthesizer)
    : synthesizer_(synthesizer) {}

void Speaker::say(const std::string& text) {
    synthesizer_.speak(text);
}

void Speaker::show(const std::string& text) {
    if (show_)
        show_(text);
}

void Speaker::stopSpeaking() {
    synthesizer_.stopSpeaking();
}
