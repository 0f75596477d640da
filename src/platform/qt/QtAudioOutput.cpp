#include "platform/qt/QtAudioOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>

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
    if (device.isNull() || format.sampleRate <= 0 || format.channels <= 0 ||
        f.sampleFormat() == QAudioFormat::Unknown || !device.isFormatSupported(f))
        return false;
    sink_ = std::make_unique<QAudioSink>(device, f);
    // The buffer goes with its sink.
    auto* buffer = new QBuffer(sink_.get());
    buffer->setData(reinterpret_cast<const char*>(samples.data()),
                    static_cast<qsizetype>(samples.size()));
    buffer->open(QIODevice::ReadOnly);
    QAudioSink* sink = sink_.get();
    const qint64 bytesPerSecond =
        static_cast<qint64>(format.sampleRate) * format.channels * format.bitsPerSample / 8;
    const qint64 duration = static_cast<qint64>(samples.size()) * 1000 / bytesPerSecond;
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(sink, &QAudioSink::stateChanged, sink, [=, this](QAudio::State state) {
        // Idle once the device holds every sample: the sound is over when it has had its
        // time. The sink is left alone, since stopping it silences what the device still holds.
        if (state != QAudio::IdleState || sink != sink_.get()) return;
        const qint64 left = std::max<qint64>(duration - started->elapsed(), 0);
        QTimer::singleShot(left, sink, [this, sink] {
            if (sink != sink_.get() || !playing_) return;
            playing_ = false;
            if (finished) finished();
        });
    });
    sink->start(buffer);
    if (sink->error() != QAudio::NoError) {
        retire();
        return false;
    }
    playing_ = true;
    return true;
}

void QtAudioOutput::stop() {
    retire();
}

void QtAudioOutput::retire() {
    playing_ = false;
    if (!sink_) return;
    QAudioSink* sink = sink_.release();
    QObject::disconnect(sink, nullptr, nullptr, nullptr);
    sink->stop();
    sink->deleteLater();
}

} // namespace tarlix
