#pragma once

#include "core/Status.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct ps_decoder_s;

// PocketSphinx with the en-us model, decoding a stream of 16 kHz mono samples against a grammar
// of whole phrases. The stream is cut into utterances where speech pauses; each utterance gives
// the phrase heard, or nothing when it was not one of the grammar's phrases. Used from one
// thread at a time.
class SphinxDecoder {
public:
    struct Settings {
        std::string modelFolder = "/usr/share/pocketsphinx/model/en-us";
        // The decoder's own defaults, a plain grammar and no rejection: the baseline that the
        // recognition benchmark compares with.
        bool stock = false;
    };

    struct Heard {
        std::string key;       // the phrase's words joined by blanks; empty when rejected
        std::string candidate; // the grammar's best phrase, also when rejected
        std::int64_t startSample = 0;
        std::int64_t endSample = 0; // where the speech ended
        double framesPerPhone = 0;
        double scorePerFrame = 0;
        double coverage = 0; // share of the utterance's speech that the phrase's words cover
    };

    static Status checkModel(const Settings& settings);
    static std::unique_ptr<SphinxDecoder> create(const Settings& settings, Status& status);
    ~SphinxDecoder();
    SphinxDecoder(const SphinxDecoder&) = delete;
    SphinxDecoder& operator=(const SphinxDecoder&) = delete;

    // Word sequences of the phrases; words missing from the dictionary get pronunciations from
    // espeak-ng. Sequences that cannot be pronounced are left out and listed in skipped.
    Status setGrammar(const std::vector<std::vector<std::string>>& sequences,
                      std::vector<std::string>* skipped = nullptr);
    bool hasGrammar() const { return hasGrammar_; }

    // Feeds samples; every utterance that ended within them is appended to heard.
    void process(const std::int16_t* samples, std::size_t count, std::vector<Heard>& heard);
    // Ends the stream: speech still going on ends here.
    void finish(std::vector<Heard>& heard);
    // Drops the utterance in progress (its audio may hold the program's own voice).
    void restartUtterance();
    bool inSpeech() const { return inUtterance_; }
    std::int64_t samplesFed() const { return fed_; }

    // Decides acceptance from the features of the best phrase.
    static bool accepts(const Heard& heard);

private:
    explicit SphinxDecoder(const Settings& settings);
    Status pronounce(const std::string& word);
    void endUtterance(std::vector<Heard>& heard);

    Settings settings_;
    ps_decoder_s* decoder_ = nullptr;
    bool hasGrammar_ = false;
    bool started_ = false;
    bool inUtterance_ = false;
    std::int64_t fed_ = 0;
    std::int64_t utteranceStart_ = 0;
};
