#include "SilentSynthesizer.h"

#include "core/Scheduler.h"

#include <algorithm>
#include <sstream>

SilentSynthesizer::SilentSynthesizer(Scheduler& scheduler, Pace pace)
    : scheduler_(scheduler)
    , pace_(pace)
    , playing_(scheduler, "silentSpeech", 1, [this] { finishCurrent(); }) {}

int SilentSynthesizer::durationMs(const std::string& text) const {
    std::istringstream words(text);
    std::string word;
    int count = 0;
    while (words >> word)
        ++count;
    return std::max(1, count) * 60000 / std::max(1, wordsPerMinute_) + 150;
}

void SilentSynthesizer::speak(const std::string& text) {
    queue_.push_back(text);
    if (!speaking_)
        startNext();
}

void SilentSynthesizer::startNext() {
    if (queue_.empty())
        return;
    const std::string text = queue_.front();
    queue_.pop_front();
    speaking_ = true;
    scheduler_.post([this] { raiseSpeakingStarted(); });
    if (pace_ == Pace::Instant) {
        scheduler_.post([this] { finishCurrent(); });
    } else {
        playing_.setInterval(durationMs(text));
        playing_.start();
    }
}

void SilentSynthesizer::finishCurrent() {
    if (!speaking_)
        return;
    playing_.stop();
    speaking_ = false;
    raiseSpeakingFinished();
    startNext();
}

void SilentSynthesizer::stopSpeaking() {
    queue_.clear();
    if (!speaking_)
        return;
    playing_.stop();
    speaking_ = false;
    scheduler_.post([this] { raiseSpeakingFinished(); });
}

void SilentSynthesizer::setIntegerSetting(int value) {
    wordsPerMinute_ = std::clamp(value, 80, 450);
}
