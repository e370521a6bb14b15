#include "engine/Sounds.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QThread>
#include <functional>
#include <set>

#include "art/Sounds.h"
#include "engine/SoundSettings.h"
#include "platform/SoundPlayer.h"
#include "support/TestSupport.h"

namespace {

// What reached the sound device: the resource name (or "file:" and the path) and mode.
struct TPlayed {
  QString Sound;
  TSoundMode Mode;
  bool operator==(const TPlayed& o) const { return Sound == o.Sound && Mode == o.Mode; }
};

void PrintTo(const TPlayed& p, std::ostream* os) { *os << p.Sound.toStdString() << "/" << p.Mode; }

class TRecordingDevice : public TSoundDevice {
public:
  void Play(const QByteArray& wav, TSoundMode mode) override {
    QString name = "unknown";
    for (const QString& n : SoundResourceNames())
      if (SoundResource(n) == wav) name = n;
    Played.push_back({name, mode});
  }
  void PlayFile(const QString& fileName, TSoundMode mode) override {
    Played.push_back({"file:" + fileName, mode});
  }
  std::vector<TPlayed> Played;
};

class TTestSettings : public TSoundSettings {
public:
  bool IsSoundOn(int id) const override { return Master && Switches.count(id) > 0; }
  QString StartupSoundFile() const override { return File; }
  int GetAutoplayDelay() const override { return Delay; }
  bool IsSoundEnabled() const override { return Master; }

