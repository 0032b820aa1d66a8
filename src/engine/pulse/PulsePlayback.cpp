#include "PulsePlayback.h"

#include <pulse/error.h>
#include <pulse/simple.h>

PulsePlayback::PulsePlayback(std::string streamName)
    : streamName_(std::move(streamName)) {}

PulsePlayback::~PulsePlayback() {
    close();
}

Status PulsePlayback::open(int sampleRate) {
    close();
    pa_sample_spec spec{};
    spec.format = PA_SAMPLE_S16LE;
    spec.rate = static_cast<std::uint32_t>(sampleRate);
    spec.channels = 1;
    // 60 ms ahead of the sink: writes of 20 ms chunks keep it fed, and a flush drops little.
    pa_buffer_attr buffer{};
    buffer.maxlength = static_cast<std::uint32_t>(-1);
    buffer.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(60000, &spec));
    buffer.prebuf = static_cast<std::uint32_t>(-1);
    buffer.minreq = static_cast<std::uint32_t>(-1);
    buffer.fragsize = static_cast<std::uint32_t>(-1);
    int error = 0;
    stream_ = pa_simple_new(nullptr, "Parlon", PA_STREAM_PLAYBACK, nullptr, streamName_.c_str(),
                            &spec, nullptr, &buffer, &error);
    if (!stream_)
        return Status::failure(std::string("no sound server or output device (") +
                               pa_strerror(error) + ")");
    return Status::success();
}

Status PulsePlayback::write(const std::int16_t* samples, std::size_t count) {
    if (!stream_)
        return Status::failure("the sound output is closed");
    int error = 0;
    if (pa_simple_write(stream_, samples, count * sizeof(std::int16_t), &error) < 0)
        return Status::failure(std::string("the sound server stopped playing (") +
                               pa_strerror(error) + ")");
    return Status::success();
}

Status PulsePlayback::drain() {
    if (!stream_)
        return Status::success();
    int error = 0;
    if (pa_simple_drain(stream_, &error) < 0)
        return Status::failure(std::string("the sound server stopped playing (") +
                               pa_strerror(error) + ")");
    return Status::success();
}

void PulsePlayback::flush() {
    if (!stream_)
        return;
    int error = 0;
    // A failed flush only lets the last few milliseconds play out; the next write reports a dead
    // stream.
    (void)pa_simple_flush(stream_, &error);
}

std::int64_t PulsePlayback::latencyUs() {
    if (!stream_)
        return 0;
    int error = 0;
    const pa_usec_t latency = pa_simple_get_latency(stream_, &error);
    return latency == static_cast<pa_usec_t>(-1) ? 0 : static_cast<std::int64_t>(latency);
}

void PulsePlayback::close() {
    if (stream_) {
        pa_simple_free(stream_);
        stream_ = nullptr;
    }
}
