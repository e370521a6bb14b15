#include <gtest/gtest.h>

#include <QSlider>

#include <QBuffer>
#include <QImage>
#include <QKeyEvent>
#include <QTest>
#include <tuple>
#include <vector>

#include "engine/Card.h"
#include "engine/SoundSettings.h"
#include "platform/IniFile.h"
#include "platform/Metrics.h"
#include "platform/Prompts.h"
#include "shell/Preferences.h"
#include "shell/PreferencesColors.h"
#include "support/TestSupport.h"

using PellamyTest::ReadFileBytes;
using PellamyTest::TScopedConfigDir;
using PellamyTest::WriteFileBytes;

namespace {

class PreferencesTest : public ::testing::Test {
protected:
  void SetUp() override {
    Metrics::SetDesktopSizeOverride(QSize(1280, 1024));
    Prompts::SetAnswerer([this](const Prompts::TPrompt& p) {
      Shown.push_back(p);
      return Prompts::IDOK;
    });
  }
  void TearDown() override {
    Prompts::ClearAnswerer();
    Metrics::SetDesktopSizeOverride(QSize());
  }

  QString Ini() const { return Config.File("Pellamy.ini"); }
  void WriteIni(const QByteArray& preferences) { WriteFileBytes(Ini(), "[Preferences]\r\n" + preferences); }
  QString Key(const QString& key) const { return TIniFile(Ini()).ReadString("Preferences", key, "<absent>"); }
  QString Picture(const QString& name, const char* format) {
    QImage image(40, 60, QImage::Format_RGB32);
    image.fill(QColor(200, 100, 0));
    const QString path = Config.File(name);
    EXPECT_TRUE(image.save(path, format));
    return path;
  }

  TScopedConfigDir Config;
  std::vector<Prompts::TPrompt> Shown;
};

QByteArray FirstRunFile(int cardSize) {
  return "[Preferences]\r\n"
         "CardSize=" + QByteArray::number(cardSize) + "\r\n"
         "SndVer=1\r\n"
         "SoundMask=3711\r\n"
         "RestoreLastGame=1\r\n"
         "BackgroundColor=0x00004000\r\n"
         "BackIndex=7\r\n"
         "DoAnimation=1\r\n"
         "DisableSound=0\r\n"
         "VegasScoring=0\r\n"
         "SmartDragging=1\r\n"
         "ShowTips=1\r\n"
         "CtrlKey=1\r\n"
         "UseImageLists=0\r\n"
         "SkipConfirms=0\r\n"
         "MinimizeToTray=0\r\n"
         "Aged=0\r\n"
         "3DPips=0\r\n"
         "BackgroundIndex=1\r\n"
         "GradientStartColor=0x00008800\r\n"
         "GradientEndColor=0x00002400\r\n"
         "GradientIndex=0\r\n"
         "AutoplaySpeed=50\r\n";
}

}  // namespace

TEST_F(PreferencesTest, FirstRunChoosesTheCardSizeFromTheDesktopWidth) {
  const std::vector<std::pair<int, int>> cases{{800, 0}, {801, 1}, {1399, 1}, {1400, 2}};
  for (const auto& [width, size] : cases) {
    SCOPED_TRACE(width);
    TScopedConfigDir fresh;
    Metrics::SetDesktopSizeOverride(QSize(width, 768));
    {
      TPreferencesDlg dlg;  // the settings file in the settings folder
      EXPECT_EQ(dlg.FCardSize, size);
      EXPECT_EQ(TCard::GetCardSize(), size);
      EXPECT_EQ(TCard::GetBackIndex(), 7);
      dlg.FormClose();
    }
    EXPECT_EQ(ReadFileBytes(fresh.File("Orrindale/Pellamy.ini")), FirstRunFile(size));
  }
  EXPECT_TRUE(Shown.empty());
}

