#include "Form2.h"

#include "AddPage.h"
#include "ArtworkLayout.h"
#include "Assets.h"
#include "ChangePanel.h"
#include "ExecutableChooser.h"
#include "KeyTable.h"
#include "NewsStrip.h"
#include "PictureButton.h"
#include "brain/BrainFileFormat.h"
#include "brain/BuiltinEntries.h"
#include "core/Log.h"
#include "platform/UrlOpener.h"
#include "platform/linux/WindowDrag.h"
#include "shapes/Shapes.h"
#include "shell/Form1.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <tuple>

namespace {
QString selectedText(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    return item && list->currentRow() >= 0 ? item->text() : QString();
}
} // namespace

Form2::Form2(Form1& main, Parts parts)
    : List1(new QListWidget(this))
    , List2(new QListWidget(this))
    , List3(new QListWidget(this))
    , Timer1(parts.scheduler, "Form2.Timer1", 1, [this] { onTimer1(); })
    , Timer2(parts.scheduler, "Form2.Timer2", 1, Timer::Upkeep{},
             [this] { return statusRefresh(); })
    , Timer3(parts.scheduler, "Form2.Timer3", 10, Timer::Upkeep{.onlyWhenWoken = true},
             [this] { return seedDefaultBrain(); })
    , picani(parts.scheduler, "picani", 62, [this] { onPicani(); })
    , dp(this)
    , main_(main)
    , parts_(std::move(parts))
    , phraseList_(*List1)
    , typeList_(*List2)
    , argumentList_(*List3)
    , regionPort_(*this)
    , shaped_(ShapedWindow::Kind::Editor, regionPort_) {
    setObjectName("Form2");
    setWindowTitle(QStringLiteral("Edit Brain"));
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
    setWindowIcon(QIcon(Assets::path("tray-idle.png")));
    setFixedSize(287, 389);
    for (int frame = 1; frame <= 15; ++frame)
        pictures_[static_cast<std::size_t>(frame)] =
            Assets::pixmap(QStringLiteral("flipp%1.png").arg(frame));
    pictures_[16] = Assets::pixmap("frame1.png");

    // The list page, bottom to top.
    Label8 = new QLabel(parts_.homeAddress, this);
    Label8->setObjectName("Label8");
    Label8->setGeometry(16, 133, 257, 17);
    Label8->setAlignment(Qt::AlignCenter);
    Label8->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    Label8->setToolTip("Double click to see more");
    Label8->installEventFilter(this);
    Picture10 = new NewsStrip(this, parts_.urls);
    Picture10->setGeometry(Assets::rect(ArtworkLayout::newsStrip));
    connect(Picture10, &NewsStrip::NavigateError, Picture10, &QWidget::hide);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(Assets::pixmap("hide.png"));
    Image1->setGeometry(Assets::rect(ArtworkLayout::hideImage));
    Image1->setToolTip("Hide");
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->installEventFilter(this);

    Picture8 = new QWidget(this);
    Picture8->setObjectName("Picture8");
    Picture8->setGeometry(Assets::rect(ArtworkLayout::phraseListFrame));
    List1->setParent(Picture8);
    List1->setObjectName("List1");
    const auto& inner = ArtworkLayout::phraseList;
    List1->setGeometry(inner.x - ArtworkLayout::phraseListFrame.x,
                       inner.y - ArtworkLayout::phraseListFrame.y, inner.width, inner.height);
    List1->setFrameShape(QFrame::NoFrame);
    List1->setToolTip("What Parlon hears. Double click to see a phrase whole");
    // The other two lists lie outside the window: they are the brain, not something to look at.
    List2->setObjectName("List2");
    List2->setGeometry(300, 0, 80, 40);
    List3->setObjectName("List3");
    List3->setGeometry(300, 50, 80, 40);

    Picture19 = new QLabel(this);
    Picture19->setObjectName("Picture19");
    Picture19->setPixmap(Assets::pixmap("listdeco.png"));
    Picture19->setGeometry(Assets::rect(ArtworkLayout::listDecoration));

    Label6 = new QLabel(this);
    Label6->setObjectName("Label6");
    Label6->setGeometry(24, 248, 240, 16);
    Label6->setToolTip("Double click to see it whole");
    Label6->installEventFilter(this);

    const QPixmap face = Assets::pixmap("button.png");
    Image11 = new PictureButton(this, "Image11", "Label2", "Add new", face);
    Image11->move(13, 265);
    Command2 = new PictureButton(this, "Command2", "Label3", "Remove", face);
    Command2->move(104, 265);
    Image5 = new PictureButton(this, "Image5", "Label4", "Change", face);
    Image5->move(193, 265);

    Picture1 = new QWidget(this);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(0, 97, 286, 203);
    Picture1->setAutoFillBackground(true);
    Texten = new QPlainTextEdit(Picture1);
    Texten->setObjectName("Texten");
    Texten->setGeometry(16, 16, 255, 140);
    Texten->setReadOnly(true);
    Texten->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Image4 = new QLabel("Cancel", Picture1);
    Image4->setObjectName("Image4");
    Image4->setGeometry(193, 168, 82, 27);
    Image4->setAlignment(Qt::AlignCenter);
    Image4->setPixmap(Assets::pixmap("cancel.png"));
    Image4->setCursor(Qt::PointingHandCursor);
    Image4->installEventFilter(this);
    Picture1->hide();

    frame1 = new AddPage(this, AddPage::Parts{parts_.files, parts_.programFolder, [this] {
                                                  return main_.List1.count() <
                                                         BrainFileFormat::maxEntries;
                                              }});
    frame1->hide();
    Text1 = frame1->Text1;
    Text3 = frame1->Text3;
    Picture2 = new ChangePanel(this, parts_.beeper);
    Picture3 = new ExecutableChooser(this, parts_.files);
    for (QWidget* page : {static_cast<QWidget*>(frame1), static_cast<QWidget*>(Picture2),
                          static_cast<QWidget*>(Picture3)})
        page->installEventFilter(this);

    connect(List1, &QListWidget::currentRowChanged, this, &Form2::selectionRule);
    // The default-brain watch looks only at whether the phrase list is empty.
    connect(List1->model(), &QAbstractItemModel::rowsRemoved, this, [this] { Timer3.wake(); });
    connect(List1->model(), &QAbstractItemModel::modelReset, this, [this] { Timer3.wake(); });
    for (QListWidget* other : {List2, List3}) {
        connect(other, &QListWidget::currentRowChanged, this, [this, other](int row) {
            if (syncingSelection_)
                return;
            syncingSelection_ = true;
            for (QListWidget* list : {List1, List2, List3}) {
                if (list != other)
                    list->setCurrentRow(row);
            }
            syncingSelection_ = false;
        });
    }
    connect(List1, &QListWidget::itemDoubleClicked, this,
            [this] { showViewer(selectedText(List1)); });
    connect(Image11, &PictureButton::clicked, this, &Form2::startForwardFlip);
    connect(Image5, &PictureButton::clicked, this, &Form2::openChangePanel);
    connect(Command2, &PictureButton::clicked, this, &Form2::removeEntry);
    connect(frame1, &AddPage::addClicked, this, &Form2::addEntry);
    connect(frame1, &AddPage::cancelClicked, this, &Form2::startBackwardFlip);
    connect(frame1, &AddPage::browseClicked, Picture3, [this] {
        Picture3->show();
        Picture3->raise();
    });
    connect(Picture2, &ChangePanel::browseClicked, Picture3, [this] {
        Picture3->show();
        Picture3->raise();
    });
    connect(Picture2, &ChangePanel::saveClicked, this, &Form2::saveChange);
    connect(Picture2, &ChangePanel::cancelReleased, this, &Form2::cancelChange);
    connect(Picture3, &ExecutableChooser::okClicked, this, &Form2::chooserConfirmed);
    connect(Picture3, &ExecutableChooser::cancelClicked, Picture3, &QWidget::hide);
}

