// The sound module, loaded on the first sound: where it is found, that it
// answers through its entry points, and a player that has none stays silent.

#include "platform/ui/audiooutput.h"
#include "platform/ui/soundplayer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace zuk::platform::ui;

TEST(SoundModule, IsFoundBesideTheProgramFirstThenInItsInstalledPlace)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QDir dir(root.path());
    ASSERT_TRUE(dir.mkpath(QStringLiteral("bin")) && dir.mkpath(QStringLiteral("libexec/zuk")));
    const std::string bin = (root.path() + QStringLiteral("/bin/")).toStdString();
    const QString installed = root.path() + QStringLiteral("/libexec/zuk/zuk-sound.so");
    const QString beside = root.path() + QStringLiteral("/bin/zuk-sound.so");

    EXPECT_EQ(SoundPlayer::modulePath(bin), "");

    QFile(installed).open(QIODevice::WriteOnly);
    EXPECT_EQ(SoundPlayer::modulePath(bin), bin + "../libexec/zuk/zuk-sound.so");

    QFile(beside).open(QIODevice::WriteOnly);
    EXPECT_EQ(SoundPlayer::modulePath(bin), beside.toStdString());
}

// The module as built: both entry points resolve and answer, with or without
// an audio device on the machine.
TEST(SoundModule, LoadsAndAnswersThroughItsEntryPoints)
{
    QLibrary library(QStringLiteral(ZUK_SOUND_MODULE));
    ASSERT_TRUE(library.load()) << library.errorString().toStdString();
    auto canPlay = reinterpret_cast<CanPlayFunction>(library.resolve(kCanPlayEntry));
    auto createOutput = reinterpret_cast<CreateOutputFunction>(library.resolve(kCreateOutputEntry));
    ASSERT_TRUE(canPlay && createOutput);

    const bool device = canPlay(22050);
    std::unique_ptr<AudioOutput> output(createOutput());
    ASSERT_TRUE(output);
    EXPECT_FALSE(output->isActive());
    EXPECT_EQ(output->open(22050), device);
    if (device) {
        QBuffer silence;
        silence.setData(QByteArray(4410, '\0'));
        silence.open(QIODevice::ReadOnly);
        output->start(&silence);
        EXPECT_TRUE(output->isActive());
        output->stop();
        EXPECT_FALSE(output->isActive());
    }
}

// The test program has no module beside it: every sound is refused quietly.
TEST(SoundPlayer, WithoutTheModuleStaysSilent)
{
    SoundPlayer player;
    bool finished = false;
    player.finished = [&finished] { finished = true; };
    EXPECT_FALSE(SoundPlayer::canPlay(22050));
    auto source = std::make_unique<QBuffer>();
    source->open(QIODevice::ReadOnly);
    EXPECT_FALSE(player.playStream(std::move(source), 22050));
    player.play(std::vector<int16_t>(100, 1000), 22050);
    EXPECT_FALSE(player.isPlaying());
    player.stop();
    EXPECT_FALSE(finished);
}