TEST_F(PreferencesTest, FirstRunLaunchesNoGameAndShowsTheTip) {
  std::vector<QString> steps;
  TPreferencesStartup startup;
  startup.RestoreLastGame = [&](int game) { steps.push_back(QString("game %1").arg(game)); };
  startup.PlayStartupSound = [&] { steps.push_back("sound"); };
  startup.ShowTipOfTheDay = [&] {
    steps.push_back("tip");
    EXPECT_NE(PreferencesDlg, nullptr);
    return false;  // the user unticked "show tips at start-up"
  };
  TPreferencesDlg dlg(Ini(), startup);
  EXPECT_EQ(steps, (std::vector<QString>{"sound", "tip"}));
  EXPECT_FALSE(dlg.FShowTips);
  EXPECT_EQ(Key("ShowTips"), "0");
  EXPECT_EQ(Key("RestoreLastGame"), "1");
  EXPECT_EQ(Key("CardSize"), "1");
}

TEST_F(PreferencesTest, LastGameIsRestoredOnlyWhenAskedForAndValid) {
  auto launched = [&](const QByteArray& file) {
    WriteIni(file);
    int game = -1;
    TPreferencesStartup startup;
    startup.RestoreLastGame = [&](int g) { game = g; };
    TPreferencesDlg dlg(Ini(), startup);
    return game;
  };
  EXPECT_EQ(launched("RestoreLastGame=1\r\nLastGame=16\r\n"), 16);
  EXPECT_EQ(launched("RestoreLastGame=1\r\n"), 0);
  EXPECT_EQ(launched("RestoreLastGame=1\r\nLastGame=42\r\n"), -1);
  EXPECT_EQ(launched("RestoreLastGame=0\r\nLastGame=3\r\n"), -1);

  WriteIni("RestoreLastGame=0\r\n");
  TPreferencesDlg dlg(Ini());
  EXPECT_FALSE(dlg.FRestoreLastGameChecked);
  dlg.FormClose();
  EXPECT_EQ(Key("RestoreLastGame"), "0");
}

TEST_F(PreferencesTest, SoundMaskMigration) {
  struct TCase {
    QByteArray File;
    int Mask;
    QString Written;
  };
  const std::vector<TCase> cases{
      {"SoundMask=639\r\n", 0xE7F, "3711"},    // 0x27F: redo and springy added
      {"SoundMask=0\r\n", 0xC00, "3072"},      // everything off but the two new ones
      {"", 0xE7F, "3711"},                     // no mask at all
      {"SoundMask=junk\r\n", 0xE7F, "3711"},
      {"SndVer=1\r\nSoundMask=639\r\n", 0x27F, "639"},  // already migrated
      {"SndVer=1\r\n", 0xE7F, "<absent>"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.File.toStdString());
    WriteIni(c.File);
    TPreferencesDlg dlg(Ini());
    EXPECT_EQ(dlg.FSoundMask, c.Mask);
    EXPECT_EQ(Key("SndVer"), "1");
    EXPECT_EQ(Key("SoundMask"), c.Written);
  }
}

