#pragma once

#include "core/Status.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
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
        // More decoder arguments, name then value, after the program's own (for tuning).
        std::vector<std::string> decoderArguments;
    };

    struct Heard {
        std::string key;       // the phrase's words joined by blanks; empty when rejected
        std::string candidate; // the grammar's best phrase, also when rejected
        std::int64_t startSample = 0;
        std::int64_t endSample = 0; // where the speech ended
        double framesPerPhone = 0;
        double scorePerFrame = 0;
        double coverage = 0; // share of the utterance's speech that the phrase's words cover
        // Acoustic score per frame of the phrase's words minus that of the best free phone
        // sequence over the same frames: near 0 when the words explain the sound as well as any
        // phones could, far below when the grammar forced other talk onto its nearest phrase.
        double phoneLoopGap = 0;
        // The phones heard freely over the phrase's frames, as edits of the phrase's own phones
        // per phone of the phrase.
        double phoneDistance = 0;
        // Speech heard freely outside the phrase's frames, per frame of the phrase.
        double speechOutside = 0;
        // The phone-loop gap of the phrase's worst-matched word: talk that shares some words
        // with a phrase is forced onto it through the others.
        double worstWordGap = 0;
        // Share of the phrase's frames that the free phones hear as silence or noise: a short
        // word forced onto a longer phrase leaves the phrase stretched over the pauses around it.
        double silenceInside = 0;
        // Log of the phones heard freely over the phrase's frames per phone of the phrase.
        double heardPhoneRatio = 0;
        // Frames per phone of the phrase's most squeezed and most stretched words (logs).
        double fastestWord = 0;
        double slowestWord = 0;
        int words = 0;
        int phones = 0;
        double acceptance = -1e9; // see acceptance(); nothing to accept without a candidate
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

    // How likely the best phrase was really said, from its features (a log-odds score), and
    // whether that is enough to report it.
    static double acceptance(const Heard& heard);
    static bool accepts(const Heard& heard) { return heard.acceptance > acceptThreshold; }
    // Chosen by cross-validation on the tuning, wide and training splits (each voice, and each
    // fifth of the phrases, left out in turn): the lowest bar that lets no more talk through than
    // the previous, smaller model did at 0. On the held-out split, 95% of right phrases are
    // kept and 2% of other talk let through.
    static constexpr double acceptThreshold = -0.3;
    // While the program's own voice is taken out of what it hears, the user's words come through
    // fainter and score lower; only the barge-in phrase can count then, so less is asked of it.
    static constexpr double bargeInThreshold = -1.5;
    // What the second decoding of a rejected utterance must reach: with two tries, everyday talk
    // gets more chances to pass, so more is asked of the second (chosen on the tuning split).
    static constexpr double againThreshold = 1.0;

private:
    explicit SphinxDecoder(const Settings& settings);
    // Adds the words the decoder does not know yet, from the model's dictionary or else from
    // espeak-ng; those that get no pronunciation go into unpronounced.
    Status pronounce(const std::set<std::string, std::less<>>& words,
                     std::set<std::string, std::less<>>& unpronounced);
    Status addWord(const std::string& word, const std::vector<std::string>& phones);
    // Each word's pronunciations as phones, looked up once per grammar.
    struct Pronunciations {
        ps_decoder_s* decoder;
        std::map<std::string, std::vector<std::vector<std::string>>, std::less<>> byWord;
        const std::vector<std::vector<std::string>>& of(const std::string& word);
    };
    // The word's variants for being said straight after a word ending in one of lastPhones,
    // added to the decoder as needed.
    std::vector<std::string> joinedVariants(const std::set<std::string, std::less<>>& lastPhones,
                                            const std::string& word,
                                            Pronunciations& pronunciations);
    void endUtterance(std::vector<Heard>& heard);
    // The grammar's best phrase for the utterance just ended, with its features.
    Heard readResult();
    // The decoders' live cepstral mean lags behind a change of voice, microphone or noise (and
    // starts from the model's own at startup): the first utterance after one is heard against
    // the old mean and mostly lost. A rejected utterance is therefore decoded once more from its
    // kept audio, normalised by its own mean. Tuning split: 95.0% to 95.8% of
    // phrases right, talk let through 0.4% to 0.8%.
    Heard decodeAgain();
    void endBoth();
    struct WordSpan {
        int start, end, acoustic, phones;
    };
    void comparePhoneLoop(Heard& result, const std::vector<WordSpan>& spans,
                          const std::vector<std::string>& hypothesisPhones);

    Settings settings_;
    ps_decoder_s* decoder_ = nullptr;
    ps_decoder_s* phoneLoop_ = nullptr; // the same audio decoded into free phones
    bool hasGrammar_ = false;
    bool started_ = false;
    bool inUtterance_ = false;
    std::int64_t fed_ = 0;
    std::int64_t utteranceStart_ = 0;
    // The audio since the decoders' utterance started, up to some quiet before the speech; empty
    // when the speech went on too long to be a phrase.
    std::vector<std::int16_t> audio_;
    bool keepAudio_ = true;
};
