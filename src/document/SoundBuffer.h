#pragma once
// The sound that scripts synthesise: 16-bit stereo PCM kept in memory laid out as a WAV file,
// a 44-byte header followed by frames of two signed 16-bit values, left first. The header is
// brought up to date when the sound is played or saved.

#include "base/Extended.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tarlix {

inline constexpr std::size_t kWavHeaderSize = 44;
inline constexpr std::size_t kMaxSoundFrames = 480000;
inline constexpr int kDefaultSamplingRate = 22050;
inline constexpr int kMinSamplingRate = 200;
inline constexpr int kMaxSamplingRate = 200000;
// The largest sample; -32768 is never written, so that both signs reach the same loudness.
inline constexpr Extended kMaxSample = 32767;

class SoundBuffer {
public:
    // No bytes at all: nothing has been synthesised yet.
    bool isEmpty() const { return bytes_.empty(); }
    // The header alone: no frames, peak 0.
    void clear();
    // The frames dropped, so that the next ones follow the header; nothing synthesised yet
    // stays nothing.
    void dropFrames();
    // Appends one frame of scaled values, clipped to +-32767 and rounded; false (nothing
    // appended) once the buffer holds the most frames it may.
    bool addFrame(Extended left, Extended right);
    // The rate rounded; the caller checks its range.
    void setSamplingRate(Extended rate);

    int samplingRate() const { return rate_; }
    int blockAlign() const { return kBitsPerSample / 8 * kChannels; }
    int byteRate() const { return blockAlign() * rate_; }
    std::size_t dataSize() const { return dataSize_; }
    std::size_t frames() const { return dataSize_ / static_cast<std::size_t>(blockAlign()); }
    // The largest absolute scaled value since the last clear, before clipping.
    Extended peak() const { return peak_; }
    // Writes the header with the current sizes and format at the start of the buffer.
    void updateHeader();
    // The whole WAV image as it stands (header as last written).
    std::string_view image() const;
    // The samples alone, for the sound output.
    std::vector<std::uint8_t> samples() const;
    // Milliseconds the samples last.
    std::int64_t durationMs() const;

    static constexpr int kChannels = 2;
    static constexpr int kBitsPerSample = 16;

private:
    void appendSample(Extended v);

    std::vector<std::uint8_t> bytes_;
    std::size_t dataSize_ = 0;
    int rate_ = kDefaultSamplingRate;
    Extended peak_ = 0;
};

} // namespace tarlix
