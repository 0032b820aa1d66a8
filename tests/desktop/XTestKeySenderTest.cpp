#include "platform/linux/XTestKeySender.h"
#include "DesktopWait.h"

#include <QApplication>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {
class KeysIntoAWindow : public ::testing::Test {
protected:
    void SetUp() override {
        field.setWindowTitle("key target");
        field.resize(400, 40);
        field.show();
        ASSERT_TRUE(waitFor([&] {
            field.activateWindow();
            return field.hasFocus();
        }));
    }
    QLineEdit field;
    XTestKeySender keys;
};
} // namespace

TEST_F(KeysIntoAWindow, TypesTheNotationIntoTheFocusedWindow) {
    const struct {
        const char* notation;
        const char* text;
    } cases[] = {
        {"Hello World", "Hello World"},
        {"+a+(bc)d", "ABCd"},
        {"{+}{^}{%}{(}{)}{{}{}}", "+^%(){}"},
        {"abc{BACKSPACE}{LEFT}X", "aXb"},
        {"wrong^ax", "x"},
        {"caf\xC3\xA9 \xE2\x82\xAC \xD0\xB6", "caf\xC3\xA9 \xE2\x82\xAC \xD0\xB6"},
        {"{a 3}{TAB}", "aaa"},
    };
    for (const auto& c : cases) {
        field.clear();
        ASSERT_TRUE(keys.type(c.notation).ok()) << c.notation;
        const QString expected = QString::fromUtf8(c.text);
        EXPECT_TRUE(waitFor([&] { return field.text() == expected; }))
            << c.notation << ": got \"" << field.text().toStdString() << "\"";
    }
}

TEST_F(KeysIntoAWindow, SendsNothingForNotationThatDoesNotParse) {
    field.setText("keep");
    EXPECT_FALSE(keys.type("ab{nosuchkey}").ok());
    EXPECT_FALSE(waitFor([&] { return field.text() != "keep"; }, 300));
}
