#pragma once

#include "settings/connectiontable.h"

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <memory>
#include <vector>

class QAudioSink;
class QBuffer;

namespace zuk::platform::ui {

// Plays the key clicks and synthesised notes. A new sound cuts the one still
// playing, so fast typing never queues up. Without an audio device it stays
// silent. The audio output is opened on the first sound, never at start-up.
class SoundPlayer final : public QObject {
public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // The key-sound callback of the document windows: the typed byte ('\r' for
    // Enter) with the sound settings of the program.
    void keySound(char typed, const settings::RSoundSettings& sound);

    // Plays mono signed 16-bit samples at the given rate.
    void play(std::vector<int16_t> samples, int sampleRate);

private:
    void stop();

    std::unique_ptr<QAudioSink> m_sink;
    std::unique_ptr<QBuffer> m_buffer;
    int m_rate = 0;
};

} // namespace zuk::platform::ui
