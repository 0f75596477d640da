#include "platform/qt/QtAudioOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

namespace tarlix {

namespace {

QAudioFormat::SampleFormat sampleFormatOf(int bits) {
    switch (bits) {
    case 8:
        return QAudioFormat::UInt8;
    case 16:
        return QAudioFormat::Int16;
    case 32:
        return QAudioFormat::Int32;
    default:
        return QAudioFormat::Unknown;
    }
}

} // namespace

QtAudioOutput::QtAudioOutput() = default;

QtAudioOutput::~QtAudioOutput() = default;

bool QtAudioOutput::hasDevice() const {
    return !QMediaDevices::defaultAudioOutput().isNull();
}

bool QtAudioOutput::play(std::vector<std::uint8_t> samples, const AudioFormat& format) {
    retire();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat f;
    f.setSampleRate(format.sampleRate);
    f.setChannelCount(format.channels);
    f.setSampleFormat(sampleFormatOf(format.bitsPerSample));
    if (device.isNull() || f.sampleFormat() == QAudioFormat::Unknown ||
        !device.isFormatSupported(f))
        return false;
    sink_ = std::make_unique<QAudioSink>(device, f);
    // The buffer goes with its sink.
    auto* buffer = new QBuffer(sink_.get());
    buffer->setData(reinterpret_cast<const char*>(samples.data()),
                    static_cast<qsizetype>(samples.size()));
    buffer->open(QIODevice::ReadOnly);
    QAudioSink* sink = sink_.get();
    QObject::connect(sink, &QAudioSink::stateChanged, sink, [this, sink](QAudio::State state) {
        // Idle once every sample has gone to the device.
        if (state != QAudio::IdleState || sink != sink_.get()) return;
        retire();
        if (finished) finished();
    });
    sink->start(buffer);
    if (sink->error() != QAudio::NoError) {
        retire();
        return false;
    }
    return true;
}

void QtAudioOutput::stop() {
    retire();
}

void QtAudioOutput::retire() {
    if (!sink_) return;
    QAudioSink* sink = sink_.release();
    QObject::disconnect(sink, nullptr, nullptr, nullptr);
    sink->stop();
    sink->deleteLater();
}

} // namespace tarlix
