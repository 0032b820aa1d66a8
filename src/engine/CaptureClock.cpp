#include "CaptureClock.h"

#include <algorithm>

CaptureClock::CaptureClock(std::size_t blockSamples, int sampleRate)
    : blockUs_(static_cast<std::int64_t>(blockSamples) * 1000000 / sampleRate) {}

std::int64_t CaptureClock::blockHeardUs(std::int64_t returnedUs) {
    if (!anchored_) {
        anchored_ = true;
        blocks_ = 0;
        inWindow_ = 0;
        startUs_ = returnedUs - blockUs_;
    }
    // This block ended before the read returned, so the stream started at this time or earlier.
    const std::int64_t start = returnedUs - (blocks_ + 1) * blockUs_;
    startUs_ = std::min(startUs_, start);
    windowEarliest_ = inWindow_ == 0 ? start : std::min(windowEarliest_, start);
    if (++inWindow_ == windowBlocks) {
        if (windowEarliest_ > startUs_ + toleranceUs)
            startUs_ = windowEarliest_;
        inWindow_ = 0;
    }
    return startUs_ + blocks_++ * blockUs_;
}
