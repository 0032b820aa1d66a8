#pragma once

#include <QObject>

class QWidget;

// Keeps text from being pasted into a text field by any path a Linux user has: Ctrl+V and
// Shift+Insert, the context menu's Paste, the middle mouse button (the X11 primary selection)
// and dropping text. Typing, cutting, copying and deleting work as usual.
class PasteBlocker final : public QObject {
    Q_OBJECT
public:
    explicit PasteBlocker(QObject* parent = nullptr);

    void BlockPaste(QWidget* field);
    void UnblockPaste(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool showMenuWithoutPaste(QWidget* field, class QContextMenuEvent* event);
};
