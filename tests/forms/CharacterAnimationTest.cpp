#include "ProgramFixture.h"

#include <QLabel>

namespace {
class Animation : public ProgramFixture {
protected:
    void startWith(const std::string& wake) {
        writeBuiltins(wake);
        start();
        scheduler.advance(1);
    }
    // Which head frame shows now: "nubo5", "zel10", or "" for none.
    std::string frameShown() const {
        std::string shown;
        for (int n = 4; n <= 13; ++n) {
            if (character->nuboFrames[static_cast<std::size_t>(n)]->isVisibleTo(character.get()))
                shown += (shown.empty() ? "" : "+") + std::string("nubo") + std::to_string(n);
        }
        for (int n = 4; n <= 12; ++n) {
            if (character->zelFrames[static_cast<std::size_t>(n)]->isVisibleTo(character.get()))
                shown += (shown.empty() ? "" : "+") + std::string("zel") + std::to_string(n);
        }
        return shown;
    }
    // Plays aninubo tick by tick until it stops, writing down the frame after each tick.
    Strings playSequence() {
        Strings frames;
        while (character->aninubo.isEnabled() && frames.size() < 60) {
            scheduler.advance(160);
            frames.push_back(frameShown());
        }
        return frames;
    }
    bool eyesClosed() const { return character->eye->isVisibleTo(character.get()); }
};
} // namespace

TEST_F(Animation, IdleSequencesAlternateEveryThirtySeconds) {
    const struct {
        std::string wake;
        Strings first;
        Strings second;
    } cases[] = {
        {"nubo listen",
         {"nubo8", "nubo9", "nubo10", "nubo10", "nubo9", "nubo8", ""},
         {"nubo11", "nubo12", "nubo13", "nubo13", "nubo13", "nubo13", "nubo12", "nubo11", ""}},
        {"zel listen",
         {"zel7", "zel8", "zel9", "zel8", "zel7", ""},
         {"zel10", "zel10", "zel11", "zel12", "zel11", "zel10", ""}},
    };
    for (const auto& c : cases) {
        startWith(c.wake);
        scheduler.advance(30000 - 1);
        ASSERT_TRUE(character->aninubo.isEnabled()) << c.wake;
        EXPECT_EQ(playSequence(), c.first) << c.wake;
        scheduler.advance(30000 - 160 * static_cast<int>(c.first.size()));
        EXPECT_EQ(playSequence(), c.second) << c.wake;
        form1->Exit->trigger();
    }
}

TEST_F(Animation, FallingAsleepAfterTheSleepReplyClosesTheEyesForGood) {
    const struct {
        std::string wake;
        Strings frames;
    } cases[] = {
        {"nubo listen", {"", "nubo4", "nubo5", "nubo6", "nubo7", "nubo6", "nubo5", "nubo4", ""}},
        {"zel listen", {"zel4", "zel5", "zel6", "zel6", "zel6", "zel5", "zel4", ""}},
    };
    for (const auto& c : cases) {
        startWith(c.wake);
        form1->en->trigger();
        EXPECT_TRUE(eyesClosed());
        EXPECT_FALSE(character->wink.isEnabled());
        voice.start();
        scheduler.advance(150);
        EXPECT_TRUE((c.wake == "nubo listen" ? character->mouth : character->zelmouth)
                        ->isVisibleTo(character.get()));
        voice.finish();
        EXPECT_EQ(playSequence(), c.frames) << c.wake;
        EXPECT_TRUE(eyesClosed());
        EXPECT_FALSE(character->wink.isEnabled());
        scheduler.advance(5000);
        EXPECT_TRUE(eyesClosed()) << "no blinking while asleep";
        form1->Exit->trigger();
    }
}

TEST_F(Animation, BlinksForTheLastTenOfEvery220Ticks) {
    startWith("zel listen");
    EXPECT_TRUE(eyesClosed()); // until the count first comes round
    scheduler.advance(2200 - 1 - 1);
    EXPECT_TRUE(eyesClosed());
    scheduler.advance(1);
    EXPECT_FALSE(eyesClosed());
    scheduler.advance(2090);
    EXPECT_FALSE(eyesClosed());
    scheduler.advance(10);
    EXPECT_TRUE(eyesClosed());
    scheduler.advance(100);
    EXPECT_FALSE(eyesClosed());
}

TEST_F(Animation, TheMouthCyclesWhileSpeakingAndContinuesAtTheNextSpeech) {
    startWith("nubo listen");
    voice.start();
    EXPECT_FALSE(character->random.isEnabled());
    scheduler.advance(150);
    EXPECT_EQ(character->mouthStep, 1);
    EXPECT_TRUE(character->mouth->isVisibleTo(character.get()));
    voice.finish();
    EXPECT_FALSE(character->mouth->isVisibleTo(character.get()));
    EXPECT_FALSE(character->talk.isEnabled());
    voice.start();
    scheduler.advance(300);
    EXPECT_EQ(character->mouthStep, 0); // frames 2 and 3 this time
    voice.finish();
    // The next idle sequence comes 30 s after the end of speech.
    scheduler.advance(29999);
    EXPECT_FALSE(character->aninubo.isEnabled());
    scheduler.advance(1);
    EXPECT_TRUE(character->aninubo.isEnabled());
}

TEST_F(Animation, ASwitchDuringSpeechStartsTheNewMouthAtFrameOne) {
    startWith("nubo listen");
    voice.start();
    scheduler.advance(150);
    form1->secondCharacterMenu->trigger();
    scheduler.advance(1);
    EXPECT_EQ(character->head, "zel");
    EXPECT_EQ(character->mouthStep, 0);
    EXPECT_FALSE(character->mouth->isVisibleTo(character.get()));
    scheduler.advance(150);
    EXPECT_TRUE(character->zelmouth->isVisibleTo(character.get()));
}

TEST_F(Animation, APressShowsTheAngryFaceAndReleaseHidesIt) {
    startWith("zel listen");
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(character->Image1, &press);
    EXPECT_TRUE(character->zelmad->isVisibleTo(character.get()));
    EXPECT_FALSE(character->nubomad->isVisibleTo(character.get()));
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(10, 10), QPointF(10, 10),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(character->Image1, &release);
    EXPECT_FALSE(character->zelmad->isVisibleTo(character.get()));
}

TEST_F(Animation, TheStepTableLeavesUnlistedStepsAlone) {
    startWith("nubo listen");
    character->applyAnimationStep(18);
    for (int step : {12, 13, 20, 27, 28, 29, 40, -5, 46, 1000}) {
        character->applyAnimationStep(step);
        EXPECT_EQ(frameShown(), "nubo9") << step;
    }
}

TEST_F(Animation, TheFaceStaysAngryWhileTheWindowManagerDragsTheWindow) {
    startWith("nubo listen");
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(character->Image1, &press);
    // What the drag gives Qt in place of the release the window manager keeps.
    QMouseEvent standIn(QEvent::MouseButtonRelease, QPointF(0, 0), QPointF(0, 0), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    standIn.setTimestamp(1);
    QApplication::sendEvent(character->Image1, &standIn);
    EXPECT_TRUE(character->nubomad->isVisibleTo(character.get()));
    QMouseEvent move(QEvent::MouseMove, QPointF(12, 12), QPointF(12, 12), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(character->Image1, &move);
    EXPECT_FALSE(character->nubomad->isVisibleTo(character.get()));
}
