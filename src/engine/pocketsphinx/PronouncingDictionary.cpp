#include "PronouncingDictionary.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <string_view>

namespace {
constexpr std::string_view blanks = " \t\r";

// "word(3)" is the word's third pronunciation; a plain "word" its first.
int variantOf(std::string_view& word) {
    if (word.size() < 4 || word.back() != ')')
        return 1;
    const std::size_t open = word.rfind('(');
    if (open == std::string_view::npos || open == 0 || open + 2 >= word.size())
        return 1;
    int number = 0;
    for (std::size_t i = open + 1; i + 1 < word.size(); ++i) {
        if (word[i] < '0' || word[i] > '9')
            return 1;
        number = std::min(number * 10 + (word[i] - '0'), 1000);
    }
    word = word.substr(0, open);
    return number;
}
} // namespace

PronouncingDictionary::PronouncingDictionary(std::string path)
    : path_(std::move(path)) {}

Status PronouncingDictionary::lookUp(const Words& words, Pronunciations& found) const {
    found.clear();
    if (words.empty())
        return Status::success();
    std::ifstream file(path_);
    if (!file)
        return Status::failure("cannot read the pronouncing dictionary " + path_ + " (" +
                               std::strerror(errno) + ")");
    std::map<std::string, std::vector<std::pair<int, std::string>>, std::less<>> numbered;
    std::string line;
    while (std::getline(file, line)) {
        const std::string_view text(line);
        // The decoder's own reader skips these comment lines too.
        if (text.starts_with("##") || text.starts_with(";;"))
            continue;
        const std::size_t wordEnd = text.find_first_of(blanks);
        if (wordEnd == std::string_view::npos || wordEnd == 0)
            continue;
        std::string_view word = text.substr(0, wordEnd);
        const int variant = variantOf(word);
        if (!words.contains(word))
            continue;
        const std::size_t first = text.find_first_not_of(blanks, wordEnd);
        if (first == std::string_view::npos)
            continue;
        const std::size_t last = text.find_last_not_of(blanks);
        numbered[std::string(word)].emplace_back(variant,
                                                 std::string(text.substr(first, last - first + 1)));
    }
    if (file.bad())
        return Status::failure("cannot read the pronouncing dictionary " + path_);
    for (auto& [word, variants] : numbered) {
        std::stable_sort(variants.begin(), variants.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        auto& phones = found[word];
        for (auto& variant : variants)
            phones.push_back(std::move(variant.second));
    }
    return Status::success();
}
