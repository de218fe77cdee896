#pragma once

#include "organizer/melody.h"

#include <QIODevice>
#include <QObject>

#include <functional>
#include <string_view>

namespace zuk::platform::ui {
class SoundPlayer;
}

namespace zuk::organizer::ui {

// The samples of a melody as a device the audio output reads from: each
// read makes only the samples asked for.
class TMelodyDevice final : public QIODevice {
public:
    explicit TMelodyDevice(std::vector<int> notes);

    const MelodyStream& stream() const { return m_stream; }
    bool atEnd() const override { return m_stream.atEnd(); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    MelodyStream m_stream;
};

// Plays the note letters and digits of a text one after the other while the
// program goes on; a new melody or stop() ends the one playing.
class TMelodyPlayer final : public QObject {
public:
    explicit TMelodyPlayer(QObject* parent);
    ~TMelodyPlayer() override;

    enum class Start { Playing, NoNotes, NoDevice };
    Start play(std::string_view text);
    void stop();
    bool isPlaying() const;

    // The melody played to its end.
    std::function<void()> finished;

private:
    platform::ui::SoundPlayer* m_player = nullptr; // child
};

} // namespace zuk::organizer::ui
