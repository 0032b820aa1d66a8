#pragma once

#include "EntryList.h"

// The three parallel lists of one window: entry i is item i of each.
struct BrainLists {
    EntryList& phrases;
    EntryList& arguments;
    EntryList& types;

    void clear() {
        phrases.clear();
        arguments.clear();
        types.clear();
    }
    void append(std::string phrase, std::string argument, std::string type) {
        phrases.append(std::move(phrase));
        arguments.append(std::move(argument));
        types.append(std::move(type));
    }
    void selectAll(int index) {
        phrases.setSelectedIndex(index);
        arguments.setSelectedIndex(index);
        types.setSelectedIndex(index);
    }
};
