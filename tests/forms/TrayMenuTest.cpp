#include "ProgramFixture.h"

namespace {
class TrayMenu : public ProgramFixture {
protected:
    void SetUp() override {
        writeBuiltins();
        start();
        scheduler.advance(1);
        voice.said.clear();
    }
    bool waiting() const { return form1->flags.waiting && !form1->flags.listening; }
    bool listening() const { return form1->flags.listening && !form1->flags.waiting; }
};
} // namespace

TEST_F(TrayMenu, TheWakePhraseAnimatesTheEarsAndTheIdleIconIsBackWithinATick) {
    recognizer.hear("zel listen");
    EXPECT_TRUE(listening());
    EXPECT_TRUE(form1->Llisten->isChecked());
    EXPECT_EQ(tray.current, TrayPicture::Ear3);
    std::vector<TrayPicture> frames;
    for (int i = 0; i < 4; ++i) {
        scheduler.advance(200);
        frames.push_back(tray.current);
    }
    EXPECT_EQ(frames, (std::vector<TrayPicture>{TrayPicture::Ear1, TrayPicture::Ear2,
                                                TrayPicture::Ear3, TrayPicture::Ear1}));
    recognizer.hear("stop speak");
    EXPECT_TRUE(waiting());
    scheduler.advance(1);
    EXPECT_EQ(tray.current, TrayPicture::Idle);
    EXPECT_FALSE(form1->Timer3.isEnabled());
    EXPECT_FALSE(form1->Llisten->isChecked());
}

TEST_F(TrayMenu, ListenTogglesBetweenWaitingAndListening) {
    form1->Llisten->trigger();
    EXPECT_TRUE(listening());
    EXPECT_TRUE(form1->Llisten->isChecked());
    EXPECT_EQ(voice.said, Strings{"I hear you"});
    EXPECT_EQ(tray.current, TrayPicture::Character);
    form1->Llisten->trigger();
    EXPECT_TRUE(waiting());
    EXPECT_FALSE(form1->Llisten->isChecked());
    EXPECT_EQ(voice.said, (Strings{"I hear you", "what ever"}));
    EXPECT_EQ(speechBubble->text(), "What ever");
}

TEST_F(TrayMenu, SleepDisablesListeningAndWakingEnablesItAgain) {
    form1->Auto->trigger();
    EXPECT_TRUE(form1->Auto->isChecked());
    EXPECT_FALSE(form1->Llisten->isEnabled());
    form1->en->trigger();
    EXPECT_TRUE(form1->flags.isAsleep());
    EXPECT_TRUE(form1->en->isChecked());
    EXPECT_FALSE(form1->Llisten->isEnabled());
    EXPECT_FALSE(form1->Auto->isChecked());
    EXPECT_FALSE(form1->Auto->isEnabled());
    EXPECT_EQ(voice.said.back(), "I hope I am sleepy");
    scheduler.advance(50);
    EXPECT_TRUE(form1->flags.isAsleep()); // Auto listen cannot wake it
    recognizer.hear("zel listen");
    EXPECT_TRUE(form1->flags.isAsleep());

    form1->en->trigger();
    EXPECT_TRUE(waiting());
    EXPECT_FALSE(form1->en->isChecked());
    EXPECT_TRUE(form1->Llisten->isEnabled());
    EXPECT_TRUE(form1->Auto->isEnabled());
    EXPECT_FALSE(form1->Auto->isChecked());
    EXPECT_EQ(voice.said.back(), "Hello again");
}

TEST_F(TrayMenu, GoToSleepHeardWhileListeningRunsTheSleepAction) {
    recognizer.hear("zel listen");
    recognizer.hear("go to sleep");
    EXPECT_TRUE(form1->flags.isAsleep());
    EXPECT_TRUE(form1->en->isChecked());
    EXPECT_EQ(voice.said, (Strings{"I hear you", "I hope I am sleepy"}));
}

TEST_F(TrayMenu, AutoListenListensAgainOneTickAfterEveryCommand) {
    form1->Auto->trigger();
    EXPECT_EQ(voice.said, Strings{"I hear you"});
    scheduler.advance(1);
    EXPECT_TRUE(listening());
    recognizer.hear("stop listen");
    EXPECT_TRUE(waiting());
    scheduler.advance(1);
    EXPECT_TRUE(listening());
    EXPECT_EQ(voice.said, (Strings{"I hear you", "What ever"}));
    form1->Auto->trigger();
    EXPECT_TRUE(form1->Llisten->isEnabled());
    EXPECT_FALSE(form1->aut.isEnabled());
}

TEST_F(TrayMenu, BubbleIsStoredInEntryZeroAndSurvivesARestart) {
    form1->bub->trigger();
    EXPECT_FALSE(form1->bub->isChecked());
    EXPECT_EQ(form1->List2.item(0), "I hear you ");
    EXPECT_EQ(file("commandi").substr(0, 13), "I hear you \r\n");
    form1->Exit->trigger();
    start();
    EXPECT_FALSE(form1->bub->isChecked());
    form1->bub->trigger();
    EXPECT_EQ(file("commandi").substr(0, 12), "I hear you\r\n");
}

TEST_F(TrayMenu, ChoosingACharacterWritesItsWakePhraseAndGreets) {
    form1->firstCharacterMenu->trigger();
    EXPECT_EQ(voice.said, Strings{"Whats up?"});
    EXPECT_EQ(speechBubble->text(), "Whats up?");
    EXPECT_EQ(form1->List1.item(0), "nubo listen");
    EXPECT_EQ(editorPhrases().front(), "nubo listen");
    EXPECT_NE(file("listen").find("<start>=nubo listen\r\n"), std::string::npos);
    EXPECT_FALSE(form1->firstCharacterMenu->isEnabled());
    EXPECT_TRUE(form1->secondCharacterMenu->isEnabled());
    scheduler.advance(1);
    EXPECT_EQ(character->characterSize(), QSize(86, 96));
    recognizer.hear("nubo listen");
    EXPECT_TRUE(listening());
}

TEST_F(TrayMenu, RightButtonUpOnTheTrayIconIsTheOnlyClickThatOpensTheMenu) {
    // A left click must not open the (modal) menu; it only gives the character the focus.
    tray.click(TrayPort::leftButtonUp);
    tray.click(TrayPort::leftButtonDoubleClick);
    EXPECT_FALSE(form1->popup->isVisible());
}

TEST_F(TrayMenu, AboutShowsTheMainWindowAndAClickPutsItAwayWithinATick) {
    form1->hi->trigger();
    EXPECT_TRUE(form1->isVisible());
    EXPECT_EQ(form1->windowTitle(), "About - Parlon 2");
    form1->setWindowState(Qt::WindowMinimized);
    scheduler.advance(1);
    EXPECT_FALSE(form1->isVisible());
}
