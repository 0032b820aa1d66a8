#include "PocketSphinxRecognizer.h"

#include "brain/BrainFileFormat.h"
#include "core/FileAccess.h"
#include "core/Log.h"
#include "core/Scheduler.h"
#include "core/TextCodec.h"
#include "engine/AudioInput.h"
#include "engine/CaptureClock.h"
#include "engine/OwnVoice.h"
#include "engine/webrtc/EchoCanceller.h"

#include <chrono>

namespace {
// 20 ms of audio per read: the end of speech is seen at most this late.
constexpr std::size_t blockSamples = AudioInput::sampleRate / 50;
// How far ahead of its estimated echo the played sound is given to the echo canceller, which
// finds the true delay within its reach: estimates this much too late or a little more than
// that too early are fine.
constexpr int echoLeadMs = 250;
// How soon a lost microphone is tried again: soon at first, then seldom enough that a missing
// sound server costs next to nothing.
constexpr std::chrono::milliseconds firstReopenDelay{500};
constexpr std::chrono::milliseconds longestReopenDelay{4000};

bool containsWords(const std::string& text, const std::string& key) {
    return (" " + SpokenPhrases::keyOf(SpokenPhrases::wordsOf(text)) + " ").find(" " + key + " ") !=
           std::string::npos;
}
} // namespace

PocketSphinxRecognizer::PocketSphinxRecognizer(Scheduler& scheduler,
                                               std::unique_ptr<AudioInput> input,
                                               const OwnVoice* ownVoice,
                                               SphinxDecoder::Settings settings)
    : scheduler_(scheduler)
    , input_(std::move(input))
    , ownVoice_(ownVoice)
    , settings_(std::move(settings)) {}

PocketSphinxRecognizer::~PocketSphinxRecognizer() {
    *alive_ = false;
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
    input_->close();
}

void PocketSphinxRecognizer::deactivate() {
    active_ = false;
}

Status PocketSphinxRecognizer::loadGrammarFromFile(const std::string& path) {
    std::string bytes;
    std::string error;
    const auto read = FileAccess::readWholeFile(path, bytes, error);
    if (read == FileAccess::ReadResult::Missing)
        return Status::failure("the phrase file " + path + " does not exist");
    if (read == FileAccess::ReadResult::Failed)
        return Status::failure("could not read " + error);
    SpokenPhrases phrases(BrainFileFormat::phrasesFromText(TextCodec::decode(bytes)));
    for (const auto& phrase : phrases.unspeakable())
        Log::warningOnce("unspeakable " + phrase,
                         "the phrase \"" + phrase + "\" has no word to say and cannot be heard");
    if (phrases.empty())
        return Status::failure("the grammar has no phrases");
    phrases_ = std::move(phrases);
    {
        std::lock_guard lock(mutex_);
        ++generation_;
        pending_ = Pending{generation_, phrases_.sequences()};
    }
    wake_.notify_all();
    if (!thread_.joinable())
        thread_ = std::thread([this] { run(); });
    return Status::success();
}

Status PocketSphinxRecognizer::activate() {
    const Status model = SphinxDecoder::checkModel(settings_);
    if (!model) {
        cannotListen_ = "cannot listen: " + model.message();
        return Status::failure(cannotListen_);
    }
    cannotListen_.clear();
    const Status opened = openInput();
    // Active even without a microphone: the recognizer's thread keeps trying to open it, so that
    // a sound server that starts after the program (or comes back) is heard without a restart.
    active_ = true;
    {
        std::lock_guard lock(mutex_);
        listen_ = true;
        if (!opened) {
            inputTrouble_ = "cannot listen: " + opened.message();
            tryAgainIn(firstReopenDelay);
        }
    }
    wake_.notify_all();
    if (!thread_.joinable())
        thread_ = std::thread([this] { run(); });
    if (!opened)
        return Status::failure("cannot listen: " + opened.message());
    return Status::success();
}

Status PocketSphinxRecognizer::openInput() {
    std::lock_guard lock(openMutex_);
    return input_->isOpen() ? Status::success() : input_->open();
}

void PocketSphinxRecognizer::tryToReopen() {
    {
        std::lock_guard lock(mutex_);
        if (std::chrono::steady_clock::now() < nextReopen_)
            return;
    }
    const Status opened = openInput();
    std::lock_guard lock(mutex_);
    if (!opened) {
        tryAgainIn(std::min(reopenDelay_ * 2, longestReopenDelay));
        return;
    }
    if (!inputTrouble_.empty())
        Log::info("listening again: the microphone is back");
    inputTrouble_.clear();
}

void PocketSphinxRecognizer::tryAgainIn(std::chrono::milliseconds delay) {
    reopenDelay_ = delay;
    nextReopen_ = std::chrono::steady_clock::now() + delay;
}

void PocketSphinxRecognizer::lostInput(const Status& why) {
    Log::warning("stopped listening: " + why.message() + "; trying again until it is back");
    std::lock_guard lock(mutex_);
    inputTrouble_ = "stopped listening: " + why.message();
    // A server that is restarting needs a moment before it takes streams again.
    tryAgainIn(firstReopenDelay);
}

