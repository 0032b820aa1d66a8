#include "EchoCanceller.h"

#include <webrtc/modules/audio_processing/include/audio_processing.h>
#include <webrtc/modules/interface/module_common_types.h>

#include <algorithm>

namespace {
void fill(webrtc::AudioFrame& frame, const std::int16_t* samples) {
    frame.sample_rate_hz_ = 16000;
    frame.num_channels_ = 1;
    frame.samples_per_channel_ = EchoCanceller::frameSamples;
    std::copy(samples, samples + EchoCanceller::frameSamples, frame.data_);
}
} // namespace

EchoCanceller::EchoCanceller() {
    webrtc::Config config;
    // The loudspeaker and the microphone may be far apart in time (a sound server's buffers):
    // the extended filter covers longer echo paths and the delay is estimated from the signals.
    config.Set<webrtc::ExtendedFilter>(new webrtc::ExtendedFilter(true));
    config.Set<webrtc::DelayAgnostic>(new webrtc::DelayAgnostic(true));
    processing_.reset(webrtc::AudioProcessing::Create(config));
    if (!processing_) {
        status_ = Status::failure("the echo canceller could not be created");
        return;
    }
    webrtc::EchoCancellation* echo = processing_->echo_cancellation();
    if (echo->enable_drift_compensation(false) != 0 || echo->Enable(true) != 0 ||
        echo->set_suppression_level(webrtc::EchoCancellation::kLowSuppression) != 0)
        status_ = Status::failure("the echo canceller refused its settings");
}

EchoCanceller::~EchoCanceller() = default;

void EchoCanceller::process(const std::int16_t* played, std::int16_t* captured, int leadMs) {
    if (!status_)
        return;
    webrtc::AudioFrame render;
    fill(render, played);
    webrtc::AudioFrame capture;
    fill(capture, captured);
    // A failing frame is left as captured: the own-voice filter still guards the phrases.
    if (processing_->AnalyzeReverseStream(&render) != 0)
        return;
    processing_->set_stream_delay_ms(leadMs);
    if (processing_->ProcessStream(&capture) != 0)
        return;
    std::copy(capture.data_, capture.data_ + frameSamples, captured);
}