TEST_F(PreferencesTest, IsSoundOnById) {
  WriteIni("StartupSnd=/sounds/fanfare.wav\r\nAutoplaySpeed=120\r\n");
  {
    TPreferencesDlg dlg(Ini());
    EXPECT_EQ(SoundSettings(), &dlg);
    // Default mask: all on except card up (9), card down (10) and the custom start-up (1).
    const std::vector<bool> expected{true, false, true, true, true, true, true,
                                     true, true, false, false, true, true};
    for (int id = 0; id < 13; ++id) EXPECT_EQ(dlg.IsSoundOn(id), expected[id]) << "id " << id;
    EXPECT_FALSE(dlg.IsSoundOn(-1));
    EXPECT_FALSE(dlg.IsSoundOn(13));
    EXPECT_TRUE(dlg.IsSoundEnabled());
    EXPECT_EQ(SoundSettings()->StartupSoundFile(), "/sounds/fanfare.wav");
    EXPECT_EQ(SoundSettings()->GetAutoplayDelay(), 120);

    // One switch alone: bit 10 is redo (id 8), bit 12 the custom start-up sound (id 1).
    dlg.FSoundMask = 0x400;
    for (int id = 0; id < 13; ++id) EXPECT_EQ(dlg.IsSoundOn(id), id == 8) << "id " << id;
    dlg.FSoundMask = 0x1000;
    for (int id = 0; id < 13; ++id) EXPECT_EQ(dlg.IsSoundOn(id), id == 1) << "id " << id;
  }
  EXPECT_EQ(SoundSettings(), nullptr);
  EXPECT_EQ(PreferencesDlg, nullptr);

  WriteIni("DisableSound=1\r\nSndVer=1\r\nSoundMask=8191\r\n");
  TPreferencesDlg off(Ini());
  EXPECT_FALSE(off.FSoundOn);
  EXPECT_FALSE(off.IsSoundEnabled());
  for (int id = 0; id < 13; ++id) EXPECT_FALSE(off.IsSoundOn(id)) << "id " << id;
  off.FormClose();
  EXPECT_EQ(Key("DisableSound"), "1");
  EXPECT_EQ(Key("SoundMask"), "8191");
}

TEST_F(PreferencesTest, ColoursReadNamesAndNumbersAndFallBackOnAnythingElse) {
  WriteIni("BackgroundColor=greenish\r\n"
           "GradientStartColor=clred\r\n"
           "GradientEndColor=$00112233\r\n");
  TPreferencesDlg dlg(Ini());
  EXPECT_EQ(dlg.FBackgroundColor, 0x00004000u);
  EXPECT_EQ(dlg.FGradientStartColor, 0x000000FFu);
  EXPECT_EQ(dlg.FGradientEndColor, 0x00112233u);
  EXPECT_TRUE(Shown.empty());
  dlg.FormClose();
  EXPECT_EQ(Key("BackgroundColor"), "0x00004000");
  EXPECT_EQ(Key("GradientStartColor"), "clRed");
  EXPECT_EQ(Key("GradientEndColor"), "0x00112233");

  WriteIni("BackgroundColor=32768\r\nGradientStartColor=0x00A0B0C0\r\nGradientEndColor=\r\n");
  TPreferencesDlg again(Ini());
  EXPECT_EQ(again.FBackgroundColor, 0x008000u);  // decimal, written back as its name
  EXPECT_EQ(again.FGradientEndColor, 0x00002400u);
  again.FormClose();
  EXPECT_EQ(Key("BackgroundColor"), "clGreen");
  EXPECT_EQ(Key("GradientStartColor"), "0x00A0B0C0");
  EXPECT_EQ(ColorToString(0xFFFFFF), "clWhite");
  EXPECT_EQ(StringToColor("clNone"), std::nullopt);  // not a colour a table can have
}

TEST_F(PreferencesTest, NumbersOutsideTheirChoicesTakeTheDefault) {
  Metrics::SetDesktopSizeOverride(QSize(1600, 1200));
  WriteIni("BackIndex=12\r\nCardSize=5\r\nBackgroundIndex=-1\r\nGradientIndex=2\r\n");
  TPreferencesDlg dlg(Ini());
  EXPECT_EQ(dlg.FBackIndex, 7);
  EXPECT_EQ(dlg.FCardSize, 2);
  EXPECT_EQ(Key("CardSize"), "2");
  EXPECT_EQ(dlg.FBackgroundIndex, 1);
  EXPECT_EQ(dlg.FGradientIndex, 0);
}

