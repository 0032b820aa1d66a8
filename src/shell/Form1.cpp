#include "Form1.h"

#include "Assets.h"
#include "brain/BuiltinEntries.h"
#include "bubble/bubble.h"
#include "character/frmSmiley.h"
#include "core/Log.h"
#include "core/Scheduler.h"
#include "editor/Form2.h"
#include "engine/Recognizer.h"
#include "engine/Synthesizer.h"
#include "platform/MessageBox.h"

#include <QCloseEvent>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <tuple>

namespace {
// A checkable menu item flips its own check mark before its handler runs; the handlers decide
// the mark themselves, from the state before the click, so the flip is undone first.
void onMenuClick(QAction* item, std::function<void()> handler) {
    QObject::connect(item, &QAction::triggered, item, [item, handler = std::move(handler)] {
        if (item->isCheckable())
            item->setChecked(!item->isChecked());
        handler();
    });
}
} // namespace

Form1::Form1(Parts parts)
    : Timer1(parts.scheduler, "Timer1", 200, [this] { onTimer1(); })
    , Timer2(parts.scheduler, "Timer2", 1, Timer::Upkeep{}, [this] { return onTimer2(); })
    , Timer3(parts.scheduler, "Timer3", 200, [this] { onTimer3(); })
    , aut(parts.scheduler, "aut", 1, Timer::Upkeep{}, [this] { return onAut(); })
    , scheduler_(parts.scheduler)
    , recognizer_(parts.DirectSR1)
    , mun_(parts.mun)
    , messages_(parts.messages)
    , tray_(parts.tray)
    , lists_{List1, List2, List3}
    , brain_(parts.DirectSR1, parts.brainPaths, lists_)
    , speaker_(parts.mun)
    , reports_(speaker_, parts.clock, parts.clipboard, parts.keys,
               [&s = parts.scheduler] { s.processPendingEvents(); })
    , opener_(speaker_, parts.launcher, parts.messages)
    , dispatcher_(PhraseDispatcher::Parts{flags, lists_, speaker_, reports_, opener_, parts.keys,
                                          *this,
                                          [&s = parts.scheduler] { s.processPendingEvents(); }}) {
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("About - Parlon 2"));
    setFixedSize(487, 115);
    banner_ = Assets::pixmap("banner.png");
    setWindowIcon(QIcon(Assets::path("tray-idle.png")));
    buildMenu();
    recognizer_.setPhraseHandler([this](const std::string& text) { onPhrase(text); });
    mun_.setSpeakingStartedHandler([this] { onSpeakingStarted(); });
    mun_.setSpeakingFinishedHandler([this] { onSpeakingFinished(); });
    tray_.setNotificationHandler([this](int code) { onTrayNotification(code); });
}

Form1::~Form1() = default;

void Form1::attachWindows(Form2* editor, frmSmiley* character, bubble* speechBubble) {
    editor_ = editor;
    character_ = character;
    bubble_ = speechBubble;
    if (bubble_)
        speaker_.setShowHandler([this](const std::string& text) { bubble_->setText(text); });
    if (editor_)
        brain_.attachEditorLists(editor_->brainLists());
}

void Form1::buildMenu() {
    popup = new QMenu(this);
    popup->setObjectName("popup");
    auto item = [&](QMenu* menu, const char* name, const QString& caption, bool checkable,
                    std::function<void()> handler) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        action->setCheckable(checkable);
        onMenuClick(action, std::move(handler));
        return action;
    };
    Llisten = item(popup, "Llisten", "Listen", true, [this] { LlistenClick(); });
    en = item(popup, "en", "Sleep", true, [this] { enClick(); });
    Op = popup->addMenu("Options");
    Op->setObjectName("Op");
    Auto = item(Op, "Auto", "Auto listen", true, [this] { AutoClick(); });
    ed = item(Op, "ed", "Edit brain", false, [this] { edClick(); });
    bub = item(Op, "bub", "Bubble", true, [this] { bubClick(); });
    bub->setChecked(true);
    charMenu = popup->addMenu("Character");
    charMenu->setObjectName("char");
    firstCharacterMenu = item(charMenu, "firstCharacterMenu", "Nubo", false, [this] {
        if (character_)
            character_->firstCharacterMenuClick();
    });
    secondCharacterMenu = item(charMenu, "secondCharacterMenu", "Zel", false, [this] {
        if (character_)
            character_->secondCharacterMenuClick();
    });
    hii = item(charMenu, "hii", "Hide Character", false, [this] {
        if (character_)
            character_->hiiClick();
    });
    hi = item(popup, "hi", "About", false, [this] { hiClick(); });
    popup->addSeparator()->setObjectName("yguyft");
    Exit = item(popup, "Exit", "Exit", false, [this] { ExitClick(); });
}

