#include "EchoCanceller.h"

#include <webrtc/modules/audio_processing/include/audio_processing.h>
#include <webrtc/modules/interface/module_common_types.h>

#include <algorithm>
#include <cmath>

namespace {
// Loudness contours over this many frames are matched, every measureEvery frames.
constexpr std::size_t historyFrames = 300;
constexpr std::size_t leastFrames = 150;
constexpr int measureEvery = 25;
// The canceller is told the echo comes this much after the held-back played sound.
constexpr int marginFrames = 2;

void fill(webrtc::AudioFrame& frame, const std::int16_t* samples) {
    frame.sample_rate_hz_ = 16000;
    frame.num_channels_ = 1;
    frame.samples_per_channel_ = EchoCanceller::frameSamples;
    std::copy(samples, samples + EchoCanceller::frameSamples, frame.data_);
}

double loudness(const std::int16_t* samples) {
    double sum = 0;
    for (std::size_t i = 0; i < EchoCanceller::frameSamples; ++i)
        sum += static_cast<double>(samples[i]) * samples[i];
    return std::log(1.0 + sum / EchoCanceller::frameSamples);
}
} // namespace

EchoCanceller::EchoCanceller() {
    start();
}

void EchoCanceller::start() {
    webrtc::Config config;
    // The delay that is left is short, but it drifts: the canceller follows it by itself.
    config.Set<webrtc::ExtendedFilter>(new webrtc::ExtendedFilter(true));
    config.Set<webrtc::DelayAgnostic>(new webrtc::DelayAgnostic(true));
    processing_.reset(webrtc::AudioProcessing::Create(config));
    if (!processing_) {
        status_ = Status::failure("the echo canceller could not be created");
        return;
    }
    webrtc::EchoCancellation* echo = processing_->echo_cancellation();
    // The lowest suppression: higher levels also wipe out the user's words said over the echo.
    if (echo->enable_drift_compensation(false) != 0 || echo->Enable(true) != 0 ||
        echo->set_suppression_level(webrtc::EchoCancellation::kLowSuppression) != 0)
        status_ = Status::failure("the echo canceller refused its settings");
}

EchoCanceller::~EchoCanceller() = default;

void EchoCanceller::measureDelay() {
    // Pearson correlation of the two contours at each delay; the best one wins when it is clear.
    const std::size_t n = heardLoudness_.size();
    if (n < leastFrames)
        return;
    // Changing a delay in use asks for more than finding the first one.
    double best = delayFrames_ < 0 ? 0.4 : 0.6;
    int bestDelay = -1;
    for (int delay = 0; delay <= maxDelayFrames; ++delay) {
        const std::size_t count = n - static_cast<std::size_t>(maxDelayFrames);
        double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t at = static_cast<std::size_t>(maxDelayFrames) + i;
            const double x = playedLoudness_[at - static_cast<std::size_t>(delay)];
            const double y = heardLoudness_[at];
            sx += x;
            sy += y;
            sxx += x * x;
            syy += y * y;
            sxy += x * y;
        }
        const double c = static_cast<double>(count);
        const double varianceX = sxx - sx * sx / c;
        const double varianceY = syy - sy * sy / c;
        if (varianceX <= 1e-9 || varianceY <= 1e-9)
            return; // silence on one side: nothing to match
        const double r = (sxy - sx * sy / c) / std::sqrt(varianceX * varianceY);
        if (r > best) {
            best = r;
            bestDelay = delay;
        }
    }
    // A delay is taken when measurements in a row agree: the user's words over the echo can
    // make one measurement wrong, and the ones made half a second apart share most of their
    // sound. A canceller fed with another delay before would take seconds to unlearn it, or mute
    // everything meanwhile: it starts afresh.
    if (bestDelay >= 0 && std::abs(bestDelay - candidateFrames_) <= 1) {
        ++agreeing_;
    } else {
        candidateFrames_ = bestDelay;
        agreeing_ = bestDelay >= 0 ? 1 : 0;
    }
    const int needed = delayFrames_ < 0 ? 2 : 6;
    if (agreeing_ < needed || std::abs(candidateFrames_ - delayFrames_) <= 1)
        return;
    if (delayFrames_ >= 0)
        start();
    delayFrames_ = candidateFrames_;
}

void EchoCanceller::process(const std::int16_t* played, std::int16_t* captured) {
    if (!status_)
        return;
    playedFrames_.emplace_back(played, played + frameSamples);
    playedLoudness_.push_back(loudness(played));
    heardLoudness_.push_back(loudness(captured));
    while (playedLoudness_.size() > historyFrames) {
        playedLoudness_.pop_front();
        heardLoudness_.pop_front();
    }
    while (playedFrames_.size() > static_cast<std::size_t>(maxDelayFrames) + 1)
        playedFrames_.pop_front();
    if (++sinceMeasured_ >= measureEvery) {
        sinceMeasured_ = 0;
        measureDelay();
    }
    // Fed with a wrong delay, the canceller would take seconds to unlearn it once it is known.
    if (delayFrames_ < 0)
        return;
    const int holdBack = std::max(0, delayFrames_ - marginFrames);
    const std::size_t index =
        playedFrames_.size() - 1 -
        std::min(playedFrames_.size() - 1, static_cast<std::size_t>(holdBack));
    webrtc::AudioFrame render;
    fill(render, playedFrames_[index].data());
    webrtc::AudioFrame capture;
    fill(capture, captured);
    // A failing frame is left as captured: the own-voice filter still guards the phrases.
    if (processing_->AnalyzeReverseStream(&render) != 0)
        return;
    processing_->set_stream_delay_ms(marginFrames * 10);
    if (processing_->ProcessStream(&capture) != 0)
        return;
    std::copy(capture.data_, capture.data_ + frameSamples, captured);
}