TEST_F(PreferencesTest, SliderSettingsAreClampedToTheSliderAndSpeedWrittenFromIt) {
  // Speed, then the small (14..32), large (16..40) and huge (24..60) spacings. A text past
  // the integers is unreadable: the default.
  using TSettings = std::tuple<int, int, int, int>;
  const std::pair<const char*, TSettings> cases[] = {
      {"AutoplaySpeed=-5", {0, 22, 28, 42}},
      {"AutoplaySpeed=99999", {200, 22, 28, 42}},
      {"AutoplaySpeed=120", {120, 22, 28, 42}},
      {"SmallCardSpacing=-2147483648\r\nCardSpacing=2147483647\r\nHugeCardSpacing=+2147483648", {50, 14, 40, 42}},
      {"SmallCardSpacing=2147483647\r\nCardSpacing=+2147483648\r\nHugeCardSpacing=-2147483648", {50, 32, 28, 24}},
      {"SmallCardSpacing=+2147483648\r\nCardSpacing=-2147483648\r\nHugeCardSpacing=2147483647", {50, 22, 16, 60}},
  };
  for (const auto& [text, settings] : cases) {
    SCOPED_TRACE(text);
    WriteIni(QByteArray(text) + "\r\n");
    TPreferencesDlg dlg(Ini());
    EXPECT_EQ(TSettings(dlg.FAutoplaySpeed, dlg.FSmallCardSpacing, dlg.FCardSpacing, dlg.FHugeCardSpacing), settings);
    EXPECT_EQ(dlg.GetAutoplayDelay(), dlg.FAutoplaySpeed);
    dlg.show();
    dlg.close();
    EXPECT_EQ(Key("AutoplaySpeed"), QString::number(std::get<0>(settings)));
  }
  // What is written on closing is the slider's position.
  TPreferencesDlg dlg(Ini());
  dlg.show();
  dlg.SpeedSlider->setValue(30);
  dlg.FAutoplaySpeed = 500;  // not where the value comes from
  dlg.accept();
  EXPECT_EQ(dlg.FAutoplaySpeed, 30);
  EXPECT_EQ(Key("AutoplaySpeed"), "30");
}

TEST_F(PreferencesTest, CustomBackNineWithoutItsPictureFallsBackToTheFirstBack) {
  const QString missing = Config.File("gone.bmp");
  WriteIni("BackIndex=9\r\nCustomImage=" + missing.toUtf8() + "\r\n");
  {
    TPreferencesDlg dlg(Ini());
    EXPECT_EQ(dlg.FBackIndex, 0);
    EXPECT_EQ(TCard::GetBackIndex(), 0);
    EXPECT_FALSE(dlg.FCustomBackAvailable);
  }
  EXPECT_EQ(Key("BackIndex"), "0");
  EXPECT_EQ(Key("CustomImage"), "<absent>");
  ASSERT_EQ(Shown.size(), 1u);
  EXPECT_EQ(Shown[0].Text, "The custom card back image " + missing + " was not found.");
  EXPECT_EQ(Shown[0].Buttons, Prompts::TButtons::Ok);
  EXPECT_EQ(Shown[0].Icon, Prompts::TIcon::Warning);

  // No picture named at all: silently the first back.
  Shown.clear();
  WriteIni("BackIndex=9\r\n");
  { TPreferencesDlg dlg(Ini()); EXPECT_EQ(dlg.FBackIndex, 0); }
  EXPECT_EQ(Key("BackIndex"), "0");
  EXPECT_TRUE(Shown.empty());

  // A damaged picture: dropped without a message.
  const QString cut = Config.File("cut.jpg");
  QByteArray jpeg;
  {
    QBuffer b(&jpeg);
    b.open(QIODevice::WriteOnly);
    QImage(50, 50, QImage::Format_RGB32).save(&b, "JPEG");
  }
  WriteFileBytes(cut, jpeg.left(jpeg.size() / 2));
  WriteIni("BackIndex=9\r\nCustomImage=" + cut.toUtf8() + "\r\n");
  { TPreferencesDlg dlg(Ini()); EXPECT_EQ(dlg.FBackIndex, 0); }
  EXPECT_EQ(Key("BackIndex"), "0");
  EXPECT_EQ(Key("CustomImage"), "<absent>");
  EXPECT_TRUE(Shown.empty());
}

