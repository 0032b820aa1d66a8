#pragma once

#include "engine/Synthesizer.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

class AudioOutput;
class OwnVoice;
class Scheduler;

// The synthesizer `mun`: espeak-ng's voice, played on a thread of its own. "Speaking started" is
// raised when the first sample is heard and "speaking finished" when the last has been played;
// stopSpeaking() silences the voice within one 20 ms chunk. Without an audio output (none given,
// or none can be opened) each sentence is paced in real time into nothing, so the events still
// come when the sound would have played.
class EspeakSynthesizer final : public Synthesizer {
public:
    EspeakSynthesizer(Scheduler& scheduler, std::unique_ptr<AudioOutput> output,
                      OwnVoice* ownVoice);
    ~EspeakSynthesizer() override;

    void speak(const std::string& text) override;
    void stopSpeaking() override;
    void setIntegerSetting(int value) override;
    bool isSpeaking() const override { return !outstanding_.empty(); }
    Condition condition() const override;

    static constexpr int chunkMs = 20;

private:
    struct Job {
        std::uint64_t id;
        std::string text;
        int wordsPerMinute;
    };

    void run();
    void say(const Job& job);
    void play(const Job& job, const std::vector<std::int16_t>& samples, int rate);
    void paceSilently(const Job& job, std::size_t sampleCount, int rate);
    bool cancelled(std::uint64_t id);
    void postStarted(std::uint64_t id);
    void postFinished(std::uint64_t id);
    void silent(const std::string& because);

    Scheduler& scheduler_;
    std::unique_ptr<AudioOutput> output_; // worker thread only
    OwnVoice* ownVoice_;

    // Shared with the worker.
    mutable std::mutex mutex_;
    std::string silentBecause_; // empty while the voice is heard
    std::condition_variable wake_;
    std::deque<Job> jobs_;
    std::uint64_t cancelledUpTo_ = 0;
    bool quit_ = false;

    // User-interface thread only.
    int wordsPerMinute_ = 150;
    std::uint64_t nextId_ = 1;
    std::uint64_t ignoredUpTo_ = 0;
    std::set<std::uint64_t> outstanding_;
    std::uint64_t startedId_ = 0; // raised "started" and not yet "finished"
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);

    std::thread worker_;
};
