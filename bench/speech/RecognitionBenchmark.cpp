// Recognition accuracy, false accepts of everyday talk, end-of-speech-to-phrase latency and
// real-time factor, for the program's decoder settings and for the decoder's stock settings with
// a plain grammar, on speech this benchmark makes with several espeak-ng voices and rates, with
// and without noise.
#include "engine/AudioInput.h"
#include "engine/WavFile.h"
#include "engine/espeak/EspeakEngine.h"
#include "engine/pocketsphinx/SphinxDecoder.h"
#include "engine/pocketsphinx/SpokenPhrases.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {
const std::vector<std::string> brain = {
    "zel listen",       "nubo listen",     "stop listen",      "stop speak",
    "go to sleep",      "what time is it", "what is the date", "read the selection",
    "open the browser", "open my mail",    "start the music",  "next song",
    "previous song",    "volume up",       "volume down",      "copy that",
    "paste it",         "press enter",     "scroll up",        "scroll down",
    "delete that",      "tell me a joke",  "how are you",      "good morning",
    "good night",       "i c q",           "open 7zip",        "call bob",
    "thank you",        "show the weather"};
const std::vector<std::string> everydayTalk = {"I think it is going to rain later today",
                                               "can you pass me the salt please",
                                               "the meeting starts at nine tomorrow",
                                               "where did I leave my keys",
                                               "let's order pizza for dinner",
                                               "my brother is coming over this weekend",
                                               "did you see the game last night",
                                               "I need to buy some milk",
                                               "the train was late again",
                                               "turn left at the next corner",
                                               "what a beautiful day",
                                               "stop talking so loud",
                                               "listen to this song",
                                               "I am going to sleep early tonight",
                                               "open the window please",
                                               "good morning everyone",
                                               "how was your day",
                                               "that movie was really good",
                                               "please call me back later",
                                               "yes"};
const std::vector<std::string> voices = {"en-us", "en-us+f2", "en+m3"};
const std::vector<int> rates = {130, 170};
constexpr int rate = AudioInput::sampleRate;
// With --features FILE, every phrase the grammar offered is written there with its features.
FILE* dump = nullptr;

struct Sample {
    std::vector<std::int16_t> audio;
    std::size_t speechEnd; // sample where the speech ends, silence after
    std::string expected;  // empty for everyday talk
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
        return {};
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
    // Background noise at the given signal-to-noise ratio, and a faint floor always: a real
    // microphone never gives digital silence.
    const double noiseRms = noiseDb > 0 ? std::sqrt(power / std::pow(10.0, noiseDb / 10)) : 30.0;
    std::normal_distribution<double> noise(0.0, noiseRms);
    for (auto& s : sample.audio)
        s = static_cast<std::int16_t>(std::clamp(s + noise(random), -32768.0, 32767.0));
    return sample;
}

struct Figures {
    int inGrammar = 0, correct = 0, talk = 0, falseAccepts = 0;
    std::vector<double> latenciesMs;
    double cpuSeconds = 0, audioSeconds = 0;
};

