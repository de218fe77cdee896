#include "organizer/ui/melodyplayer.h"

#include "platform/tonegen.h"
#include "platform/ui/soundplayer.h"

#include <cstring>

namespace zuk::organizer::ui {

TMelodyDevice::TMelodyDevice(std::vector<int> notes) : m_stream(std::move(notes))
{
    open(QIODevice::ReadOnly);
}

qint64 TMelodyDevice::readData(char* data, qint64 maxSize)
{
    // Whole samples only, copied byte-wise: `data` need not be aligned.
    std::int16_t buffer[4096];
    qint64 done = 0;
    while (done + 2 <= maxSize && !m_stream.atEnd()) {
        const std::size_t want = std::min<std::size_t>(
            std::size(buffer), static_cast<std::size_t>((maxSize - done) / 2));
        const std::size_t got = m_stream.read(buffer, want);
        std::memcpy(data + done, buffer, got * sizeof(std::int16_t));
        done += static_cast<qint64>(got * sizeof(std::int16_t));
    }
    return done;
}

TMelodyPlayer::TMelodyPlayer(QObject* parent)
    : QObject(parent), m_player(new platform::ui::SoundPlayer(this))
{
    m_player->finished = [this] {
        if (finished)
            finished();
    };
}

TMelodyPlayer::~TMelodyPlayer()
{
    m_player->finished = nullptr;
}

TMelodyPlayer::Start TMelodyPlayer::play(std::string_view text)
{
    stop();
    std::vector<int> notes = melodyNotes(text);
    if (notes.empty())
        return Start::NoNotes;
    auto device = std::make_unique<TMelodyDevice>(std::move(notes));
    const int rate = device->stream().sampleRate();
    return m_player->playStream(std::move(device), rate) ? Start::Playing : Start::NoDevice;
}

void TMelodyPlayer::stop()
{
    m_player->stop();
}

bool TMelodyPlayer::isPlaying() const
{
    return m_player->isPlaying();
}

} // namespace zuk::organizer::ui
