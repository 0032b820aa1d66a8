#pragma once

#include "core/Clock.h"
#include "platform/Beeper.h"
#include "platform/Clipboard.h"
#include "platform/KeySender.h"
#include "platform/MessageBox.h"
#include "platform/ProgramLauncher.h"
#include "platform/TrayPort.h"
#include "platform/UrlOpener.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Recording fakes of the desktop ports.

class FixedClock final : public Clock {
public:
    LocalDateTime now() const override { return time; }
    LocalDateTime time;
};

class FakeKeySender final : public KeySender {
public:
    Status send(const std::vector<KeyEvent>& events) override {
        if (!available)
            return Status::failure("no display");
        sent.push_back(events);
        if (onSend)
            onSend(events);
        return Status::success();
    }
    bool available = true;
    std::vector<std::vector<KeyEvent>> sent;
    std::function<void(const std::vector<KeyEvent>&)> onSend;
};

// The foreground program's side is played by the test: copyOnCtrlC is what it copies.
class FakeClipboard final : public Clipboard {
public:
    void clear() override {
        content.clear();
        ++clears;
    }
    bool waitForChange(int timeoutMs) override {
        waitedMs += timeoutMs;
        if (pendingCopy) {
            content = *pendingCopy;
            pendingCopy.reset();
            return true;
        }
        return false;
    }
    std::optional<std::string> text() override {
        if (unreadable)
            return std::nullopt;
        return content;
    }
    std::string content;
    std::optional<std::string> pendingCopy;
    bool unreadable = false;
    int clears = 0;
    int waitedMs = 0;
};

class FakeLauncher final : public ProgramLauncher {
public:
    Status launch(const std::string& commandLine) override {
        launched.push_back(commandLine);
        return fails ? Status::failure("not executable") : Status::success();
    }
    bool fails = false;
    std::vector<std::string> launched;
};

class FakeMessageBox final : public MessageBox {
public:
    void show(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

class FakeTray final : public TrayPort {
public:
    void add(TrayPicture picture, const std::string& tip) override {
        present = true;
        current = picture;
        this->tip = tip;
        ++requests;
    }
    void modify(TrayPicture picture, const std::string&) override {
        current = picture;
        ++requests;
    }
    void remove() override {
        present = false;
        ++requests;
    }
    void click(int code) { notify(code); }

    bool present = false;
    TrayPicture current = TrayPicture::Idle;
    std::string tip;
    int requests = 0;
};

class FakeUrlOpener final : public UrlOpener {
public:
    Status open(const std::string& address) override {
        opened.push_back(address);
        return Status::success();
    }
    std::vector<std::string> opened;
};

class FakeBeeper final : public Beeper {
public:
    void beep() override { ++beeps; }
    int beeps = 0;
};
