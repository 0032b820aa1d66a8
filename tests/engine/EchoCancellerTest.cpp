// The echo canceller with the real decoder: the program's own sentence, heard back late and
// softer, is taken out, so that a user's "stop speak" said over it is heard.
#include "engine/webrtc/EchoCanceller.h"
#include "SpeechSamples.h"
#include "engine/pocketsphinx/SphinxDecoder.h"
#include "engine/pocketsphinx/SpokenPhrases.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>

namespace {
const std::string ownSentence = "I will tell you a long story about the old garden behind the "
                                "house, where the apple trees grow and the birds sing all day, "
                                "and the cat sleeps in the sun until the evening comes";

struct Room {
    std::vector<std::int16_t> played;   // the program's voice as it left the loudspeaker
    std::vector<std::int16_t> captured; // what the microphone heard
};

// The voice comes back delayMs late at 70% strength; the user's words start at userAtMs.
Room room(int delayMs, const std::string& userWords, int userAtMs) {
    Room r;
    r.played = SpeechSamples::say(ownSentence, "en-us", 0, 0);
    const std::size_t delay = static_cast<std::size_t>(delayMs) * 16;
    r.captured.assign(r.played.size() + delay + 16000, 0);
    for (std::size_t i = 0; i < r.played.size(); ++i)
        r.captured[i + delay] = static_cast<std::int16_t>(r.played[i] * 7 / 10);
    if (!userWords.empty()) {
        const auto user = SpeechSamples::say(userWords, "en-us+f2", 0, 0);
        const std::size_t at = static_cast<std::size_t>(userAtMs) * 16;
        if (r.captured.size() < at + user.size() + 16000)
            r.captured.resize(at + user.size() + 16000, 0);
        for (std::size_t i = 0; i < user.size(); ++i)
            r.captured[at + i] =
                static_cast<std::int16_t>(std::clamp(r.captured[at + i] + user[i], -32768, 32767));
    }
    SpeechSamples::addFloor(r.captured);
    r.played.resize(r.captured.size(), 0);
    return r;
}

// Cleans the captured sound with the reference given leadMs ahead of the true delay.
std::vector<std::int16_t> cancel(const Room& r, int delayMs, int leadMs) {
    EchoCanceller canceller;
    EXPECT_TRUE(canceller.status().ok()) << canceller.status().message();
    std::vector<std::int16_t> out = r.captured;
    std::vector<std::int16_t> reference(EchoCanceller::frameSamples);
    const long shift = static_cast<long>(delayMs - leadMs) * 16;
    for (std::size_t at = 0; at + EchoCanceller::frameSamples <= out.size();
         at += EchoCanceller::frameSamples) {
        for (std::size_t i = 0; i < reference.size(); ++i) {
            const long from = static_cast<long>(at + i) - shift;
            reference[i] = from >= 0 && from < static_cast<long>(r.played.size())
                               ? r.played[static_cast<std::size_t>(from)]
                               : 0;
        }
        canceller.process(reference.data(), out.data() + at);
    }
    return out;
}

std::vector<std::string> accepted(const std::vector<std::int16_t>& audio) {
    Status status = Status::success();
    auto decoder = SphinxDecoder::create({}, status);
    EXPECT_TRUE(decoder) << status.message();
    if (!decoder)
        return {};
    EXPECT_TRUE(
        decoder->setGrammar(SpokenPhrases({"stop speak", "zel listen", "go to sleep"}).sequences())
            .ok());
    std::vector<SphinxDecoder::Heard> heard;
    decoder->process(audio.data(), audio.size(), heard);
    decoder->finish(heard);
    std::vector<std::string> keys;
    // While the program speaks, the barge-in phrase is asked for less.
    for (const auto& result : heard) {
        if (!result.candidate.empty() && result.acceptance > SphinxDecoder::bargeInThreshold)
            keys.push_back(result.candidate);
        else if (!result.candidate.empty())
            std::fprintf(stderr, "rejected \"%s\" (acceptance %.2f)\n", result.candidate.c_str(),
                         result.acceptance);
    }
    return keys;
}
} // namespace

TEST(EchoCanceller, AUserSaysStopSpeakOverTheProgramsOwnVoice) {
    // The program's guess of the echo's delay is wrong: the played sound comes 230 ms early.
    const int delayMs = 150;
    // It has been speaking for a while, as after "tell me a story": the canceller has settled.
    const Room r = room(delayMs, "stop speak", 4500);
    EXPECT_EQ(accepted(cancel(r, delayMs, 230)), std::vector<std::string>{"stop speak"});
}

TEST(EchoCanceller, TheProgramsOwnVoiceAloneLeavesNothingToHear) {
    const int delayMs = 150;
    const Room r = room(delayMs, "", 0);
    EXPECT_EQ(accepted(cancel(r, delayMs, 230)), std::vector<std::string>{});
}
