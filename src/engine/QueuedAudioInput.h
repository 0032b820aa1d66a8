#pragma once

#include "AudioInput.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

// A microphone played by the program itself, for tests and benchmarks: queued sound comes out at
// the pace a sound card would give it, and silence (a faint floor) when nothing is queued.
class QueuedAudioInput final : public AudioInput {
public:
    // openFailure: when not empty, open() fails with it, as with no microphone.
    explicit QueuedAudioInput(std::string openFailure = {});

    Status open() override;
    bool isOpen() const override;
    Status read(std::int16_t* samples, std::size_t count) override;
    void close() override;

    // Thread-safe.
    void queue(const std::vector<std::int16_t>& samples);
    // From now on open() fails with this (none when empty), as while the sound server is away.
    void setOpenFailure(std::string failure);
    // The next read fails with this and closes the input, as when the sound server dies.
    void loseDevice(std::string failure);
    // Whether everything queued has been read.
    bool drained() const;

private:
    mutable std::mutex mutex_;
    std::string openFailure_;
    std::string readFailure_;
    std::deque<std::int16_t> queued_;
    bool open_ = false;
    std::chrono::steady_clock::time_point due_;
    std::uint32_t floor_ = 1;
};
