#include "PulseCapture.h"

#include <pulse/error.h>
#include <pulse/simple.h>

PulseCapture::PulseCapture(std::string streamName)
    : streamName_(std::move(streamName)) {}

PulseCapture::~PulseCapture() {
    close();
}

Status PulseCapture::open() {
    if (isOpen())
        return Status::success();
    pa_sample_spec spec{};
    spec.format = PA_SAMPLE_S16LE;
    spec.rate = sampleRate;
    spec.channels = 1;
    pa_buffer_attr buffer{};
    buffer.maxlength = static_cast<std::uint32_t>(-1);
    buffer.fragsize = static_cast<std::uint32_t>(pa_usec_to_bytes(20000, &spec));
    buffer.tlength = buffer.prebuf = buffer.minreq = static_cast<std::uint32_t>(-1);
    int error = 0;
    pa_simple* stream = pa_simple_new(nullptr, "Parlon", PA_STREAM_RECORD, nullptr,
                                      streamName_.c_str(), &spec, nullptr, &buffer, &error);
    if (!stream)
        return Status::failure(std::string("no sound server or microphone (") + pa_strerror(error) +
                               ")");
    stream_ = stream;
    return Status::success();
}

Status PulseCapture::read(std::int16_t* samples, std::size_t count) {
    pa_simple* stream = stream_.load();
    if (!stream)
        return Status::failure("the microphone is closed");
    int error = 0;
    if (pa_simple_read(stream, samples, count * sizeof(std::int16_t), &error) < 0) {
        close();
        return Status::failure(std::string("the sound server stopped recording (") +
                               pa_strerror(error) + ")");
    }
    return Status::success();
}

void PulseCapture::close() {
    if (pa_simple* stream = stream_.exchange(nullptr))
        pa_simple_free(stream);
}
