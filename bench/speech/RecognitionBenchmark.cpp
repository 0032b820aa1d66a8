// Recognition accuracy, false accepts of everyday talk, phrases said that fired another phrase,
// end-of-speech-to-phrase latency and real-time factor, for the program's decoder settings and for
// the decoder's stock settings with a plain grammar, on speech this benchmark makes with several
// espeak-ng voices and rates, with and without noise (the splits are in SpeechSplit.cpp).
//
// The tuning split is what the decoder's settings were chosen on, and with the wide and the six
// training splits what the rejection was fitted on; the held-out split has other phrases, other
// sentences, other voices and other rates, and was never fitted on. Its figures are the ones to
// trust. The wide split is harder still; it takes about eight minutes.
//
// Options: --split tuning|held-out|wide|voices|training (only those splits; by default tuning and
// held-out), --features FILE (every phrase the grammar offered, with the rejection's features,
// for fitting the rejection), --stock-only, --program-only. DECODER_ARGS="-name value ..." adds
// decoder arguments to the program's settings.
#include "SpeechSplit.h"
#include "engine/AudioInput.h"
#include "engine/WavFile.h"
#include "engine/espeak/EspeakEngine.h"
#include "engine/pocketsphinx/SphinxDecoder.h"
#include "engine/pocketsphinx/SpokenPhrases.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {
constexpr int rate = AudioInput::sampleRate;
FILE* dump = nullptr;
std::vector<std::string> decoderArguments;

struct Sample {
    std::vector<std::int16_t> audio;
    std::size_t speechEnd; // sample where the speech ends, silence after
    std::string expected;  // empty for everyday talk
    std::string text;
    std::string voice;
    int wordsPerMinute;
    bool noisy;
};

std::vector<std::int16_t> speak(const std::string& text, const std::string& voice, int wpm) {
    std::vector<std::int16_t> samples;
    const Status made = EspeakEngine::synthesize(text, EspeakEngine::Voice{voice, wpm},
                                                 [&](const std::int16_t* s, std::size_t n) {
                                                     samples.insert(samples.end(), s, s + n);
                                                     return true;
                                                 });
    if (!made) {
        std::fprintf(stderr, "%s\n", made.message().c_str());
        std::exit(1);
    }
    return WavFile::resample(samples, EspeakEngine::sampleRate(), rate);
}

Sample makeSample(const std::string& text, const std::string& voice, int wpm, double noiseDb,
                  std::mt19937& random, std::string expected) {
    const auto speech = speak(text, voice, wpm);
    std::size_t last = 0;
    double power = 0;
    for (std::size_t i = 0; i < speech.size(); ++i) {
        if (std::abs(speech[i]) > 300)
            last = i;
        power += static_cast<double>(speech[i]) * speech[i];
    }
    power /= std::max<std::size_t>(1, speech.size());
    Sample sample;
    const std::size_t before = rate / 2;
    const std::size_t after = rate; // one second of quiet for the end to be found
    sample.audio.assign(before, 0);
    sample.audio.insert(sample.audio.end(), speech.begin(), speech.end());
    sample.audio.resize(sample.audio.size() + after, 0);
    sample.speechEnd = before + last;
    sample.expected = std::move(expected);
    sample.text = text;
    sample.voice = voice;
    sample.wordsPerMinute = wpm;
    sample.noisy = noiseDb > 0;
    // Background noise at the given signal-to-noise ratio, and a faint floor always: a real
    // microphone never gives digital silence.
    const double noiseRms = noiseDb > 0 ? std::sqrt(power / std::pow(10.0, noiseDb / 10)) : 30.0;
    std::normal_distribution<double> noise(0.0, noiseRms);
    for (auto& s : sample.audio)
        s = static_cast<std::int16_t>(std::clamp(s + noise(random), -32768.0, 32767.0));
    return sample;
}

std::vector<Sample> makeSamples(const SpeechSplit& split) {
    std::mt19937 random(7);
    std::vector<Sample> samples;
    for (const auto& voice : split.voices) {
        for (const int wpm : split.rates) {
            for (const double noise : split.noiseDb) {
                for (const auto& phrase : split.brain)
                    samples.push_back(
                        makeSample(phrase, voice, wpm, noise, random,
                                   SpokenPhrases::keyOf(SpokenPhrases::wordsOf(phrase))));
                for (const auto& sentence : split.talk)
                    samples.push_back(makeSample(sentence, voice, wpm, noise, random, ""));
            }
        }
    }
    return samples;
}

