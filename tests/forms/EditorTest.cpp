#include "ProgramFixture.h"

#include "editor/AddPage.h"
#include "editor/ChangePanel.h"
#include "editor/ExecutableChooser.h"
#include "editor/NewsStrip.h"
#include "editor/PictureButton.h"
#include "shapes/Shapes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace {
class Editor : public ProgramFixture {
protected:
    void SetUp() override {
        writeBrain({"zel listen", "stop listen", "stop speak", "go to sleep", "hello", "copy it"},
                   {"I hear you", "What ever", "Ok I will shut up", "I hope I am sleepy",
                    "Hi there", "^{c}"},
                   {"Speak", "Speak", "Speak", "Speak", "Speak", "Type"});
        start();
        scheduler.advance(200);
        form2->showEditor();
    }
    AddPage& page() { return *form2->frame1; }
    void flipToAddPage() {
        form2->Image11->clicked();
        scheduler.advance(62 * 16);
        ASSERT_FALSE(form2->frame1->isHidden());
    }
    void select(int index) { form2->List1->setCurrentRow(index); }
    bool shown(QWidget* widget) const { return !widget->isHidden(); }
    Strings mainColumn(const StringList& list) const { return list.items(); }
};
} // namespace

TEST_F(Editor, OffersChangeAndRemoveOnlyPastTheBuiltInEntries) {
    scheduler.advance(1);
    EXPECT_FALSE(shown(form2->Image5)); // nothing selected: the first refresh hides them
    for (int index = 0; index < 4; ++index) {
        select(index);
        EXPECT_FALSE(shown(form2->Image5)) << index;
        EXPECT_FALSE(shown(form2->Command2)) << index;
        EXPECT_EQ(form2->List2->currentRow(), index);
        EXPECT_EQ(form2->List3->currentRow(), index);
    }
    select(4);
    EXPECT_TRUE(shown(form2->Image5));
    EXPECT_TRUE(shown(form2->Command2));
    scheduler.advance(1);
    EXPECT_EQ(form2->Label6->text(), "Speak: Hi there");
}

TEST_F(Editor, AHandEditedLowerCaseTypeIsNotOfferedForChanging) {
    form1->Exit->trigger();
    writeBrain({"a", "b", "c", "d", "e"}, {"1", "2", "3", "4", "5"},
               {"Speak", "Speak", "Speak", "Speak", "type"});
    start();
    scheduler.advance(1);
    select(3);
    select(4);
    EXPECT_FALSE(shown(form2->Image5));
    EXPECT_FALSE(shown(form2->Command2)); // kept as it was
}

TEST_F(Editor, TheStatusLineKeepsTheLastTextWhileNothingIsSelected) {
    select(5);
    scheduler.advance(1);
    EXPECT_EQ(form2->Label6->text(), "Type: ^{c}");
    form2->List1->setCurrentRow(-1);
    scheduler.advance(1);
    EXPECT_EQ(form2->Label6->text(), "Type: ^{c}");
    EXPECT_FALSE(shown(form2->Image5));
    EXPECT_FALSE(shown(form2->Command2));
}

TEST_F(Editor, AddsAnEntryOfEachChoiceAndHearsItAtOnce) {
    const struct {
        AddPage::Choice choice;
        const char* phrase;
        std::function<void(AddPage&)> fill;
        const char* type;
        const char* argument;
    } cases[] = {
        {AddPage::Choice::Speak, "say hi", [](AddPage& p) { p.Text3->setText("Hi!"); }, "Speak",
         "Hi!"},
        {AddPage::Choice::Type, "type name", [](AddPage& p) { p.Text3->setText("Ann{ENTER}"); },
         "Type", "Ann{ENTER}"},
        {AddPage::Choice::Read, "what time", [](AddPage&) {}, "Read", "the time"},
        {AddPage::Choice::Read, "what date", [](AddPage& p) { p.clickReadArgument(1); }, "Read",
         "the date"},
        {AddPage::Choice::Read, "read it", [](AddPage& p) { p.clickReadArgument(2); }, "Read",
         "the selected text"},
        {AddPage::Choice::Open, "run tool", [](AddPage& p) { p.Text3->setText("/usr/bin/tool"); },
         "Open", "/usr/bin/tool"},
        {AddPage::Choice::Action, "press tab", [](AddPage& p) { p.Combo1->setEditText("Tab"); },
         "Type", "{TAB}"},
    };
    for (const auto& c : cases) {
        flipToAddPage();
        page().Text1->setText(c.phrase);
        page().clickChoice(c.choice);
        c.fill(page());
        ASSERT_TRUE(shown(page().Command1)) << c.phrase;
        recognizer.calls.clear();
        page().Command1->clicked();
        EXPECT_EQ(form1->List1.items().back(), c.phrase);
        EXPECT_EQ(form1->List2.items().back(), c.argument) << c.phrase;
        EXPECT_EQ(form1->List3.items().back(), c.type) << c.phrase;
        EXPECT_EQ(editorPhrases().back(), c.phrase);
        EXPECT_NE(file("listen").find(std::string("<start>=") + c.phrase + "\r\n"),
                  std::string::npos);
        EXPECT_EQ(recognizer.calls.size(), 3u) << "the grammar is reloaded";
        EXPECT_TRUE(page().Text1->text().isEmpty());
        EXPECT_TRUE(page().Text3->text().isEmpty());
        EXPECT_TRUE(page().isHidden());
        scheduler.advance(62 * 15);
        EXPECT_EQ(form2->List1->currentRow(), 0) << "the flip back selects the first entry";
    }
}

