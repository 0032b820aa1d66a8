#include "CaptureClock.h"

CaptureClock::CaptureClock(std::size_t blockSamples, int sampleRate)
    : blockUs_(static_cast<std::int64_t>(blockSamples) * 1000000 / sampleRate) {}

std::int64_t CaptureClock::blockHeardUs(std::int64_t measuredUs) {
    if (anchored_) {
        const std::int64_t off = measuredUs - nextUs_;
        if (off > toleranceUs || off < -toleranceUs)
            anchored_ = false;
    }
    if (!anchored_) {
        anchored_ = true;
        nextUs_ = measuredUs;
    }
    const std::int64_t heard = nextUs_;
    nextUs_ += blockUs_;
    return heard;
}
