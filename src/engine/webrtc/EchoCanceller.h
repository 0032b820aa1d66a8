#pragma once

#include "core/Status.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace webrtc {
class AudioProcessing;
}

// Takes the program's own voice out of the microphone's sound, knowing what was played: WebRTC's
// acoustic echo canceller. 16 kHz mono, in frames of 10 ms. Used from one thread.
//
// The canceller converges in seconds when the echo's delay is far from what it is told, and a
// sound server's delay is known only roughly. So the played sound is given well ahead of its
// echo, and the delay is measured here by matching the loudness contours of what was played and
// what was heard; the played sound is held back by that much before the canceller gets it.
class EchoCanceller {
public:
    static constexpr std::size_t frameSamples = 160;
    // How long a delay is looked for, and how far ahead of its echo the played sound must come.
    static constexpr int maxDelayFrames = 60;

    EchoCanceller();
    ~EchoCanceller();
    EchoCanceller(const EchoCanceller&) = delete;
    EchoCanceller& operator=(const EchoCanceller&) = delete;

    // Whether the library could be set up; if not, process() leaves the sound as it is.
    const Status& status() const { return status_; }

    // played: the frame of played sound, given up to maxDelayFrames ahead of its echo (zeros for
    // silence); captured is cleaned in place.
    void process(const std::int16_t* played, std::int16_t* captured);

    // The measured delay of the echo behind the played sound, in frames; -1 before it is known.
    int delayFrames() const { return delayFrames_; }

private:
    void start();
    void measureDelay();

    std::unique_ptr<webrtc::AudioProcessing> processing_;
    Status status_ = Status::success();
    std::deque<std::vector<std::int16_t>> playedFrames_; // newest last
    std::deque<double> playedLoudness_;
    std::deque<double> heardLoudness_;
    int delayFrames_ = -1;
    int candidateFrames_ = -1;
    int agreeing_ = 0;
    int sinceMeasured_ = 0;
};