void Form1::load() {
    Timer1.start();
    Timer2.start();
    aut.start();

    // Each step goes on whatever the earlier ones did.
    if (editor_) {
        editor_->load();
        editor_->show();
        editor_->hide();
    }
    mun_.setIntegerSetting(150);
    if (character_) {
        character_->load();
        character_->show();
    }
    if (bubble_) {
        bubble_->load();
        bubble_->show();
    }
    flags.listening = false;
    flags.waiting = true;
    // Minimized; its height of 2145 twips is the banner's 115 pixels and the window's caption,
    // which the window system adds to the fixed client size.
    setWindowState(Qt::WindowMinimized);
    icon_ = TrayPicture::Idle;
    tray_.add(icon_, trayTip);

    Log::report("creating the brain files", brain_.createMissingFiles());
    const Status loaded = brain_.LoadBrain();
    // An empty brain's grammar is refused as a matter of course; the default brain follows at
    // once and its load reports any real failure.
    if (List1.count() > 0 || !brain_.unreadableFiles().empty())
        Log::reportOnce("loading the brain", loaded);

    List1.setSelectedIndex(0);
    if (character_)
        character_->applyStoredCharacter(List1.itemOrEmpty(0));
    const std::string bubbleSetting = List2.itemOrEmpty(0);
    if (bubbleSetting == Builtin::bubbleOff)
        bub->setChecked(false);
    else if (bubbleSetting == Builtin::bubbleOn)
        bub->setChecked(true);
    applyVisibilityFlag(true);
    if (character_)
        character_->SetTopmost();
}

void Form1::applyVisibilityFlag(bool touchBubbleItem) {
    const std::string shown = List2.itemOrEmpty(1);
    if (shown == Builtin::characterHidden) {
        if (character_)
            character_->hideCharacter();
        hii->setText("Show Character");
        if (touchBubbleItem) {
            if (bub->isChecked())
                bubClick();
            bub->setEnabled(false);
        }
    } else if (shown == Builtin::characterShown) {
        if (character_)
            character_->sizeToPicture();
        hii->setText("Hide Character");
    }
}

void Form1::unload() {
    if (unloading_)
        return;
    unloading_ = true;
    tray_.remove();
    shutdownStatus_ = brain_.saveAtShutdown();
    Log::report("saving the brain at exit", shutdownStatus_);
    Timer1.stop();
    Timer2.stop();
    Timer3.stop();
    aut.stop();
}

void Form1::onPhrase(const std::string& text) {
    dispatcher_.onPhrase(text);
}

void Form1::onSpeakingStarted() {
    if (character_)
        character_->onSpeakingStarted();
    if (bubble_ && bub->isChecked())
        bubble_->showBubble();
}

void Form1::onSpeakingFinished() {
    if (bubble_)
        bubble_->hideBubble();
    if (character_)
        character_->onSpeakingFinished(en->isChecked());
}

void Form1::saveAndReload() {
    Log::reportOnce("saving and reloading the brain", brain_.saveAndReload());
}

void Form1::ModifyTrayIcon() {
    tray_.modify(icon_, trayTip);
}

void Form1::showListening() {
    Timer3.start();
    icon_ = TrayPicture::Ear3;
    ModifyTrayIcon();
    Llisten->setChecked(true);
}

void Form1::setListenChecked(bool checked) {
    Llisten->setChecked(checked);
}

void Form1::LlistenClick() {
    if (character_)
        character_->hideAngryFaces();
    if (Llisten->isChecked()) {
        Llisten->setChecked(false);
        speaker_.say("what ever");
        speaker_.show("What ever");
        flags.listening = false;
        flags.waiting = true;
    } else {
        Llisten->setChecked(true);
        flags.waiting = false;
        flags.listening = true;
        Timer3.start();
        icon_ = TrayPicture::Character;
        ModifyTrayIcon();
        speaker_.sayAndShow("I hear you");
    }
}

