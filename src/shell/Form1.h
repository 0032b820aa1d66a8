#pragma once

#include "DispatcherHost.h"
#include "ListeningState.h"
#include "PhraseDispatcher.h"
#include "ProgramOpener.h"
#include "Speaker.h"
#include "SpokenReports.h"
#include "brain/BrainLists.h"
#include "brain/BrainStore.h"
#include "brain/StringList.h"
#include "core/Timer.h"
#include "platform/TrayPort.h"

#include <QPixmap>
#include <QWidget>
#include <cstdint>

class Clipboard;
class Clock;
class Form2;
class KeySender;
class MessageBox;
class ProgramLauncher;
class QAction;
class QMenu;
class Recognizer;
class Scheduler;
class Synthesizer;
class WindowPort;
class bubble;
class frmSmiley;

// The main window: never an ordinary window (it is the About window when shown), it owns the
// engines, the brain lists, the tray icon with its popup menu and the listening flags. Loading it
// starts the program; unloading it ends it.
class Form1 final : public QWidget, private DispatcherHost {
    Q_OBJECT
public:
    struct Parts {
        Scheduler& scheduler;
        Recognizer& DirectSR1;
        Synthesizer& mun;
        const Clock& clock;
        KeySender& keys;
        Clipboard& clipboard;
        ProgramLauncher& launcher;
        MessageBox& messages;
        TrayPort& tray;
        BrainPaths brainPaths;
    };

    static constexpr const char* trayTip = "Animated TrayIcon";

    explicit Form1(Parts parts);
    ~Form1() override;

    // The other windows, created by the composition root before the load.
    void attachWindows(Form2* editor, frmSmiley* character, bubble* speechBubble);

    void load();
    void unload();
    // How the shutdown's brain write went.
    const Status& shutdownStatus() const { return shutdownStatus_; }

    // The recognizer's phrase event.
    void onPhrase(const std::string& text);
    // The synthesizer's events: the mouth moves and the bubble shows while it speaks.
    void onSpeakingStarted();
    void onSpeakingFinished();

    // Brain and state, read by the other windows.
    BrainStore& brain() { return brain_; }
    StringList List1, List2, List3;
    ListeningState flags;
    std::int16_t trayFrame = 0;
    Speaker& speaker() { return speaker_; }
    SpokenReports& reports() { return reports_; }
    Scheduler& scheduler() { return scheduler_; }
    TrayPicture icon() const { return icon_; }
    void setIcon(TrayPicture picture) { icon_ = picture; }
    void ModifyTrayIcon();

    // The popup menu and its items.
    QMenu* popup = nullptr;
    QAction* Llisten = nullptr;
    QAction* en = nullptr;
    QMenu* Op = nullptr;
    QAction* Auto = nullptr;
    QAction* ed = nullptr;
    QAction* bub = nullptr;
    QMenu* charMenu = nullptr;
    QAction* firstCharacterMenu = nullptr;
    QAction* secondCharacterMenu = nullptr;
    QAction* hii = nullptr;
    QAction* hi = nullptr;
    QAction* Exit = nullptr;

    Timer Timer1;
    Timer Timer2;
    Timer Timer3;
    Timer aut;

    // Menu actions.
    void LlistenClick();
    void enClick();
    void AutoClick();
    void bubClick();
    void edClick();
    void hiClick();
    void ExitClick();
    void onTrayNotification(int code);

    // The save-and-reload that every change of the brain ends with; failures are logged.
    void saveAndReload();

    // Shows the credits box (a double click on the About window's hot area).
    void showCredits();

signals:
    void quitRequested();

protected:
    void paintEvent(class QPaintEvent* event) override;
    void mousePressEvent(class QMouseEvent* event) override;
    void mouseDoubleClickEvent(class QMouseEvent* event) override;
    void closeEvent(class QCloseEvent* event) override;

private:
    void showListening() override;
    void setListenChecked(bool checked) override;
    void runSleepAction() override { enClick(); }

    void buildMenu();
    void applyVisibilityFlag(bool touchBubbleItem);
    void onTimer1();
    bool onTimer2();
    void onTimer3();
    bool onAut();

    Scheduler& scheduler_;
    Recognizer& recognizer_;
    Synthesizer& mun_;
    MessageBox& messages_;
    TrayPort& tray_;
    BrainLists lists_;
    BrainStore brain_;
    Speaker speaker_;
    SpokenReports reports_;
    ProgramOpener opener_;
    PhraseDispatcher dispatcher_;
    TrayPicture icon_ = TrayPicture::Idle;
    Form2* editor_ = nullptr;
    frmSmiley* character_ = nullptr;
    bubble* bubble_ = nullptr;
    bool unloading_ = false;
    QPixmap banner_;
    Status shutdownStatus_ = Status::success();
};
