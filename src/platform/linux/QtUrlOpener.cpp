#include "QtUrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

Status QtUrlOpener::open(const std::string& address) {
    const QUrl url = QUrl::fromUserInput(QString::fromStdString(address));
    if (!url.isValid())
        return Status::failure("\"" + address + "\" is not an address");
    if (!QDesktopServices::openUrl(url))
        return Status::failure("no program opens " + url.toString().toStdString());
    return Status::success();
}
