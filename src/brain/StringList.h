#pragma once

#include "EntryList.h"

// The main window's brain lists: plain strings with a selection, no control behind them.
class StringList final : public EntryList {
public:
    int count() const override { return static_cast<int>(items_.size()); }
    std::string item(int index) const override {
        return items_.at(static_cast<std::size_t>(index));
    }
    void append(std::string value) override { items_.push_back(std::move(value)); }
    void setItem(int index, std::string value) override;
    void removeAt(int index) override;
    void clear() override;
    int selectedIndex() const override { return selected_; }
    void setSelectedIndex(int index) override;
    void appendAll(std::vector<std::string> values) override;
    const std::string* itemIfHeld(int index) const override {
        return hasIndex(index) ? &items_[static_cast<std::size_t>(index)] : nullptr;
    }

    const std::vector<std::string>& items() const { return items_; }

private:
    std::vector<std::string> items_;
    int selected_ = -1;
};
