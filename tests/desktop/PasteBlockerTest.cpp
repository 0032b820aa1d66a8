#include "editor/PasteBlocker.h"
#include "DesktopWait.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
QString textOf(QWidget* field) {
    if (auto* line = qobject_cast<QLineEdit*>(field))
        return line->text();
    return qobject_cast<QPlainTextEdit*>(field)->toPlainText();
}

QWidget* mouseTarget(QWidget* field) {
    auto* area = qobject_cast<QAbstractScrollArea*>(field);
    return area ? area->viewport() : field;
}

class Paste : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(400, 200);
        line = new QLineEdit(&window);
        line->setGeometry(10, 10, 300, 30);
        area = new QPlainTextEdit(&window);
        area->setGeometry(10, 60, 300, 80);
        open = new QLineEdit(&window);
        open->setGeometry(10, 150, 300, 30);
        blocker.BlockPaste(line);
        blocker.BlockPaste(area);
        window.show();
        ASSERT_TRUE(waitFor([&] {
            window.activateWindow();
            return window.isActiveWindow();
        }));
        QGuiApplication::clipboard()->setText("PASTED", QClipboard::Clipboard);
        QGuiApplication::clipboard()->setText("SELECTED", QClipboard::Selection);
    }
    // Every way of pasting into the field, each from an empty field.
    void tryEveryPaste(QWidget* field) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QTest::mouseClick(mouseTarget(field), Qt::MiddleButton, {}, QPoint(20, 10));
        QMimeData dropped;
        dropped.setText("DROPPED");
        QDragEnterEvent enter(QPoint(20, 10), Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QApplication::sendEvent(mouseTarget(field), &enter);
        QDropEvent drop(QPointF(20, 10), Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QApplication::sendEvent(mouseTarget(field), &drop);
        QCoreApplication::processEvents();
    }
    QStringList contextMenuActions(QWidget* field) {
        QStringList names;
        QTimer::singleShot(100, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* action : menu->actions())
                    names
                        << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
                menu->close();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 10),
                                mouseTarget(field)->mapToGlobal(QPoint(20, 10)));
        QApplication::sendEvent(mouseTarget(field), &event);
        // A field's own menu opens without blocking; the blocked fields' menu has closed by now.
        waitFor([&] { return !names.isEmpty(); }, 2000);
        return names;
    }

    QWidget window;
    QLineEdit* line = nullptr;
    QPlainTextEdit* area = nullptr;
    QLineEdit* open = nullptr;
    PasteBlocker blocker;
};
} // namespace

TEST_F(Paste, NoPathPastesIntoABlockedField) {
    for (QWidget* field : {static_cast<QWidget*>(line), static_cast<QWidget*>(area)}) {
        tryEveryPaste(field);
        EXPECT_TRUE(textOf(field).isEmpty()) << textOf(field).toStdString();
        const QStringList actions = contextMenuActions(field);
        EXPECT_TRUE(actions.contains("Copy")) << actions.join(",").toStdString();
        EXPECT_TRUE(actions.contains("Cut"));
        EXPECT_FALSE(actions.contains("Paste")) << actions.join(",").toStdString();
    }
}

TEST_F(Paste, ShiftInsertPastesOnlyWhereNotBlocked) {
    for (QWidget* field :
         {static_cast<QWidget*>(line), static_cast<QWidget*>(area), static_cast<QWidget*>(open)}) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
    }
    EXPECT_TRUE(line->text().isEmpty());
    EXPECT_TRUE(area->toPlainText().isEmpty());
    EXPECT_FALSE(open->text().isEmpty());
}

TEST_F(Paste, TypingCuttingCopyingAndDeletingStillWork) {
    line->setFocus();
    QTest::keyClicks(line, "hello");
    EXPECT_EQ(line->text(), "hello");
    line->selectAll();
    QTest::keyClick(line, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "hello");
    QTest::keyClick(line, Qt::Key_Backspace);
    EXPECT_TRUE(line->text().isEmpty());
    QTest::keyClicks(line, "abc");
    line->selectAll();
    QTest::keyClick(line, Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(line->text().isEmpty());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "abc");
}

TEST_F(Paste, AFieldThatIsNotBlockedAcceptsPastes) {
    // The same paths paste into a field nobody blocks, so the blocked field's test means something.
    tryEveryPaste(open);
    // The mouse inserts where it points, inside what the keys pasted.
    QString text = open->text();
    EXPECT_TRUE(text.contains("SELECTED")) << text.toStdString();
    EXPECT_TRUE(text.contains("DROPPED")) << text.toStdString();
    EXPECT_EQ(text.remove("SELECTED").remove("DROPPED"), "PASTED");
    EXPECT_TRUE(contextMenuActions(open).contains("Paste"));
    blocker.UnblockPaste(line);
    line->clear();
    line->setFocus();
    QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(line->text(), "PASTED");
}
