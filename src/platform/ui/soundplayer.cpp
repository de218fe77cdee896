#include "platform/ui/soundplayer.h"

#include "platform/programfolder.h"
#include "platform/tonegen.h"
#include "platform/ui/audiooutput.h"

#include <QBuffer>
#include <QLibrary>

#include <unistd.h>

namespace zuk::platform::ui {

namespace {

struct SoundModule {
    CanPlayFunction canPlay = nullptr;
    CreateOutputFunction createOutput = nullptr;
};

// Loaded once, on the first question about sound, and kept for the run.
const SoundModule& soundModule()
{
    static const SoundModule module = [] {
        SoundModule m;
        const std::string path = SoundPlayer::modulePath(executableFolder());
        if (path.empty())
            return m;
        QLibrary library(QString::fromStdString(path));
        if (!library.load())
            return m;
        auto canPlay = reinterpret_cast<CanPlayFunction>(library.resolve(kCanPlayEntry));
        auto createOutput =
            reinterpret_cast<CreateOutputFunction>(library.resolve(kCreateOutputEntry));
        if (canPlay && createOutput) {
            m.canPlay = canPlay;
            m.createOutput = createOutput;
        }
        return m;
    }();
    return module;
}

} // namespace

std::string SoundPlayer::modulePath(const std::string& executableFolder)
{
    return programHelperPath(executableFolder, kSoundModuleName, R_OK);
}

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
    if (m_output)
        m_output->stop();
    m_source.reset();
}

bool SoundPlayer::isPlaying() const
{
    return m_source && m_output && m_output->isActive();
}

bool SoundPlayer::canPlay(int sampleRate)
{
    const SoundModule& module = soundModule();
    return module.canPlay && module.canPlay(sampleRate);
}

// An output that runs dry after its source ended has played it all.
void SoundPlayer::drained()
{
    if (!m_output || !m_source || !m_source->atEnd())
        return;
    m_output->stop();
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
    if (!source)
        return false;
    if (!m_output) {
        const SoundModule& module = soundModule();
        if (!module.createOutput)
            return false;
        m_output = module.createOutput();
        m_output->setParent(this);
        m_output->drained = [this] { drained(); };
    }
    if (!m_output->open(sampleRate))
        return false;
    m_source = std::move(source);
    m_output->start(m_source.get());
    return true;
}

} // namespace zuk::platform::ui