TEST_F(Editor, ActionStoresEveryKeyByItsCode) {
    const std::pair<const char*, const char*> keys[] = {
        {"Enter", "{enter}"},
        {"Space", " "},
        {"Left Key", "{left}"},
        {"Right Key", "{right}"},
        {"Up Key", "{up}"},
        {"Down Key", "{down}"},
        {"Copy", "^{c}"},
        {"Paste", "^{v}"},
        {"Cut", "^{x}"},
        {"Delete", "{DELETE}"},
        {"Backspace", "{backspace}"},
        {"Tab", "{TAB}"},
    };
    for (const auto& [name, code] : keys) {
        flipToAddPage();
        page().Text1->setText(QString("press ") + name);
        page().clickChoice(AddPage::Choice::Action);
        page().Combo1->setEditText(name);
        ASSERT_TRUE(shown(page().Command1)) << name;
        page().Command1->clicked();
        EXPECT_EQ(form1->List2.items().back(), code) << name;
        EXPECT_EQ(form1->List3.items().back(), "Type") << name;
        scheduler.advance(62 * 15);
    }
}

TEST_F(Editor, ActionOffersAddOnlyForAKeyName) {
    flipToAddPage();
    page().Text1->setText("press it");
    page().clickChoice(AddPage::Choice::Action);
    EXPECT_TRUE(shown(page().Command1)); // "Enter" at the start
    page().Combo1->setEditText("enter"); // names are exact
    EXPECT_FALSE(shown(page().Command1));
    page().Combo1->setEditText("Shift");
    EXPECT_FALSE(shown(page().Command1));
    page().Combo1->setEditText("Copy");
    EXPECT_TRUE(shown(page().Command1));
}

TEST_F(Editor, TheChoicesSetThePageUp) {
    flipToAddPage();
    EXPECT_EQ(page().choice(), AddPage::Choice::Speak); // every arrival starts with Speak
    page().Text3->setText("keep me");
    page().clickChoice(AddPage::Choice::Action);
    EXPECT_EQ(page().Text3->text(), "keep me"); // Action leaves the argument
    EXPECT_TRUE(page().Text3->isReadOnly());
    EXPECT_TRUE(shown(page().Picture4));
    page().clickChoice(AddPage::Choice::Open);
    EXPECT_TRUE(page().Text3->text().isEmpty());
    EXPECT_TRUE(page().Text3->isReadOnly());
    EXPECT_TRUE(shown(page().Command3));
    EXPECT_TRUE(shown(page().Label1));
    EXPECT_EQ(page().Text3->width(), 193);
    page().Text1->setText("open it");
    EXPECT_FALSE(shown(page().Command1)); // nothing chosen yet
    page().clickChoice(AddPage::Choice::Read);
    EXPECT_EQ(page().Text3->text(), "the time");
    EXPECT_TRUE(shown(page().Command1));
    EXPECT_EQ(page().Text3->width(), 225);
    page().clickReadArgument(2);
    page().clickChoice(AddPage::Choice::Speak);
    page().clickChoice(AddPage::Choice::Read);
    EXPECT_EQ(page().Text3->text(), "the selected text"); // the indicator remembers
}

TEST_F(Editor, RefusesTheReservedPhrasesExactly) {
    flipToAddPage();
    for (const char* reserved : {"zel listen", "stop listen", "stop speak", "go to sleep"}) {
        page().Text1->setText(reserved);
        EXPECT_TRUE(page().Text1->text().isEmpty()) << reserved;
        EXPECT_FALSE(shown(page().Command1));
    }
    for (const char* accepted : {"Stop listen", "nubo listen", "stop listening"}) {
        page().Text1->setText(accepted);
        EXPECT_EQ(page().Text1->text(), accepted);
    }
}

