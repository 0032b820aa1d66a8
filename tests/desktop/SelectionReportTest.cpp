#include "DesktopWait.h"
#include "FakePorts.h"
#include "FakeSynthesizer.h"
#include "platform/linux/QtClipboard.h"
#include "platform/linux/XTestKeySender.h"
#include "shell/Speaker.h"
#include "shell/SpokenReports.h"

#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <gtest/gtest.h>

namespace {
class SelectionReport : public ::testing::Test {
protected:
    SelectionReport()
        : speaker(voice)
        , reports(speaker, clock, clipboard, keys, [] { QCoreApplication::processEvents(); }) {
        speaker.setShowHandler([this](const std::string& text) { shown = text; });
    }
    void startForeground(const QString& text) {
        foreground.start(SELECTION_OWNER, {text});
        ASSERT_TRUE(foreground.waitForStarted());
        ASSERT_TRUE(waitFor([&] { return foreground.readAllStandardOutput().contains("ready"); }));
    }
    void TearDown() override {
        foreground.kill();
        foreground.waitForFinished();
    }

    FakeSynthesizer voice;
    FixedClock clock;
    QtClipboard clipboard;
    XTestKeySender keys;
    Speaker speaker;
    SpokenReports reports;
    std::string shown;
    QProcess foreground;
};
} // namespace

TEST_F(SelectionReport, ReadsWhatTheForegroundProgramHasSelected) {
    QGuiApplication::clipboard()->setText("earlier content");
    startForeground("Hello world");
    reports.ReadSelectedText();
    EXPECT_EQ(voice.said, std::vector<std::string>{"Hello world"});
    EXPECT_EQ(shown, "Hello world");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "Hello world");
}

TEST_F(SelectionReport, NothingSelectedIsNothingToRead) {
    startForeground("");
    reports.ReadSelectedText();
    EXPECT_EQ(voice.said, std::vector<std::string>{"I can not read that"});
}
