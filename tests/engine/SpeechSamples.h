#pragma once

#include "engine/AudioInput.h"
#include "engine/WavFile.h"
#include "engine/espeak/EspeakEngine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// Speech made by espeak-ng at the recognizer's rate, for tests of the real engines.
struct SpeechSamples {
    static std::vector<std::int16_t> say(const std::string& text, const std::string& voice,
                                         int silenceBeforeMs, int silenceAfterMs) {
        std::vector<std::int16_t> speech;
        EXPECT_TRUE(
            EspeakEngine::synthesize(text, {voice, 150}, [&](const std::int16_t* s, std::size_t n) {
                speech.insert(speech.end(), s, s + n);
                return true;
            }).ok());
        speech = WavFile::resample(speech, EspeakEngine::sampleRate(), AudioInput::sampleRate);
        std::vector<std::int16_t> samples(static_cast<std::size_t>(silenceBeforeMs) * 16, 0);
        samples.insert(samples.end(), speech.begin(), speech.end());
        samples.resize(samples.size() + static_cast<std::size_t>(silenceAfterMs) * 16, 0);
        return samples;
    }

    // A faint floor, as a microphone gives: digital silence is never heard.
    static void addFloor(std::vector<std::int16_t>& samples) {
        for (std::size_t i = 0; i < samples.size(); ++i)
            samples[i] = static_cast<std::int16_t>(
                std::clamp(samples[i] + static_cast<int>(i * 7919 % 61) - 30, -32768, 32767));
    }
};
