#pragma once

#include "core/Status.h"

#include <cstdint>
#include <string>
#include <vector>

// Sound files for the offline tools and the benchmarks: read as mono at a wanted rate (mixed down
// and resampled when the file differs), written as 16-bit mono WAV.
class WavFile {
public:
    static Status read(const std::string& path, int wantedRate, std::vector<std::int16_t>& samples);
    static Status write(const std::string& path, int rate,
                        const std::vector<std::int16_t>& samples);
    // The same samples always give the same result (no dither).
    static std::vector<std::int16_t> resample(const std::vector<std::int16_t>& samples,
                                              int fromRate, int toRate);
};
