#include "AddPage.h"

#include "ArtworkLayout.h"
#include "Assets.h"
#include "KeyTable.h"
#include "PictureButton.h"
#include "brain/BuiltinEntries.h"
#include "core/Log.h"
#include "platform/FileSystemBrowser.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <array>
#include <filesystem>

namespace {

constexpr int twipsPerPixel = 15;
using ArtworkLayout::Box;

struct ChoiceLayout {
    AddPage::Choice choice;
    int indicatorLeftTwips;
    int argumentWidthTwips;
    const char* type;
};
constexpr std::array<ChoiceLayout, 5> choices = {{
    {AddPage::Choice::Action, 295, 3375, "Type"},
    {AddPage::Choice::Open, 1075, 2895, "Open"},
    {AddPage::Choice::Speak, 1800, 3375, "Speak"},
    {AddPage::Choice::Type, 2585, 3375, "Type"},
    {AddPage::Choice::Read, 3265, 3375, "Read"},
}};

struct ReadRow {
    const char* argument;
    int indicatorTopTwips;
};
constexpr std::array<ReadRow, 3> readRows = {{
    {"the time", 120},
    {"the date", 360},
    {"the selected text", 555},
}};

const ChoiceLayout& layoutOf(AddPage::Choice choice) {
    return choices[static_cast<std::size_t>(choice)];
}

QLabel* image(QWidget* parent, const char* name, const QString& pictureName, const QRect& at) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    if (!pictureName.isEmpty())
        label->setPixmap(Assets::pixmap(pictureName + ".png"));
    label->setGeometry(at);
    return label;
}

} // namespace

