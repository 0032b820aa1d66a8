#include "engine/WavFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace {
// A tone with a faint second one: its low bits are where a dither would show.
std::vector<std::int16_t> tone(int rate, double seconds) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(rate * seconds));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        samples[i] =
            static_cast<std::int16_t>(std::lround(8000 * std::sin(2 * std::numbers::pi * 440 * t) +
                                                  3 * std::sin(2 * std::numbers::pi * 97 * t)));
    }
    return samples;
}

int peak(const std::vector<std::int16_t>& samples) {
    int most = 0;
    for (const auto s : samples)
        most = std::max(most, std::abs(static_cast<int>(s)));
    return most;
}
} // namespace

// Benchmark figures and decoder tests rest on the same speech giving the same samples.
TEST(WavFile, ResamplingTheSameSamplesTwiceGivesTheSameSamples) {
    const auto speech = tone(22050, 1.0);
    EXPECT_EQ(WavFile::resample(speech, 22050, 16000), WavFile::resample(speech, 22050, 16000));
}

TEST(WavFile, ResamplingKeepsTheDurationAndTheLevel) {
    struct Case {
        int from, to;
    };
    for (const auto [from, to] : {Case{22050, 16000}, Case{48000, 16000}, Case{8000, 16000}}) {
        const auto out = WavFile::resample(tone(from, 1.0), from, to);
        EXPECT_NEAR(static_cast<double>(out.size()), to, to * 0.001) << from;
        EXPECT_NEAR(peak(out), 8003, 8003 * 0.02) << from;
    }
}

TEST(WavFile, TheSameRateLeavesTheSamplesAsTheyAre) {
    const auto speech = tone(16000, 0.1);
    EXPECT_EQ(WavFile::resample(speech, 16000, 16000), speech);
    EXPECT_TRUE(WavFile::resample({}, 22050, 16000).empty());
}
