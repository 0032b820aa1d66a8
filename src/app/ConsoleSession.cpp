#include "ConsoleSession.h"

#include "core/Scheduler.h"
#include "engine/Synthesizer.h"

#include <cerrno>
#include <optional>
#include <unistd.h>

ConsoleSession::ConsoleSession(Scheduler& scheduler, const Synthesizer& speech, int quietMs,
                               std::function<void(const std::string&)> onPhrase,
                               std::function<void()> onEnd)
    : scheduler_(scheduler)
    , speech_(speech)
    , onPhrase_(std::move(onPhrase))
    , onEnd_(std::move(onEnd))
    , quietMs_(quietMs)
    , settle_(scheduler, "consoleSettle", 1, Timer::Observer{}, [this] { onSettled(); }) {}

ConsoleSession::~ConsoleSession() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    space_.notify_all();
    // The reader may block in read(); at exit the process takes it down with everything else.
    if (reader_.joinable())
        reader_.detach();
}

void ConsoleSession::start() {
    reader_ = std::thread([this] { readInput(); });
    settle_.start();
}

void ConsoleSession::readInput() {
    auto hand = [this](std::string line) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::unique_lock lock(mutex_);
        space_.wait(lock, [this] { return lines_.size() < maxPendingLines || stopping_; });
        if (stopping_)
            return false;
        lines_.push_back(std::move(line));
        return true;
    };
    std::string pending;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        pending.append(buffer, static_cast<std::size_t>(got));
        std::size_t start = 0;
        for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos;
             start = end + 1) {
            if (!hand(pending.substr(start, end - start)))
                return;
        }
        pending.erase(0, start);
    }
    // A last line without a line end is still a line.
    if (!pending.empty() && !hand(std::move(pending)))
        return;
    std::lock_guard lock(mutex_);
    endOfInput_ = true;
}

void ConsoleSession::onSettled() {
    if (ended_)
        return;
    if (speech_.isSpeaking() || !scheduler_.isSettled(lastHandOverMs_)) {
        quietFor_ = 0;
        return;
    }
    if (++quietFor_ < quietMs_)
        return;
    quietFor_ = 0;
    std::optional<std::string> line;
    bool ended = false;
    {
        std::lock_guard lock(mutex_);
        if (!lines_.empty()) {
            line = std::move(lines_.front());
            lines_.pop_front();
        } else {
            ended = endOfInput_;
        }
    }
    if (line) {
        space_.notify_one();
        onPhrase_(*line);
        lastHandOverMs_ = scheduler_.nowMs();
        return;
    }
    if (ended) {
        ended_ = true;
        settle_.stop();
        onEnd_();
    }
}
