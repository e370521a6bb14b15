#include "art/Sounds.h"

#include <gtest/gtest.h>

#include <QtEndian>
#include <cmath>

namespace {

// Sounds the games play synchronously: each blocks the user interface while it plays.
const char* const SynchronousSounds[] = {"SHUFFLE", "DEAL",    "STOCK", "RESTART",
                                         "AUTOPLAY", "UNDO", "REDO",  "CARDDOWN"};

quint32 At32(const QByteArray& b, int pos) { return qFromLittleEndian<quint32>(b.constData() + pos); }
quint16 At16(const QByteArray& b, int pos) { return qFromLittleEndian<quint16>(b.constData() + pos); }

qint64 DurationMs(const QByteArray& wav) { return qint64(At32(wav, 40)) / 2 * 1000 / 22050; }

}  // namespace

TEST(BuiltInSounds, EveryNameIsA22kHzMono16BitPcmWave) {
  const QStringList names = SoundResourceNames();
  EXPECT_EQ(names,
            QStringList({"OPEN", "SHUFFLE", "DEAL", "STOCK", "AUTOPLAY", "RESTART", "UNDO", "REDO",
                         "CARDUP", "CARDDOWN", "WIN_SND", "BOING1", "BOING2", "JESTER"}));
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    const QByteArray wav = SoundResource(name);
    ASSERT_GT(wav.size(), 44);
    EXPECT_EQ(wav.left(4), "RIFF");
    EXPECT_EQ(At32(wav, 4), quint32(wav.size() - 8));
    EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(At32(wav, 16), 16u);
    EXPECT_EQ(At16(wav, 20), 1);      // PCM
    EXPECT_EQ(At16(wav, 22), 1);      // mono
    EXPECT_EQ(At32(wav, 24), 22050u);
    EXPECT_EQ(At32(wav, 28), 44100u);  // bytes per second
    EXPECT_EQ(At16(wav, 32), 2);
    EXPECT_EQ(At16(wav, 34), 16);
    EXPECT_EQ(wav.mid(36, 4), "data");
    EXPECT_EQ(At32(wav, 40), quint32(wav.size() - 44));
  }
}

TEST(BuiltInSounds, AreAudibleAndNotClipped) {
  for (const QString& name : SoundResourceNames()) {
    SCOPED_TRACE(name.toStdString());
    const QByteArray wav = SoundResource(name);
    const int count = int(At32(wav, 40)) / 2;
    int peak = 0;
    int atFullScale = 0;
    double energy = 0;
    for (int i = 0; i < count; ++i) {
      const int s = qint16(At16(wav, 44 + 2 * i));
      peak = std::max(peak, std::abs(s));
      if (s >= 32767 || s <= -32767) ++atFullScale;
      energy += double(s) * s;
    }
    const double rms = std::sqrt(energy / count);
    EXPECT_EQ(atFullScale, 0);
    EXPECT_LT(peak, 32000);
    EXPECT_GT(peak, 8000);
    EXPECT_GT(rms, 1000.0);
    // Starts and ends without a click.
    EXPECT_LT(std::abs(qint16(At16(wav, 44 + 2 * (count - 1)))), 200);
  }
}

TEST(BuiltInSounds, SynchronousOnesAreShortAndTheOthersHaveRoomToRing) {
  for (const char* name : SynchronousSounds) {
    SCOPED_TRACE(name);
    EXPECT_LE(DurationMs(SoundResource(name)), 80);
  }
  EXPECT_GE(DurationMs(SoundResource("WIN_SND")), 800);
  EXPECT_GE(DurationMs(SoundResource("OPEN")), 500);
  EXPECT_GE(DurationMs(SoundResource("BOING1")), 200);
  EXPECT_NE(SoundResource("BOING1"), SoundResource("BOING2"));
  EXPECT_NE(SoundResource("UNDO"), SoundResource("REDO"));
}

TEST(BuiltInSounds, UnknownNamesAreEmptyAndKnownOnesAreStable) {
  EXPECT_TRUE(SoundResource("").isEmpty());
  EXPECT_TRUE(SoundResource("BOING3").isEmpty());
  EXPECT_TRUE(SoundResource("open").isEmpty());
  const QByteArray first = SoundResource("SHUFFLE");
  EXPECT_EQ(SoundResource("SHUFFLE"), first);
  // Same bytes on every run: a fingerprint of the synthesis.
  EXPECT_EQ(first.size(), 44 + 2 * 1764);
}
