#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <string>

class FileSystemBrowser;
class PictureButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

// The card's back (frame1): a new entry is composed here from a phrase, one of five response
// choices and an argument whose form depends on the choice.
class AddPage final : public QWidget {
    Q_OBJECT
public:
    enum class Choice { Action, Open, Speak, Type, Read };
    struct Parts {
        const FileSystemBrowser& files;
        std::string programFolder;
        // False while the brain holds as many entries as it can.
        std::function<bool()> brainHasRoom;
    };

    AddPage(QWidget* parent, Parts parts);
    ~AddPage() override;

    // Where the plugins are kept: the program folder's "plugins".
    std::string pluginsFolder() const;
    // Lists the plugins (once, when the editor loads).
    void loadPlugins();

    // A click on a choice's picture: sets the page up for it and selects it.
    void clickChoice(Choice choice);
    // A click on one of the Read pictures (0 the time, 1 the date, 2 the selected text).
    void clickReadArgument(int row);
    Choice choice() const;
    // The type the entry is stored with.
    std::string storedType() const;
    // For Action: the code of the key named in the drop-down, if it names one.
    std::string keyCodeOrArgument() const;

    // The Read indicator's top in twips: the only record of the last Read argument chosen.
    int readIndicatorTop() const { return readIndicatorTop_; }

    QLineEdit* Text1 = nullptr;
    QLineEdit* Text3 = nullptr;
    QRadioButton* Actionn = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option4 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* readOP = nullptr;
    QLabel* Image13 = nullptr;
    QLabel* Image14 = nullptr;
    QLabel* Image15 = nullptr;
    QLabel* Image16 = nullptr;
    QLabel* Image17 = nullptr;
    QLabel* dot = nullptr;
    QLabel* readme = nullptr;
    QLabel* Image18 = nullptr;
    QLabel* Image10 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* dotti = nullptr;
    QWidget* Picture4 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* Command3 = nullptr;
    QLabel* Label1 = nullptr;
    QWidget* listplug = nullptr;
    QWidget* Picture5 = nullptr;
    QListWidget* plugini = nullptr;
    PictureButton* Command1 = nullptr;
    PictureButton* Image3 = nullptr;

signals:
    void addClicked();
    void cancelClicked();
    void browseClicked();

protected:
    void paintEvent(class QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUp(Choice choice);
    void phraseRule();
    void argumentRule();
    bool keyChooserShown() const;
    bool addAllowed(bool phraseAndArgument) const;
    QRadioButton* optionOf(Choice choice) const;
    QLabel* pictureOf(Choice choice) const;

    Parts parts_;
    QPixmap picture_;
    int readIndicatorTop_ = 120;
};
