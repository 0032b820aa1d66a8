#pragma once

#include <cstdint>
#include <map>
#include <string>

// The saved design data of a control's host: named 32-bit values.
class PropertyBag {
public:
    std::int32_t read(const std::string& key, std::int32_t defaultValue) const {
        const auto found = values_.find(key);
        return found == values_.end() ? defaultValue : found->second;
    }
    // A value equal to its default is not written.
    void write(const std::string& key, std::int32_t value, std::int32_t defaultValue) {
        if (value != defaultValue)
            values_[key] = value;
    }
    bool has(const std::string& key) const { return values_.count(key) > 0; }
    std::size_t size() const { return values_.size(); }

private:
    std::map<std::string, std::int32_t> values_;
};