void Form1::enClick() {
    if (!en->isChecked()) {
        en->setChecked(true);
        flags.waiting = false;
        flags.listening = false;
        if (character_)
            character_->goToSleep();
        speaker_.sayAndShow("I hope I am sleepy");
        Llisten->setChecked(false);
        Llisten->setEnabled(false);
        Auto->setChecked(false);
        Auto->setEnabled(false);
    } else {
        en->setChecked(false);
        Llisten->setEnabled(true);
        flags.waiting = true;
        flags.listening = false;
        speaker_.sayAndShow("Hello again");
        if (character_)
            character_->wakeUp();
        Auto->setEnabled(true);
        if (character_)
            character_->hideAngryFaces();
    }
}

void Form1::AutoClick() {
    if (Auto->isChecked()) {
        Llisten->setEnabled(true);
        Auto->setChecked(false);
        aut.stop();
    } else {
        Auto->setChecked(true);
        aut.start();
        Llisten->setEnabled(false);
        speaker_.sayAndShow("I hear you");
    }
}

void Form1::bubClick() {
    if (bub->isChecked()) {
        bub->setChecked(false);
        List2.setItem(0, std::string(Builtin::bubbleOff));
    } else {
        bub->setChecked(true);
        List2.setItem(0, std::string(Builtin::bubbleOn));
    }
    saveAndReload();
}

void Form1::edClick() {
    if (editor_)
        editor_->showEditor();
}

void Form1::hiClick() {
    setWindowState(Qt::WindowNoState);
    show();
}

void Form1::ExitClick() {
    if (editor_)
        editor_->unload();
    unload();
    emit quitRequested();
}

void Form1::onTrayNotification(int code) {
    if (code == TrayPort::rightButtonUp)
        popup->exec(QCursor::pos());
    if (character_)
        character_->takeFocus();
}

void Form1::showCredits() {
    messages_.show("Parlon 2\n\nCharacters, voice and brain by the Parlon team.\n"
                   "Speech by espeak-ng and PocketSphinx.");
}

void Form1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, banner_);
}

void Form1::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        setWindowState(Qt::WindowMinimized);
    QWidget::mousePressEvent(event);
}

void Form1::mouseDoubleClickEvent(QMouseEvent* event) {
    showCredits();
    event->accept();
}

void Form1::closeEvent(QCloseEvent* event) {
    // Closing the About window only puts it away; Exit in the menu ends the program.
    if (!unloading_) {
        event->ignore();
        setWindowState(Qt::WindowMinimized);
        return;
    }
    QWidget::closeEvent(event);
}

void Form1::onTimer1() {
    // A brain seeded after the load has a character that nobody applied yet; without this the
    // very first start would show no character at all.
    if (character_ && character_->basePicture() == frmSmiley::Character::None) {
        List1.setSelectedIndex(0);
        character_->applyStoredCharacter(List1.itemOrEmpty(0));
    }
    applyVisibilityFlag(false);
    Timer1.stop();
}

bool Form1::onTimer2() {
    const auto state = [this] {
        return std::tuple(isVisible(), icon_, Timer3.isEnabled(), Llisten->isChecked());
    };
    const auto before = state();
    if (windowState() & Qt::WindowMinimized) {
        if (isVisible())
            hide();
    } else if (!(windowState() & Qt::WindowMaximized) && !isVisible()) {
        show();
    }
    if (!flags.listening) {
        icon_ = TrayPicture::Idle;
        Timer3.stop();
        ModifyTrayIcon();
        Llisten->setChecked(false);
    }
    Llisten->setChecked(flags.listening);
    return state() != before;
}

void Form1::onTimer3() {
    ++trayFrame;
    if (trayFrame == 1)
        icon_ = TrayPicture::Ear1;
    if (trayFrame == 2)
        icon_ = TrayPicture::Ear2;
    if (trayFrame == 3)
        icon_ = TrayPicture::Ear3;
    if (trayFrame > 2)
        trayFrame = 0;
    ModifyTrayIcon();
}

bool Form1::onAut() {
    if (!(Auto->isChecked() && !flags.listening && flags.waiting))
        return false;
    Llisten->setChecked(true);
    flags.waiting = false;
    flags.listening = true;
    Timer3.start();
    icon_ = TrayPicture::Ear3;
    ModifyTrayIcon();
    return true;
}
