#pragma once

#include "core/Status.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// The espeak-ng library, which keeps one global state: every use goes through here, one thread at
// a time. Initialised on first use.
class EspeakEngine {
public:
    struct Voice {
        std::string name = "en-us";
        int wordsPerMinute = 150;
    };
    // Gets samples as they are made; returns false to stop the synthesis.
    using SampleSink = std::function<bool(const std::int16_t* samples, std::size_t count)>;

    static Status initialise();
    // The rate of every sample the library makes (0 before a successful initialise()).
    static int sampleRate();

    static Status synthesize(const std::string& text, const Voice& voice, const SampleSink& sink);

    // espeak-ng's English phoneme names for the text: phonemes joined by '_', words by blanks.
    static Status phonemes(const std::string& text, std::string& out);
};
