#pragma once

#include <QPixmap>
#include <QWidget>

class Beeper;
class PictureButton;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The change panel (Picture2): the selected entry's phrase and argument, edited in place. The
// entry keeps its position and its type.
class ChangePanel final : public QWidget {
    Q_OBJECT
public:
    ChangePanel(QWidget* parent, Beeper& beeper);
    ~ChangePanel() override;

    // Opens the panel for an entry: a Read entry's argument cannot be changed, an Open entry's
    // only through the program chooser.
    void open(const QString& phrase, const QString& argument, const QString& type);
    void makeFieldsEditable();

    QLineEdit* Text5 = nullptr;
    QPlainTextEdit* Text4 = nullptr;
    QLabel* Image9 = nullptr;
    PictureButton* Image8 = nullptr;
    PictureButton* Image7 = nullptr;

signals:
    void saveClicked();
    void cancelReleased();
    void browseClicked();

protected:
    void paintEvent(class QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void saveRule();

    Beeper& beeper_;
    QPixmap picture_;
};
