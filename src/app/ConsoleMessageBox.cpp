#include "ConsoleMessageBox.h"

#include "ConsoleOutput.h"

void ConsoleMessageBox::show(const std::string& text) {
    ConsoleOutput::message(text);
}