TEST_F(Editor, ChangesAnEntryInPlace) {
    select(4);
    form2->Image5->clicked();
    ChangePanel& panel = *form2->Picture2;
    ASSERT_TRUE(shown(&panel));
    EXPECT_EQ(panel.Text5->text(), "hello");
    EXPECT_EQ(panel.Text4->toPlainText(), "Hi there");
    EXPECT_FALSE(panel.Text4->isReadOnly());
    panel.Text5->clear();
    EXPECT_FALSE(shown(panel.Image8));
    panel.Text5->setText("stop speak"); // the panel does not check reserved phrases
    EXPECT_TRUE(shown(panel.Image8));
    panel.Text4->setPlainText("Hello again");
    panel.Image8->clicked();
    EXPECT_EQ(form1->List1.item(4), "stop speak");
    EXPECT_EQ(form1->List2.item(4), "Hello again");
    EXPECT_EQ(form1->List3.item(4), "Speak");
    EXPECT_NE(file("commandi").find("Hello again"), std::string::npos);
    EXPECT_FALSE(shown(&panel));
    EXPECT_TRUE(form2->Label6->text().isEmpty());
}

TEST_F(Editor, ReadAndOpenArgumentsAreNotTyped) {
    form1->Exit->trigger();
    writeBrain({"a", "b", "c", "d", "what time", "run"}, {"1", "2", "3", "4", "the time", "/bin/x"},
               {"Speak", "Speak", "Speak", "Speak", "Read", "Open"});
    start();
    select(4);
    form2->Image5->clicked();
    EXPECT_TRUE(form2->Picture2->Text4->isReadOnly());
    EXPECT_FALSE(shown(form2->Picture2->Image9));
    form2->Picture2->Image7->pressed();
    form2->Picture2->Image7->clicked();
    select(5);
    form2->Image5->clicked();
    EXPECT_TRUE(form2->Picture2->Text4->isReadOnly());
    EXPECT_TRUE(shown(form2->Picture2->Image9));
}

TEST_F(Editor, CancellingAChangeSavesNothing) {
    const std::string before = file("listen");
    page().Text1->setText("half typed");
    select(5);
    form2->Image5->clicked();
    form2->Picture2->Text5->setText("changed");
    form2->Picture2->Image7->pressed();
    form2->Picture2->Image7->clicked();
    EXPECT_FALSE(shown(form2->Picture2));
    EXPECT_EQ(file("listen"), before);
    EXPECT_EQ(form1->List1.item(5), "copy it");
    EXPECT_TRUE(page().Text1->text().isEmpty());
}

TEST_F(Editor, TheArgumentRefusesLineBreaksWithABeep) {
    select(4);
    form2->Image5->clicked();
    QPlainTextEdit* field = form2->Picture2->Text4;
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Enter);
    EXPECT_EQ(beeper.beeps, 2);
    EXPECT_FALSE(field->toPlainText().contains('\n'));
}

TEST_F(Editor, RemovesTheSelectedEntryFromAllSixListsAndTheFiles) {
    select(5);
    form2->Command2->clicked();
    EXPECT_EQ(form1->List1.items(),
              (Strings{"zel listen", "stop listen", "stop speak", "go to sleep", "hello"}));
    EXPECT_EQ(form1->List2.count(), 5);
    EXPECT_EQ(form1->List3.count(), 5);
    EXPECT_EQ(form2->List1->count(), 5);
    EXPECT_EQ(form2->List2->count(), 5);
    EXPECT_EQ(form2->List3->count(), 5);
    EXPECT_EQ(file("listen").find("copy it"), std::string::npos);
    EXPECT_EQ(file("action"), "Speak\r\n\r\nSpeak\r\n\r\nSpeak\r\n\r\nSpeak\r\n\r\nSpeak\r\n\r\n");
}

TEST_F(Editor, RemovingTheLastEntryRemovesItFromEveryList) {
    select(5);
    form2->Command2->clicked();
    select(4);
    form2->Command2->clicked();
    EXPECT_EQ(form1->List2.items(),
              (Strings{"I hear you", "What ever", "Ok I will shut up", "I hope I am sleepy"}));
}

