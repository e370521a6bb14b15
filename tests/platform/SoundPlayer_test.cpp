#include "platform/SoundPlayer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <cmath>
#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/TestSupport.h"

namespace {

void PutLe16(QByteArray& b, int v) {
  b.append(char(v & 0xFF));
  b.append(char((v >> 8) & 0xFF));
}
void PutLe32(QByteArray& b, quint32 v) {
  for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xFF));
}

// A tone of the given length as a WAVE image with the given format tag and sample size.
QByteArray ToneWav(int ms, int rate = 22050, int channels = 1, int bits = 16, int tag = 1) {
  const int frames = rate * ms / 1000;
  const int frameBytes = channels * bits / 8;
  QByteArray data;
  for (int i = 0; i < frames; ++i)
    for (int c = 0; c < channels; ++c) {
      const double s = 0.5 * std::sin(2 * M_PI * 440.0 * i / rate);
      if (bits == 8) {
        data.append(char(128 + int(s * 127)));
      } else {
        const qint64 v = qint64(s * double((qint64(1) << (bits - 1)) - 1));
        for (int k = 0; k < bits / 8; ++k) data.append(char((v >> (8 * k)) & 0xFF));
      }
    }
  QByteArray fmt;
  PutLe16(fmt, tag);
  PutLe16(fmt, channels);
  PutLe32(fmt, quint32(rate));
  PutLe32(fmt, quint32(rate * frameBytes));
  PutLe16(fmt, frameBytes);
  PutLe16(fmt, bits);
  if (tag == 0xFFFE) {
    PutLe16(fmt, 22);
    PutLe16(fmt, bits);
    PutLe32(fmt, channels == 1 ? 4 : 3);
    fmt.append(QByteArray::fromHex("0100000000001000800000aa00389b71"));
  }
  QByteArray wav("RIFF");
  PutLe32(wav, quint32(4 + 8 + fmt.size() + 8 + data.size()));
  wav.append("WAVEfmt ");
  PutLe32(wav, quint32(fmt.size()));
  wav.append(fmt);
  wav.append("data");
  PutLe32(wav, quint32(data.size()));
  wav.append(data);
  return wav;
}

}  // namespace

TEST(WavParsing, ReadsPlainAndExtensiblePcm) {
  auto mono = ParseWav(ToneWav(100));
  ASSERT_TRUE(mono);
  EXPECT_EQ(mono->SampleRate, 22050);
  EXPECT_EQ(mono->Channels, 1);
  EXPECT_EQ(mono->BitsPerSample, 16);
  EXPECT_EQ(mono->FrameCount(), 2205);
  EXPECT_EQ(mono->DurationMs(), 100);

  auto stereo24 = ParseWav(ToneWav(50, 48000, 2, 24, 0xFFFE));
  ASSERT_TRUE(stereo24);
  EXPECT_EQ(stereo24->Channels, 2);
  EXPECT_EQ(stereo24->BitsPerSample, 24);
  EXPECT_EQ(stereo24->FrameCount(), 2400);

  auto u8 = ParseWav(ToneWav(20, 11025, 1, 8));
  ASSERT_TRUE(u8);
  EXPECT_EQ(u8->BitsPerSample, 8);
}

TEST(WavParsing, RefusesWhatItCannotPlay) {
  const QByteArray good = ToneWav(100);
  EXPECT_FALSE(ParseWav(QByteArray()));
  EXPECT_FALSE(ParseWav("RIFF\x10\0\0\0WAVE"));
  EXPECT_FALSE(ParseWav(QByteArray("not a sound at all, just some text")));
  // Header cut inside the format chunk, and data chunk shorter than it says.
  EXPECT_FALSE(ParseWav(good.left(30)));
  EXPECT_FALSE(ParseWav(good.left(good.size() - 10)));
  // Floating-point and compressed encodings.
  EXPECT_FALSE(ParseWav(ToneWav(100, 22050, 1, 32, 3)));
  EXPECT_FALSE(ParseWav(ToneWav(100, 22050, 1, 16, 2)));
  // A format chunk that does not match its frames, and an empty data chunk.
  QByteArray badAlign = good;
  badAlign[32] = 3;
  EXPECT_FALSE(ParseWav(badAlign));
  EXPECT_FALSE(ParseWav(ToneWav(0)));
}

// A FIFO where a sound file should be: opening it for reading would wait for a writer.
QString MakeFifo(const PellamyTest::TScopedConfigDir& dir, const char* name) {
  const QString path = dir.File(name);
  EXPECT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
  return path;
}

TEST(SoundPlayerNoDevice, IsSilentAndImmediate) {
  PellamyTest::TScopedConfigDir dir;
  const QString fifo = MakeFifo(dir, "startup.wav");
  const PellamyTest::TWatchdog watchdog("sound file that is a FIFO, without a device", std::chrono::seconds(10));
  TSoundPlayer player(QStringLiteral("no-such-pcm-device"));
  EXPECT_FALSE(player.HasDevice());
  QElapsedTimer clock;
  clock.start();
  player.Play(ToneWav(1500), smSync);
  player.Play(ToneWav(1500), smAsync);
  player.Play(ToneWav(1500), smNoStop);
  player.PlayFile(QStringLiteral("/no/such/file.wav"), smSync);
  player.PlayFile(fifo, smAsync);
  EXPECT_LT(clock.elapsed(), 500);
  EXPECT_FALSE(player.IsPlaying());
  EXPECT_EQ(player.StartedCount(), 0);
}

