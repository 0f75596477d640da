#pragma once
// Sound through Qt Multimedia: a QAudioSink on the system's default output device plays each
// buffer from memory.

#include "platform/AudioOutput.h"

#include <memory>

class QAudioSink;

namespace tarlix {

class QtAudioOutput : public AudioOutput {
public:
    QtAudioOutput();
    ~QtAudioOutput() override;

    bool hasDevice() const override;
    bool play(std::vector<std::uint8_t> samples, const AudioFormat& format) override;
    void stop() override;
    bool isPlaying() const override { return playing_; }

private:
    // Stops the sink, which leaves once the event loop is back: it may be the one whose signal
    // called us.
    void retire();

    // The last sound's sink stays after the sound is over, until the next one or a stop, so
    // that the device plays out what it holds.
    std::unique_ptr<QAudioSink> sink_;
    bool playing_ = false;
};

} // namespace tarlix
