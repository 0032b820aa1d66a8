#include "ProgramFixture.h"

#include "brain/BuiltinEntries.h"

#include <QEvent>

namespace {
class StartUp : public ProgramFixture {};
const std::string seededListen =
    "[Grammer]\r\ntype=cfg\r\n[<start>]\r\n<start>=zel listen\r\n"
    "<start>=stop listen\r\n<start>=stop speak\r\n<start>=go to sleep\r\n\r\n";

// The shows and hides a window goes through, in order.
class VisibilityLog : public QObject {
public:
    explicit VisibilityLog(QWidget& window) { window.installEventFilter(this); }
    std::vector<QEvent::Type> events;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
            events.push_back(event->type());
        return false;
    }
};
} // namespace

TEST_F(StartUp, FirstRunCreatesTheFilesAndSeedsTheDefaultBrainWithinATick) {
    start();
    EXPECT_TRUE(tray.present);
    EXPECT_EQ(tray.tip, "Animated TrayIcon");
    EXPECT_EQ(voice.setting, 150);
    EXPECT_EQ(file("listen"), "");
    EXPECT_EQ(form1->List1.count(), 0);
    EXPECT_TRUE(form1->firstCharacterMenu->isEnabled());
    EXPECT_TRUE(form1->secondCharacterMenu->isEnabled());

    scheduler.advance(10);
    EXPECT_EQ(file("listen"), seededListen);
    EXPECT_EQ(form1->List1.items(),
              (Strings{"zel listen", "stop listen", "stop speak", "go to sleep"}));
    EXPECT_EQ(editorPhrases(), form1->List1.items());
    EXPECT_FALSE(std::filesystem::exists(folder / "listen.bak"));

    // The seeded character is applied by the one-shot check after the load, so even the first
    // start shows it.
    scheduler.advance(190);
    EXPECT_EQ(character->characterSize(), QSize(0, 0));
    scheduler.advance(10);
    EXPECT_FALSE(form1->secondCharacterMenu->isEnabled());
    scheduler.advance(1);
    EXPECT_EQ(character->basePicture(), frmSmiley::Character::Zel);
    EXPECT_EQ(character->characterSize(), QSize(81, 83));
    EXPECT_EQ(form1->hii->text(), "Hide Character");
    EXPECT_FALSE(form1->Timer1.isEnabled());
}

TEST_F(StartUp, AppliesTheStoredCharacter) {
    writeBuiltins("nubo listen");
    start();
    EXPECT_FALSE(form1->firstCharacterMenu->isEnabled());
    EXPECT_TRUE(form1->secondCharacterMenu->isEnabled());
    EXPECT_EQ(character->head, "nubo");
    scheduler.advance(1);
    EXPECT_EQ(character->basePicture(), frmSmiley::Character::Nubo);
    EXPECT_EQ(character->characterSize(), QSize(86, 96));
}

// A window manager can drop a map that follows a withdrawal too closely, which left the
// character unseen now and then: it must not be mapped before it has a picture.
TEST_F(StartUp, TheCharacterWindowIsMappedOnceWhenItGetsItsPicture) {
    writeBuiltins("nubo listen");
    build();
    VisibilityLog log(*character);
    form1->load();
    EXPECT_FALSE(character->isVisible());
    scheduler.advance(1);
    EXPECT_TRUE(character->isVisible());
    EXPECT_EQ(log.events, std::vector<QEvent::Type>{QEvent::Show});
}

TEST_F(StartUp, AHiddenCharacterTurnsTheBubbleOffAndRewritesTheBrainOnce) {
    writeBuiltins("zel listen", "I hear you", "What ever ");
    start();
    EXPECT_EQ(character->characterSize(), QSize(0, 0));
    EXPECT_EQ(form1->hii->text(), "Show Character");
    EXPECT_FALSE(form1->bub->isChecked());
    EXPECT_FALSE(form1->bub->isEnabled());
    EXPECT_NE(file("commandi").find("I hear you \r\n"), std::string::npos);
}

TEST_F(StartUp, RestoresTheBubbleOptionFromEntryZero) {
    writeBuiltins("zel listen", "I hear you ");
    start();
    EXPECT_FALSE(form1->bub->isChecked());
    EXPECT_TRUE(form1->bub->isEnabled());
}

TEST_F(StartUp, AnUnreadableBrainIsNeverSeededOver) {
    writeBuiltins();
    std::filesystem::remove(folder / "listen");
    std::filesystem::create_directory(folder / "listen");
    start();
    scheduler.advance(100);
    EXPECT_EQ(form1->List1.count(), 0);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "listen"));
    EXPECT_NE(file("commandi").find("Ok I will shut up"), std::string::npos);
}

TEST_F(StartUp, SeedingOverFilesThatHoldSomethingKeepsACopy) {
    // A phrase file that yields no phrase (here: written with some other program's layout).
    TempFolder::write(folder / "listen", "phrase=hello\r\n");
    TempFolder::write(folder / "commandi", "Hi\r\n");
    TempFolder::write(folder / "action", "Speak\r\n");
    start();
    scheduler.advance(10);
    EXPECT_EQ(file("listen.bak"), "phrase=hello\r\n");
    EXPECT_EQ(file("commandi.bak"), "Hi\r\n");
    EXPECT_EQ(file("action.bak"), "Speak\r\n");
    EXPECT_EQ(file("listen"), seededListen);
}

TEST_F(StartUp, ARefusingRecognizerDoesNotMakeTheBrainLookEmpty) {
    writeBrain({"zel listen", "stop listen", "stop speak", "go to sleep", "my phrase"},
               {"I hear you", "What ever", "Ok I will shut up", "I hope I am sleepy", "Mine"},
               {"Speak", "Speak", "Speak", "Speak", "Speak"});
    recognizer.refuseGrammar = true;
    start();
    scheduler.advance(100);
    EXPECT_EQ(form1->List1.count(), 5);
    EXPECT_NE(file("listen").find("my phrase"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder / "listen.bak"));
}

TEST_F(StartUp, ExitRemovesTheTrayIconAndWritesTheBrain) {
    writeBuiltins();
    start();
    form1->List2.setItem(2, "Quiet now");
    form1->Exit->trigger();
    EXPECT_FALSE(tray.present);
    EXPECT_NE(file("commandi").find("Quiet now"), std::string::npos);
}
