#pragma once

#include <QDir>
#include <QImage>
#include <QString>

// Every picture of the program, drawn and written as PNG files.
class ArtworkSet {
public:
    static bool drawAll(const QDir& folder);

private:
    explicit ArtworkSet(const QDir& folder);
    void characters();
    void editor();
    void bubble();
    void icons();
    bool save(const QString& name, const QImage& image);

    QDir folder_;
    bool ok_ = true;
};
