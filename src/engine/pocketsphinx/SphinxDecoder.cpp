#include "SphinxDecoder.h"

#include "PronouncingDictionary.h"
#include "RejectionModel.h"
#include "SpokenPhrases.h"
#include "engine/espeak/EspeakEngine.h"
#include "engine/espeak/PhoneMapping.h"

#include <pocketsphinx.h>
#include <sphinxbase/ckd_alloc.h>
#include <sphinxbase/err.h>
#include <sphinxbase/feat.h>
#include <sphinxbase/fsg_model.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

namespace {
constexpr const char* searchName = "phrases";
// Frames of silence that end an utterance: short enough to answer within 350 ms of the end of
// speech, long enough for the pauses between spelled letters.
constexpr int endSilenceFrames = 22;
constexpr std::size_t samplesPerFrame = 160;
// What the decoder may process at once, so that the end of speech is seen to the frame.
constexpr std::size_t piece = 2 * samplesPerFrame;
// Audio kept for decoding an utterance again: some quiet before the speech for the decoder to
// find its start in, and no more than a phrase could last.
constexpr std::size_t keptBefore = 8000;
constexpr std::size_t keptAtMost = 6 * 16000;

std::filesystem::path acousticModel(const SphinxDecoder::Settings& s) {
    return std::filesystem::path(s.modelFolder) / "en-us";
}
std::filesystem::path dictionary(const SphinxDecoder::Settings& s) {
    return std::filesystem::path(s.modelFolder) / "cmudict-en-us.dict";
}

bool isFiller(const char* word) {
    return !word || word[0] == '<' || word[0] == '[';
}

// Phones as the decoder's dictionary writes a pronunciation: separated by blanks.
template <typename Iterator> std::string joinPhones(Iterator first, Iterator last) {
    std::string joined;
    for (; first != last; ++first)
        joined += (joined.empty() ? "" : " ") + *first;
    return joined;
}

std::vector<std::string> phonesOf(ps_decoder_t* decoder, const std::string& word) {
    std::vector<std::string> phones;
    if (char* pronunciation = ps_lookup_word(decoder, word.c_str())) {
        std::istringstream in(pronunciation);
        std::string phone;
        while (in >> phone)
            phones.push_back(phone);
        ckd_free(pronunciation);
    }
    return phones;
}

// Every pronunciation the decoder knows for the word: "word", "word(2)", ...
std::vector<std::vector<std::string>> pronunciationsOf(ps_decoder_t* decoder,
                                                       const std::string& word) {
    std::vector<std::vector<std::string>> all;
    for (int i = 1;; ++i) {
        auto phones = phonesOf(decoder, i == 1 ? word : word + "(" + std::to_string(i) + ")");
        if (phones.empty())
            return all;
        all.push_back(std::move(phones));
    }
}

// A word said straight after one that ends in its first sound shares that sound ("zel listen"
// is said with one long L): such a word gets a variant without its first phone, named
// "word~phone", which the grammar offers only after words ending in that phone.
constexpr char joinedMark = '~';

std::string plainWord(std::string word) {
    if (const auto mark = word.find_first_of("(~"); mark != std::string::npos && mark > 0)
        word.erase(mark); // an alternative pronunciation "word(2)", or a joined variant
    return word;
}

// A prefix tree of the word sequences, so that phrases sharing their first words share states.
struct Trie {
    struct Node {
        std::string word; // the word that leads here
        std::map<std::string, int> next;
        int through = 0; // sequences that go on past this node
        int ending = 0;  // sequences that end here
    };
    std::vector<Node> nodes{1};

    void add(const std::vector<std::string>& words) {
        int at = 0;
        for (const auto& word : words) {
            ++nodes[static_cast<std::size_t>(at)].through;
            auto found = nodes[static_cast<std::size_t>(at)].next.find(word);
            int child;
            if (found == nodes[static_cast<std::size_t>(at)].next.end()) {
                child = static_cast<int>(nodes.size());
                nodes[static_cast<std::size_t>(at)].next.emplace(word, child);
                nodes.emplace_back().word = word;
            } else {
                child = found->second;
            }
            at = child;
        }
        ++nodes[static_cast<std::size_t>(at)].ending;
    }
};
} // namespace

