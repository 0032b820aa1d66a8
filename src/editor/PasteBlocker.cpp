#include "PasteBlocker.h"

#include <QAbstractScrollArea>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

namespace {
// Text areas take the mouse and drops on their viewport, not on themselves.
QWidget* viewportOf(QWidget* field) {
    auto* area = qobject_cast<QAbstractScrollArea*>(field);
    return area ? area->viewport() : nullptr;
}

QWidget* fieldOf(QObject* watched) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && qobject_cast<QAbstractScrollArea*>(widget->parentWidget()) &&
        viewportOf(widget->parentWidget()) == widget)
        return widget->parentWidget();
    return widget;
}
// Text areas name their menu's actions; line edits (in Qt 6.4) only give Paste its icon and its
// shortcut in the text.
bool isPasteAction(const QAction* action) {
    if (action->objectName() == QLatin1String("edit-paste") ||
        action->icon().name() == QLatin1String("edit-paste"))
        return true;
    const QString shortcut = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    const QString text = action->text();
    const qsizetype tab = text.lastIndexOf(QLatin1Char('\t'));
    return tab >= 0 && text.mid(tab + 1) == shortcut;
}
} // namespace

PasteBlocker::PasteBlocker(QObject* parent)
    : QObject(parent) {}

void PasteBlocker::BlockPaste(QWidget* field) {
    field->installEventFilter(this);
    field->setAcceptDrops(false);
    if (QWidget* viewport = viewportOf(field)) {
        viewport->installEventFilter(this);
        viewport->setAcceptDrops(false);
    }
}

void PasteBlocker::UnblockPaste(QWidget* field) {
    field->removeEventFilter(this);
    field->setAcceptDrops(true);
    if (QWidget* viewport = viewportOf(field)) {
        viewport->removeEventFilter(this);
        viewport->setAcceptDrops(true);
    }
}

bool PasteBlocker::showMenuWithoutPaste(QWidget* field, QContextMenuEvent* event) {
    QMenu* menu = nullptr;
    if (auto* line = qobject_cast<QLineEdit*>(field))
        menu = line->createStandardContextMenu();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(field))
        menu = plain->createStandardContextMenu(event->pos());
    else if (auto* rich = qobject_cast<QTextEdit*>(field))
        menu = rich->createStandardContextMenu(event->pos());
    if (!menu)
        return false;
    for (QAction* action : menu->actions()) {
        if (isPasteAction(action))
            menu->removeAction(action);
    }
    const QPointer<QMenu> guard(menu);
    menu->exec(event->globalPos());
    delete guard.data();
    return true;
}

bool PasteBlocker::eventFilter(QObject* watched, QEvent* event) {
    QWidget* field = fieldOf(watched);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
            event->accept();
            return true;
        }
        break;
    case QEvent::ContextMenu:
        return showMenuWithoutPaste(field, static_cast<QContextMenuEvent*>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        // The middle button pastes the primary selection.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton)
            return true;
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        event->ignore();
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
