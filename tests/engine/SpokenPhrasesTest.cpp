#include "engine/pocketsphinx/SpokenPhrases.h"
#include "engine/espeak/PhoneMapping.h"

#include <gtest/gtest.h>

TEST(SpokenPhrases, WordsAreLowerCaseAndSplitAtBlanksAndPunctuation) {
    const struct {
        const char* written;
        const char* key;
    } cases[] = {
        {"zel listen", "zel listen"}, {"  Zel   Listen ", "zel listen"},
        {"what's up?", "what's up"},  {"i c q", "i c q"},
        {"open 7zip", "open 7zip"},   {"stop, speak!", "stop speak"},
        {"'quoted'", "quoted"},       {"?!", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SpokenPhrases::keyOf(SpokenPhrases::wordsOf(c.written)), c.key) << c.written;
}

TEST(SpokenPhrases, PhrasesSpokenAlikeKeepEveryWrittenFormInFileOrder) {
    const SpokenPhrases phrases({"Hello", "go", "hello ", "Hello", "?"});
    ASSERT_EQ(phrases.size(), 2u);
    EXPECT_EQ(phrases.writtenAs("hello"), (std::vector<std::string>{"Hello", "hello "}));
    EXPECT_EQ(phrases.unspeakable(), std::vector<std::string>{"?"});
    EXPECT_TRUE(phrases.writtenAs("nothing").empty());
}

TEST(PhoneMapping, EspeakPhonemesBecomeTheModelsPhones) {
    const struct {
        const char* espeak;
        const char* phones;
    } cases[] = {
        {"n_'u:_b_oU", "N UW B OW"},                  // nubo
        {"s_'E_v_@_n z_'I_p", "S EH V AH N Z IH P"},  // 7zip, two words
        {"p_'I_k_tS_3_r-_I_N", "P IH K CH ER IH NG"}, // r after a rhotic vowel
        {"m_,A@_r_i", "M AA R IY"},
        {"h_@_l_'oU_%%", "HH AH L OW"}, // unknown names are dropped
    };
    for (const auto& c : cases) {
        std::string joined;
        for (const auto& phone : PhoneMapping::toModelPhones(c.espeak))
            joined += (joined.empty() ? "" : " ") + phone;
        EXPECT_EQ(joined, c.phones) << c.espeak;
    }
}
