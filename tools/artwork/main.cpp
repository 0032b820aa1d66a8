// Draws every picture of the program into a folder, or makes the contact sheet of a folder.
#include "ArtworkSet.h"
#include "ContactSheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    // Fonts need an application object; no display is needed to paint into images.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3 && args[1] == "--draw") {
        QDir().mkpath(args[2]);
        return ArtworkSet::drawAll(QDir(args[2])) ? 0 : 1;
    }
    if (args.size() == 4 && args[1] == "--contact-sheet")
        return ContactSheet::write(QDir(args[2]), args[3]) ? 0 : 1;
    std::fprintf(stderr, "usage: parlon_artwork --draw ASSETS_FOLDER\n"
                         "       parlon_artwork --contact-sheet ASSETS_FOLDER SHEET.png\n");
    return 2;
}
