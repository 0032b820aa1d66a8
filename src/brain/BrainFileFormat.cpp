#include "BrainFileFormat.h"

namespace {
std::size_t totalSize(const std::vector<std::string_view>& values) {
    std::size_t size = 0;
    for (const auto& value : values)
        size += value.size();
    return size;
}
} // namespace

std::string BrainFileFormat::phraseFileText(const std::vector<std::string_view>& phrases) {
    std::string text;
    text.reserve(64 + totalSize(phrases) + phrases.size() * (phrasePrefix.size() + 2));
    text += "[Grammer]\r\ntype=cfg\r\n[<start>]\r\n";
    for (const auto& phrase : phrases) {
        text += phrasePrefix;
        text += phrase;
        text += lineEnd;
    }
    text += lineEnd;
    return text;
}

std::string BrainFileFormat::valueFileText(const std::vector<std::string_view>& values) {
    std::string text;
    text.reserve(totalSize(values) + values.size() * 4);
    for (const auto& value : values) {
        text += value;
        text += "\r\n\r\n";
    }
    return text;
}

std::vector<std::string> BrainFileFormat::phrasesFromText(std::string_view text) {
    std::vector<std::string> phrases;
    forEachNonEmptyLine(text, [&](std::string_view line) {
        if (line.substr(0, phrasePrefix.size()) == phrasePrefix)
            phrases.emplace_back(line.substr(phrasePrefix.size()));
    });
    return phrases;
}

std::vector<std::string> BrainFileFormat::valuesFromText(std::string_view text) {
    std::vector<std::string> values;
    forEachNonEmptyLine(text, [&](std::string_view line) { values.emplace_back(line); });
    return values;
}
