#pragma once

#include "settings/connectiontable.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QIODevice;

namespace zuk::platform::ui {

class AudioOutput;

// Plays the key clicks and synthesised notes. A new sound cuts the one still
// playing, so fast typing never queues up. Without an audio device, or
// without the sound module, it stays silent. The module and the audio output
// are loaded on the first sound, never at start-up.
class SoundPlayer final : public QObject {
public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // The key-sound callback of the document windows: the typed byte ('\r' for
    // Enter) with the sound settings of the program.
    void keySound(char typed, const settings::RSoundSettings& sound);

    // Plays mono signed 16-bit samples at the given rate.
    void play(std::vector<int16_t> samples, int sampleRate);

    // Plays mono signed 16-bit samples that `source` makes as they are read,
    // so a long sound is never held whole; the player owns the source until
    // the sound ends or stops. False (nothing plays) without an audio device.
    bool playStream(std::unique_ptr<QIODevice> source, int sampleRate);
    // Whether an audio device could play at this rate.
    static bool canPlay(int sampleRate);

    void stop();
    bool isPlaying() const;
    // Called when a sound has played to its end (not when it was stopped).
    std::function<void()> finished;

    // Where the sound module is looked for: beside the program, then in the
    // installed place. Empty when neither holds it.
    static std::string modulePath(const std::string& executableFolder);

private:
    void drained();

    AudioOutput* m_output = nullptr; // child, made on the first sound
    std::unique_ptr<QIODevice> m_source;
};

} // namespace zuk::platform::ui
