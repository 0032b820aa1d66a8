#pragma once

#include <string>
#include <vector>

// One of the brain's six parallel lists (phrases, arguments or types, in the main window or in
// the editor), with the list control's single selection. Indexes are 0-based; -1 is "none".
class EntryList {
public:
    virtual ~EntryList() = default;

    virtual int count() const = 0;
    virtual std::string item(int index) const = 0;
    virtual void append(std::string value) = 0;
    virtual void setItem(int index, std::string value) = 0;
    virtual void removeAt(int index) = 0;
    virtual void clear() = 0;
    virtual int selectedIndex() const = 0;
    virtual void setSelectedIndex(int index) = 0;

    // Loading appends whole files at once; list controls can do that much faster than item by
    // item.
    virtual void appendAll(std::vector<std::string> values) {
        for (auto& value : values)
            append(std::move(value));
    }

    // Lists that hold their strings can lend them out, which spares the copies when a whole
    // brain is written; the others answer null and are read through item().
    virtual const std::string* itemIfHeld(int) const { return nullptr; }

    bool hasIndex(int index) const { return index >= 0 && index < count(); }
    // The item, or an empty text for an index the list does not have (a hand-edited brain can
    // have lists of unequal length).
    std::string itemOrEmpty(int index) const {
        return hasIndex(index) ? item(index) : std::string();
    }
};