SphinxDecoder::SphinxDecoder(const Settings& settings)
    : settings_(settings) {}

SphinxDecoder::~SphinxDecoder() {
    if (decoder_)
        ps_free(decoder_);
    if (phoneLoop_)
        ps_free(phoneLoop_);
}

Status SphinxDecoder::checkModel(const Settings& settings) {
    std::error_code error;
    if (!std::filesystem::exists(acousticModel(settings) / "mdef", error))
        return Status::failure("no speech model in " + acousticModel(settings).string() +
                               " (install pocketsphinx-en-us)");
    if (!std::filesystem::exists(dictionary(settings), error))
        return Status::failure("no pronouncing dictionary " + dictionary(settings).string() +
                               " (install pocketsphinx-en-us)");
    return Status::success();
}

std::unique_ptr<SphinxDecoder> SphinxDecoder::create(const Settings& settings, Status& status) {
    status = checkModel(settings);
    if (!status)
        return nullptr;
    // The library's diagnostics would flood standard error; failures come back as results.
    err_set_logfp(nullptr);
    const std::string model = acousticModel(settings).string();
    const std::string phoneModel =
        (std::filesystem::path(settings.modelFolder) / "en-us-phone.lm.bin").string();
    const std::string endSilence = std::to_string(endSilenceFrames);
    auto init = [&](std::vector<std::string> extra) -> ps_decoder_t* {
        // No dictionary: the grammar's words are added as grammars come (pronounce()), and the
        // phone loop needs none. The fillers come from the model's own noise dictionary.
        std::vector<std::string> arguments = {"-hmm", model, "-logfn", "/dev/null"};
        if (!settings.stock) {
            // A lighter language weight makes pauses and noise between the words cheaper
            // for both decoders: the words then lie where they were said, and the rejection
            // tells phrases from other talk far better (tuning split: 90% to 95% of phrases
            // kept at 1% talk let through).
            for (const char* argument : {"-vad_postspeech", endSilence.c_str(), "-lw", "2.5"})
                arguments.push_back(argument);
            arguments.insert(arguments.end(), settings.decoderArguments.begin(),
                             settings.decoderArguments.end());
        }
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        std::vector<const char*> pointers;
        for (const auto& argument : arguments)
            pointers.push_back(argument.c_str());
        cmd_ln_t* config = cmd_ln_parse_r(nullptr, ps_args(), static_cast<int>(pointers.size()),
                                          const_cast<char**>(pointers.data()), FALSE);
        if (!config)
            return nullptr;
        ps_decoder_t* decoder = ps_init(config);
        cmd_ln_free_r(config);
        return decoder;
    };
    std::unique_ptr<SphinxDecoder> decoder(new SphinxDecoder(settings));
    decoder->decoder_ = init({});
    if (!decoder->decoder_) {
        status = Status::failure("the speech model in " + model + " could not be loaded");
        return nullptr;
    }
    if (!settings.stock) {
        // Context-free phones: a tenth of the time of triphones, and as good a yardstick.
        decoder->phoneLoop_ = init({"-allphone", phoneModel, "-allphone_ci", "yes"});
        if (!decoder->phoneLoop_) {
            status = Status::failure("the phone model " + phoneModel + " could not be loaded");
            return nullptr;
        }
    }
    status = Status::success();
    return decoder;
}

Status SphinxDecoder::addWord(const std::string& word, const std::vector<std::string>& phones) {
    for (std::size_t i = 0; i < phones.size(); ++i) {
        const std::string name = i == 0 ? word : word + "(" + std::to_string(i + 1) + ")";
        if (ps_add_word(decoder_, name.c_str(), phones[i].c_str(), FALSE) < 0)
            return Status::failure("the decoder refused the pronunciation of \"" + name + "\"");
    }
    return Status::success();
}