struct Figures {
    int inGrammar = 0, correct = 0, talk = 0, falseAccepts = 0;
    // Phrases said that fired another phrase: worse for the user than one not heard.
    int wrongPhrase = 0;
    std::vector<double> latenciesMs;
    double cpuSeconds = 0, audioSeconds = 0;

    void add(const Figures& other) {
        inGrammar += other.inGrammar;
        correct += other.correct;
        talk += other.talk;
        falseAccepts += other.falseAccepts;
        wrongPhrase += other.wrongPhrase;
        latenciesMs.insert(latenciesMs.end(), other.latenciesMs.begin(), other.latenciesMs.end());
        cpuSeconds += other.cpuSeconds;
        audioSeconds += other.audioSeconds;
    }
};

// Decodes every sample in turn with one decoder, as the program hears one utterance after
// another; figures for the quiet and the noisy samples apart.
void run(bool stock, const SpeechSplit& split, const std::vector<Sample>& samples, Figures& quiet,
         Figures& noisy) {
    Status status = Status::success();
    SphinxDecoder::Settings settings;
    settings.stock = stock;
    settings.decoderArguments = decoderArguments;
    auto decoder = SphinxDecoder::create(settings, status);
    if (decoder)
        status = decoder->setGrammar(SpokenPhrases(split.brain).sequences());
    if (!status) {
        std::fprintf(stderr, "%s\n", status.message().c_str());
        std::exit(1);
    }
    constexpr std::size_t block = rate / 50; // the program reads 20 ms at a time
    std::vector<SphinxDecoder::Heard> heard;
    for (const auto& sample : samples) {
        Figures& figures = sample.noisy ? noisy : quiet;
        std::vector<std::string> accepted;
        double latency = -1;
        auto take = [&](const SphinxDecoder::Heard& result, double atMs) {
            if (dump && !stock && !result.candidate.empty())
                std::fprintf(dump,
                             "%s\t%s\t%s\t%s\t%.3f\t%.3f\t%.3f\t%.3f\t%d\t%d\t%.3f\t%.3f\t%.3f\t%."
                             "3f\t%.3f\t%"
                             ".3f\t%.3f\t%s\t%d\t%d\n",
                             split.name, sample.text.c_str(), sample.expected.c_str(),
                             result.candidate.c_str(), result.framesPerPhone, result.scorePerFrame,
                             result.coverage, result.phoneLoopGap, result.words, result.phones,
                             result.phoneDistance, result.speechOutside, result.worstWordGap,
                             result.silenceInside, result.heardPhoneRatio, result.fastestWord,
                             result.slowestWord, sample.voice.c_str(), sample.wordsPerMinute,
                             sample.noisy ? 1 : 0);
            if (result.key.empty())
                return;
            accepted.push_back(result.key);
            latency = atMs;
        };
        for (std::size_t at = 0; at < sample.audio.size(); at += block) {
            const std::size_t n = std::min(block, sample.audio.size() - at);
            heard.clear();
            const auto start = std::chrono::steady_clock::now();
            decoder->process(sample.audio.data() + at, n, heard);
            const double spent =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            figures.cpuSeconds += spent;
            // The block arrives once its last sample has been captured, then is decoded.
            for (const auto& result : heard)
                take(result, (static_cast<double>(at + n) - static_cast<double>(sample.speechEnd)) *
                                     1000.0 / rate +
                                 spent * 1000.0);
        }
        heard.clear();
        decoder->finish(heard);
        for (const auto& result : heard)
            take(result, -1);
        figures.audioSeconds += static_cast<double>(sample.audio.size()) / rate;
        if (sample.expected.empty()) {
            ++figures.talk;
            figures.falseAccepts += accepted.empty() ? 0 : 1;
        } else {
            ++figures.inGrammar;
            const bool right = accepted.size() == 1 && accepted.front() == sample.expected;
            figures.correct += right ? 1 : 0;
            figures.wrongPhrase += !right && !accepted.empty() ? 1 : 0;
            if (right && latency >= 0)
                figures.latenciesMs.push_back(latency);
        }
    }
}

