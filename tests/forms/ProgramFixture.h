#pragma once

#include "FakePorts.h"
#include "FakeRecognizer.h"
#include "FakeSynthesizer.h"
#include "TempFolder.h"
#include "bubble/bubble.h"
#include "character/frmSmiley.h"
#include "core/ManualScheduler.h"
#include "editor/Form2.h"
#include "platform/FileSystemBrowser.h"
#include "shell/Form1.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <memory>

// The whole program on the manual scheduler, with fake engines and ports and a brain in a
// temporary folder.
class ProgramFixture : public ::testing::Test {
protected:
    using Strings = std::vector<std::string>;

    void build() {
        form1 = std::make_unique<Form1>(Form1::Parts{scheduler, recognizer, voice, clock, keys,
                                                     clipboard, launcher, messages, tray,
                                                     BrainPaths::inFolder(folder.path())});
        form2 = std::make_unique<Form2>(
            *form1, Form2::Parts{scheduler, urls, beeper, files, programFolder.path().string(),
                                 newsAddress, QStringLiteral("https://parlon.example.org/")});
        character = std::make_unique<frmSmiley>(*form1, scheduler);
        speechBubble = std::make_unique<bubble>(scheduler, [this] { return character->pos(); });
        form1->attachWindows(form2.get(), character.get(), speechBubble.get());
    }
    void start() {
        build();
        form1->load();
    }
    void writeBrain(const Strings& phrases, const Strings& arguments, const Strings& types) {
        std::string listen = "[Grammer]\r\ntype=cfg\r\n[<start>]\r\n";
        for (const auto& p : phrases)
            listen += "<start>=" + p + "\r\n";
        listen += "\r\n";
        auto values = [](const Strings& items) {
            std::string text;
            for (const auto& item : items)
                text += item + "\r\n\r\n";
            return text;
        };
        TempFolder::write(folder / "listen", listen);
        TempFolder::write(folder / "commandi", values(arguments));
        TempFolder::write(folder / "action", values(types));
    }
    void writeBuiltins(const std::string& wake = "zel listen",
                       const std::string& bubbleArg = "I hear you",
                       const std::string& shownArg = "What ever") {
        writeBrain({wake, "stop listen", "stop speak", "go to sleep"},
                   {bubbleArg, shownArg, "Ok I will shut up", "I hope I am sleepy"},
                   {"Speak", "Speak", "Speak", "Speak"});
    }
    std::string file(const char* name) const { return TempFolder::read(folder / name); }
    Strings editorPhrases() const {
        Strings items;
        for (int i = 0; i < form2->List1->count(); ++i)
            items.push_back(form2->List1->item(i)->text().toStdString());
        return items;
    }

    TempFolder folder;
    ManualScheduler scheduler;
    FakeRecognizer recognizer;
    FakeSynthesizer voice;
    FixedClock clock;
    FakeKeySender keys;
    FakeClipboard clipboard;
    FakeLauncher launcher;
    FakeMessageBox messages;
    FakeTray tray;
    FakeUrlOpener urls;
    FakeBeeper beeper;
    FileSystemBrowser files;
    TempFolder programFolder;
    QUrl newsAddress{QStringLiteral("qrc:/news/news.html")};
    std::unique_ptr<Form1> form1;
    std::unique_ptr<Form2> form2;
    std::unique_ptr<frmSmiley> character;
    std::unique_ptr<bubble> speechBubble;
};
