#pragma once

#include <QPixmap>
#include <QWidget>
#include <string>

class FileSystemBrowser;
class QComboBox;
class QLabel;
class QListWidget;

// The program chooser (Picture3): a drive list (the mounted volumes), a folder list and a list
// of the chosen folder's executable files. It keeps its folder while the editor lives.
class ExecutableChooser final : public QWidget {
    Q_OBJECT
public:
    ExecutableChooser(QWidget* parent, const FileSystemBrowser& files);
    ~ExecutableChooser() override;

    // The editor's load: the drives are listed and the label shows the current one.
    void load();

    // The folder the file list shows, and the path that OK gives: the folder, "/" and the
    // selected file's name (a folder at the root gives a doubled "/", as it always has).
    const std::string& folder() const { return folder_; }
    std::string chosenPath() const;
    void openFolder(const std::string& folder);

    QWidget* Picture18 = nullptr;
    QLabel* dirname = nullptr;
    QComboBox* Drive1 = nullptr;
    QWidget* Picture14 = nullptr;
    QListWidget* Dir1 = nullptr;
    QWidget* Picture13 = nullptr;
    QListWidget* File1 = nullptr;
    QLabel* Image12 = nullptr;
    QLabel* Image6 = nullptr;

signals:
    void okClicked();
    void cancelClicked();

protected:
    void paintEvent(class QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void driveChanged(const QString& drive);

    const FileSystemBrowser& files_;
    QPixmap picture_;
    std::string folder_;
};
