#pragma once

#include <string>
#include <utility>

// The outcome of an operation that can fail: success, or a failure with a message meant for the
// log (never for the user's screen).
class [[nodiscard]] Status {
public:
    static Status success() { return Status(); }
    static Status failure(std::string message) { return Status(std::move(message)); }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& message() const { return message_; }

    // Keeps the first failure: later steps of a sequence must not hide the cause.
    Status& also(const Status& later) {
        if (ok() && !later.ok())
            *this = later;
        return *this;
    }

private:
    Status() = default;
    explicit Status(std::string message)
        : failed_(true)
        , message_(std::move(message)) {}

    bool failed_ = false;
    std::string message_;
};
