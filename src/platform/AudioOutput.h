#pragma once
// The system's sound output: one buffer of PCM samples plays in the background at a time; a
// new one replaces what is playing.

#include <cstdint>
#include <functional>
#include <vector>

namespace tarlix {

struct AudioFormat {
    int sampleRate = 22050;
    int channels = 2;       // interleaved, left first
    int bitsPerSample = 16; // 8 unsigned, 16 signed little-endian
    friend bool operator==(const AudioFormat&, const AudioFormat&) = default;
};

class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // Whether the system has a device to play on.
    virtual bool hasDevice() const = 0;
    // Starts playing its own copy of the samples; false without a device or when the device
    // takes no such format.
    virtual bool play(std::vector<std::uint8_t> samples, const AudioFormat& format) = 0;
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;

    // Called when a buffer has played to its end (not when it was stopped or replaced).
    std::function<void()> finished;
};

// A sound output for tests: it keeps every buffer it was asked to play, plays until the test
// says the buffer is over, and can be told that the system has no device.
class RecordingAudioOutput : public AudioOutput {
public:
    struct Played {
        std::vector<std::uint8_t> samples;
        AudioFormat format;
    };

    bool hasDevice() const override { return device; }
    bool play(std::vector<std::uint8_t> samples, const AudioFormat& format) override {
        if (!device) return false;
        played.push_back({std::move(samples), format});
        playing_ = true;
        return true;
    }
    void stop() override {
        if (playing_) ++stops;
        playing_ = false;
    }
    bool isPlaying() const override { return playing_; }
    // The buffer that plays has come to its end.
    void playToEnd() {
        if (!playing_) return;
        playing_ = false;
        if (finished) finished();
    }

    bool device = true;
    int stops = 0; // stops of a buffer that was playing
    std::vector<Played> played;

private:
    bool playing_ = false;
};

} // namespace tarlix
