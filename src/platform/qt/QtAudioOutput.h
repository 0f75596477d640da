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
    bool isPlaying() const override { return sink_ != nullptr; }

private:
    // The sink leaves once the event loop is back: it may be the one whose signal called us.
    void retire();

    std::unique_ptr<QAudioSink> sink_;
};

} // namespace tarlix
