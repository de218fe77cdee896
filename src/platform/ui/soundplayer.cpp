#include "platform/ui/soundplayer.h"

#include "platform/tonegen.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

namespace zuk::platform::ui {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer()
{
    stop();
}

void SoundPlayer::keySound(char typed, const settings::RSoundSettings& sound)
{
    if (sound.mode == 't') {
        const int rate = 22050;
        play(synthesizeClick(typed == '\r', rate), rate);
        return;
    }
    ToneParams p;
    p.waveform = sound.Waveform;
    p.frequency = sound.Frequency + 10 * static_cast<unsigned char>(typed);
    p.durationMs = sound.Duration;
    p.attack = sound.Attack;
    p.decay = sound.Decay;
    p.sustain = sound.Sustain;
    p.release = sound.Release;
    p.resolution = sound.Resolution;
    p.quality = sound.Quality;
    play(synthesizeTone(p), sampleRateFor(p.quality));
}

void SoundPlayer::stop()
{
    if (m_sink)
        m_sink->stop();
    if (m_buffer)
        m_buffer->close();
}

void SoundPlayer::play(std::vector<int16_t> samples, int sampleRate)
{
    if (samples.empty())
        return;
    stop();
    if (!m_sink || m_rate != sampleRate) {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return;
        QAudioFormat format;
        format.setSampleRate(sampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format))
            return;
        m_sink = std::make_unique<QAudioSink>(device, format);
        m_rate = sampleRate;
    }
    QByteArray bytes(reinterpret_cast<const char*>(samples.data()),
                     static_cast<qsizetype>(samples.size() * sizeof(int16_t)));
    m_buffer = std::make_unique<QBuffer>();
    m_buffer->setData(bytes);
    m_buffer->open(QIODevice::ReadOnly);
    m_sink->start(m_buffer.get());
}

} // namespace zuk::platform::ui
