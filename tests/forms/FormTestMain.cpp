#include <QApplication>
#include <gtest/gtest.h>

// The windows need an application object; Qt's offscreen platform runs them without a display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
