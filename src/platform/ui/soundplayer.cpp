#include "platform/ui/soundplayer.h"

#include "platform/tonegen.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

namespace zuk::platform::ui {

namespace {

QAudioFormat formatFor(int sampleRate)
{
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer()
{
    finished = nullptr;
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
    m_source.reset();
}

bool SoundPlayer::isPlaying() const
{
    return m_source && m_sink && m_sink->state() != QAudio::StoppedState;
}

bool SoundPlayer::canPlay(int sampleRate)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    return !device.isNull() && device.isFormatSupported(formatFor(sampleRate));
}

bool SoundPlayer::openSink(int sampleRate)
{
    if (m_sink && m_rate == sampleRate)
        return true;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(formatFor(sampleRate)))
        return false;
    m_sink = std::make_unique<QAudioSink>(device, formatFor(sampleRate));
    m_rate = sampleRate;
    connect(m_sink.get(), &QAudioSink::stateChanged, this, [this] { stateChanged(); });
    return true;
}

// A sink that runs dry after its source ended has played it all.
void SoundPlayer::stateChanged()
{
    if (!m_sink || !m_source || m_sink->state() != QAudio::IdleState || !m_source->atEnd())
        return;
    m_sink->stop();
    m_source.reset();
    if (finished)
        finished();
}

void SoundPlayer::play(std::vector<int16_t> samples, int sampleRate)
{
    if (samples.empty())
        return;
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(QByteArray(reinterpret_cast<const char*>(samples.data()),
                               static_cast<qsizetype>(samples.size() * sizeof(int16_t))));
    buffer->open(QIODevice::ReadOnly);
    playStream(std::move(buffer), sampleRate);
}

bool SoundPlayer::playStream(std::unique_ptr<QIODevice> source, int sampleRate)
{
    stop();
    if (!source || !openSink(sampleRate))
        return false;
    m_source = std::move(source);
    m_sink->start(m_source.get());
    return true;
}

} // namespace zuk::platform::ui
