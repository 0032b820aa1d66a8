#include <QApplication>
#include <gtest/gtest.h>

// Desktop tests run the real X11 platform of Qt on the display in DISPLAY.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
