#include "frmSmiley.h"

#include "brain/BuiltinEntries.h"
#include "shell/Form1.h"

#include <QAction>

namespace {
struct CharacterFacts {
    const char* head;
    std::string_view wakePhrase;
    const char* greeting;
    QSize size;
};
CharacterFacts factsOf(frmSmiley::Character character)
{
    if (character == frmSmiley::Character::Nubo)
        return {"nubo", Builtin::nuboWakePhrase, "Whats up?", QSize(86, 96)};
    return {"zel", Builtin::zelWakePhrase, "Hello", QSize(81, 83)};
}
} // namespace

frmSmiley::frmSmiley(Form1& main, Scheduler& scheduler)
    : firstSwitch(scheduler, "firstSwitch", 1, [this] { switchTo(Character::Nubo); })
    , secondSwitch(scheduler, "secondSwitch", 1, [this] { switchTo(Character::Zel); })
    , main_(main)
{
    setObjectName("frmSmiley");
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
    resize(0, 0);
}

frmSmiley::~frmSmiley() = default;

QSize frmSmiley::pictureSize() const
{
    return base_ == Character::None ? QSize(0, 0) : factsOf(base_).size;
}

void frmSmiley::load()
{
    head = "nubo";
    const std::string shown = main_.List2.itemOrEmpty(1);
    if (shown == Builtin::characterHidden) {
        hideCharacter();
        main_.hii->setText("Show Character");
    } else if (shown == Builtin::characterShown) {
        sizeToPicture();
        main_.hii->setText("Hide Character");
    }
    SetTopmost();
}

void frmSmiley::applyStoredCharacter(const std::string& wakePhrase)
{
    if (wakePhrase == Builtin::zelWakePhrase) {
        head = "zel";
        secondSwitch.start();
        main_.secondCharacterMenu->setEnabled(false);
    }
    if (wakePhrase == Builtin::nuboWakePhrase) {
        head = "nubo";
        firstSwitch.start();
        main_.firstCharacterMenu->setEnabled(false);
    }
}

void frmSmiley::hideCharacter() { resize(0, 0); }

void frmSmiley::sizeToPicture() { resize(pictureSize()); }

void frmSmiley::SetTopmost() { setWindowFlag(Qt::WindowStaysOnTopHint, true); }

void frmSmiley::takeFocus() { activateWindow(); }

void frmSmiley::goToSleep() {}

void frmSmiley::wakeUp() {}

void frmSmiley::hideAngryFaces() {}

void frmSmiley::switchTo(Character character)
{
    const CharacterFacts facts = factsOf(character);
    hideAngryFaces();
    head = facts.head;
    base_ = character;
    resize(facts.size);
    SetTopmost();
    (character == Character::Nubo ? firstSwitch : secondSwitch).stop();
}

void frmSmiley::selectCharacter(Character character)
{
    const CharacterFacts facts = factsOf(character);
    (character == Character::Nubo ? firstSwitch : secondSwitch).start();
    sizeToPicture();
    main_.hii->setText("Hide Character");
    main_.List2.setItem(1, std::string(Builtin::characterShown));
    main_.bub->setEnabled(true);
    main_.saveAndReload();
    main_.List1.setItem(0, std::string(facts.wakePhrase));
    if (BrainLists* editor = main_.brain().editorLists())
        editor->phrases.setItem(0, std::string(facts.wakePhrase));
    main_.saveAndReload();
    main_.speaker().say(facts.greeting);
    main_.speaker().show(facts.greeting);
    main_.hii->setText("Hide Character");
    QAction* chosen = character == Character::Nubo ? main_.firstCharacterMenu : main_.secondCharacterMenu;
    QAction* other = character == Character::Nubo ? main_.secondCharacterMenu : main_.firstCharacterMenu;
    other->setEnabled(true);
    chosen->setEnabled(false);
}

void frmSmiley::firstCharacterMenuClick() { selectCharacter(Character::Nubo); }

void frmSmiley::secondCharacterMenuClick() { selectCharacter(Character::Zel); }

void frmSmiley::hiiClick()
{
    if (main_.hii->text() != "Hide Character") {
        sizeToPicture();
        main_.hii->setText("Hide Character");
        main_.List2.setItem(1, std::string(Builtin::characterShown));
        main_.bub->setEnabled(true);
    } else {
        hideCharacter();
        main_.hii->setText("Show Character");
        main_.List2.setItem(1, std::string(Builtin::characterHidden));
        if (main_.bub->isChecked()) {
            main_.bubClick();
            main_.bub->setEnabled(false);
        }
    }
    main_.saveAndReload();
}
