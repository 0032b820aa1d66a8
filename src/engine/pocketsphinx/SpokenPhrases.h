#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

// The phrases of a grammar as the decoder hears them: each written phrase becomes a sequence of
// lower-case words, split at blanks and punctuation. Phrases written differently but spoken alike
// ("Hello", "hello ") share one sequence, which remembers every written form in file order.
class SpokenPhrases {
public:
    static std::vector<std::string> wordsOf(std::string_view phrase);
    static std::string keyOf(const std::vector<std::string>& words);

    explicit SpokenPhrases(const std::vector<std::string>& written = {});

    bool empty() const { return sequences_.empty(); }
    std::size_t size() const { return sequences_.size(); }
    // The distinct word sequences, in the order their first phrase appears.
    const std::vector<std::vector<std::string>>& sequences() const { return sequences_; }
    // The written phrases spoken as the key, in file order; empty when none.
    const std::vector<std::string>& writtenAs(const std::string& key) const;
    // Phrases that have no word to say (only punctuation).
    const std::vector<std::string>& unspeakable() const { return unspeakable_; }

private:
    std::vector<std::vector<std::string>> sequences_;
    std::map<std::string, std::vector<std::string>, std::less<>> written_;
    std::vector<std::string> unspeakable_;
};
