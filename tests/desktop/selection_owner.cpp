// A stand-in for the foreground program: a text field holding the text of its argument, all of it
// selected and focused. It copies like any Qt program when it gets Ctrl+C. It writes "ready" once
// it has the focus.
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLineEdit field;
    field.setText(argc > 1 ? QString::fromUtf8(argv[1]) : QString());
    field.resize(300, 40);
    field.show();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        field.activateWindow();
        if (field.hasFocus()) {
            field.selectAll();
            std::puts("ready");
            std::fflush(stdout);
            poll.stop();
        }
    });
    poll.start(20);
    return QApplication::exec();
}
