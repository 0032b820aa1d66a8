#include "OwnVoice.h"

#include <algorithm>
#include <chrono>
#include <limits>

namespace {
constexpr std::int64_t speaking = std::numeric_limits<std::int64_t>::max();
}

std::int64_t OwnVoice::nowMs() {
    return nowUs() / 1000;
}

std::int64_t OwnVoice::nowUs() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

void OwnVoice::began(const std::string& text) {
    std::lock_guard lock(mutex_);
    const std::int64_t now = nowMs();
    // Spans that ended long ago can no longer overlap anything the recognizer still holds.
    while (!spans_.empty() && spans_.front().to < now - 60000)
        spans_.pop_front();
    spans_.push_back(Span{now, speaking, text, {}, 0});
}

void OwnVoice::sounds(std::vector<std::int16_t> samples, std::int64_t firstHeardUs) {
    std::lock_guard lock(mutex_);
    if (spans_.empty() || spans_.back().to != speaking)
        return;
    spans_.back().samples = std::move(samples);
    spans_.back().firstHeardUs = firstHeardUs;
}

void OwnVoice::ended() {
    std::lock_guard lock(mutex_);
    if (!spans_.empty() && spans_.back().to == speaking)
        spans_.back().to = nowMs();
}

bool OwnVoice::heardBetween(std::int64_t fromMs, std::int64_t toMs,
                            std::vector<std::string>* texts) const {
    std::lock_guard lock(mutex_);
    bool heard = false;
    for (const auto& span : spans_) {
        const std::int64_t audibleUntil = span.to == speaking ? span.to : span.to + echoTailMs;
        if (span.from <= toMs && fromMs <= audibleUntil) {
            heard = true;
            if (texts)
                texts->push_back(span.text);
        }
    }
    return heard;
}

void OwnVoice::played(std::int64_t atUs, std::size_t count, std::int16_t* out) const {
    std::fill(out, out + count, 0);
    auto toSamples = [](std::int64_t us) { return us * sampleRate / 1000000; };
    auto toUs = [](std::int64_t samples) { return samples * 1000000 / sampleRate; };
    const std::int64_t untilUs = atUs + toUs(static_cast<std::int64_t>(count));
    std::lock_guard lock(mutex_);
    for (const auto& span : spans_) {
        if (span.samples.empty())
            continue;
        // A stopped sentence is cut: what was still buffered plays out for a moment at most.
        const std::int64_t endUs =
            std::min(span.firstHeardUs + toUs(static_cast<std::int64_t>(span.samples.size())),
                     span.to == speaking ? speaking : span.to * 1000 + 100000);
        if (span.firstHeardUs >= untilUs || endUs <= atUs)
            continue;
        const std::int64_t first = toSamples(atUs - span.firstHeardUs);
        const std::int64_t last = toSamples(endUs - span.firstHeardUs);
        for (std::size_t i = 0; i < count; ++i) {
            const std::int64_t index = first + static_cast<std::int64_t>(i);
            if (index >= 0 && index < last)
                out[i] = span.samples[static_cast<std::size_t>(index)];
        }
    }
}