Figures run(bool stock, const std::vector<Sample>& samples) {
    Status status = Status::success();
    SphinxDecoder::Settings settings;
    settings.stock = stock;
    auto decoder = SphinxDecoder::create(settings, status);
    if (decoder)
        status = decoder->setGrammar(SpokenPhrases(brain).sequences());
    if (!status) {
        std::fprintf(stderr, "%s\n", status.message().c_str());
        std::exit(1);
    }
    Figures figures;
    constexpr std::size_t block = rate / 50; // the program reads 20 ms at a time
    std::vector<SphinxDecoder::Heard> heard;
    for (const auto& sample : samples) {
        std::vector<std::string> accepted;
        double latency = -1;
        for (std::size_t at = 0; at < sample.audio.size(); at += block) {
            const std::size_t n = std::min(block, sample.audio.size() - at);
            heard.clear();
            const auto start = std::chrono::steady_clock::now();
            decoder->process(sample.audio.data() + at, n, heard);
            const double spent =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            figures.cpuSeconds += spent;
            for (const auto& result : heard) {
                if (dump && !stock && !result.candidate.empty())
                    std::fprintf(dump, "%s\t%s\t%.2f\t%.2f\t%.2f\n", sample.expected.c_str(),
                                 result.candidate.c_str(), result.framesPerPhone,
                                 result.scorePerFrame, result.coverage);
                if (result.key.empty())
                    continue;
                accepted.push_back(result.key);
                // The block arrives 20 ms after its first sample was spoken, then is decoded.
                const double endOfBlock = static_cast<double>(at + n);
                latency = (endOfBlock - static_cast<double>(sample.speechEnd)) * 1000.0 / rate +
                          spent * 1000.0;
            }
        }
        heard.clear();
        decoder->finish(heard);
        for (const auto& result : heard)
            if (!result.key.empty())
                accepted.push_back(result.key);
        figures.audioSeconds += static_cast<double>(sample.audio.size()) / rate;
        if (sample.expected.empty()) {
            ++figures.talk;
            figures.falseAccepts += accepted.empty() ? 0 : 1;
        } else {
            ++figures.inGrammar;
            const bool right = accepted.size() == 1 && accepted.front() == sample.expected;
            figures.correct += right ? 1 : 0;
            if (right && latency >= 0)
                figures.latenciesMs.push_back(latency);
        }
    }
    return figures;
}

void print(const char* name, Figures f) {
    std::sort(f.latenciesMs.begin(), f.latenciesMs.end());
    auto at = [&](double q) {
        return f.latenciesMs.empty()
                   ? 0.0
                   : f.latenciesMs[static_cast<std::size_t>(q * (f.latenciesMs.size() - 1))];
    };
    std::printf("%-34s %7.1f%% %9.1f%% %8.0f %8.0f %8.3f\n", name,
                100.0 * f.correct / std::max(1, f.inGrammar),
                100.0 * f.falseAccepts / std::max(1, f.talk), at(0.5), at(0.95),
                f.cpuSeconds / f.audioSeconds);
}
} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--features")
        dump = std::fopen(argv[2], "w");
    std::mt19937 random(7);
    std::vector<Sample> quiet, noisy;
    for (const auto& voice : voices) {
        for (const int wpm : rates) {
            for (const auto& phrase : brain) {
                const std::string key = SpokenPhrases::keyOf(SpokenPhrases::wordsOf(phrase));
                quiet.push_back(makeSample(phrase, voice, wpm, 0, random, key));
                noisy.push_back(makeSample(phrase, voice, wpm, 15, random, key));
            }
            for (const auto& sentence : everydayTalk) {
                quiet.push_back(makeSample(sentence, voice, wpm, 0, random, ""));
                noisy.push_back(makeSample(sentence, voice, wpm, 15, random, ""));
            }
        }
    }
    std::printf("Speech: %zu phrases of a %zu-phrase brain and %zu everyday sentences, voices",
                brain.size() * voices.size() * rates.size() * 2, brain.size(),
                everydayTalk.size() * voices.size() * rates.size() * 2);
    for (const auto& voice : voices)
        std::printf(" %s", voice.c_str());
    std::printf(", %d and %d words/min, quiet and with white noise at 15 dB SNR\n\n", rates[0],
                rates[1]);
    std::printf("%-34s %8s %10s %8s %8s %8s\n", "", "accuracy", "false acc.", "lat. p50",
                "lat. p95", "RTF");
    std::printf("%-34s %8s %10s %8s %8s %8s\n", "", "(>=97%)", "(<=3%)", "ms", "(<=350)",
                "(<=0.1)");
    std::vector<Sample> all = quiet;
    all.insert(all.end(), noisy.begin(), noisy.end());
    print("program settings, quiet", run(false, quiet));
    print("program settings, noise 15 dB", run(false, noisy));
    print("program settings, all", run(false, all));
    print("stock settings + plain grammar, all", run(true, all));
    return 0;
}