Status SphinxDecoder::pronounce(const std::set<std::string, std::less<>>& words,
                                std::set<std::string, std::less<>>& unpronounced) {
    std::set<std::string, std::less<>> unknown;
    for (const auto& word : words) {
        char* known = ps_lookup_word(decoder_, word.c_str());
        if (known)
            ckd_free(known);
        else
            unknown.insert(word);
    }
    PronouncingDictionary::Pronunciations found;
    const Status read =
        PronouncingDictionary(dictionary(settings_).string()).lookUp(unknown, found);
    if (!read)
        return read;
    for (const auto& word : unknown) {
        std::vector<std::string> phones;
        if (const auto entry = found.find(word); entry != found.end()) {
            phones = entry->second;
        } else {
            std::string espeakPhonemes;
            if (EspeakEngine::phonemes(word, espeakPhonemes).ok()) {
                const auto modelPhones = PhoneMapping::toModelPhones(espeakPhonemes);
                const std::string joined = joinPhones(modelPhones.begin(), modelPhones.end());
                if (!joined.empty())
                    phones.push_back(joined);
            }
        }
        if (phones.empty() || !addWord(word, phones))
            unpronounced.insert(word);
    }
    return Status::success();
}

Status SphinxDecoder::setGrammar(const std::vector<std::vector<std::string>>& sequences,
                                 std::vector<std::string>* skipped) {
    std::set<std::string, std::less<>> allWords;
    for (const auto& words : sequences)
        allWords.insert(words.begin(), words.end());
    std::set<std::string, std::less<>> unpronounced;
    const Status pronounced = pronounce(allWords, unpronounced);
    if (!pronounced)
        return pronounced;
    Trie trie;
    int usable = 0;
    for (const auto& words : sequences) {
        bool ok = !words.empty();
        for (const auto& word : words)
            ok = ok && !unpronounced.contains(word);
        if (!ok) {
            if (skipped)
                skipped->push_back(SpokenPhrases::keyOf(words));
            continue;
        }
        trie.add(words);
        ++usable;
    }
    if (usable == 0)
        return Status::failure("the grammar has no phrase that can be spoken");

    Pronunciations pronunciations{decoder_, {}};
    logmath_t* logmath = ps_get_logmath(decoder_);
    cmd_ln_t* config = ps_get_config(decoder_);
    const float languageWeight = static_cast<float>(cmd_ln_float32_r(config, "-lw"));
    const int finalState = static_cast<int>(trie.nodes.size());
    fsg_model_t* fsg = fsg_model_init(searchName, logmath, languageWeight, finalState + 1);
    fsg->start_state = 0;
    fsg->final_state = finalState;
    // Every phrase is equally likely. A word that ends a phrase goes straight to the final state:
    // the search handles empty transitions poorly.
    for (std::size_t at = 0; at < trie.nodes.size(); ++at) {
        const auto& node = trie.nodes[at];
        const double total = node.through;
        std::set<std::string, std::less<>> lastPhones; // of the word that leads here
        if (at != 0 && !settings_.stock)
            for (const auto& phones : pronunciations.of(node.word))
                lastPhones.insert(phones.back());
        for (const auto& [word, child] : node.next) {
            const auto& next = trie.nodes[static_cast<std::size_t>(child)];
            std::vector<std::string> labels = {word};
            if (!lastPhones.empty())
                for (auto& variant : joinedVariants(lastPhones, word, pronunciations))
                    labels.push_back(std::move(variant));
            for (const auto& label : labels) {
                const int wordId = fsg_model_word_add(fsg, label.c_str());
                if (next.through > 0)
                    fsg_model_trans_add(fsg, static_cast<int>(at), child,
                                        logmath_log(logmath, next.through / total), wordId);
                if (next.ending > 0)
                    fsg_model_trans_add(fsg, static_cast<int>(at), finalState,
                                        logmath_log(logmath, next.ending / total), wordId);
            }
        }
    }
    if (started_) {
        endBoth();
        inUtterance_ = false;
    }
    const bool set = ps_set_fsg(decoder_, searchName, fsg) >= 0;
    fsg_model_free(fsg); // the decoder keeps its own reference
    if (!set || ps_set_search(decoder_, searchName) < 0) {
        hasGrammar_ = false;
        return Status::failure("the decoder refused the grammar");
    }
    hasGrammar_ = true;
    return Status::success();
}