  bool Master = true;
  std::set<int> Switches{0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  QString File;
  int Delay = 0;
};

class SoundManagerTest : public ::testing::Test {
protected:
  void SetUp() override {
    SetSoundDevice(&FDevice);
    SetSoundSettings(&FSettings);
  }
  void TearDown() override {
    SetSoundDevice(nullptr);
    SetSoundSettings(nullptr);
  }
  TRecordingDevice FDevice;
  TTestSettings FSettings;
  TSoundManager FSounds;
};

struct TOperation {
  const char* Name;
  std::function<void(TSoundManager&)> Call;
  int Switch;
  TPlayed Expected;
};

const std::vector<TOperation>& Operations() {
  static const std::vector<TOperation> ops = {
      {"PlayStartup", [](TSoundManager& s) { s.PlayStartup(false); }, 0, {"OPEN", smAsync}},
      {"PlayShuffle", [](TSoundManager& s) { s.PlayShuffle(); }, 2, {"SHUFFLE", smSync}},
      {"PlayDeal", [](TSoundManager& s) { s.PlayDeal(); }, 3, {"DEAL", smSync}},
      {"PlayStock", [](TSoundManager& s) { s.PlayStock(); }, 4, {"STOCK", smSync}},
      {"PlayRestart", [](TSoundManager& s) { s.PlayRestart(); }, 5, {"RESTART", smSync}},
      {"PlayAutoplayStep", [](TSoundManager& s) { s.PlayAutoplayStep(); }, 6, {"AUTOPLAY", smSync}},
      {"PlayAutoplay", [](TSoundManager& s) { s.PlayAutoplay(); }, 6, {"AUTOPLAY", smAsync}},
      {"PlayUndo", [](TSoundManager& s) { s.PlayUndo(); }, 7, {"UNDO", smSync}},
      {"PlayRedo", [](TSoundManager& s) { s.PlayRedo(); }, 8, {"REDO", smSync}},
      {"PlayCardUp", [](TSoundManager& s) { s.PlayCardUp(); }, 9, {"CARDUP", smAsync}},
      {"PlayCardDown", [](TSoundManager& s) { s.PlayCardDown(); }, 10, {"CARDDOWN", smAsync}},
      {"PlayCardDownSync", [](TSoundManager& s) { s.PlayCardDownSync(); }, 10, {"CARDDOWN", smSync}},
      {"PlayWin", [](TSoundManager& s) { s.PlayWin(); }, 11, {"WIN_SND", smAsync}},
      {"PlayBoing(1)", [](TSoundManager& s) { s.PlayBoing(1); }, 12, {"BOING1", smNoStop}},
      {"PlayBoing(2)", [](TSoundManager& s) { s.PlayBoing(2); }, 12, {"BOING2", smNoStop}},
  };
  return ops;
}

}  // namespace

TEST_F(SoundManagerTest, EachOperationPlaysItsSoundInItsModeBehindItsSwitch) {
  for (const TOperation& op : Operations()) {
    SCOPED_TRACE(op.Name);
    FDevice.Played.clear();
    FSettings.Switches = {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    op.Call(FSounds);
    ASSERT_EQ(FDevice.Played.size(), 1u);
    EXPECT_EQ(FDevice.Played[0], op.Expected);

    // Only its own switch silences it.
    FDevice.Played.clear();
    FSettings.Switches.erase(op.Switch);
    op.Call(FSounds);
    EXPECT_TRUE(FDevice.Played.empty());
    FSettings.Switches = {op.Switch};
    op.Call(FSounds);
    EXPECT_EQ(FDevice.Played.size(), 1u);
  }
}

TEST_F(SoundManagerTest, NothingPlaysWithSoundOffOrWithoutSettings) {
  FSettings.Master = false;
  for (const TOperation& op : Operations()) op.Call(FSounds);
  FSounds.PlayJester();
  EXPECT_TRUE(FDevice.Played.empty());

  FSettings.Master = true;
  SetSoundSettings(nullptr);
  for (const TOperation& op : Operations()) op.Call(FSounds);
  FSounds.PlayJester();
  FSounds.PlayStartup(true);
  EXPECT_TRUE(FDevice.Played.empty());
}

TEST_F(SoundManagerTest, JesterAsksOnlyTheMasterSwitch) {
  FSettings.Switches.clear();
  FSounds.PlayJester();
  ASSERT_EQ(FDevice.Played.size(), 1u);
  EXPECT_EQ(FDevice.Played[0], (TPlayed{"JESTER", smAsync}));
  FSettings.Master = false;
  FSounds.PlayJester();
  EXPECT_EQ(FDevice.Played.size(), 1u);
}

TEST_F(SoundManagerTest, StartupForcedOrWithTheCustomFile) {
  FSettings.Switches = {};
  FSounds.PlayStartup(false);
  EXPECT_TRUE(FDevice.Played.empty());
  FSounds.PlayStartup(true);
  ASSERT_EQ(FDevice.Played.size(), 1u);
  EXPECT_EQ(FDevice.Played[0], (TPlayed{"OPEN", smAsync}));

  FDevice.Played.clear();
  FSettings.Switches = {0, 1};
  FSettings.File = "/home/someone/fanfare.wav";
  FSounds.PlayStartup(false);
  ASSERT_EQ(FDevice.Played.size(), 1u);
  EXPECT_EQ(FDevice.Played[0], (TPlayed{"file:/home/someone/fanfare.wav", smAsync}));

  // Custom switch on but no file chosen: silence rather than the built-in sound.
  FDevice.Played.clear();
  FSettings.File.clear();
  FSounds.PlayStartup(true);
  EXPECT_TRUE(FDevice.Played.empty());
}

TEST_F(SoundManagerTest, AutoplayStepPausesEvenWithSoundOff) {
  FSettings.Master = false;
  FSettings.Delay = 120;
  QElapsedTimer clock;
  clock.start();
  FSounds.PlayAutoplayStep();
  EXPECT_GE(clock.elapsed(), 115);
  EXPECT_TRUE(FDevice.Played.empty());

  FSettings.Delay = 0;
  clock.restart();
  FSounds.PlayAutoplayStep();
  EXPECT_LT(clock.elapsed(), 100);
}

TEST(SoundSettingsFallback, MasterSwitchIsOnWhenAnySwitchIs) {
  struct TPlain : TSoundSettings {
    bool IsSoundOn(int id) const override { return id == On; }
    QString StartupSoundFile() const override { return {}; }
    int GetAutoplayDelay() const override { return 0; }
    int On = 12;
  } plain;
  EXPECT_TRUE(plain.IsSoundEnabled());
  plain.On = -1;
  EXPECT_FALSE(plain.IsSoundEnabled());
}

// The real player, on a PCM that accepts everything (or on none at all).
class SoundManagerWithPlayer : public ::testing::Test {
protected:
  void TearDown() override {
    SetSoundDevice(nullptr);
    SetSoundSettings(nullptr);
  }
  TTestSettings FSettings;
  TSoundManager FSounds;
};

TEST_F(SoundManagerWithPlayer, NoDeviceIsSilentAndImmediate) {
  TSoundPlayer none(QStringLiteral("no-such-pcm-device"));
  SetSoundDevice(&none);
  SetSoundSettings(&FSettings);
  QElapsedTimer clock;
  clock.start();
  for (int i = 0; i < 5; ++i)
    for (const TOperation& op : Operations()) op.Call(FSounds);
  FSounds.PlayJester();
  EXPECT_LT(clock.elapsed(), 500);
  EXPECT_EQ(none.StartedCount(), 0);
}

TEST_F(SoundManagerWithPlayer, SynchronousSoundsLastTheirLengthAndSpringsYield) {
  TSoundPlayer player(QStringLiteral("null"));
  if (!player.HasDevice()) GTEST_SKIP() << "ALSA null device not available";
  SetSoundDevice(&player);
  SetSoundSettings(&FSettings);
  QElapsedTimer clock;
  clock.start();
  FSounds.PlayShuffle();  // 80 ms
  EXPECT_GE(clock.elapsed(), 75);
  EXPECT_EQ(player.StartedCount(), 1);

  // A spring requested while a card-down sound plays is dropped.
  FSounds.PlayCardDown();
  FSounds.PlayBoing(1);
  EXPECT_EQ(player.StartedCount(), 2);
  QThread::msleep(150);
  FSounds.PlayBoing(2);
  EXPECT_EQ(player.StartedCount(), 3);
}
