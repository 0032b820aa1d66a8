#include "brain/BrainFileFormat.h"

#include <gtest/gtest.h>

using Strings = std::vector<std::string>;

TEST(BrainFileFormat, WritesThePhraseFileAsTheGrammarText) {
    EXPECT_EQ(
        BrainFileFormat::phraseFileText({"zel listen", "stop listen", "stop speak", "go to sleep"}),
        "[Grammer]\r\ntype=cfg\r\n[<start>]\r\n"
        "<start>=zel listen\r\n<start>=stop listen\r\n<start>=stop speak\r\n"
        "<start>=go to sleep\r\n\r\n");
    EXPECT_EQ(BrainFileFormat::phraseFileText({}), "[Grammer]\r\ntype=cfg\r\n[<start>]\r\n\r\n");
}

TEST(BrainFileFormat, WritesValuesEachFollowedByAnEmptyLine) {
    EXPECT_EQ(BrainFileFormat::valueFileText({"I hear you ", "What ever"}),
              "I hear you \r\n\r\nWhat ever\r\n\r\n");
}

TEST(BrainFileFormat, ReadsPhrasesWithAnyLineEndAndSkipsOtherLines) {
    const struct {
        const char* name;
        std::string text;
        Strings phrases;
    } cases[] = {
        {"header only", "[Grammer]\r\ntype=cfg\r\n[<start>]\r\n\r\n", {}},
        {"crlf", "[Grammer]\r\n<start>=a b\r\n<start>= c \r\n\r\n", {"a b", " c "}},
        {"lf", "[Grammer]\n<start>=a\n<start>=b\n", {"a", "b"}},
        {"cr", "<start>=a\r<start>=b\r", {"a", "b"}},
        {"empty phrase line", "<start>=\r\n<start>=x\r\n", {"", "x"}},
        {"no final line end", "<start>=last", {"last"}},
        {"prefix is case-sensitive", "<START>=no\r\n<start>=yes\r\n", {"yes"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BrainFileFormat::phrasesFromText(c.text), c.phrases) << c.name;
}

TEST(BrainFileFormat, ReadsValuesWithOrWithoutSeparatorLines) {
    const Strings expected = {"I hear you", "What ever "};
    EXPECT_EQ(BrainFileFormat::valuesFromText("I hear you\r\n\r\nWhat ever \r\n\r\n"), expected);
    EXPECT_EQ(BrainFileFormat::valuesFromText("I hear you\r\nWhat ever \r\n"), expected);
    EXPECT_EQ(BrainFileFormat::valuesFromText("I hear you\n\nWhat ever \n"), expected);
}
