#pragma once

#include "engine/AudioInput.h"

#include <atomic>
#include <string>

struct pa_simple;

// A record stream from the PulseAudio server's default source at 16 kHz mono, in 20 ms
// fragments so that the end of speech is seen soon.
class PulseCapture final : public AudioInput {
public:
    explicit PulseCapture(std::string streamName);
    ~PulseCapture() override;

    Status open() override;
    bool isOpen() const override { return stream_.load() != nullptr; }
    Status read(std::int16_t* samples, std::size_t count) override;
    void close() override;

private:
    std::string streamName_;
    std::atomic<pa_simple*> stream_{nullptr};
};
