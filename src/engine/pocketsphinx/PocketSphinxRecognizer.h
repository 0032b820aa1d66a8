#pragma once

#include "SphinxDecoder.h"
#include "SpokenPhrases.h"
#include "engine/Recognizer.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>

class AudioInput;
class OwnVoice;
class Scheduler;

// The recognizer `DirectSR1`: PocketSphinx on a thread of its own, fed from an audio input.
// Loading a grammar reads the phrase file at once (an empty one is refused) and builds the
// decoder's grammar on the recognizer's thread, so the windows never wait for it; until it is in
// place the old one decodes, and only phrases of the newest grammar are reported. While the
// program's own voice can be heard, only the barge-in phrases ("stop speak") are reported, and
// not when the voice is saying them itself.
class PocketSphinxRecognizer final : public Recognizer {
public:
    PocketSphinxRecognizer(Scheduler& scheduler, std::unique_ptr<AudioInput> input,
                           const OwnVoice* ownVoice, SphinxDecoder::Settings settings = {});
    ~PocketSphinxRecognizer() override;

    void deactivate() override;
    Status loadGrammarFromFile(const std::string& path) override;
    Status activate() override;

    Condition condition() const override;
    int grammarPhraseCount() const override { return static_cast<int>(phrases_.size()); }

    void setBargeInPhrases(std::set<std::string> written) { bargeIn_ = std::move(written); }

    // For tests: runs once the grammar of the latest load is in place on the recognizer's thread.
    void whenGrammarReady(std::function<void()> task);

private:
    struct Pending {
        std::uint64_t generation;
        std::vector<std::vector<std::string>> sequences;
    };

    void run();
    Status openInput();
    // Recognizer's thread: opens the lost microphone once its time has come.
    void tryToReopen();
    void lostInput(const Status& why);
    // With mutex_ held: the next try to open the microphone, this long from now.
    void tryAgainIn(std::chrono::milliseconds delay);
    void installGrammar(Pending pending);
    void deliver(const SphinxDecoder::Heard& heard, std::int64_t startMs, std::int64_t endMs);
    void onHeard(const std::string& key, bool ownVoiceAudible,
                 const std::vector<std::string>& ownTexts);

    Scheduler& scheduler_;
    std::unique_ptr<AudioInput> input_;
    const OwnVoice* ownVoice_;
    SphinxDecoder::Settings settings_;

    // User-interface thread only.
    SpokenPhrases phrases_;
    std::set<std::string> bargeIn_ = {"stop speak"};
    bool active_ = false;
    std::string cannotListen_; // why the last activation failed
    std::uint64_t generation_ = 0;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);

    // Shared with the recognizer's thread.
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Pending> pending_;
    std::function<void()> onGrammarReady_;
    std::uint64_t readyGeneration_ = 0;
    bool listen_ = false;
    std::string trouble_;      // what went wrong on the recognizer's thread, if anything
    std::string inputTrouble_; // why the microphone is closed while it should be listening
    std::chrono::steady_clock::time_point nextReopen_;
    std::chrono::milliseconds reopenDelay_{0};
    std::mutex openMutex_; // the user-interface thread and the recognizer's both open the input
    bool quit_ = false;
    std::thread thread_;
};
