#pragma once

#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

// When the program's own voice can be heard by its microphone, and what it says. The synthesizer
// writes, the recognizer reads; both from their own threads. Times are steady-clock milliseconds.
class OwnVoice {
public:
    // Sound in the room and the capture path lag behind the moment playing ends.
    static constexpr std::int64_t echoTailMs = 400;

    static std::int64_t nowMs();

    void began(const std::string& text);
    void ended();

    // Whether the voice could be heard in audio captured between the two times; if so, what it
    // was saying then.
    bool heardBetween(std::int64_t fromMs, std::int64_t toMs,
                      std::vector<std::string>* texts) const;

private:
    struct Span {
        std::int64_t from;
        std::int64_t to; // INT64_MAX while speaking
        std::string text;
    };
    mutable std::mutex mutex_;
    std::deque<Span> spans_;
};