Recognizer::Condition PocketSphinxRecognizer::condition() const {
    if (!cannotListen_.empty())
        return {false, cannotListen_};
    {
        std::lock_guard lock(mutex_);
        if (!trouble_.empty())
            return {false, trouble_};
        if (!inputTrouble_.empty())
            return {false, inputTrouble_};
    }
    if (!active_)
        return {false, "not listening: no grammar is active"};
    return {true, "listening"};
}

void PocketSphinxRecognizer::whenGrammarReady(std::function<void()> task) {
    std::lock_guard lock(mutex_);
    if (readyGeneration_ == generation_ && generation_ != 0) {
        scheduler_.post(std::move(task));
        return;
    }
    onGrammarReady_ = std::move(task);
}

void PocketSphinxRecognizer::run() {
    Status created = Status::success();
    std::unique_ptr<SphinxDecoder> decoder = SphinxDecoder::create(settings_, created);
    if (!decoder) {
        Log::reportOnce("cannot listen", created);
        {
            std::lock_guard lock(mutex_);
            trouble_ = "cannot listen: " + created.message();
        }
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return quit_; });
        return;
    }
    EchoCanceller canceller;
    Log::reportOnce("taking the program's own voice out of what it hears", canceller.status());
    std::vector<std::int16_t> block(blockSamples);
    std::vector<std::int16_t> played(EchoCanceller::frameSamples);
    CaptureClock captureClock(blockSamples);
    std::vector<SphinxDecoder::Heard> heard;
    for (;;) {
        std::optional<Pending> pending;
        bool reopen = false;
        {
            std::unique_lock lock(mutex_);
            const auto ready = [this] {
                return quit_ || pending_ || (listen_ && input_->isOpen());
            };
            // Asleep until there is work: a grammar, a microphone to read, or one to try again.
            if (listen_ && !input_->isOpen())
                wake_.wait_until(lock, nextReopen_, ready);
            else
                wake_.wait(lock, ready);
            if (quit_)
                return;
            pending.swap(pending_);
            reopen = listen_ && !input_->isOpen();
        }
        if (pending) {
            std::vector<std::string> skipped;
            const std::uint64_t generation = pending->generation;
            const Status set = decoder->setGrammar(pending->sequences, &skipped);
            Log::reportOnce("the recognizer's grammar", set);
            for (const auto& phrase : skipped)
                Log::warningOnce("unpronounceable " + phrase,
                                 "no pronunciation for \"" + phrase + "\": it cannot be heard");
            std::function<void()> ready;
            {
                std::lock_guard lock(mutex_);
                readyGeneration_ = generation;
                if (readyGeneration_ == generation_)
                    ready.swap(onGrammarReady_);
            }
            if (ready)
                scheduler_.post(std::move(ready));
            continue;
        }
        if (reopen) {
            tryToReopen();
            continue;
        }
        const Status got = input_->read(block.data(), block.size());
        if (!got) {
            lostInput(got);
            decoder->restartUtterance();
            captureClock.reset();
            continue;
        }
        const std::int64_t nowUs = OwnVoice::nowUs();
        const std::int64_t nowMs = nowUs / 1000;
        if (ownVoice_) {
            // When the block's first sample reached the microphone.
            const std::int64_t heardUs = captureClock.blockHeardUs(nowUs);
            for (std::size_t at = 0; at + EchoCanceller::frameSamples <= block.size();
                 at += EchoCanceller::frameSamples) {
                const std::int64_t frameUs =
                    heardUs + static_cast<std::int64_t>(at) * 1000000 / AudioInput::sampleRate;
                // The reference runs ahead of the echo: the canceller only looks back in time.
                // It hears all the time, also while the program is quiet, so that its picture of
                // the room is in place when the voice starts.
                ownVoice_->played(frameUs + echoLeadMs * 1000, played.size(), played.data());
                canceller.process(played.data(), block.data() + at);
            }
        }
        heard.clear();
        decoder->process(block.data(), block.size(), heard);
        for (const auto& result : heard) {
            const std::int64_t fed = decoder->samplesFed();
            deliver(result, nowMs - (fed - result.startSample) / 16,
                    nowMs - (fed - result.endSample) / 16);
        }
    }
}

void PocketSphinxRecognizer::deliver(const SphinxDecoder::Heard& heard, std::int64_t startMs,
                                     std::int64_t endMs) {
    if (heard.candidate.empty() || heard.acceptance <= SphinxDecoder::bargeInThreshold)
        return;
    std::vector<std::string> ownTexts;
    // The decoder keeps some audio from before the speech started.
    const bool audible = ownVoice_ && ownVoice_->heardBetween(startMs - 300, endMs, &ownTexts);
    if (!audible && heard.key.empty())
        return;
    scheduler_.post([this, key = heard.candidate, audible, ownTexts, alive = alive_] {
        if (*alive)
            onHeard(key, audible, ownTexts);
    });
}

void PocketSphinxRecognizer::onHeard(const std::string& key, bool ownVoiceAudible,
                                     const std::vector<std::string>& ownTexts) {
    if (!active_)
        return;
    // Copied: a handler may reload the grammar.
    const std::vector<std::string> forms = phrases_.writtenAs(key);
    for (const auto& written : forms) {
        if (ownVoiceAudible) {
            if (!bargeIn_.count(written))
                continue;
            bool saidItself = false;
            for (const auto& text : ownTexts)
                saidItself = saidItself || containsWords(text, key);
            if (saidItself)
                continue;
        }
        raisePhrase(written);
    }
}
