#pragma once

#include "core/Status.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace webrtc {
class AudioProcessing;
}

// Takes the program's own voice out of the microphone's sound, knowing what was played: WebRTC's
// acoustic echo canceller, with its delay found by itself within a few hundred milliseconds.
// 16 kHz mono, in frames of 10 ms. Used from one thread.
class EchoCanceller {
public:
    static constexpr std::size_t frameSamples = 160;

    EchoCanceller();
    ~EchoCanceller();
    EchoCanceller(const EchoCanceller&) = delete;
    EchoCanceller& operator=(const EchoCanceller&) = delete;

    // Whether the library could be set up; if not, process() leaves the sound as it is.
    const Status& status() const { return status_; }

    // played: what the loudspeaker played leadMs before the captured frame was heard (zeros for
    // silence); captured is cleaned in place. Frames of frameSamples each.
    void process(const std::int16_t* played, std::int16_t* captured, int leadMs);

private:
    std::unique_ptr<webrtc::AudioProcessing> processing_;
    Status status_ = Status::success();
};
