#pragma once

#include "brain/EntryList.h"

class QListWidget;

// One of the editor's list controls seen as a brain list.
class ListWidgetEntryList final : public EntryList {
public:
    explicit ListWidgetEntryList(QListWidget& list);

    int count() const override;
    std::string item(int index) const override;
    void append(std::string value) override;
    void setItem(int index, std::string value) override;
    void removeAt(int index) override;
    void clear() override;
    int selectedIndex() const override;
    void setSelectedIndex(int index) override;
    void appendAll(std::vector<std::string> values) override;

private:
    QListWidget& list_;
};
