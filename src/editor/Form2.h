#pragma once

#include "ListWidgetEntryList.h"
#include "PasteBlocker.h"
#include "brain/BrainLists.h"
#include "core/Status.h"
#include "core/Timer.h"
#include "platform/linux/QtWindowRegion.h"
#include "shapes/ShapedWindow.h"

#include <QPixmap>
#include <QPoint>
#include <QUrl>
#include <QWidget>
#include <array>
#include <cstdint>

class AddPage;
class Beeper;
class ChangePanel;
class ExecutableChooser;
class FileSystemBrowser;
class Form1;
class NewsStrip;
class PictureButton;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class Scheduler;
class UrlOpener;

// The brain editor: a card that floats on the desktop, with the brain's phrases on its front (the
// list page) and a form for a new entry on its back (the add page), turned over by a sixteen-frame
// animation. It keeps three mirror lists of the brain, offers changing and removing only past the
// four built-in entries, and seeds the default brain into a brain without phrases.
class Form2 final : public QWidget {
    Q_OBJECT
public:
    struct Parts {
        Scheduler& scheduler;
        UrlOpener& urls;
        Beeper& beeper;
        const FileSystemBrowser& files;
        std::string programFolder;
        QUrl newsAddress;
        QString homeAddress;
    };

    Form2(Form1& main, Parts parts);
    ~Form2() override;

    void load();
    void unload();
    void showEditor();

    BrainLists brainLists() { return BrainLists{phraseList_, argumentList_, typeList_}; }

    // The list page.
    QListWidget* const List1; // phrases
    QListWidget* const List2; // types, outside the visible area
    QListWidget* const List3; // arguments, outside the visible area
    QLabel* Image1 = nullptr; // hides the editor
    NewsStrip* Picture10 = nullptr;
    QLabel* Label8 = nullptr; // the link label under the news strip
    QWidget* Picture8 = nullptr;
    QLabel* Picture19 = nullptr;
    QLabel* Label6 = nullptr;          // the status line
    PictureButton* Image11 = nullptr;  // Add new
    PictureButton* Command2 = nullptr; // Remove
    PictureButton* Image5 = nullptr;   // Change
    QWidget* Picture1 = nullptr;       // the viewer
    QPlainTextEdit* Texten = nullptr;
    QLabel* Image4 = nullptr;
    // The add page, the change panel and the program chooser.
    AddPage* frame1 = nullptr;
    ChangePanel* Picture2 = nullptr;
    ExecutableChooser* Picture3 = nullptr;
    // The add page's phrase and argument fields.
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text3 = nullptr;

    Timer Timer1;
    Timer Timer2;
    Timer Timer3;
    Timer picani;
    std::int16_t flipFrame = 0;
    bool flipForward = true;
    PasteBlocker dp;

    // Picture buttons and images, as clicks.
    void startForwardFlip();
    void startBackwardFlip();
    void addEntry();
    void openChangePanel();
    void saveChange();
    void cancelChange();
    void removeEntry();
    void showViewer(const QString& text);

    // Teaching and forgetting from outside the window (parlonctl), by the editor's own rules: the
    // phrase must not be reserved, every field is needed, the brain must have room, and the four
    // built-in entries stay.
    Status teach(const std::string& phrase, const std::string& type, const std::string& argument);
    Status forget(const std::string& phrase);

    const QtWindowRegion& region() const { return regionPort_; }
    int windowPictureFrame() const { return pictureFrame_; }

protected:
    void paintEvent(class QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(class QMouseEvent* event) override;
    void mouseReleaseEvent(class QMouseEvent* event) override;

private:
    void onTimer1();
    bool statusRefresh();
    bool seedDefaultBrain();
    void onPicani();
    void selectionRule(int index);
    void setWindowPicture(int frame);
    void drag(class QMouseEvent* event);
    void chooserConfirmed();
    void appendEntry(const std::string& phrase, const std::string& argument,
                     const std::string& type);

    Form1& main_;
    Parts parts_;
    ListWidgetEntryList phraseList_;
    ListWidgetEntryList typeList_;
    ListWidgetEntryList argumentList_;
    std::array<QPixmap, 17> pictures_; // 1..15 the flip frames, 16 the add page
    int pictureFrame_ = 1;
    QtWindowRegion regionPort_;
    ShapedWindow shaped_;
    bool manualDrag_ = false;
    QPoint dragOffset_;
    bool syncingSelection_ = false;
};