Form2::~Form2() = default;

void Form2::load() {
    Timer1.start();
    Timer2.start();
    raise();
    dp.BlockPaste(Picture2->Text4);
    dp.BlockPaste(Text1);
    dp.BlockPaste(Text3);
    Picture3->load();
    ApplyShape(shaped_, FlipShape1);
    Timer3.start();
    frame1->loadPlugins();
    Picture10->Navigate(parts_.newsAddress);
    setWindowPicture(1);
}

void Form2::unload() {
    dp.UnblockPaste(Picture2->Text4);
    Timer1.stop();
    Timer2.stop();
    Timer3.stop();
    picani.stop();
}

void Form2::showEditor() {
    show();
    raise();
    activateWindow();
}

void Form2::onTimer1() {
    hide();
    Timer1.stop();
}

void Form2::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, pictures_[static_cast<std::size_t>(pictureFrame_)]);
}

void Form2::setWindowPicture(int frame) {
    if (frame == pictureFrame_)
        return;
    pictureFrame_ = frame;
    update();
}

// Selection and status

void Form2::selectionRule(int index) {
    syncingSelection_ = true;
    List2->setCurrentRow(index);
    List3->setCurrentRow(index);
    syncingSelection_ = false;
    if (index >= 0 && index <= 3) {
        Command2->hide();
        Image5->hide();
        return;
    }
    // A hand-edited brain may hold the type in lower case; such an entry is not offered for
    // changing.
    if (selectedText(List2) == QLatin1String("type")) {
        Image5->hide();
        return;
    }
    Command2->show();
    Image5->show();
}

