// The phrase-to-grammar conversion: every phrase of any phrase file is either speakable and found
// again by the words the decoder hears, or reported as unspeakable.
#include "brain/BrainFileFormat.h"
#include "core/TextCodec.h"
#include "engine/pocketsphinx/SpokenPhrases.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto phrases = BrainFileFormat::phrasesFromText(
        TextCodec::decode(std::string_view(reinterpret_cast<const char*>(data), size)));
    const SpokenPhrases spoken(phrases);
    for (const auto& phrase : phrases) {
        const auto words = SpokenPhrases::wordsOf(phrase);
        const auto& unspeakable = spoken.unspeakable();
        if (words.empty()) {
            if (std::find(unspeakable.begin(), unspeakable.end(), phrase) == unspeakable.end() &&
                !phrase.empty())
                std::abort();
            continue;
        }
        const auto& written = spoken.writtenAs(SpokenPhrases::keyOf(words));
        if (std::find(written.begin(), written.end(), phrase) == written.end())
            std::abort();
    }
    return 0;
}