AddPage::AddPage(QWidget* parent, Parts parts)
    : QWidget(parent)
    , parts_(std::move(parts))
    , picture_(Assets::pixmap("frame1.png")) {
    setObjectName("frame1");
    setGeometry(0, 0, 287, 389);

    Text1 = new QLineEdit(this);
    Text1->setObjectName("Text1");
    Text1->setGeometry(Assets::rect(ArtworkLayout::phraseField));
    Text1->setFrame(false);
    Text1->setToolTip("The sound to recognise. Type a word in here, or, to get the program to "
                      "recognise letter (eg, ICQ), type in one letter at a time with a space in "
                      "between (eg, i c q)");

    // The option buttons hold the choice; the user picks it through the pictures above them.
    auto* group = new QButtonGroup(this);
    const char* optionNames[] = {"Actionn", "Option1", "Option4", "Option2", "readOP"};
    const char* optionCaptions[] = {"Action", "Open", "Speak", "Type", "Read"};
    QRadioButton** options[] = {&Actionn, &Option1, &Option4, &Option2, &readOP};
    QLabel** pictures[] = {&Image13, &Image14, &Image15, &Image16, &Image17};
    const char* pictureNames[] = {"Image13", "Image14", "Image15", "Image16", "Image17"};
    const char* pictureFiles[] = {"type-action", "type-open", "type-speak", "type-type",
                                  "type-read"};
    for (std::size_t i = 0; i < choices.size(); ++i) {
        auto* option = new QRadioButton(optionCaptions[i], this);
        option->setObjectName(optionNames[i]);
        option->hide();
        group->addButton(option);
        *options[i] = option;
        const Choice choice = choices[i].choice;
        connect(option, &QRadioButton::toggled, this, [this, choice](bool on) {
            if (on)
                setUp(choice);
        });
        *pictures[i] = image(this, pictureNames[i], pictureFiles[i],
                             Assets::rect(ArtworkLayout::typeImages[i]));
        (*pictures[i])->setToolTip(optionCaptions[i]);
        (*pictures[i])->setCursor(Qt::PointingHandCursor);
        (*pictures[i])->installEventFilter(this);
    }
    dot =
        image(this, "dot", "dot", QRect(ArtworkLayout::dotLefts[2], ArtworkLayout::dotTop, 38, 4));

    Text3 = new QLineEdit(this);
    Text3->setObjectName("Text3");
    Text3->setGeometry(Assets::rect(ArtworkLayout::argumentField));
    Text3->setFrame(false);
    Text3->setToolTip("Locate the executable");

    const QRect lower = Assets::rect(ArtworkLayout::lowerPanel);
    readme = image(this, "readme", "readme", lower);
    QLabel** rows[] = {&Image18, &Image10, &Image2};
    const char* rowNames[] = {"Image18", "Image10", "Image2"};
    for (std::size_t i = 0; i < readRows.size(); ++i) {
        *rows[i] = image(readme, rowNames[i], QString(), Assets::rect(ArtworkLayout::readRows[i]));
        (*rows[i])->setToolTip(readRows[i].argument);
        (*rows[i])->setCursor(Qt::PointingHandCursor);
        (*rows[i])->installEventFilter(this);
    }
    dotti = image(readme, "dotti", "dotti",
                  QRect(ArtworkLayout::dottiLeft, ArtworkLayout::dottiTops[0], 8, 8));
    readme->hide();

    Picture4 = new QWidget(this);
    Picture4->setObjectName("Picture4");
    Picture4->setGeometry(lower.x() + 8, lower.y() + 14, lower.width() - 16, 26);
    Combo1 = new QComboBox(Picture4);
    Combo1->setObjectName("Combo1");
    Combo1->setEditable(true);
    Combo1->setGeometry(0, 0, Picture4->width(), 26);
    for (const auto& key : KeyTable::keys)
        Combo1->addItem(
            QString::fromUtf8(key.name.data(), static_cast<qsizetype>(key.name.size())));
    Combo1->setEditText("Enter");
    Picture4->hide();

    Command3 = image(this, "Command3", "browse", Assets::rect(ArtworkLayout::browseButton));
    Command3->setToolTip("Choose a program");
    Command3->setCursor(Qt::PointingHandCursor);
    Command3->installEventFilter(this);
    Command3->hide();

    Label1 = new QLabel("Load a plugin", this);
    Label1->setObjectName("Label1");
    Label1->move(16, 224);
    Label1->adjustSize();
    Label1->setStyleSheet(QStringLiteral("color: #1d4f91; text-decoration: underline;"));
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->installEventFilter(this);
    Label1->hide();

    listplug = new QWidget(this);
    listplug->setObjectName("listplug");
    listplug->setGeometry(lower);
    Picture5 = new QWidget(listplug);
    Picture5->setObjectName("Picture5");
    Picture5->setGeometry(0, 0, lower.width(), lower.height());
    plugini = new QListWidget(Picture5);
    plugini->setObjectName("plugini");
    plugini->setGeometry(0, 0, lower.width(), lower.height());
    plugini->hide();
    listplug->hide();
    connect(plugini, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        Text3->setText(QString::fromStdString(parts_.programFolder) + "/plugins/" + item->text());
    });

    const QPixmap face = Assets::pixmap("button.png");
    Command1 = new PictureButton(this, "Command1", "Label5", "Add", face);
    Command1->move(9, 265);
    Command1->hide();
    Image3 = new PictureButton(this, "Image3", "Label7", "Cancel", face);
    Image3->move(193, 265);
    connect(Command1, &PictureButton::clicked, this, &AddPage::addClicked);
    connect(Image3, &PictureButton::clicked, this, &AddPage::cancelClicked);

    connect(Text1, &QLineEdit::textChanged, this, &AddPage::phraseRule);
    connect(Text3, &QLineEdit::textChanged, this, &AddPage::argumentRule);
    // Add stays hidden while the drop-down names no key, so its text is checked as it changes.
    connect(Combo1, &QComboBox::editTextChanged, this, &AddPage::phraseRule);

    Option4->setChecked(true);
}

AddPage::~AddPage() = default;

std::string AddPage::pluginsFolder() const {
    return parts_.programFolder + "/plugins/";
}

void AddPage::loadPlugins() {
    std::vector<std::string> names;
    std::error_code ignored;
    if (!std::filesystem::exists(pluginsFolder(), ignored))
        return; // no plugins installed
    const Status listed = parts_.files.filesEndingIn(pluginsFolder(), ".pnx", names);
    if (!listed) {
        Log::info("no plugins: " + listed.message());
        return;
    }
    for (const auto& name : names)
        plugini->addItem(QString::fromStdString(name));
}

