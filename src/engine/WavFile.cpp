#include "WavFile.h"

#include <sndfile.h>
#include <soxr.h>

#include <algorithm>
#include <cmath>

Status WavFile::read(const std::string& path, int wantedRate, std::vector<std::int16_t>& samples) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file)
        return Status::failure(path + ": " + sf_strerror(nullptr));
    std::vector<std::int16_t> interleaved(static_cast<std::size_t>(info.frames) *
                                          static_cast<std::size_t>(info.channels));
    const sf_count_t got = sf_readf_short(file, interleaved.data(), info.frames);
    sf_close(file);
    if (got < 0)
        return Status::failure(path + ": could not be read");
    std::vector<std::int16_t> mono(static_cast<std::size_t>(got));
    for (std::size_t frame = 0; frame < mono.size(); ++frame) {
        long sum = 0;
        for (int channel = 0; channel < info.channels; ++channel)
            sum += interleaved[frame * static_cast<std::size_t>(info.channels) +
                               static_cast<std::size_t>(channel)];
        mono[frame] = static_cast<std::int16_t>(sum / info.channels);
    }
    samples = info.samplerate == wantedRate ? std::move(mono)
                                            : resample(mono, info.samplerate, wantedRate);
    return Status::success();
}

Status WavFile::write(const std::string& path, int rate, const std::vector<std::int16_t>& samples) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file)
        return Status::failure(path + ": " + sf_strerror(nullptr));
    const sf_count_t written =
        sf_write_short(file, samples.data(), static_cast<sf_count_t>(samples.size()));
    const int closed = sf_close(file);
    if (written != static_cast<sf_count_t>(samples.size()) || closed != 0)
        return Status::failure(path + ": could not be written");
    return Status::success();
}

std::vector<std::int16_t> WavFile::resample(const std::vector<std::int16_t>& samples, int fromRate,
                                            int toRate) {
    if (fromRate == toRate || samples.empty())
        return samples;
    std::vector<std::int16_t> out(static_cast<std::size_t>(std::ceil(
                                      static_cast<double>(samples.size()) * toRate / fromRate)) +
                                  16);
    std::size_t done = 0;
    soxr_io_spec_t io = soxr_io_spec(SOXR_INT16_I, SOXR_INT16_I);
    // The library dithers 16-bit output from a seed of its own taking (the clock), so the same
    // speech would come out a little different on every run: benchmark figures and decoder
    // tests would move between identical runs. Dither this faint does nothing for speech.
    io.flags |= SOXR_NO_DITHER;
    const soxr_error_t error =
        soxr_oneshot(fromRate, toRate, 1, samples.data(), samples.size(), nullptr, out.data(),
                     out.size(), &done, &io, nullptr, nullptr);
    if (error)
        return {};
    out.resize(done);
    return out;
}
