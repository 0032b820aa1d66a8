#pragma once

#include <string>

// A message box with an OK button; returns when the user has closed it.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const std::string& text) = 0;
};
