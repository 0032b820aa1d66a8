#include "core/TextCodec.h"

#include <gtest/gtest.h>

using Encoding = TextCodec::Encoding;

TEST(TextCodec, DecodesByContent) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string text;
        Encoding encoding;
    };
    const Case cases[] = {
        {"ascii", "zel listen", "zel listen", Encoding::Windows1252},
        {"utf-8", "caf\xC3\xA9", "caf\xC3\xA9", Encoding::Utf8},
        {"utf-8 with signature", "\xEF\xBB\xBFhi", "hi", Encoding::Utf8},
        {"windows-1252", "caf\xE9 \x80", "caf\xC3\xA9 \xE2\x82\xAC", Encoding::Windows1252},
        {"undefined 1252 bytes survive", "\x81\x8D", "\xC2\x81\xC2\x8D", Encoding::Windows1252},
        {"utf-16le", std::string("\xFF\xFEh\0i\0", 6), "hi", Encoding::Utf16LittleEndian},
        {"utf-16be", std::string("\xFE\xFF\0h\0i", 6), "hi", Encoding::Utf16BigEndian},
        {"utf-16le surrogate pair", std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), "\xF0\x9F\x98\x80",
         Encoding::Utf16LittleEndian},
        {"utf-16 lone surrogate", std::string("\xFF\xFE\x3D\xD8", 4), "\xEF\xBF\xBD",
         Encoding::Utf16LittleEndian},
        {"overlong utf-8 is not utf-8", "\xC0\xAF", "\xC3\x80\xC2\xAF", Encoding::Windows1252},
    };
    for (const auto& c : cases) {
        Encoding detected{};
        EXPECT_EQ(TextCodec::decode(c.bytes, &detected), c.text) << c.name;
        EXPECT_EQ(detected, c.encoding) << c.name;
    }
}

TEST(TextCodec, WritesWindows1252WhenEveryCharacterFitsElseUtf8) {
    Encoding chosen{};
    EXPECT_EQ(TextCodec::encodeForFile(std::string_view("caf\xC3\xA9 \xE2\x82\xAC"), &chosen),
              "caf\xE9 \x80");
    EXPECT_EQ(chosen, Encoding::Windows1252);
    const std::string greek =
        "\xCE\xBA\xCE\xB1\xCE\xBB\xCE\xB7\xCE\xBC\xCE\xAD\xCF\x81\xCE\xB1 caf\xC3\xA9";
    EXPECT_EQ(TextCodec::encodeForFile(greek, &chosen), greek);
    EXPECT_EQ(chosen, Encoding::Utf8);
}

TEST(TextCodec, AnyByteSequenceSurvivesAReadAndAWrite) {
    std::string junk;
    for (int b = 0; b < 256; ++b)
        junk += static_cast<char>(b);
    const std::string text = TextCodec::decode(junk);
    EXPECT_TRUE(TextCodec::isValidUtf8(text));
    EXPECT_EQ(TextCodec::encodeForFile(text), junk);
}

TEST(TextCodec, TextThatLooksLikeAByteOrderMarkSurvives) {
    for (const std::string& text :
         {std::string("\xEF\xBB\xBFhi \xCE\xBA"),       // a mark, then Greek
          std::string("\xC3\xBF\xC3\xBEh"),             // "ÿþh"
          std::string("\xC3\xBE\xC3\xBFh"),             // "þÿh"
          std::string("\xC3\xA2\xE2\x80\x9A\xC2\xAC")}) // "â‚¬", UTF-8 "€" in 1252
        EXPECT_EQ(TextCodec::decode(TextCodec::encodeForFile(text)), text);
}
