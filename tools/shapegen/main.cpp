// Writes the C++ source of the program's shape tables from the pictures they outline.
#include "PictureGrid.h"
#include "shapes/KeyColour.h"
#include "shapes/ShapeRule.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTextStream>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct ShapeSource {
    std::string name;
    std::string picture; // empty: no rectangles
    std::uint32_t keyColour;
    int flipFrame;
};

std::vector<ShapeSource> shapeSources() {
    std::vector<ShapeSource> sources;
    sources.push_back({"FlipShape1", "card.png", KeyColour::editor, 1});
    for (int frame = 2; frame <= 15; ++frame)
        sources.push_back({"FlipShape" + std::to_string(frame),
                           "flipp" + std::to_string(frame) + ".png", KeyColour::editor, frame});
    sources.push_back({"FlipShape16", "frame1.png", KeyColour::editor, 16});
    sources.push_back({"NuboShape", "nubo.png", KeyColour::character, 0});
    sources.push_back({"ZelShape", "zel.png", KeyColour::character, 0});
    sources.push_back({"EmptyShape", "", KeyColour::bubble, 0});
    sources.push_back({"BubbleShape", "bubble.png", KeyColour::bubble, 0});
    return sources;
}

QString keyName(std::uint32_t key) {
    if (key == KeyColour::editor)
        return "KeyColour::editor";
    if (key == KeyColour::character)
        return "KeyColour::character";
    return "KeyColour::bubble";
}

QString rectText(const ShapeRect& r) {
    return QString("{%1, %2, %3, %4}").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: parlon_shapegen ASSETS_FOLDER OUTPUT.cpp\n");
        return 2;
    }
    const QDir assets(QString::fromLocal8Bit(argv[1]));
    QString code;
    QTextStream out(&code);
    out << "// Made by parlon_shapegen from the pictures in assets/ when the program is built.\n"
        << "#include \"shapes/KeyColour.h\"\n#include \"shapes/Shapes.h\"\n\nnamespace {\n";
    QString definitions;
    QTextStream defs(&definitions);
    for (const ShapeSource& source : shapeSources()) {
        ShapeTable table;
        if (!source.picture.empty()) {
            const QString path = assets.filePath(QString::fromStdString(source.picture));
            const PixelGrid grid = PictureGrid::load(path);
            if (grid.width() == 0) {
                std::fprintf(stderr, "parlon_shapegen: cannot read %s\n", qPrintable(path));
                return 1;
            }
            table = ShapeRule::make(grid, source.keyColour);
        }
        const QString name = QString::fromStdString(source.name);
        QString rects = "{}";
        if (!table.rects.empty()) {
            const QString array = name.at(0).toLower() + name.mid(1) + "Rects";
            out << "constexpr ShapeRect " << array << "[] = {\n";
            for (const ShapeRect& rect : table.rects)
                out << "    " << rectText(rect) << ",\n";
            out << "};\n";
            rects = array;
        }
        defs << "const Shape " << name << "{\"" << name << "\", \""
             << QString::fromStdString(source.picture) << "\", " << keyName(source.keyColour)
             << ", " << source.flipFrame << ", " << rects << ", " << rectText(table.bounds)
             << "};\n";
    }
    out << "} // namespace\n\n" << definitions;
    out.flush();

    QFile file(QString::fromLocal8Bit(argv[2]));
    // Rewriting identical text would rebuild everything that depends on it for nothing.
    if (file.open(QIODevice::ReadOnly) && QString::fromUtf8(file.readAll()) == code)
        return 0;
    file.close();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "parlon_shapegen: cannot write %s\n", argv[2]);
        return 1;
    }
    file.write(code.toUtf8());
    return 0;
}
