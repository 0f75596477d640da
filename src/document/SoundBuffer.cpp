#include "document/SoundBuffer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tarlix {

namespace {

void put32(std::uint8_t* at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void put16(std::uint8_t* at, std::uint16_t v) {
    at[0] = static_cast<std::uint8_t>(v);
    at[1] = static_cast<std::uint8_t>(v >> 8);
}

} // namespace

void SoundBuffer::clear() {
    bytes_.assign(kWavHeaderSize, 0);
    dataSize_ = 0;
    peak_ = 0;
    updateHeader();
}

void SoundBuffer::dropFrames() {
    if (bytes_.empty()) return;
    bytes_.resize(kWavHeaderSize);
    dataSize_ = 0;
}

bool SoundBuffer::addFrame(Extended left, Extended right) {
    if (dataSize_ >= kMaxSoundFrames * static_cast<std::size_t>(blockAlign())) return false;
    if (bytes_.empty()) clear();
    appendSample(left);
    appendSample(right);
    dataSize_ += static_cast<std::size_t>(blockAlign());
    return true;
}

void SoundBuffer::appendSample(Extended v) {
    peak_ = std::max(peak_, std::fabs(v));
    const auto s = static_cast<std::int16_t>(std::lround(std::clamp(v, -kMaxSample, kMaxSample)));
    const auto u = static_cast<std::uint16_t>(s);
    bytes_.push_back(static_cast<std::uint8_t>(u));
    bytes_.push_back(static_cast<std::uint8_t>(u >> 8));
}

void SoundBuffer::setSamplingRate(Extended rate) {
    rate_ = static_cast<int>(std::lround(rate));
}

void SoundBuffer::updateHeader() {
    if (bytes_.size() < kWavHeaderSize) bytes_.resize(kWavHeaderSize, 0);
    std::uint8_t* h = bytes_.data();
    const auto data = static_cast<std::uint32_t>(dataSize_);
    std::memcpy(h, "RIFF", 4);
    put32(h + 4, data + 36);
    std::memcpy(h + 8, "WAVEfmt ", 8);
    put32(h + 16, 16);
    put16(h + 20, 1);
    put16(h + 22, kChannels);
    put32(h + 24, static_cast<std::uint32_t>(rate_));
    put32(h + 28, static_cast<std::uint32_t>(byteRate()));
    put16(h + 32, static_cast<std::uint16_t>(blockAlign()));
    put16(h + 34, kBitsPerSample);
    std::memcpy(h + 36, "data", 4);
    put32(h + 40, data);
}

std::string_view SoundBuffer::image() const {
    return {reinterpret_cast<const char*>(bytes_.data()), bytes_.size()};
}

std::vector<std::uint8_t> SoundBuffer::samples() const {
    if (bytes_.size() <= kWavHeaderSize) return {};
    return {bytes_.begin() + static_cast<std::ptrdiff_t>(kWavHeaderSize), bytes_.end()};
}

std::int64_t SoundBuffer::durationMs() const {
    return std::llround(static_cast<Extended>(dataSize_) / byteRate() * 1000);
}

} // namespace tarlix
