#include "EspeakEngine.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <mutex>

namespace {
std::mutex engineMutex;
bool tried = false;
int rate = 0;
Status initialised = Status::failure("espeak-ng is not initialised");
const EspeakEngine::SampleSink* currentSink = nullptr;
bool stopRequested = false;

int onSamples(short* samples, int count, espeak_EVENT*) {
    if (!samples || count <= 0 || !currentSink)
        return stopRequested ? 1 : 0;
    if (!(*currentSink)(reinterpret_cast<const std::int16_t*>(samples),
                        static_cast<std::size_t>(count)))
        stopRequested = true;
    return stopRequested ? 1 : 0;
}

Status initialiseLocked() {
    if (tried)
        return initialised;
    tried = true;
    // 100 ms buffers: small enough for playing to start soon after a long text is given.
    rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 100, nullptr, 0);
    if (rate <= 0) {
        rate = 0;
        initialised = Status::failure("espeak-ng could not be initialised (is espeak-ng-data "
                                      "installed?)");
        return initialised;
    }
    espeak_SetSynthCallback(onSamples);
    initialised = Status::success();
    return initialised;
}

Status selectVoiceLocked(const EspeakEngine::Voice& voice) {
    if (espeak_SetVoiceByName(voice.name.c_str()) != EE_OK)
        return Status::failure("espeak-ng has no voice \"" + voice.name + "\"");
    espeak_SetParameter(espeakRATE, std::clamp(voice.wordsPerMinute, 80, 450), 0);
    return Status::success();
}
} // namespace

Status EspeakEngine::initialise() {
    std::lock_guard lock(engineMutex);
    return initialiseLocked();
}

int EspeakEngine::sampleRate() {
    std::lock_guard lock(engineMutex);
    return rate;
}

Status EspeakEngine::synthesize(const std::string& text, const Voice& voice,
                                const SampleSink& sink) {
    std::lock_guard lock(engineMutex);
    Status ready = initialiseLocked();
    if (!ready)
        return ready;
    ready = selectVoiceLocked(voice);
    if (!ready)
        return ready;
    currentSink = &sink;
    stopRequested = false;
    const espeak_ERROR result = espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0,
                                             espeakCHARS_UTF8, nullptr, nullptr);
    currentSink = nullptr;
    if (result != EE_OK)
        return Status::failure("espeak-ng could not synthesize the text");
    return Status::success();
}

Status EspeakEngine::phonemes(const std::string& text, std::string& out) {
    std::lock_guard lock(engineMutex);
    Status ready = initialiseLocked();
    if (!ready)
        return ready;
    ready = selectVoiceLocked(Voice{});
    if (!ready)
        return ready;
    out.clear();
    const void* position = text.c_str();
    // Mode: espeak's ASCII phoneme names, '_' between the phonemes of a word.
    const int mode = '_' << 8;
    while (position) {
        const char* clause = espeak_TextToPhonemes(&position, espeakCHARS_UTF8, mode);
        if (!clause)
            break;
        if (!out.empty() && *clause)
            out += ' ';
        out += clause;
    }
    return Status::success();
}