bool Form2::statusRefresh() {
    const auto state = [this] {
        return std::tuple(Label6->text(), Image5->isHidden(), Command2->isHidden());
    };
    const auto before = state();
    if (!selectedText(List1).isEmpty()) {
        Label6->setText(selectedText(List2) + ": " + selectedText(List3));
    } else {
        Image5->hide();
        Command2->hide();
    }
    return state() != before;
}

void Form2::showViewer(const QString& text) {
    Texten->setPlainText(text);
    Picture1->show();
    Picture1->raise();
}

// Pages and flips

void Form2::startForwardFlip() {
    for (QWidget* control : {static_cast<QWidget*>(Picture19), static_cast<QWidget*>(Image11),
                             static_cast<QWidget*>(Image5), static_cast<QWidget*>(Command2),
                             static_cast<QWidget*>(List1), static_cast<QWidget*>(Image1),
                             static_cast<QWidget*>(Picture10), Picture8,
                             static_cast<QWidget*>(Label6), static_cast<QWidget*>(Label8)})
        control->hide();
    picani.start();
}

void Form2::startBackwardFlip() {
    frame1->hide();
    picani.start();
}

void Form2::onPicani() {
    if (flipForward)
        ++flipFrame;
    if (!flipForward)
        --flipFrame;
    if (flipFrame == 1) {
        ApplyShape(shaped_, FlipShape1);
        if (!flipForward) {
            for (QWidget* control :
                 {static_cast<QWidget*>(Image11), static_cast<QWidget*>(List1),
                  static_cast<QWidget*>(Image1), static_cast<QWidget*>(Picture10), Picture8,
                  static_cast<QWidget*>(Label6), static_cast<QWidget*>(Label8),
                  static_cast<QWidget*>(Picture19)})
                control->show();
            List1->setCurrentRow(0);
            flipForward = true;
            picani.stop();
        }
    }
    if (flipFrame >= 2 && flipFrame <= 15)
        ApplyShape(shaped_, flipShape(flipFrame));
    if (flipFrame == 16) {
        ApplyShape(shaped_, FlipShape16);
        setWindowPicture(16);
        frame1->clickChoice(AddPage::Choice::Speak);
        frame1->show();
        if (flipForward) {
            flipForward = false;
            picani.stop();
        }
    } else {
        setWindowPicture(flipFrame);
    }
}

// Adding, changing and removing

void Form2::addEntry() {
    const std::string type = frame1->storedType();
    if (frame1->choice() == AddPage::Choice::Action) {
        if (const auto code = KeyTable::codeOf(frame1->Combo1->currentText().toStdString()))
            Text3->setText(QString::fromUtf8(code->data(), static_cast<qsizetype>(code->size())));
    }
    appendEntry(Text1->text().toStdString(), Text3->text().toStdString(), type);
    Text1->clear();
    Text3->clear();
    startBackwardFlip();
}

void Form2::appendEntry(const std::string& phrase, const std::string& argument,
                        const std::string& type) {
    main_.brain().mainLists().append(phrase, argument, type);
    phraseList_.append(phrase);
    typeList_.append(type);
    main_.saveAndReload();
}

Status Form2::teach(const std::string& phrase, const std::string& type,
                    const std::string& argument) {
    if (phrase.empty() || argument.empty())
        return Status::failure("a phrase and an argument are needed");
    if (type != "Speak" && type != "Open" && type != "Type" && type != "Read")
        return Status::failure("the type is Speak, Open, Type or Read, not \"" + type + "\"");
    for (const auto reserved : Builtin::reservedPhrases) {
        if (phrase == reserved)
            return Status::failure("\"" + phrase + "\" is one of Parlon's own phrases");
    }
    if (main_.List1.count() >= BrainFileFormat::maxEntries)
        return Status::failure("the brain is full");
    appendEntry(phrase, argument, type);
    return Status::success();
}

