#include "StringList.h"

#include <iterator>

void StringList::setItem(int index, std::string value) {
    if (hasIndex(index))
        items_[static_cast<std::size_t>(index)] = std::move(value);
}

void StringList::removeAt(int index) {
    if (!hasIndex(index))
        return;
    items_.erase(items_.begin() + index);
    if (selected_ == index)
        selected_ = -1;
    else if (selected_ > index)
        --selected_;
}

void StringList::clear() {
    items_.clear();
    selected_ = -1;
}

void StringList::setSelectedIndex(int index) {
    selected_ = hasIndex(index) ? index : -1;
}

void StringList::appendAll(std::vector<std::string> values) {
    if (items_.empty()) {
        items_ = std::move(values);
        return;
    }
    items_.insert(items_.end(), std::make_move_iterator(values.begin()),
                  std::make_move_iterator(values.end()));
}
