#pragma once

#include <cstddef>
#include <cstdint>

// When each block of a capture stream reached the microphone, as a steady sequence: the sound
// card's clock moves by exactly one block per read, while the moment a read returns is late by
// anything from nothing to hundreds of milliseconds on a busy machine. A block cannot be handed
// over before it was captured, so the earliest returns tell the stream's start; the echo canceller
// needs that steady sequence, since a reference that jumps back and forth looks like an echo path
// that keeps changing.
class CaptureClock {
public:
    // A stream that lost sound (an overrun) is seen to run late for a whole window of reads, and
    // is then placed anew.
    static constexpr std::int64_t toleranceUs = 30000;
    static constexpr int windowBlocks = 100;

    explicit CaptureClock(std::size_t blockSamples, int sampleRate = 16000);

    // returnedUs: when the read of this block returned. Gives when its first sample was heard.
    std::int64_t blockHeardUs(std::int64_t returnedUs);
    void reset() { anchored_ = false; }

private:
    std::int64_t blockUs_;
    bool anchored_ = false;
    std::int64_t blocks_ = 0;
    std::int64_t startUs_ = 0; // when the stream's first sample was heard
    std::int64_t windowEarliest_ = 0;
    int inWindow_ = 0;
};