const std::vector<std::vector<std::string>>&
SphinxDecoder::Pronunciations::of(const std::string& word) {
    auto found = byWord.find(word);
    if (found == byWord.end())
        found = byWord.emplace(word, pronunciationsOf(decoder, word)).first;
    return found->second;
}

std::vector<std::string>
SphinxDecoder::joinedVariants(const std::set<std::string, std::less<>>& lastPhones,
                              const std::string& word, Pronunciations& pronunciations) {
    std::map<std::string, std::vector<std::string>> shortened; // by the phone left out
    for (const auto& phones : pronunciations.of(word)) {
        if (phones.size() < 2 || !lastPhones.contains(phones.front()))
            continue;
        shortened[phones.front()].push_back(joinPhones(phones.begin() + 1, phones.end()));
    }
    std::vector<std::string> variants;
    for (const auto& [phone, rest] : shortened) {
        std::string name = word + joinedMark;
        for (const char c : phone)
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        // A variant the decoder refuses only costs the joined way of saying the phrase.
        if (phonesOf(decoder_, name).empty() && !addWord(name, rest))
            continue;
        variants.push_back(std::move(name));
    }
    return variants;
}

void SphinxDecoder::process(const std::int16_t* samples, std::size_t count,
                            std::vector<Heard>& heard) {
    if (!hasGrammar_) {
        fed_ += static_cast<std::int64_t>(count);
        return;
    }
    for (std::size_t at = 0; at < count; at += piece) {
        if (!started_) {
            ps_start_utt(decoder_);
            if (phoneLoop_)
                ps_start_utt(phoneLoop_);
            started_ = true;
            audio_.clear();
            keepAudio_ = phoneLoop_ != nullptr;
        }
        const std::size_t n = std::min(piece, count - at);
        if (keepAudio_)
            audio_.insert(audio_.end(), samples + at, samples + at + n);
        ps_process_raw(decoder_, samples + at, n, FALSE, FALSE);
        if (phoneLoop_)
            ps_process_raw(phoneLoop_, samples + at, n, FALSE, FALSE);
        fed_ += static_cast<std::int64_t>(n);
        const bool speech = ps_get_in_speech(decoder_) != 0;
        if (speech && !inUtterance_) {
            inUtterance_ = true;
            utteranceStart_ = fed_;
        } else if (!speech && inUtterance_) {
            endUtterance(heard);
        }
        if (!inUtterance_ && audio_.size() > 2 * keptBefore) {
            audio_.erase(audio_.begin(), audio_.end() - static_cast<std::ptrdiff_t>(keptBefore));
        } else if (audio_.size() > keptAtMost) {
            audio_.clear();
            keepAudio_ = false;
        }
    }
}

void SphinxDecoder::finish(std::vector<Heard>& heard) {
    if (inUtterance_)
        endUtterance(heard);
    else if (started_)
        endBoth();
}

void SphinxDecoder::endBoth() {
    ps_end_utt(decoder_);
    if (phoneLoop_)
        ps_end_utt(phoneLoop_);
    started_ = false;
}

