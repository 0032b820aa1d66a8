// Recognition accuracy, false accepts of everyday talk, phrases said that fired another phrase,
// end-of-speech-to-phrase latency and real-time factor, for the program's decoder settings and for
// the decoder's stock settings with a plain grammar, on speech this benchmark makes with several
// espeak-ng voices and rates, with and without noise.
//
// Two splits: the tuning split is what the decoder's settings were chosen on, and with the wide
// split (below) what the rejection was fitted on; the held-out split has other phrases, other
// sentences, other voices and other rates, and was never fitted on. Its figures are the ones to
// trust. The wide split is harder still; it takes about eight minutes.
//
// Options: --split tuning|held-out|wide|voices (only one split; the wide and voices splits
// run only when named), --features FILE (every phrase the grammar offered, with the rejection's
// features, for fitting the rejection), --stock-only, --program-only. DECODER_ARGS="-name value
// ..." adds decoder arguments to the program's settings.
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
struct Split {
    const char* name;
    std::vector<std::string> brain;
    std::vector<std::string> talk; // everyday sentences outside the grammar
    std::vector<std::string> voices;
    std::vector<int> rates;
    std::vector<double> noiseDb = {0.0, 15.0}; // signal-to-noise ratios; 0 for quiet
};

const Split tuning = {
    "tuning",
    {"zel listen",       "nubo listen",     "stop listen",      "stop speak",
     "go to sleep",      "what time is it", "what is the date", "read the selection",
     "open the browser", "open my mail",    "start the music",  "next song",
     "previous song",    "volume up",       "volume down",      "copy that",
     "paste it",         "press enter",     "scroll up",        "scroll down",
     "delete that",      "tell me a joke",  "how are you",      "good morning",
     "good night",       "i c q",           "open 7zip",        "call bob",
     "thank you",        "show the weather"},
    {"I think it is going to rain later today",
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
     "yes"},
    {"en-us", "en-us+f2", "en+m3"},
    {130, 170}};

// Never used while choosing settings or fitting the rejection.
const Split heldOut = {
    "held-out",
    {"nubo listen",      "stop listen",         "stop speak",      "go to sleep",
     "check my email",   "open the terminal",   "lock the screen", "what day is it",
     "play some jazz",   "pause the video",     "mute the sound",  "take a screenshot",
     "open the editor",  "close this window",   "search the web",  "set a timer",
     "read my messages", "turn the lights off", "who are you",     "good evening",
     "open gimp",        "call alice",          "x y z",           "open firefox",
     "start 3d studio",  "show my calendar",    "zoom in",         "undo that",
     "save the file",    "quindle frobnicate"},
    {"could you help me carry these boxes",
     "the weather was lovely this morning",
     "I forgot to water the plants",
     "we should visit grandma on sunday",
     "the coffee machine is broken again",
     "please close the door behind you",
     "my phone battery is almost empty",
     "let me think about it for a minute",
     "the children are playing in the garden",
     "she bought a new bicycle yesterday",
     "turn the music down a little",
     "did anyone see my glasses",
     "the bus leaves in ten minutes",
     "open the door for the cat",
     "I really like this song",
     "what time does the shop close",
     "check the oven in five minutes",
     "good evening everybody",
     "no thanks",
     "that sounds like a good plan"},
    {"en-us+m2", "en-us+f4", "en-gb-x-rp+m5"},
    {145, 185}};

