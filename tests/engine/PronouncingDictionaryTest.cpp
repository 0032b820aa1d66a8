#include "engine/pocketsphinx/PronouncingDictionary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {
// Written as the model's dictionary is: byte order of whole entries, so that "a(2)" comes after
// "a's", with a few hand-made entries out of order.
const char* const dictionaryText = ";; a comment line\n"
                                   "## another\n"
                                   "a AH\n"
                                   "a's EY Z\n"
                                   "a(2) EY\n"
                                   "one(3)  W AH N  \n"
                                   "one W AH N\n"
                                   "one(2) HH W AH N\n"
                                   "read\tR EH D\n"
                                   "read(2) R IY D\n"
                                   "orphan(2) AO R F AH N\n"
                                   "empty\n";

class DictionaryFile {
public:
    DictionaryFile()
        : path_(std::filesystem::temp_directory_path() /
                ("parlon-dictionary-test-" + std::to_string(::getpid()))) {
        std::ofstream(path_) << dictionaryText;
    }
    ~DictionaryFile() { std::filesystem::remove(path_); }
    std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};
} // namespace

TEST(PronouncingDictionary, FindsEveryPronunciationOfTheWordsAskedForInVariantOrder) {
    DictionaryFile file;
    const struct {
        const char* word;
        std::vector<std::string> phones; // empty: not found
    } cases[] = {
        {"a", {"AH", "EY"}},
        {"a's", {"EY Z"}},
        {"one", {"W AH N", "HH W AH N", "W AH N"}},
        {"read", {"R EH D", "R IY D"}},
        {"orphan", {"AO R F AH N"}}, // an alternative without its plain entry still counts
        {"empty", {}},               // a word without phones
        {"nubo", {}},
        {"on", {}}, // a prefix of a word is not the word
    };
    PronouncingDictionary::Words words;
    for (const auto& c : cases)
        words.insert(c.word);
    PronouncingDictionary::Pronunciations found;
    ASSERT_TRUE(PronouncingDictionary(file.path()).lookUp(words, found).ok());
    for (const auto& c : cases) {
        const auto entry = found.find(c.word);
        if (c.phones.empty())
            EXPECT_EQ(entry, found.end()) << c.word;
        else if (entry == found.end())
            ADD_FAILURE() << c.word << " not found";
        else
            EXPECT_EQ(entry->second, c.phones) << c.word;
    }
}

TEST(PronouncingDictionary, AMissingFileIsAClearError) {
    PronouncingDictionary::Pronunciations found;
    const Status read = PronouncingDictionary("/nonexistent/cmudict.dict").lookUp({"hello"}, found);
    EXPECT_FALSE(read.ok());
    EXPECT_NE(read.message().find("/nonexistent/cmudict.dict"), std::string::npos)
        << read.message();
}