TEST_F(PreferencesTest, CustomBackFromAPictureFile) {
  const QString bmp = Picture("back.bmp", "BMP");
  WriteIni("BackIndex=9\r\nCustomImage=" + bmp.toUtf8() + "\r\n");
  TPreferencesDlg dlg(Ini());
  EXPECT_EQ(dlg.FBackIndex, 9);
  EXPECT_EQ(TCard::GetBackIndex(), 9);
  EXPECT_TRUE(dlg.FCustomBackAvailable);
  EXPECT_EQ(TCard::CustomBackPicture().size(), QSize(40, 60));
  ASSERT_EQ(dlg.FCustomBackPreview.size(), QSize(80, 125));
  EXPECT_EQ(dlg.FCustomBackPreview.pixel(40, 60), qRgb(200, 100, 0));
  EXPECT_EQ(Key("CustomImage"), bmp);

  // A chosen picture whose extension mixes cases is refused and changes nothing.
  const QString mixed = Picture("other.Bmp", "BMP");
  dlg.LoadCustomCardBack(mixed, true);
  ASSERT_EQ(Shown.size(), 1u);
  EXPECT_EQ(Shown[0].Text, "Selected image type is not supported.");
  EXPECT_EQ(Shown[0].Icon, Prompts::TIcon::Error);
  EXPECT_EQ(Key("CustomImage"), bmp);
  EXPECT_EQ(dlg.FBackIndex, 9);
}

TEST_F(PreferencesTest, BackgroundPicture) {
  const QString jpg = Picture("felt.JPG", "JPEG");
  WriteIni("BackgroundIndex=2\r\nBackgroundImage=" + jpg.toUtf8() + "\r\n");
  {
    TPreferencesDlg dlg(Ini());
    ASSERT_NE(dlg.GetBackgroundGraphic(), nullptr);
    EXPECT_EQ(dlg.GetBackgroundGraphic()->size(), QSize(40, 60));
    EXPECT_EQ(dlg.FBackgroundIndex, 2);
  }
  const QString missing = Config.File("nowhere.gif");
  WriteIni("BackgroundIndex=2\r\nBackgroundImage=" + missing.toUtf8() + "\r\n");
  TPreferencesDlg dlg(Ini());
  EXPECT_EQ(dlg.GetBackgroundGraphic(), nullptr);
  EXPECT_EQ(dlg.FBackgroundIndex, 0);
  EXPECT_EQ(Key("BackgroundImage"), "<absent>");
  ASSERT_EQ(Shown.size(), 1u);
  EXPECT_EQ(Shown[0].Text, "The game background image " + missing + " was not found.");
}

TEST_F(PreferencesTest, ClosingKeepsKeysItDoesNotOwn) {
  WriteIni("AnimationSpeed= 7 ;fast\r\nTipsIndex=4\r\nSndVer=1\r\nCardSize=1\r\nRestoreLastGame=1\r\n");
  TPreferencesDlg dlg(Ini());
  dlg.show();
  dlg.close();  // the close box
  const QByteArray file = ReadFileBytes(Ini());
  EXPECT_TRUE(file.startsWith("[Preferences]\r\nAnimationSpeed= 7 ;fast\r\nTipsIndex=4\r\n")) << file.toStdString();
  EXPECT_TRUE(file.contains("AutoplaySpeed=50\r\n"));
}

TEST_F(PreferencesTest, EscapeDoesNotCloseAndASizeChangeMarksTheLook) {
  TPreferencesDlg dlg(Ini());
  dlg.show();
  QTest::keyClick(&dlg, Qt::Key_Escape);
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(Key("BackIndex"), "<absent>");

  dlg.FCardSize = 2;  // the size page's choice
  dlg.accept();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(Key("CardSize"), "2");
  EXPECT_TRUE(dlg.FCardLookChanged);
  EXPECT_EQ(TCard::GetCardSize(), 1);  // the open game keeps its size until the next launch
}