void AddPage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

QRadioButton* AddPage::optionOf(Choice choice) const {
    QRadioButton* options[] = {Actionn, Option1, Option4, Option2, readOP};
    return options[static_cast<std::size_t>(choice)];
}

QLabel* AddPage::pictureOf(Choice choice) const {
    QLabel* pictures[] = {Image13, Image14, Image15, Image16, Image17};
    return pictures[static_cast<std::size_t>(choice)];
}

AddPage::Choice AddPage::choice() const {
    for (const auto& layout : choices) {
        if (optionOf(layout.choice)->isChecked())
            return layout.choice;
    }
    return Choice::Speak;
}

std::string AddPage::storedType() const {
    return layoutOf(choice()).type;
}

std::string AddPage::keyCodeOrArgument() const {
    if (const auto code = KeyTable::codeOf(Combo1->currentText().toStdString()))
        return std::string(*code);
    return Text3->text().toStdString();
}

bool AddPage::keyChooserShown() const {
    return !Picture4->isHidden();
}

bool AddPage::addAllowed(bool filled) const {
    if (!filled || (parts_.brainHasRoom && !parts_.brainHasRoom()))
        return false;
    // An Action entry needs a key: without one it would store an argument that may be empty.
    if (keyChooserShown() && !KeyTable::codeOf(Combo1->currentText().toStdString()))
        return false;
    return true;
}

void AddPage::setUp(Choice choice) {
    listplug->hide();
    plugini->hide();
    const bool action = choice == Choice::Action;
    if (!action)
        Text3->clear();
    Text3->setReadOnly(action || choice == Choice::Open);
    Picture4->setVisible(action);
    Command3->setVisible(choice == Choice::Open);
    Label1->setVisible(choice == Choice::Open);
    readme->setVisible(choice == Choice::Read);
    const ChoiceLayout& layout = layoutOf(choice);
    Text3->resize(layout.argumentWidthTwips / twipsPerPixel, Text3->height());
    if (action) {
        if (!Text1->text().isEmpty())
            Command1->setVisible(addAllowed(true));
        return;
    }
    Command1->hide();
    if (choice == Choice::Read) {
        for (const auto& row : readRows) {
            if (row.indicatorTopTwips == readIndicatorTop_)
                Text3->setText(row.argument);
        }
    }
}

void AddPage::clickChoice(Choice choice) {
    setUp(choice);
    const int index = static_cast<int>(choice);
    dot->move(ArtworkLayout::dotLefts[index], ArtworkLayout::dotTop);
    optionOf(choice)->setChecked(true);
}

void AddPage::clickReadArgument(int row) {
    const auto index = static_cast<std::size_t>(row);
    readIndicatorTop_ = readRows[index].indicatorTopTwips;
    dotti->move(ArtworkLayout::dottiLeft, ArtworkLayout::dottiTops[index]);
    Text3->setText(readRows[index].argument);
}

void AddPage::phraseRule() {
    const bool phrase = !Text1->text().isEmpty();
    if (!keyChooserShown())
        Command1->setVisible(addAllowed(phrase && !Text3->text().isEmpty()));
    else
        Command1->setVisible(addAllowed(phrase));
    const std::string text = Text1->text().toStdString();
    for (const auto reserved : Builtin::reservedPhrases) {
        if (text == reserved) {
            Text1->clear(); // runs this rule again, which hides Add
            return;
        }
    }
}

void AddPage::argumentRule() {
    Command1->setVisible(addAllowed(!Text1->text().isEmpty() && !Text3->text().isEmpty()));
}

bool AddPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease ||
        static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
        return QWidget::eventFilter(watched, event);
    for (const auto& layout : choices) {
        if (watched == pictureOf(layout.choice)) {
            clickChoice(layout.choice);
            return true;
        }
    }
    QLabel* rows[] = {Image18, Image10, Image2};
    for (int row = 0; row < 3; ++row) {
        if (watched == rows[row]) {
            clickReadArgument(row);
            return true;
        }
    }
    if (watched == Command3) {
        emit browseClicked();
        return true;
    }
    if (watched == Label1) {
        plugini->show();
        listplug->show();
        Command3->hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
