#pragma once

#include <string>
#include <vector>

// Test speech for the recognition benchmark: a brain, everyday sentences outside it, and the
// espeak-ng voices, rates and noise levels each of them is spoken in.
struct SpeechSplit {
    const char* name;
    std::vector<std::string> brain;
    std::vector<std::string> talk; // everyday sentences outside the grammar
    std::vector<std::string> voices;
    std::vector<int> rates;
    std::vector<double> noiseDb = {0.0, 15.0}; // signal-to-noise ratios; 0 for quiet
};

extern const SpeechSplit tuningSplit;
extern const SpeechSplit heldOutSplit;
extern const SpeechSplit wideSplit;
extern const SpeechSplit voicesSplit;
extern const std::vector<SpeechSplit> trainingSplits;
