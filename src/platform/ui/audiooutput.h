#pragma once

#include <QObject>

#include <functional>

class QIODevice;

namespace zuk::platform::ui {

// One audio output of the sound module. The module holds everything that
// speaks to the sound system (Qt Multimedia and the two dozen libraries it
// brings), so the program loads it on its first sound rather than at every
// start.
class AudioOutput : public QObject {
public:
    using QObject::QObject;

    // Opens the default device for mono signed 16-bit samples at this rate;
    // false where there is no device or it cannot play the rate.
    virtual bool open(int sampleRate) = 0;
    // Plays what `source` gives until it ends or stop() is called; the caller
    // keeps the source alive until then.
    virtual void start(QIODevice* source) = 0;
    virtual void stop() = 0;
    // Whether a sound started and was neither stopped nor played out.
    virtual bool isActive() const = 0;

    // Called when the device has played everything it was given.
    std::function<void()> drained;
};

// The module's entry points, looked up by these names.
using CanPlayFunction = bool (*)(int sampleRate);
using CreateOutputFunction = AudioOutput* (*)();
inline constexpr char kCanPlayEntry[] = "zuk_sound_can_play";
inline constexpr char kCreateOutputEntry[] = "zuk_sound_create_output";
// The module's file name: beside the program in the build tree and a
// portable folder, in ../libexec/zuk/ from it where the program is installed
// (beside the plug-in helper).
inline constexpr char kSoundModuleName[] = "zuk-sound.so";

} // namespace zuk::platform::ui
