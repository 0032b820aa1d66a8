// The brain file reader: any bytes decode to valid UTF-8 text that reads as lines, and text the
// program writes reads back to the same values.
#include "brain/BrainFileFormat.h"
#include "core/TextCodec.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = TextCodec::decode(bytes);
    if (!TextCodec::isValidUtf8(text))
        std::abort();
    const auto phrases = BrainFileFormat::phrasesFromText(text);
    const auto values = BrainFileFormat::valuesFromText(text);
    // Values without line breaks survive a write and a read, in any encoding the writer picks.
    std::vector<std::string_view> views(values.begin(), values.end());
    const std::string written = TextCodec::encodeForFile(BrainFileFormat::valueFileText(views));
    if (BrainFileFormat::valuesFromText(TextCodec::decode(written)) != values)
        std::abort();
    std::vector<std::string_view> phraseViews(phrases.begin(), phrases.end());
    std::vector<std::string_view> nonEmpty;
    for (auto phrase : phraseViews) {
        if (!phrase.empty())
            nonEmpty.push_back(phrase);
    }
    const std::string grammar = TextCodec::encodeForFile(BrainFileFormat::phraseFileText(nonEmpty));
    const auto reread = BrainFileFormat::phrasesFromText(TextCodec::decode(grammar));
    if (reread.size() != nonEmpty.size())
        std::abort();
    return 0;
}
