#include "ui/tones.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>

#include <cmath>
#include <numbers>

namespace velmora::ui {

void playTone(int frequencyHz, int durationMs)
{
    if (frequencyHz <= 0 || durationMs <= 0) return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;

    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) format = device.preferredFormat();
    if (format.sampleFormat() != QAudioFormat::Int16 || format.channelCount() != 1) {
        format.setSampleFormat(QAudioFormat::Int16);
        format.setChannelCount(1);
        if (!device.isFormatSupported(format)) return;
    }

    const int rate = format.sampleRate();
    const int samples = rate * durationMs / 1000;
    QByteArray pcm(samples * 2, '\0');
    auto* out = reinterpret_cast<qint16*>(pcm.data());
    const int fade = std::min(samples / 10, rate / 200);  // no click at either end
    for (int i = 0; i < samples; ++i) {
        double amplitude = 0.3;
        if (fade > 0 && i < fade) amplitude *= static_cast<double>(i) / fade;
        if (fade > 0 && samples - i < fade) amplitude *= static_cast<double>(samples - i) / fade;
        out[i] = static_cast<qint16>(amplitude * 32767.0 * std::sin(2.0 * std::numbers::pi * frequencyHz * i / rate));
    }

    QBuffer buffer(&pcm);
    buffer.open(QIODevice::ReadOnly);
    QAudioSink sink(device, format);
    QEventLoop loop;
    QObject::connect(&sink, &QAudioSink::stateChanged, &loop, [&](QAudio::State state) {
        if (state == QAudio::IdleState || state == QAudio::StoppedState) loop.quit();
    });
    QTimer::singleShot(durationMs + 250, &loop, &QEventLoop::quit);
    sink.start(&buffer);
    if (sink.error() != QAudio::NoError) return;
    // The tone blocks like a beep: no user input meanwhile.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    sink.stop();
}

}  // namespace velmora::ui
