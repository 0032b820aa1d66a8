#pragma once

#include "core/Status.h"

#include <cstddef>
#include <cstdint>

// Where the recognizer's samples come from: 16 kHz mono 16-bit. Opened on the user-interface
// thread (so that a missing device is reported at once), read on the recognizer's thread.
class AudioInput {
public:
    static constexpr int sampleRate = 16000;

    virtual ~AudioInput() = default;

    virtual Status open() = 0;
    virtual bool isOpen() const = 0;
    // Blocks until count samples have been captured. A failure closes the input.
    virtual Status read(std::int16_t* samples, std::size_t count) = 0;
    virtual void close() = 0;
};
