#include "ExecutableChooser.h"

#include "Assets.h"
#include "core/Log.h"
#include "platform/FileSystemBrowser.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <filesystem>

namespace {
constexpr int parentRole = Qt::UserRole + 1;
} // namespace

ExecutableChooser::ExecutableChooser(QWidget* parent, const FileSystemBrowser& files)
    : QWidget(parent)
    , files_(files)
    , picture_(Assets::pixmap("chooser.png")) {
    setObjectName("Picture3");
    setGeometry(0, 97, 286, 203);

    Picture18 = new QWidget(this);
    Picture18->setObjectName("Picture18");
    Picture18->setGeometry(13, 13, 262, 27);
    dirname = new QLabel("c:", Picture18);
    dirname->setObjectName("dirname");
    dirname->move(32, 8);

    Drive1 = new QComboBox(this);
    Drive1->setObjectName("Drive1");
    Drive1->setGeometry(16, 19, 249, 21);
    Drive1->setToolTip("Drive");

    Picture14 = new QWidget(this);
    Picture14->setObjectName("Picture14");
    Picture14->setGeometry(24, 48, 239, 49);
    Dir1 = new QListWidget(Picture14);
    Dir1->setObjectName("Dir1");
    Dir1->setGeometry(Picture14->rect());
    Dir1->setToolTip("Folders: double-click to open one");

    Picture13 = new QWidget(this);
    Picture13->setObjectName("Picture13");
    Picture13->setGeometry(18, 109, 247, 49);
    File1 = new QListWidget(Picture13);
    File1->setObjectName("File1");
    File1->setGeometry(Picture13->rect());
    File1->setToolTip("Programs");

    // The OK and Cancel faces are part of the chooser's picture; these are their click areas.
    Image12 = new QLabel(this);
    Image12->setObjectName("Image12");
    Image12->setGeometry(16, 168, 79, 25);
    Image12->setCursor(Qt::PointingHandCursor);
    Image12->installEventFilter(this);
    Image6 = new QLabel(this);
    Image6->setObjectName("Image6");
    Image6->setGeometry(192, 168, 85, 29);
    Image6->setCursor(Qt::PointingHandCursor);
    Image6->installEventFilter(this);

    connect(Drive1, &QComboBox::textActivated, this, &ExecutableChooser::driveChanged);
    connect(Dir1, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        openFolder(item->data(Qt::UserRole).toString().toStdString());
    });
    hide();
}

ExecutableChooser::~ExecutableChooser() = default;

void ExecutableChooser::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void ExecutableChooser::load() {
    for (const auto& volume : files_.volumes())
        Drive1->addItem(QString::fromStdString(volume));
    dirname->setText(Drive1->currentText());
    openFolder(Drive1->currentText().toStdString());
}

void ExecutableChooser::driveChanged(const QString& drive) {
    dirname->setText(drive);
    openFolder(drive.toStdString());
}

void ExecutableChooser::openFolder(const std::string& folder) {
    std::vector<std::string> subfolders;
    std::vector<std::string> programs;
    const Status listed =
        files_.folders(folder, subfolders).also(files_.executables(folder, programs));
    // A folder that cannot be read leaves both lists where they were.
    if (!listed) {
        Log::info("cannot show " + listed.message());
        return;
    }
    folder_ = folder;
    Dir1->clear();
    auto* here = new QListWidgetItem(QString::fromStdString(folder), Dir1);
    here->setData(Qt::UserRole, QString::fromStdString(folder));
    here->setFlags(Qt::ItemIsEnabled);
    QFont bold = here->font();
    bold.setBold(true);
    here->setFont(bold);
    const std::filesystem::path path(folder);
    if (path.has_relative_path()) {
        auto* up = new QListWidgetItem(QStringLiteral(".."), Dir1);
        up->setData(Qt::UserRole, QString::fromStdString(path.parent_path().string()));
        up->setData(parentRole, true);
    }
    for (const auto& name : subfolders) {
        auto* item = new QListWidgetItem(QString::fromStdString(name), Dir1);
        item->setData(Qt::UserRole, QString::fromStdString((path / name).string()));
    }
    File1->clear();
    for (const auto& name : programs)
        File1->addItem(QString::fromStdString(name));
}

std::string ExecutableChooser::chosenPath() const {
    const QListWidgetItem* selected = File1->currentItem();
    return folder_ + "/" + (selected ? selected->text().toStdString() : std::string());
}

bool ExecutableChooser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == Image12) {
            emit okClicked();
            return true;
        }
        if (watched == Image6) {
            emit cancelClicked();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