// A harder and wider check than the other two: more phrases, voices, accents and noise levels
// (down to 10 dB SNR), and talk that shares words with the phrases; nothing in the held-out split.
// Also meant as more data for fitting the rejection.
const Split wide = {"wide",
                    {"zel listen",
                     "nubo listen",
                     "stop listen",
                     "stop speak",
                     "go to sleep",
                     "open the file manager",
                     "minimize the window",
                     "maximize this",
                     "switch to desktop two",
                     "show the clock",
                     "read it again",
                     "what is on my schedule",
                     "play the radio",
                     "stop the music",
                     "louder please",
                     "quieter please",
                     "skip this track",
                     "reply to the message",
                     "new document",
                     "print this page",
                     "open spotify",
                     "call mom",
                     "launch blender",
                     "empty the trash",
                     "find my files",
                     "go back",
                     "go forward",
                     "refresh the page",
                     "new tab",
                     "close the tab",
                     "a b c",
                     "open notepad",
                     "lock my computer",
                     "log out",
                     "shut down the computer",
                     "what is the weather",
                     "how old are you",
                     "tell me the news",
                     "say hello",
                     "good afternoon"},
                    {"I will be home around six",
                     "the dog needs a walk",
                     "have you finished your homework",
                     "it is too cold outside",
                     "we ran out of bread",
                     "my sister called this afternoon",
                     "can you turn off the light in the kitchen",
                     "the printer is out of paper",
                     "let's go back home",
                     "what is for lunch",
                     "hello there",
                     "she plays the piano every day",
                     "this computer is so slow",
                     "tell your friends about it",
                     "the music was too loud at the party",
                     "okay",
                     "see you tomorrow",
                     "I am not sure about that",
                     "close enough",
                     "the new neighbours seem nice",
                     "did you read the news today",
                     "shut the front door",
                     "we need to fix the roof",
                     "thanks a lot",
                     "where is the remote",
                     "I had a strange dream",
                     "my computer crashed twice",
                     "it's time to go",
                     "nice weather we're having",
                     "stop it"},
                    {"en-us+m1", "en-us+f1", "en+m4", "en-gb-scotland+f3", "en-029+m6",
                     "en-us-nyc+m7", "en-gb-x-gbclan+f5", "en-us+klatt"},
                    {125, 195},
                    {0.0, 10.0, 20.0}};

// Twelve of espeak-ng's named voice variants, some far from any human voice (formants raised by
// half, or the first one halved): how the program fares with voices unlike the model's speakers.
// Other phrases and talk again; nothing here was tuned or fitted on.
const Split voices = {"voices",
                      {"zel listen",
                       "nubo listen",
                       "stop listen",
                       "stop speak",
                       "go to sleep",
                       "open the calculator",
                       "close the program",
                       "switch windows",
                       "show the desktop",
                       "hide all windows",
                       "start the timer",
                       "stop the timer",
                       "what is the time",
                       "read the news",
                       "play a song",
                       "turn it up",
                       "turn it down",
                       "unmute the microphone",
                       "next page",
                       "previous page",
                       "page down",
                       "select all",
                       "cut that",
                       "take a note",
                       "send the mail",
                       "open the downloads",
                       "who made you",
                       "good job",
                       "sing a song",
                       "count to ten",
                       "open libreoffice",
                       "call peter",
                       "j k l",
                       "open vlc",
                       "what is my name",
                       "goodbye",
                       "empty the recycle bin",
                       "tell me something",
                       "where am i",
                       "repeat that"},
                      {"we are going to the beach on saturday",
                       "the soup is too hot",
                       "can you believe the price of petrol",
                       "I left my umbrella at work",
                       "the cat is sleeping on the sofa",
                       "my head hurts a bit",
                       "remind me to call the bank",
                       "that was a great song",
                       "open your book at page ten",
                       "the window in the bedroom is stuck",
                       "he always reads the paper in the morning",
                       "put the kettle on",
                       "where are my shoes",
                       "what a mess",
                       "I don't know",
                       "sure why not",
                       "maybe later",
                       "sounds good",
                       "the next bus is at seven",
                       "play with the dog outside",
                       "the timer on the oven went off",
                       "the music next door is loud",
                       "good job everyone",
                       "call me when you get home",
                       "my computer needs an update",
                       "we watched a film last night",
                       "it is raining again",
                       "turn around",
                       "thank you so much",
                       "switch off the telly"},
                      {"en-us+Adam", "en-us+Annie", "en+Andy", "en-us-nyc+Paul",
                       "en-gb-x-gbcwmd+Robert", "en+Steph", "en-us+grandpa", "en-us+shelby",
                       "en-029+Linda", "en-gb-scotland+Mike", "en-us+travis", "en-us+klatt3"},
                      {135, 180},
                      {0.0, 12.0, 20.0}};

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

std::vector<Sample> makeSamples(const Split& split) {
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
void run(bool stock, const Split& split, const std::vector<Sample>& samples, Figures& quiet,
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

void describe(const Split& split) {
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
    std::vector<const Split*> splits = {&tuning, &heldOut};
    bool program = true;
    bool stock = true;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--features" && i + 1 < argc) {
            dump = std::fopen(argv[++i], "w");
        } else if (argument == "--split" && i + 1 < argc) {
            const std::string name = argv[++i];
            splits = {name == tuning.name   ? &tuning
                      : name == wide.name   ? &wide
                      : name == voices.name ? &voices
                                            : &heldOut};
        } else if (argument == "--stock-only") {
            program = false;
        } else if (argument == "--program-only") {
            stock = false;
        } else {
            std::fprintf(stderr,
                         "usage: recognition_benchmark [--split tuning|held-out|wide|voices] "
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
