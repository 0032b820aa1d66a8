#include "ProgramFixture.h"

namespace {
class Bubble : public ProgramFixture {
protected:
    void SetUp() override {
        writeBuiltins();
        start();
        scheduler.advance(1);
    }
    bool outlineShown() const {
        const auto& region = speechBubble->region().current();
        return region && !region->isEmpty();
    }
};
} // namespace

TEST_F(Bubble, ShowsWhileSpeakingOnlyWithTheOptionOn) {
    EXPECT_FALSE(outlineShown());
    recognizer.hear("zel listen");
    EXPECT_EQ(speechBubble->text(), "I hear you");
    voice.start();
    scheduler.advance(1);
    EXPECT_TRUE(outlineShown());
    EXPECT_EQ(speechBubble->tag, "1");
    voice.finish();
    scheduler.advance(1);
    EXPECT_FALSE(outlineShown());

    form1->bub->trigger(); // off
    recognizer.hear("stop speak");
    EXPECT_EQ(speechBubble->text(), "Ok I will shut up"); // the text is still set
    voice.start();
    scheduler.advance(1);
    EXPECT_FALSE(outlineShown());
}

TEST_F(Bubble, TurningTheOptionOnDuringSpeechWaitsForTheNextSpeech) {
    form1->bub->trigger(); // off
    voice.start();
    form1->bub->trigger(); // on again
    scheduler.advance(1);
    EXPECT_FALSE(outlineShown());
    voice.finish();
    voice.start();
    scheduler.advance(1);
    EXPECT_TRUE(outlineShown());
}

TEST_F(Bubble, FollowsTheCharacterAtItsNextTick) {
    character->move(400, 500);
    scheduler.advance(1);
    // 500 twips left of and 2500 twips above the character's corner.
    EXPECT_EQ(speechBubble->pos(), QPoint(400 - 33, 500 - 167));
    character->move(5, 10);
    scheduler.advance(1);
    EXPECT_EQ(speechBubble->pos(), QPoint(5 - 33, 10 - 167)); // not clamped to the screen
}

TEST_F(Bubble, TheLabelWrapsPlainText) {
    speechBubble->setText("<b>not bold</b>");
    EXPECT_EQ(speechBubble->Label1->textFormat(), Qt::PlainText);
    EXPECT_TRUE(speechBubble->Label1->wordWrap());
    EXPECT_EQ(speechBubble->Label1->geometry(), QRect(16, 16, 153, 97));
}

TEST_F(Bubble, HidingTheCharacterWithTheOptionOnTurnsItOffForGood) {
    form1->hii->trigger();
    EXPECT_EQ(character->characterSize(), QSize(0, 0));
    EXPECT_FALSE(form1->bub->isChecked());
    EXPECT_FALSE(form1->bub->isEnabled());
    EXPECT_EQ(form1->List2.item(0), "I hear you ");
    EXPECT_EQ(form1->List2.item(1), "What ever ");
    form1->hii->trigger();
    EXPECT_EQ(character->characterSize(), QSize(81, 83));
    EXPECT_TRUE(form1->bub->isEnabled());
    EXPECT_FALSE(form1->bub->isChecked());
}

TEST_F(Bubble, ChoosingACharacterWhileHiddenShowsItAgain) {
    form1->bub->trigger(); // off, so hiding leaves the item enabled
    form1->hii->trigger();
    EXPECT_TRUE(form1->bub->isEnabled());
    form1->firstCharacterMenu->trigger();
    scheduler.advance(1);
    EXPECT_EQ(character->characterSize(), QSize(86, 96));
    EXPECT_EQ(form1->hii->text(), "Hide Character");
    EXPECT_EQ(form1->List2.item(1), "What ever");
}
