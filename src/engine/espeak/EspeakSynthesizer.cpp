#include "EspeakSynthesizer.h"

#include "EspeakEngine.h"
#include "core/Log.h"
#include "core/Scheduler.h"
#include "engine/AudioOutput.h"
#include "engine/OwnVoice.h"
#include "engine/WavFile.h"

#include <algorithm>
#include <chrono>

EspeakSynthesizer::EspeakSynthesizer(Scheduler& scheduler, std::unique_ptr<AudioOutput> output,
                                     OwnVoice* ownVoice)
    : scheduler_(scheduler)
    , output_(std::move(output))
    , ownVoice_(ownVoice)
    , worker_([this] { run(); }) {}

EspeakSynthesizer::~EspeakSynthesizer() {
    *alive_ = false;
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
        cancelledUpTo_ = nextId_;
    }
    wake_.notify_all();
    worker_.join();
    if (output_)
        output_->close();
}

void EspeakSynthesizer::speak(const std::string& text) {
    const std::uint64_t id = nextId_++;
    outstanding_.insert(id);
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back(Job{id, text, wordsPerMinute_});
    }
    wake_.notify_all();
}

void EspeakSynthesizer::stopSpeaking() {
    if (outstanding_.empty())
        return;
    ignoredUpTo_ = nextId_ - 1;
    outstanding_.clear();
    {
        std::lock_guard lock(mutex_);
        cancelledUpTo_ = ignoredUpTo_;
        jobs_.clear();
    }
    wake_.notify_all();
    if (startedId_ != 0) {
        startedId_ = 0;
        // Posted, as the silent voice does, so that the handler never runs inside stopSpeaking().
        scheduler_.post([this, alive = alive_] {
            if (*alive)
                raiseSpeakingFinished();
        });
    }
}

void EspeakSynthesizer::silent(const std::string& because) {
    std::lock_guard lock(mutex_);
    silentBecause_ = because;
}

Synthesizer::Condition EspeakSynthesizer::condition() const {
    std::lock_guard lock(mutex_);
    if (!output_)
        return {false, "silent: no sound output"};
    if (!silentBecause_.empty())
        return {false, "silent: " + silentBecause_};
    return {true, "speaking through the sound server"};
}

void EspeakSynthesizer::setIntegerSetting(int value) {
    wordsPerMinute_ = std::clamp(value, 80, 450);
}

void EspeakSynthesizer::postStarted(std::uint64_t id) {
    scheduler_.post([this, id, alive = alive_] {
        if (!*alive || id <= ignoredUpTo_)
            return;
        startedId_ = id;
        raiseSpeakingStarted();
    });
}

void EspeakSynthesizer::postFinished(std::uint64_t id) {
    scheduler_.post([this, id, alive = alive_] {
        if (!*alive || id <= ignoredUpTo_)
            return;
        outstanding_.erase(id);
        if (startedId_ == id)
            startedId_ = 0;
        raiseSpeakingFinished();
    });
}

bool EspeakSynthesizer::cancelled(std::uint64_t id) {
    std::lock_guard lock(mutex_);
    return id <= cancelledUpTo_;
}

void EspeakSynthesizer::run() {
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return quit_ || !jobs_.empty(); });
            if (quit_)
                return;
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        say(job);
    }
}

void EspeakSynthesizer::say(const Job& job) {
    std::vector<std::int16_t> samples;
    const Status made =
        EspeakEngine::synthesize(job.text, EspeakEngine::Voice{"en-us", job.wordsPerMinute},
                                 [&](const std::int16_t* chunk, std::size_t count) {
                                     samples.insert(samples.end(), chunk, chunk + count);
                                     return !cancelled(job.id);
                                 });
    if (cancelled(job.id))
        return;
    const int rate = EspeakEngine::sampleRate();
    if (!made || rate <= 0) {
        Log::reportOnce("speaking", made ? Status::failure("espeak-ng gave no sample rate") : made);
        // Without a voice the sentence is still paced, from its words, so that the events come.
        const std::size_t words =
            static_cast<std::size_t>(std::count(job.text.begin(), job.text.end(), ' ') + 1);
        paceSilently(job, words * 16000 * 60 / static_cast<std::size_t>(job.wordsPerMinute), 16000);
        return;
    }
    if (output_ && !output_->isOpen()) {
        // Tried again for every sentence, so that the voice comes back with the sound server.
        const Status opened = output_->open(rate);
        const bool wasSilent = !condition().working;
        if (!opened && !wasSilent)
            Log::warning("speech is silent: " + opened.message());
        if (opened && wasSilent)
            Log::info("speech is audible again: the sound server is back");
        silent(opened ? std::string() : opened.message());
    }
    if (output_ && output_->isOpen())
        play(job, samples, rate);
    else
        paceSilently(job, samples.size(), rate);
}

void EspeakSynthesizer::play(const Job& job, const std::vector<std::int16_t>& samples, int rate) {
    using Clock = std::chrono::steady_clock;
    const std::size_t chunk = static_cast<std::size_t>(rate * chunkMs / 1000);
    if (ownVoice_)
        ownVoice_->began(job.text);
    bool started = false;
    Clock::time_point heardAt{};
    std::size_t at = 0;
    while (at < samples.size()) {
        if (cancelled(job.id)) {
            output_->flush();
            if (ownVoice_)
                ownVoice_->ended();
            return;
        }
        const std::size_t count = std::min(chunk, samples.size() - at);
        const Status written = output_->write(samples.data() + at, count);
        if (!written) {
            Log::warning("speech is silent: " + written.message());
            silent(written.message());
            output_->close();
            if (ownVoice_)
                ownVoice_->ended();
            if (!started)
                postStarted(job.id);
            paceSilently(Job{job.id, {}, job.wordsPerMinute}, samples.size() - at, rate);
            return;
        }
        if (at == 0) {
            // The first sample is heard once what is buffered ahead of the chunk's end has played.
            const std::int64_t ahead = std::max<std::int64_t>(
                0, output_->latencyUs() - static_cast<std::int64_t>(count) * 1000000 / rate);
            heardAt = Clock::now() + std::chrono::microseconds(ahead);
            // What the microphone may hear back, for the recognizer to take out.
            if (ownVoice_)
                ownVoice_->sounds(WavFile::resample(samples, rate, OwnVoice::sampleRate),
                                  OwnVoice::nowUs() + ahead);
        }
        at += count;
        if (!started && Clock::now() >= heardAt) {
            started = true;
            postStarted(job.id);
        }
    }
    const Status drained = output_->drain();
    if (!drained) {
        Log::warning("speech is silent: " + drained.message());
        silent(drained.message());
        output_->close();
    }
    if (ownVoice_)
        ownVoice_->ended();
    if (cancelled(job.id))
        return;
    if (!started)
        postStarted(job.id);
    postFinished(job.id);
}

void EspeakSynthesizer::paceSilently(const Job& job, std::size_t sampleCount, int rate) {
    if (!job.text.empty())
        postStarted(job.id);
    const auto until = std::chrono::steady_clock::now() +
                       std::chrono::microseconds(static_cast<std::int64_t>(sampleCount) * 1000000 /
                                                 std::max(1, rate));
    std::unique_lock lock(mutex_);
    const bool stopped =
        wake_.wait_until(lock, until, [&] { return quit_ || job.id <= cancelledUpTo_; });
    lock.unlock();
    if (!stopped)
        postFinished(job.id);
}
