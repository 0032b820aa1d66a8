#include "QueuedAudioInput.h"

#include <algorithm>
#include <thread>
#include <utility>

QueuedAudioInput::QueuedAudioInput(std::string openFailure)
    : openFailure_(std::move(openFailure)) {}

Status QueuedAudioInput::open() {
    std::lock_guard lock(mutex_);
    if (!openFailure_.empty())
        return Status::failure(openFailure_);
    open_ = true;
    due_ = std::chrono::steady_clock::now();
    return Status::success();
}

bool QueuedAudioInput::isOpen() const {
    std::lock_guard lock(mutex_);
    return open_;
}

Status QueuedAudioInput::read(std::int16_t* samples, std::size_t count) {
    std::chrono::steady_clock::time_point due;
    {
        std::lock_guard lock(mutex_);
        if (!open_)
            return Status::failure("the input is closed");
        if (!readFailure_.empty()) {
            open_ = false;
            return Status::failure(std::exchange(readFailure_, {}));
        }
        due_ += std::chrono::microseconds(static_cast<std::int64_t>(count) * 1000000 / sampleRate);
        due = due_;
    }
    // A sound card hands a block over once it has been captured.
    std::this_thread::sleep_until(due);
    std::lock_guard lock(mutex_);
    for (std::size_t i = 0; i < count; ++i) {
        floor_ = floor_ * 1664525u + 1013904223u;
        const auto noise = static_cast<std::int16_t>(static_cast<int>(floor_ >> 26) - 32);
        if (queued_.empty()) {
            samples[i] = noise;
        } else {
            samples[i] =
                static_cast<std::int16_t>(std::clamp(queued_.front() + noise, -32768, 32767));
            queued_.pop_front();
        }
    }
    return Status::success();
}

void QueuedAudioInput::close() {
    std::lock_guard lock(mutex_);
    open_ = false;
}

void QueuedAudioInput::queue(const std::vector<std::int16_t>& samples) {
    std::lock_guard lock(mutex_);
    queued_.insert(queued_.end(), samples.begin(), samples.end());
}

bool QueuedAudioInput::drained() const {
    std::lock_guard lock(mutex_);
    return queued_.empty();
}

void QueuedAudioInput::setOpenFailure(std::string failure) {
    std::lock_guard lock(mutex_);
    openFailure_ = std::move(failure);
}

void QueuedAudioInput::loseDevice(std::string failure) {
    std::lock_guard lock(mutex_);
    readFailure_ = std::move(failure);
}
