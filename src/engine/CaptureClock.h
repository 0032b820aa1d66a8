#pragma once

#include <cstddef>
#include <cstdint>

// When each block of a capture stream reached the microphone, as a steady sequence: the sound
// card's clock moves by exactly one block per read, while the moment a read returns jitters by
// milliseconds. The echo canceller needs the steady sequence: a reference that jumps back and
// forth looks like an echo path that keeps changing.
class CaptureClock {
public:
    // Beyond this the stream is taken to have lost or gained sound (an overrun) and is re-anchored.
    static constexpr std::int64_t toleranceUs = 40000;

    explicit CaptureClock(std::size_t blockSamples, int sampleRate = 16000);

    // measuredUs: when this block's first sample was heard, as seen from the read's return.
    std::int64_t blockHeardUs(std::int64_t measuredUs);
    void reset() { anchored_ = false; }

private:
    std::int64_t blockUs_;
    bool anchored_ = false;
    std::int64_t nextUs_ = 0;
};