SphinxDecoder::Heard SphinxDecoder::decodeAgain() {
    // Both decoders once more over the kept audio as one whole utterance, normalised by its own
    // cepstral mean; the live means are put back afterwards, so that the same audio does not count
    // twice in them.
    Heard result;
    struct Kept {
        std::vector<mfcc_t> mean, sum;
        int32 frames;
        cmn_type_t type;
    };
    ps_decoder_t* const decoders[] = {decoder_, phoneLoop_};
    Kept kept[std::size(decoders)];
    for (std::size_t i = 0; i < std::size(decoders); ++i) {
        feat_t* feat = ps_get_feat(decoders[i]);
        const cmn_t* cmn = feat->cmn_struct;
        kept[i] = Kept{{cmn->cmn_mean, cmn->cmn_mean + cmn->veclen},
                       {cmn->sum, cmn->sum + cmn->veclen},
                       cmn->nframe,
                       feat->cmn};
        feat->cmn = CMN_BATCH;
    }
    bool decoded = true;
    for (ps_decoder_t* decoder : decoders) {
        decoded = decoded && ps_start_utt(decoder) >= 0 &&
                  ps_process_raw(decoder, audio_.data(), audio_.size(), FALSE, TRUE) >= 0;
        ps_end_utt(decoder);
    }
    if (decoded)
        result = readResult();
    for (std::size_t i = 0; i < std::size(decoders); ++i) {
        feat_t* feat = ps_get_feat(decoders[i]);
        cmn_t* cmn = feat->cmn_struct;
        feat->cmn = kept[i].type;
        std::copy(kept[i].mean.begin(), kept[i].mean.end(), cmn->cmn_mean);
        std::copy(kept[i].sum.begin(), kept[i].sum.end(), cmn->sum);
        cmn->nframe = kept[i].frames;
    }
    return result;
}

void SphinxDecoder::restartUtterance() {
    if (!started_)
        return;
    endBoth();
    inUtterance_ = false;
}

