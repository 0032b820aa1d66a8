#pragma once

#include "engine/AudioOutput.h"

#include <string>

struct pa_simple;

// A playback stream on the PulseAudio server's default sink (PipeWire serves it too), with a
// short buffer so that a flush silences it at once.
class PulsePlayback final : public AudioOutput {
public:
    explicit PulsePlayback(std::string streamName);
    ~PulsePlayback() override;

    Status open(int sampleRate) override;
    bool isOpen() const override { return stream_ != nullptr; }
    Status write(const std::int16_t* samples, std::size_t count) override;
    Status drain() override;
    void flush() override;
    std::int64_t latencyUs() override;
    void close() override;

private:
    std::string streamName_;
    pa_simple* stream_ = nullptr;
};
