#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

// When the program's own voice can be heard by its microphone, what it says, and the very
// samples it plays, so that the recognizer can take them out of what it hears. The synthesizer
// writes, the recognizer reads; both from their own threads. Times are steady-clock
// milliseconds, or microseconds where samples are placed.
class OwnVoice {
public:
    // Sound in the room and the capture path lag behind the moment playing ends.
    static constexpr std::int64_t echoTailMs = 400;
    static constexpr int sampleRate = 16000;

    static std::int64_t nowMs();
    static std::int64_t nowUs();

    void began(const std::string& text);
    // The sentence begun last is heard from firstHeardUs on; samples at sampleRate.
    void sounds(std::vector<std::int16_t> samples, std::int64_t firstHeardUs);
    void ended();

    // Whether the voice could be heard in audio captured between the two times; if so, what it
    // was saying then.
    bool heardBetween(std::int64_t fromMs, std::int64_t toMs,
                      std::vector<std::string>* texts) const;

    // Fills out with the samples heard from atUs on (zeros where the voice was silent).
    void played(std::int64_t atUs, std::size_t count, std::int16_t* out) const;

private:
    struct Span {
        std::int64_t from;
        std::int64_t to; // INT64_MAX while speaking
        std::string text;
        std::vector<std::int16_t> samples;
        std::int64_t firstHeardUs = 0;
    };
    mutable std::mutex mutex_;
    std::deque<Span> spans_;
};