void SphinxDecoder::comparePhoneLoop(Heard& result, const std::vector<WordSpan>& spans,
                                     const std::vector<std::string>& hypothesisPhones) {
    struct Phone {
        int start, end, acoustic;
        bool silence;
    };
    std::vector<Phone> loop;
    std::vector<std::string> heardPhones;
    const int firstFrame = spans.front().start;
    const int lastFrame = spans.back().end;
    int outside = 0;
    int silent = 0;
    for (ps_seg_t* segment = ps_seg_iter(phoneLoop_); segment; segment = ps_seg_next(segment)) {
        Phone phone{};
        ps_seg_frames(segment, &phone.start, &phone.end);
        const std::string name = ps_seg_word(segment);
        phone.silence = name == "SIL" || name[0] == '+';
        int language = 0;
        int backoff = 0;
        ps_seg_prob(segment, &phone.acoustic, &language, &backoff);
        loop.push_back(phone);
        const int covered =
            std::max(0, std::min(phone.end, lastFrame) - std::max(phone.start, firstFrame) + 1);
        if (phone.silence)
            silent += covered;
        else
            outside += (phone.end - phone.start + 1) - covered;
        if (!phone.silence && covered * 2 > phone.end - phone.start + 1)
            heardPhones.push_back(name);
    }
    // The free phones' score over a range of frames; a phone cut by it counts by its share.
    auto loopScore = [&](int from, int to) {
        double score = 0;
        for (const auto& phone : loop) {
            const int covered = std::min(phone.end, to) - std::max(phone.start, from) + 1;
            if (covered > 0)
                score += static_cast<double>(phone.acoustic) * covered /
                         std::max(1, phone.end - phone.start + 1);
        }
        return score;
    };
    long wordScore = 0;
    result.worstWordGap = 0;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const auto& span = spans[i];
        wordScore += span.acoustic;
        const double gap = (span.acoustic - loopScore(span.start, span.end)) /
                           std::max(1, span.end - span.start + 1);
        result.worstWordGap = i == 0 ? gap : std::min(result.worstWordGap, gap);
    }
    const double score = loopScore(firstFrame, lastFrame);
    const int frames = std::max(1, lastFrame - firstFrame + 1);
    result.phoneLoopGap = (static_cast<double>(wordScore) - score) / frames;
    result.speechOutside = static_cast<double>(outside) / frames;
    result.silenceInside = static_cast<double>(silent) / frames;
    result.heardPhoneRatio =
        std::log(static_cast<double>(std::max<std::size_t>(1, heardPhones.size())) /
                 static_cast<double>(std::max<std::size_t>(1, hypothesisPhones.size())));
    // Edit distance between the phrase's phones and the phones heard freely.
    const std::size_t n = hypothesisPhones.size();
    const std::size_t m = heardPhones.size();
    std::vector<std::size_t> row(m + 1);
    for (std::size_t j = 0; j <= m; ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= n; ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= m; ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1,
                               diagonal + (hypothesisPhones[i - 1] == heardPhones[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    result.phoneDistance = static_cast<double>(row[m]) / std::max<std::size_t>(1, n);
}

double SphinxDecoder::acceptance(const Heard& heard) {
    // Each feature alone overlaps a lot between phrases really said and other talk that the
    // grammar forced onto its nearest phrase: espeak-ng's voices and the en-us model match
    // poorly, so even right phrases score low. Together they tell the two apart far better.
    return RejectionModel::logOdds({heard.framesPerPhone, heard.scorePerFrame, heard.phoneLoopGap,
                                    std::log(std::max(1, heard.phones)), heard.phoneDistance,
                                    std::min(heard.speechOutside, 1.0), heard.worstWordGap,
                                    heard.silenceInside, heard.heardPhoneRatio, heard.fastestWord,
                                    heard.slowestWord, std::min(heard.coverage, 2.0)});
}

SphinxDecoder::Heard SphinxDecoder::readResult() {
    Heard result;
    const char* hypothesis = ps_get_hyp(decoder_, nullptr);
    if (!hypothesis || !*hypothesis) // no path through the grammar
        return result;
    std::vector<std::string> words;
    std::vector<std::string> hypothesisPhones;
    std::vector<WordSpan> spans;
    int firstFrame = -1;
    int lastFrame = -1;
    int phones = 0;
    long score = 0;
    for (ps_seg_t* segment = ps_seg_iter(decoder_); segment; segment = ps_seg_next(segment)) {
        const char* word = ps_seg_word(segment);
        if (isFiller(word))
            continue;
        int start = 0;
        int end = 0;
        ps_seg_frames(segment, &start, &end);
        int acoustic = 0;
        int language = 0;
        int backoff = 0;
        ps_seg_prob(segment, &acoustic, &language, &backoff);
        if (firstFrame < 0)
            firstFrame = start;
        lastFrame = end;
        const auto wordPhones = phonesOf(decoder_, word);
        const int count = std::max(1, static_cast<int>(wordPhones.size()));
        spans.push_back(WordSpan{start, end, acoustic, count});
        phones += count;
        hypothesisPhones.insert(hypothesisPhones.end(), wordPhones.begin(), wordPhones.end());
        score += acoustic;
        words.push_back(plainWord(word));
    }
    if (words.empty())
        return result;
    const int frames = std::max(1, lastFrame - firstFrame + 1);
    result.candidate = SpokenPhrases::keyOf(words);
    result.framesPerPhone = static_cast<double>(frames) / std::max(1, phones);
    result.scorePerFrame = static_cast<double>(score) / frames;
    // The decoder keeps some quiet frames before and after the speech.
    const int speechFrames = std::max(1, ps_get_n_frames(decoder_) - 20 - endSilenceFrames);
    result.coverage = static_cast<double>(frames) / speechFrames;
    result.fastestWord = 1e9;
    result.slowestWord = -1e9;
    for (const auto& span : spans) {
        const double pace = std::log(static_cast<double>(span.end - span.start + 1) / span.phones);
        result.fastestWord = std::min(result.fastestWord, pace);
        result.slowestWord = std::max(result.slowestWord, pace);
    }
    result.words = static_cast<int>(words.size());
    result.phones = phones;
    if (phoneLoop_)
        comparePhoneLoop(result, spans, hypothesisPhones);
    result.acceptance = acceptance(result);
    return result;
}

void SphinxDecoder::endUtterance(std::vector<Heard>& heard) {
    endBoth();
    inUtterance_ = false;
    Heard result = readResult();
    if (phoneLoop_ && !accepts(result) && !audio_.empty()) {
        const Heard again = decodeAgain();
        if (again.acceptance > againThreshold && again.acceptance > result.acceptance)
            result = again;
    }
    result.startSample = utteranceStart_;
    result.endSample = fed_;
    if (settings_.stock || accepts(result))
        result.key = result.candidate;
    heard.push_back(result);
}
