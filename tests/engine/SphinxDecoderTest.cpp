// The real decoder and model on speech made by espeak-ng.
#include "engine/pocketsphinx/SphinxDecoder.h"
#include "engine/AudioInput.h"
#include "engine/WavFile.h"
#include "engine/espeak/EspeakEngine.h"
#include "engine/pocketsphinx/SpokenPhrases.h"

#include <gtest/gtest.h>

namespace {
std::vector<std::int16_t> say(const std::string& text, const std::string& voice) {
    std::vector<std::int16_t> samples(AudioInput::sampleRate / 2, 0);
    std::vector<std::int16_t> speech;
    EXPECT_TRUE(
        EspeakEngine::synthesize(text, {voice, 150}, [&](const std::int16_t* s, std::size_t n) {
            speech.insert(speech.end(), s, s + n);
            return true;
        }).ok());
    speech = WavFile::resample(speech, EspeakEngine::sampleRate(), AudioInput::sampleRate);
    samples.insert(samples.end(), speech.begin(), speech.end());
    samples.resize(samples.size() + AudioInput::sampleRate, 0);
    for (std::size_t i = 0; i < samples.size(); ++i) // a faint floor, as a microphone gives
        samples[i] = static_cast<std::int16_t>(samples[i] + static_cast<int>(i * 7919 % 61) - 30);
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