void print(const std::string& name, Figures f) {
    std::sort(f.latenciesMs.begin(), f.latenciesMs.end());
    auto at = [&](double q) {
        return f.latenciesMs.empty()
                   ? 0.0
                   : f.latenciesMs[static_cast<std::size_t>(q * (f.latenciesMs.size() - 1))];
    };
    std::printf("%-40s %7.1f%% %9.1f%% %9.1f%% %8.0f %8.0f %8.3f\n", name.c_str(),
                100.0 * f.correct / std::max(1, f.inGrammar),
                100.0 * f.falseAccepts / std::max(1, f.talk),
                100.0 * f.wrongPhrase / std::max(1, f.inGrammar), at(0.5), at(0.95),
                f.cpuSeconds / f.audioSeconds);
    std::fflush(stdout);
}

void describe(const SpeechSplit& split) {
    const std::size_t conditions = split.voices.size() * split.rates.size() * split.noiseDb.size();
    std::printf("%s split: %zu utterances of a %zu-phrase brain and %zu of %zu everyday sentences, "
                "voices",
                split.name, split.brain.size() * conditions, split.brain.size(),
                split.talk.size() * conditions, split.talk.size());
    for (const auto& voice : split.voices)
        std::printf(" %s", voice.c_str());
    std::printf(", words/min");
    for (const int wpm : split.rates)
        std::printf(" %d", wpm);
    std::printf(", quiet and with white noise at");
    for (const double noise : split.noiseDb)
        if (noise > 0)
            std::printf(" %.0f", noise);
    std::printf(" dB SNR\n");
}
} // namespace

int main(int argc, char** argv) {
    std::vector<const SpeechSplit*> splits;
    bool program = true;
    bool stock = true;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--features" && i + 1 < argc) {
            dump = std::fopen(argv[++i], "w");
            if (!dump) {
                std::perror(argv[i]);
                return 1;
            }
        } else if (argument == "--split" && i + 1 < argc) {
            const std::string name = argv[++i];
            if (name == "training") {
                for (const auto& split : trainingSplits)
                    splits.push_back(&split);
                continue;
            }
            const SpeechSplit* named = nullptr;
            for (const auto* split : {&tuningSplit, &heldOutSplit, &wideSplit, &voicesSplit})
                if (name == split->name)
                    named = split;
            if (!named) {
                std::fprintf(stderr, "recognition_benchmark: no split named \"%s\"\n",
                             name.c_str());
                return 2;
            }
            splits.push_back(named);
        } else if (argument == "--stock-only") {
            program = false;
        } else if (argument == "--program-only") {
            stock = false;
        } else {
            std::fprintf(
                stderr,
                "usage: recognition_benchmark [--split tuning|held-out|wide|voices|training]... "
                "[--features FILE] [--stock-only|--program-only]\n");
            return 2;
        }
    }
    if (const char* extra = std::getenv("DECODER_ARGS")) {
        std::istringstream in(extra);
        std::string word;
        while (in >> word)
            decoderArguments.push_back(word);
    }
    if (splits.empty())
        splits = {&tuningSplit, &heldOutSplit};
    for (const auto* split : splits)
        describe(*split);
    std::printf("\n%-40s %8s %10s %10s %8s %8s %8s\n", "", "accuracy", "false acc.", "wrong phr.",
                "lat. p50", "lat. p95", "RTF");
    std::printf("%-40s %8s %10s %10s %8s %8s %8s\n", "", "(>=97%)", "(<=3%)", "", "ms", "(<=350)",
                "(<=0.1)");
    for (const auto* split : splits) {
        const auto samples = makeSamples(*split);
        const std::string name = split->name;
        if (program) {
            Figures quiet, noisy;
            run(false, *split, samples, quiet, noisy);
            print("program settings, " + name + ", quiet", quiet);
            print("program settings, " + name + ", noise", noisy);
            quiet.add(noisy);
            print("program settings, " + name + ", all", quiet);
        }
        if (stock) {
            Figures quiet, noisy;
            run(true, *split, samples, quiet, noisy);
            quiet.add(noisy);
            print("stock + plain grammar, " + name + ", all", quiet);
        }
    }
    if (dump)
        std::fclose(dump);
    return 0;
}
