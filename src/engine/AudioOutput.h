#pragma once

#include "core/Status.h"

#include <cstddef>
#include <cstdint>

// Where the synthesizer's samples go: a playback stream of 16-bit mono samples. Used from one
// thread at a time.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    virtual Status open(int sampleRate) = 0;
    virtual bool isOpen() const = 0;
    // Blocks until the samples are buffered for playing.
    virtual Status write(const std::int16_t* samples, std::size_t count) = 0;
    // Blocks until everything written has been played.
    virtual Status drain() = 0;
    // Drops what is buffered and not yet played.
    virtual void flush() = 0;
    // Microseconds until a sample written now is heard.
    virtual std::int64_t latencyUs() = 0;
    virtual void close() = 0;
};