TEST_F(Editor, FlipsInSixteenTicksFirstAndFifteenAfterWithOutlineAndPictureOfEachFrame) {
    std::vector<int> frames;
    auto play = [&] {
        frames.clear();
        while (form2->picani.isEnabled()) {
            scheduler.advance(62);
            const int frame = form2->flipFrame;
            frames.push_back(frame);
            EXPECT_EQ(form2->windowPictureFrame(), frame);
            const ShapeRect bounds = flipShape(frame).bounds;
            ASSERT_TRUE(form2->region().current().has_value());
            EXPECT_EQ(form2->region().current()->boundingRect(),
                      QRect(bounds.left, bounds.top, bounds.right - bounds.left,
                            bounds.bottom - bounds.top))
                << "frame " << frame;
        }
    };
    form2->Image11->clicked();
    EXPECT_TRUE(form2->List1->isHidden());
    EXPECT_TRUE(form2->Image1->isHidden());
    EXPECT_TRUE(form2->Picture10->isHidden());
    play();
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    EXPECT_FALSE(form2->flipForward);
    EXPECT_TRUE(shown(form2->frame1));
    EXPECT_TRUE(form2->Image1->isHidden()); // the editor hides only from the list page

    page().Image3->clicked(); // Cancel
    EXPECT_TRUE(page().isHidden());
    EXPECT_EQ(form2->windowPictureFrame(), 16); // until the first tick
    play();
    EXPECT_EQ(frames, (std::vector<int>{15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_TRUE(form2->flipForward);
    EXPECT_TRUE(shown(form2->List1));
    EXPECT_TRUE(shown(form2->Picture10));
    EXPECT_EQ(form2->List1->currentRow(), 0);

    form2->Image11->clicked();
    play();
    EXPECT_EQ(frames.size(), 15u); // frames 2 to 16
    EXPECT_EQ(frames.front(), 2);
}

TEST_F(Editor, TheHideImageHidesTheEditorAndItComesBackAsItWas) {
    select(5);
    QTest::mouseRelease(form2->Image1, Qt::LeftButton);
    EXPECT_FALSE(form2->isVisible());
    form1->ed->trigger();
    EXPECT_TRUE(form2->isVisible());
    EXPECT_EQ(form2->List1->currentRow(), 5);
}

TEST_F(Editor, PluginsAreListedAndGiveTheirPathWithForwardSlashes) {
    form1->Exit->trigger();
    std::filesystem::create_directory(programFolder / "plugins");
    TempFolder::write(programFolder / "plugins" / "clock.pnx", "#!/bin/sh\n");
    TempFolder::write(programFolder / "plugins" / "notes.txt", "");
    start();
    flipToAddPage();
    page().clickChoice(AddPage::Choice::Open);
    ASSERT_EQ(page().plugini->count(), 1);
    QTest::mouseRelease(page().Label1, Qt::LeftButton);
    EXPECT_TRUE(shown(page().plugini));
    EXPECT_FALSE(shown(page().Command3));
    page().Text1->setText("clock");
    page().plugini->itemClicked(page().plugini->item(0));
    EXPECT_EQ(page().Text3->text().toStdString(),
              programFolder.path().string() + "/plugins/clock.pnx");
    EXPECT_TRUE(shown(page().Command1));
    page().clickChoice(AddPage::Choice::Open);
    EXPECT_TRUE(shown(page().Command3)); // back only when Open is chosen again
}

TEST_F(Editor, TheChooserWritesThePathIntoBothArgumentFields) {
    TempFolder programs;
    TempFolder::write(programs / "run", "#!/bin/sh\n");
    std::filesystem::permissions(programs / "run", std::filesystem::perms::owner_all);
    TempFolder::write(programs / "readme", "");
    std::filesystem::create_directory(programs / "sub");
    ExecutableChooser& chooser = *form2->Picture3;
    chooser.openFolder(programs.path().string());
    ASSERT_EQ(chooser.File1->count(), 1);
    chooser.File1->setCurrentRow(0);
    form2->Picture2->Text4->setPlainText("old");
    chooser.okClicked();
    const QString expected = QString::fromStdString(programs.path().string() + "/run");
    EXPECT_EQ(page().Text3->text(), expected);
    EXPECT_EQ(form2->Picture2->Text4->toPlainText(), expected);
    EXPECT_FALSE(shown(&chooser));

    chooser.openFolder("/");
    chooser.File1->setCurrentRow(-1);
    chooser.okClicked();
    EXPECT_EQ(page().Text3->text(), "//"); // the root's own "/" and the added one
}

TEST_F(Editor, EditingTheBrainEndsInTheSaveAndReload) {
    flipToAddPage();
    page().Text1->setText("new phrase");
    page().Text3->setText("New answer");
    page().Command1->clicked();
    scheduler.advance(62 * 15);
    form1->Llisten->trigger();
    recognizer.hear("new phrase");
    EXPECT_EQ(voice.said.back(), "New answer");
}
