// The real decoder and model on speech made by espeak-ng.
#include "engine/pocketsphinx/SphinxDecoder.h"
#include "SpeechSamples.h"
#include "engine/pocketsphinx/SpokenPhrases.h"

#include <gtest/gtest.h>

namespace {
std::vector<std::int16_t> say(const std::string& text, const std::string& voice) {
    auto samples = SpeechSamples::say(text, voice, 500, 1000);
    SpeechSamples::addFloor(samples);
    return samples;
}

// The grammar's best phrase for the speech, whether or not the rejection let it through.
std::vector<std::string> bestPhrases(SphinxDecoder& decoder,
                                     const std::vector<std::int16_t>& audio) {
    std::vector<SphinxDecoder::Heard> heard;
    decoder.process(audio.data(), audio.size(), heard);
    decoder.finish(heard);
    std::vector<std::string> keys;
    for (const auto& result : heard)
        if (!result.candidate.empty())
            keys.push_back(result.candidate);
    return keys;
}
} // namespace

TEST(SphinxDecoder, HearsPhrasesWithWordsMissingFromTheDictionaryAndSpelledLetters) {
    Status status = Status::success();
    auto decoder = SphinxDecoder::create({}, status);
    ASSERT_TRUE(decoder) << status.message();
    const SpokenPhrases phrases({"nubo listen", "stop speak", "open 7zip", "i c q", "go to sleep"});
    ASSERT_TRUE(decoder->setGrammar(phrases.sequences()).ok());
    EXPECT_EQ(bestPhrases(*decoder, say("nubo listen", "en-us")),
              std::vector<std::string>{"nubo listen"});
    EXPECT_EQ(bestPhrases(*decoder, say("open 7zip", "en-us+f2")),
              std::vector<std::string>{"open 7zip"});
    EXPECT_EQ(bestPhrases(*decoder, say("i c q", "en-us+f2")), std::vector<std::string>{"i c q"});
}

TEST(SphinxDecoder, RefusesAGrammarWithoutAPhraseThatCanBeSaid) {
    Status status = Status::success();
    auto decoder = SphinxDecoder::create({}, status);
    ASSERT_TRUE(decoder) << status.message();
    EXPECT_FALSE(decoder->setGrammar({}).ok());
    EXPECT_FALSE(decoder->hasGrammar());
}

TEST(SphinxDecoder, AMissingModelIsAClearError) {
    SphinxDecoder::Settings settings;
    settings.modelFolder = "/nonexistent/model";
    Status status = Status::success();
    EXPECT_FALSE(SphinxDecoder::create(settings, status));
    EXPECT_NE(status.message().find("pocketsphinx-en-us"), std::string::npos) << status.message();
}

TEST(SphinxDecoder, AWordRunTogetherWithTheSameSoundBeforeItIsHeardAndReportedPlain) {
    // "zel listen" is said with one long L; the decoder offers "listen" without its L only after
    // a word ending in L, and the phrase comes back as written.
    Status status = Status::success();
    auto decoder = SphinxDecoder::create({}, status);
    ASSERT_TRUE(decoder) << status.message();
    const SpokenPhrases phrases({"zel listen", "nubo listen", "stop listen"});
    ASSERT_TRUE(decoder->setGrammar(phrases.sequences()).ok());
    const struct {
        const char* said;
        int phones;                                      // of the pronunciations the decoder took
    } cases[] = {{"zel listen", 7}, {"stop listen", 9}}; // "stop" ends in another sound
    for (const auto& c : cases) {
        std::vector<SphinxDecoder::Heard> heard;
        const auto audio = say(c.said, "en-us+f2");
        decoder->process(audio.data(), audio.size(), heard);
        decoder->finish(heard);
        ASSERT_EQ(heard.size(), 1u) << c.said;
        EXPECT_EQ(heard[0].candidate, c.said);
        EXPECT_EQ(heard[0].phones, c.phones) << c.said;
    }
}
