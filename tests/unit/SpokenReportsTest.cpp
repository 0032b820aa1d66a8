#include "shell/SpokenReports.h"
#include "FakePorts.h"
#include "FakeSynthesizer.h"
#include "shell/Speaker.h"

#include <gtest/gtest.h>

namespace {
struct Reports : ::testing::Test {
    Reports()
        : speaker(voice)
        , reports(speaker, clock, clipboard, keys, [] {}) {
        speaker.setShowHandler([this](const std::string& t) { shown = t; });
    }
    FakeSynthesizer voice;
    FixedClock clock;
    FakeClipboard clipboard;
    FakeKeySender keys;
    Speaker speaker;
    SpokenReports reports;
    std::string shown;
};
} // namespace

TEST_F(Reports, TimeIsSaidWithABlankAndShownWithAColonWithoutLeadingZeros) {
    const struct {
        int hour, minute;
        const char* said;
        const char* shown;
    } cases[] = {
        {0, 7, "The time is 0 7", "The time is 0:7"},
        {9, 5, "The time is 9 5", "The time is 9:5"},
        {23, 59, "The time is 23 59", "The time is 23:59"},
        {12, 0, "The time is 12 0", "The time is 12:0"},
    };
    for (const auto& c : cases) {
        clock.time = LocalDateTime{2026, 1, 1, c.hour, c.minute, 0};
        voice.log.clear();
        reports.timeReport();
        EXPECT_EQ(voice.log, (std::vector<std::string>{"stop", std::string("say ") + c.said}));
        EXPECT_EQ(shown, c.shown);
    }
}

TEST_F(Reports, DateNamesTheMonthInLowerCase) {
    const char* months[] = {"january", "february", "march",     "april",   "may",      "june",
                            "july",    "august",   "september", "october", "november", "december"};
    for (int month = 1; month <= 12; ++month) {
        clock.time = LocalDateTime{2026, month, 31, 12, 0, 0};
        reports.dateReport();
        const std::string expected = std::string("The date is 31 of ") + months[month - 1];
        EXPECT_EQ(voice.said.back(), expected);
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(reports.monthName(), months[month - 1]);
    }
}

TEST_F(Reports, SelectionWaitsAtMostItsBoundForTheCopy) {
    reports.ReadSelectedText();
    EXPECT_EQ(clipboard.waitedMs, SpokenReports::copyTimeoutMs);
    EXPECT_EQ(voice.said.back(), "I can not read that");
    // The selection report does not stop speech before it speaks.
    EXPECT_EQ(voice.stops, 0);
}
