#include "SpokenPhrases.h"

#include <algorithm>

namespace {
bool isWordByte(unsigned char c) {
    // Bytes of multi-byte UTF-8 characters count as letters: the pronunciation then comes from
    // espeak-ng, which reads them.
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c >= 0x80;
}
} // namespace

std::vector<std::string> SpokenPhrases::wordsOf(std::string_view phrase) {
    std::vector<std::string> words;
    std::string word;
    for (std::size_t i = 0; i < phrase.size(); ++i) {
        const auto c = static_cast<unsigned char>(phrase[i]);
        if (isWordByte(c)) {
            word +=
                (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
        } else if (c == '\'' && !word.empty() && i + 1 < phrase.size() &&
                   isWordByte(static_cast<unsigned char>(phrase[i + 1]))) {
            word += '\''; // "what's", "o'clock"
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

std::string SpokenPhrases::keyOf(const std::vector<std::string>& words) {
    std::string key;
    for (const auto& word : words) {
        if (!key.empty())
            key += ' ';
        key += word;
    }
    return key;
}

SpokenPhrases::SpokenPhrases(const std::vector<std::string>& written) {
    for (const auto& phrase : written) {
        auto words = wordsOf(phrase);
        if (words.empty()) {
            unspeakable_.push_back(phrase);
            continue;
        }
        auto& forms = written_[keyOf(words)];
        if (forms.empty())
            sequences_.push_back(std::move(words));
        // The dispatcher's walk already handles every entry of one written phrase.
        if (std::find(forms.begin(), forms.end(), phrase) == forms.end())
            forms.push_back(phrase);
    }
}

const std::vector<std::string>& SpokenPhrases::writtenAs(const std::string& key) const {
    static const std::vector<std::string> none;
    const auto found = written_.find(key);
    return found == written_.end() ? none : found->second;
}
