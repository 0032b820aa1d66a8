#include "OwnVoice.h"

#include <chrono>
#include <limits>

std::int64_t OwnVoice::nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void OwnVoice::began(const std::string& text) {
    std::lock_guard lock(mutex_);
    const std::int64_t now = nowMs();
    // Spans that ended long ago can no longer overlap anything the recognizer still holds.
    while (!spans_.empty() && spans_.front().to < now - 60000)
        spans_.pop_front();
    spans_.push_back(Span{now, std::numeric_limits<std::int64_t>::max(), text});
}

void OwnVoice::ended() {
    std::lock_guard lock(mutex_);
    if (!spans_.empty() && spans_.back().to == std::numeric_limits<std::int64_t>::max())
        spans_.back().to = nowMs();
}

bool OwnVoice::heardBetween(std::int64_t fromMs, std::int64_t toMs,
                            std::vector<std::string>* texts) const {
    std::lock_guard lock(mutex_);
    bool heard = false;
    for (const auto& span : spans_) {
        const std::int64_t audibleUntil =
            span.to == std::numeric_limits<std::int64_t>::max() ? span.to : span.to + echoTailMs;
        if (span.from <= toMs && fromMs <= audibleUntil) {
            heard = true;
            if (texts)
                texts->push_back(span.text);
        }
    }
    return heard;
}
