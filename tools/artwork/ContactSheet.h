#pragma once

#include <QDir>
#include <QString>

// One picture showing every picture of a folder, each keyed picture with the outline the shape
// rule makes from it drawn over it, so a replaced picture can be checked at a glance.
class ContactSheet {
public:
    static bool write(const QDir& assets, const QString& sheetPath);
};