// The "null" PCM takes any data at once, so the player's own timing is what is seen.
class SoundPlayerOnNullDevice : public ::testing::Test {
protected:
  void SetUp() override {
    if (!FPlayer.HasDevice()) GTEST_SKIP() << "ALSA null device not available";
  }
  TSoundPlayer FPlayer{QStringLiteral("null")};
};

TEST_F(SoundPlayerOnNullDevice, SynchronousPlayBlocksForTheSoundsLength) {
  QElapsedTimer clock;
  clock.start();
  FPlayer.Play(ToneWav(200), smSync);
  EXPECT_GE(clock.elapsed(), 190);
  EXPECT_FALSE(FPlayer.IsPlaying());
  EXPECT_EQ(FPlayer.StartedCount(), 1);
}

TEST_F(SoundPlayerOnNullDevice, AsynchronousPlayReturnsAtOnceAndCutsTheCurrentSound) {
  QElapsedTimer clock;
  clock.start();
  FPlayer.Play(ToneWav(3000), smAsync);
  EXPECT_LT(clock.elapsed(), 1000);
  EXPECT_TRUE(FPlayer.IsPlaying());
  // A second sound replaces the long one: once it is over nothing plays.
  FPlayer.Play(ToneWav(100), smSync);
  EXPECT_EQ(FPlayer.StartedCount(), 2);
  QThread::msleep(100);
  EXPECT_FALSE(FPlayer.IsPlaying());
}

TEST_F(SoundPlayerOnNullDevice, NoStopPlayIsDroppedWhileASoundPlays) {
  FPlayer.Play(ToneWav(3000), smAsync);
  FPlayer.Play(ToneWav(100), smNoStop);
  EXPECT_EQ(FPlayer.StartedCount(), 1);
  FPlayer.Play(ToneWav(50), smSync);  // cuts the long one
  FPlayer.Play(ToneWav(50), smNoStop);
  EXPECT_EQ(FPlayer.StartedCount(), 3);
}

TEST_F(SoundPlayerOnNullDevice, BadFilesPlayNothingAndLeaveThePlayerWorking) {
  PellamyTest::TScopedConfigDir dir;
  const QByteArray good = ToneWav(60);
  PellamyTest::WriteFileBytes(dir.File("cut.wav"), good.left(good.size() / 2));
  PellamyTest::WriteFileBytes(dir.File("float.wav"), ToneWav(60, 22050, 1, 32, 3));
  PellamyTest::WriteFileBytes(dir.File("empty.wav"), QByteArray());
  PellamyTest::WriteFileBytes(dir.File("good.wav"), good);
  FPlayer.PlayFile(dir.File("missing.wav"), smSync);
  FPlayer.PlayFile(dir.File("cut.wav"), smSync);
  FPlayer.PlayFile(dir.File("float.wav"), smSync);
  FPlayer.PlayFile(dir.File("empty.wav"), smSync);
  FPlayer.PlayFile(dir.Path(), smSync);
  {
    const PellamyTest::TWatchdog watchdog("sound file that is a FIFO", std::chrono::seconds(10));
    FPlayer.PlayFile(MakeFifo(dir, "fifo.wav"), smSync);
  }
  EXPECT_EQ(FPlayer.StartedCount(), 0);
  FPlayer.PlayFile(dir.File("good.wav"), smSync);
  EXPECT_EQ(FPlayer.StartedCount(), 1);
  EXPECT_TRUE(FPlayer.HasDevice());
}

TEST_F(SoundPlayerOnNullDevice, PlaysEveryPcmLayoutOneAfterAnother) {
  FPlayer.Play(ToneWav(30, 8000, 1, 8), smSync);
  FPlayer.Play(ToneWav(30, 44100, 2, 16), smSync);
  FPlayer.Play(ToneWav(30, 48000, 2, 24), smSync);
  FPlayer.Play(ToneWav(30, 22050, 1, 32), smSync);
  EXPECT_EQ(FPlayer.StartedCount(), 4);
  EXPECT_TRUE(FPlayer.HasDevice());
}

TEST(SoundPlayerStuckDevice, QuitReturnsWhileTheDeviceTakesNoData) {
  // ALSA's file plug-in writing into a FIFO that nobody reads: once the pipe is full, the
  // audio thread is stuck inside the write, as with a device that stopped taking data.
  PellamyTest::TScopedConfigDir dir;
  const QString fifo = MakeFifo(dir, "device");
  const int reader = open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  auto* oldPipeHandler = std::signal(SIGPIPE, SIG_IGN);
  {
    const PellamyTest::TWatchdog watchdog("quitting with a stuck sound device", std::chrono::seconds(10));
    auto player = std::make_unique<TSoundPlayer>(QStringLiteral("file:'") + fifo + QStringLiteral("',raw"));
    if (!player->HasDevice()) {
      close(reader);
      GTEST_SKIP() << "ALSA file plug-in not available";
    }
    player->Play(ToneWav(3000, 44100, 2, 16), smAsync);  // far more than the pipe holds
    QThread::msleep(300);
    QElapsedTimer clock;
    clock.start();
    player.reset();
    EXPECT_LT(clock.elapsed(), 2500);
  }
  // The abandoned thread gets its write back as an error and ends.
  close(reader);
  QThread::msleep(100);
  std::signal(SIGPIPE, oldPipeHandler);
}
