#include "ListWidgetEntryList.h"

#include <QListWidget>

ListWidgetEntryList::ListWidgetEntryList(QListWidget& list)
    : list_(list) {}

int ListWidgetEntryList::count() const {
    return list_.count();
}

std::string ListWidgetEntryList::item(int index) const {
    const QListWidgetItem* entry = list_.item(index);
    return entry ? entry->text().toStdString() : std::string();
}

void ListWidgetEntryList::append(std::string value) {
    list_.addItem(QString::fromStdString(value));
}

void ListWidgetEntryList::setItem(int index, std::string value) {
    if (QListWidgetItem* entry = list_.item(index))
        entry->setText(QString::fromStdString(value));
}

void ListWidgetEntryList::removeAt(int index) {
    delete list_.takeItem(index);
}

void ListWidgetEntryList::clear() {
    list_.clear();
}

int ListWidgetEntryList::selectedIndex() const {
    return list_.currentRow();
}

void ListWidgetEntryList::setSelectedIndex(int index) {
    list_.setCurrentRow(hasIndex(index) ? index : -1);
}

void ListWidgetEntryList::appendAll(std::vector<std::string> values) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(values.size()));
    for (const auto& value : values)
        texts.append(QString::fromStdString(value));
    list_.addItems(texts);
}