Status Form2::forget(const std::string& phrase) {
    int removed = 0;
    for (int index = main_.List1.count() - 1; index >= Builtin::count; --index) {
        if (main_.List1.item(index) != phrase)
            continue;
        for (EntryList* list :
             {static_cast<EntryList*>(&main_.List1), static_cast<EntryList*>(&main_.List2),
              static_cast<EntryList*>(&main_.List3), static_cast<EntryList*>(&phraseList_),
              static_cast<EntryList*>(&typeList_), static_cast<EntryList*>(&argumentList_)})
            list->removeAt(index);
        ++removed;
    }
    if (removed == 0)
        return Status::failure("no entry past the built-in ones has the phrase \"" + phrase + "\"");
    main_.saveAndReload();
    return Status::success();
}

void Form2::openChangePanel() {
    Picture2->open(selectedText(List1), selectedText(List3), selectedText(List2));
}

void Form2::saveChange() {
    const int i = List1->currentRow();
    const int j = List3->currentRow();
    const std::string phrase = Picture2->Text5->text().toStdString();
    const std::string argument = Picture2->Text4->toPlainText().toStdString();
    phraseList_.setItem(i, phrase);
    argumentList_.setItem(j, argument);
    main_.List1.setItem(i, phrase);
    main_.List2.setItem(j, argument);
    main_.saveAndReload();
    Picture2->hide();
    Picture2->makeFieldsEditable();
    Label6->clear();
}

void Form2::cancelChange() {
    Picture2->hide();
    Text1->clear();
    Text3->clear();
}

void Form2::removeEntry() {
    const int k = List3->currentRow();
    // Removing an item moves a list's selection; each list loses the item selected before.
    const int phraseIndex = List1->currentRow();
    const int typeIndex = List2->currentRow();
    syncingSelection_ = true;
    const QSignalBlocker quiet(List1);
    phraseList_.removeAt(phraseIndex);
    typeList_.removeAt(typeIndex);
    argumentList_.removeAt(k);
    syncingSelection_ = false;
    main_.List1.removeAt(k);
    main_.List2.removeAt(k);
    main_.List3.removeAt(k);
    main_.saveAndReload();
    Label6->clear();
}

void Form2::chooserConfirmed() {
    const QString path = QString::fromStdString(Picture3->chosenPath());
    Text3->setText(path);
    Picture3->hide();
    Picture2->Text4->setPlainText(path);
}

// The default brain

bool Form2::seedDefaultBrain() {
    if (List1->count() > 0)
        return false;
    BrainStore& brain = main_.brain();
    // Seeding must never replace what could not be read, nor a brain nobody kept a copy of.
    if (!brain.maySeed()) {
        Log::warningOnce("seed-unreadable", "the brain could not be read; the default brain is "
                                            "not written over it");
        return false;
    }
    const Status kept = brain.backupFiles();
    if (!kept) {
        Log::reportOnce("keeping a copy of the brain before the default brain replaces it", kept);
        return false;
    }
    BrainLists& mainLists = brain.mainLists();
    for (const auto& entry : Builtin::entries) {
        mainLists.append(std::string(entry.phrase), std::string(entry.argument),
                         std::string(entry.type));
        phraseList_.append(std::string(entry.phrase));
        typeList_.append(std::string(entry.type));
    }
    main_.saveAndReload();
    Text1->clear();
    Text3->clear();
    return true;
}

// Mouse

void Form2::drag(QMouseEvent* event) {
    if (event->buttons() != Qt::LeftButton) {
        manualDrag_ = false;
        return;
    }
    const QPoint global = event->globalPosition().toPoint();
    if (manualDrag_) {
        move(global - dragOffset_);
        return;
    }
    // The window manager moves the card as if its title bar were dragged; without one, the card
    // follows the mouse itself.
    if (WindowDrag::startSystemMove(*this))
        return;
    manualDrag_ = true;
    dragOffset_ = global - pos();
}

void Form2::mouseMoveEvent(QMouseEvent* event) {
    drag(event);
}

void Form2::mouseReleaseEvent(QMouseEvent*) {
    manualDrag_ = false;
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove &&
        (watched == frame1 || watched == Picture2 || watched == Picture3)) {
        drag(static_cast<QMouseEvent*>(event));
        return false;
    }
    if (type == QEvent::MouseButtonRelease) {
        manualDrag_ = false;
        if (watched == Image1) {
            hide();
            return true;
        }
        if (watched == Image4) {
            Picture1->hide();
            return true;
        }
    }
    if (type == QEvent::MouseButtonDblClick) {
        if (watched == Label6) {
            showViewer(Label6->text());
            return true;
        }
        if (watched == Label8) {
            Log::report("opening the product's web page",
                        parts_.urls.open(Label8->text().toStdString()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
