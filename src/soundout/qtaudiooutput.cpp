// zuk-sound: the program's audio output, a module of its own so that Qt
// Multimedia is loaded only when the program first makes a sound.

#include "platform/ui/audiooutput.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <memory>

namespace {

using zuk::platform::ui::AudioOutput;

QAudioFormat formatFor(int sampleRate)
{
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

class QtAudioOutput final : public AudioOutput {
public:
    bool open(int sampleRate) override
    {
        if (m_sink && m_rate == sampleRate)
            return true;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull() || !device.isFormatSupported(formatFor(sampleRate)))
            return false;
        m_sink = std::make_unique<QAudioSink>(device, formatFor(sampleRate));
        m_rate = sampleRate;
        connect(m_sink.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
            if (state == QAudio::IdleState && drained)
                drained();
        });
        return true;
    }

    void start(QIODevice* source) override
    {
        if (m_sink)
            m_sink->start(source);
    }

    void stop() override
    {
        if (m_sink)
            m_sink->stop();
    }

    bool isActive() const override { return m_sink && m_sink->state() != QAudio::StoppedState; }

private:
    std::unique_ptr<QAudioSink> m_sink;
    int m_rate = 0;
};

} // namespace

extern "C" __attribute__((visibility("default"))) bool zuk_sound_can_play(int sampleRate)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    return !device.isNull() && device.isFormatSupported(formatFor(sampleRate));
}

extern "C" __attribute__((visibility("default"))) AudioOutput* zuk_sound_create_output()
{
    return new QtAudioOutput;
}
