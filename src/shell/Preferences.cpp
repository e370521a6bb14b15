#include "shell/Preferences.h"

#include <QKeyEvent>
#include <QShowEvent>
#include <QSlider>
#include <algorithm>
#include <array>

#include "engine/Card.h"
#include "engine/CardPileView.h"
#include "platform/IniFile.h"
#include "platform/Metrics.h"
#include "platform/Paths.h"
#include "shell/PreferencesColors.h"
#include "widgets/WindowFrame.h"

TPreferencesDlg* PreferencesDlg = nullptr;

namespace {

const QString Section = QStringLiteral("Preferences");

// Bit of the sound mask for each IsSoundOn id.
constexpr std::array<int, 13> SoundBits{0, 12, 1, 2, 3, 5, 4, 6, 10, 7, 8, 9, 11};

int CardSizeForDesktop(int width) {
  if (width <= 800) return CS_SMALL;
  if (width < 1400) return CS_LARGE;
  return CS_HUGE;
}

}  // namespace

TPreferencesDlg::TPreferencesDlg(const QString& iniPath, const TPreferencesStartup& startup,
                                 QWidget* parent)
    : QDialog(parent) {
  // Windows created while this constructor runs (the restored game) already read it.
  PreferencesDlg = this;
  SetSoundSettings(this);
  setWindowTitle(QStringLiteral("Pellamy Options"));
  BuildPages();

  FIniFile = std::make_unique<TIniFile>(iniPath.isEmpty() ? Paths::SettingsFilePath() : iniPath);
  TIniFile& ini = *FIniFile;

  FBackIndex = ReadIntegerIn(QStringLiteral("BackIndex"), 7, 0, 9);
  TCard::SetBackIndex(FBackIndex);

  FCardSize = ReadIntegerIn(QStringLiteral("CardSize"), -1, -1, 2);
  if (FCardSize == -1) {
    FCardSize = CardSizeForDesktop(Metrics::DesktopWidth());
    ini.WriteInteger(Section, QStringLiteral("CardSize"), FCardSize);
  }

  // The spacing sliders' ranges (each slider runs from its widest spacing down): a
  // hand-edited value outside them would overflow the slider position and card positions.
  FCardSpacing = std::clamp(ini.ReadInteger(Section, QStringLiteral("CardSpacing"), 28), 16, 40);
  FHugeCardSpacing = std::clamp(ini.ReadInteger(Section, QStringLiteral("HugeCardSpacing"), 42), 24, 60);
  FSmallCardSpacing = std::clamp(ini.ReadInteger(Section, QStringLiteral("SmallCardSpacing"), 22), 14, 32);

  FAged = ini.ReadBool(Section, QStringLiteral("Aged"), false);
  F3DPips = ini.ReadBool(Section, QStringLiteral("3DPips"), false);
  TCard::UseImageLists(ini.ReadBool(Section, QStringLiteral("UseImageLists"), false));
  TCard::SetCardSize(static_cast<_CardSize>(FCardSize), F3DPips, FAged);

  // The speed slider's range: a hand-edited value outside it cannot stall every autoplay
  // step or go negative.
  FAutoplaySpeed = std::clamp(ini.ReadInteger(Section, QStringLiteral("AutoplaySpeed"), 50), 0, AutoplaySpeedMax);
  FBackgroundIndex = ReadIntegerIn(QStringLiteral("BackgroundIndex"), 1, 0, 2);
  FGradientIndex = ReadIntegerIn(QStringLiteral("GradientIndex"), 0, 0, 1);

  FBackgroundColor = ReadColor(QStringLiteral("BackgroundColor"), 0x00004000);
  FGradientStartColor = ReadColor(QStringLiteral("GradientStartColor"), 0x00008800);
  FGradientEndColor = ReadColor(QStringLiteral("GradientEndColor"), 0x00002400);

  FDoAnimation = ini.ReadBool(Section, QStringLiteral("DoAnimation"), true);
  FSoundOn = !ini.ReadBool(Section, QStringLiteral("DisableSound"), false);
  FStartupSnd.clear();
  LoadSoundSettings();

  FVegasScoring = ini.ReadBool(Section, QStringLiteral("VegasScoring"), false);
  FMinimizeToTray = ini.ReadBool(Section, QStringLiteral("MinimizeToTray"), false);
  FSmartDragging = ini.ReadBool(Section, QStringLiteral("SmartDragging"), true);
  FShowTips = ini.ReadBool(Section, QStringLiteral("ShowTips"), true);
  FCtrlKey = ini.ReadBool(Section, QStringLiteral("CtrlKey"), true);
  FUseHtmlHelp = true;
  FSkipConfirms = ini.ReadBool(Section, QStringLiteral("SkipConfirms"), false);

  const QString customColors = ini.ReadString(Section, QStringLiteral("CustomColors"), QStringLiteral("None"));
  if (customColors != QLatin1String("None")) FCustomColors = customColors;
  const QString customImage = ini.ReadString(Section, QStringLiteral("CustomImage"), QStringLiteral("None"));
  if (customImage != QLatin1String("None") && !customImage.isEmpty())
    LoadCustomCardBack(customImage, FBackIndex == 9);
  // Back 9 without its picture would deal blank backs: the first back takes its place.
  if (FBackIndex == 9 && !FCustomBackAvailable) {
    FBackIndex = 0;
    TCard::SetBackIndex(0);
    ini.WriteInteger(Section, QStringLiteral("BackIndex"), 0);
  }
  const QString backgroundImage =
      ini.ReadString(Section, QStringLiteral("BackgroundImage"), QStringLiteral("None"));
  if (backgroundImage != QLatin1String("None") && !backgroundImage.isEmpty())
    LoadBackgroundImage(backgroundImage);

  if (ini.ValueExists(Section, QStringLiteral("RestoreLastGame"))) {
    FRestoreLastGameChecked = ini.ReadBool(Section, QStringLiteral("RestoreLastGame"), true);
    if (FRestoreLastGameChecked) {
      const int lastGame = ini.ReadInteger(Section, QStringLiteral("LastGame"), 0);
      // A hand-edited number names no game: start without one.
      if (lastGame >= 0 && lastGame < 30 && startup.RestoreLastGame) startup.RestoreLastGame(lastGame);
    }
  } else {
    ini.WriteBool(Section, QStringLiteral("RestoreLastGame"), true);
    FRestoreLastGameChecked = true;
  }

  if (startup.PlayStartupSound) startup.PlayStartupSound();

  if (FShowTips && startup.ShowTipOfTheDay) {
    FShowTips = startup.ShowTipOfTheDay();
    ini.WriteBool(Section, QStringLiteral("ShowTips"), FShowTips);
  }
  LoadControls();
}

TPreferencesDlg::~TPreferencesDlg() {
  // The preview pile's cards are the dialog's own.
  if (SpacingPileView) SpacingPileView->FCards->Empty(true);
  if (SoundSettings() == this) SetSoundSettings(nullptr);
  if (PreferencesDlg == this) PreferencesDlg = nullptr;
}

int TPreferencesDlg::ReadIntegerIn(const QString& key, int def, int low, int high) const {
  const int v = FIniFile->ReadInteger(Section, key, def);
  // A hand-edited number outside the choices would index past the tables that use it.
  return v < low || v > high ? def : v;
}

TColor TPreferencesDlg::ReadColor(const QString& key, TColor def) const {
  const QString text = FIniFile->ReadString(Section, key, ColorToString(def));
  return StringToColor(text).value_or(def);
}

bool TPreferencesDlg::IsSoundOn(int id) const {
  if (!FSoundOn || id < 0 || id >= static_cast<int>(SoundBits.size())) return false;
  return (FSoundMask & (1 << SoundBits[id])) != 0;
}

void TPreferencesDlg::LoadSoundSettings() {
  TIniFile& ini = *FIniFile;
  int mask;
  if (!ini.ValueExists(Section, QStringLiteral("SndVer"))) {
    // Settings from before the redo and springy switches existed: both start switched on.
    ini.WriteInteger(Section, QStringLiteral("SndVer"), 1);
    if (ini.ValueExists(Section, QStringLiteral("SoundMask")))
      mask = ini.ReadInteger(Section, QStringLiteral("SoundMask"), DefaultSoundMask) | 0xC00;
    else
      mask = DefaultSoundMask;
    ini.WriteInteger(Section, QStringLiteral("SoundMask"), mask);
  } else {
    mask = ini.ReadInteger(Section, QStringLiteral("SoundMask"), DefaultSoundMask);
  }
  FSoundMask = mask & 0x1FFF;
  if (ini.ValueExists(Section, QStringLiteral("StartupSnd")))
    FStartupSnd = ini.ReadString(Section, QStringLiteral("StartupSnd"), QString());
}

void TPreferencesDlg::SaveSoundMask() {
  FIniFile->WriteInteger(Section, QStringLiteral("SoundMask"), FSoundMask & 0x1FFF);
}

void TPreferencesDlg::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    FCardSizeOnShow = FCardSize;
    LoadControls();
    FormShow();
  }
  QDialog::showEvent(event);
  if (!event->spontaneous()) WindowFrame::CentreOnScreen(this);
}

void TPreferencesDlg::keyPressEvent(QKeyEvent* event) {
  // Escape does not close this dialog: there is no Cancel, every change stays.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_F1) {
    event->accept();
    HelpBtnClick();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TPreferencesDlg::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TPreferencesDlg::FormClose() {
  TIniFile& ini = *FIniFile;
  const int oldCardSize = FCardSizeOnShow >= 0 ? FCardSizeOnShow : FCardSize;

  TCard::SetBackIndex(FBackIndex);
  // The look applies at once; a new size waits for the next launch.
  const int current = TCard::GetCardSize() <= CS_HUGE ? TCard::GetCardSize() : FCardSize;
  TCard::SetCardSize(static_cast<_CardSize>(current), F3DPips, FAged);
  ReloadCustomCardBack();

  ini.WriteString(Section, QStringLiteral("BackgroundColor"), ColorToString(FBackgroundColor));
  ini.WriteInteger(Section, QStringLiteral("BackIndex"), FBackIndex);
  ini.WriteBool(Section, QStringLiteral("DoAnimation"), FDoAnimation);
  ini.WriteBool(Section, QStringLiteral("DisableSound"), !FSoundOn);
  SaveSoundMask();
  ini.WriteBool(Section, QStringLiteral("VegasScoring"), FVegasScoring);
  ini.WriteBool(Section, QStringLiteral("SmartDragging"), FSmartDragging);
  ini.WriteBool(Section, QStringLiteral("ShowTips"), FShowTips);
  ini.WriteBool(Section, QStringLiteral("CtrlKey"), FCtrlKey);
  ini.WriteBool(Section, QStringLiteral("UseImageLists"), FUseImageListsChecked);
  ini.WriteBool(Section, QStringLiteral("RestoreLastGame"), FRestoreLastGameChecked);
  ini.WriteBool(Section, QStringLiteral("SkipConfirms"), FSkipConfirms);
  ini.WriteBool(Section, QStringLiteral("MinimizeToTray"), FMinimizeToTray);
  ini.WriteInteger(Section, QStringLiteral("CardSize"), FCardSize);
  ini.WriteBool(Section, QStringLiteral("Aged"), FAged);
  ini.WriteBool(Section, QStringLiteral("3DPips"), F3DPips);
  ini.WriteInteger(Section, QStringLiteral("BackgroundIndex"), FBackgroundIndex);
  ini.WriteString(Section, QStringLiteral("GradientStartColor"), ColorToString(FGradientStartColor));
  ini.WriteString(Section, QStringLiteral("GradientEndColor"), ColorToString(FGradientEndColor));
  ini.WriteInteger(Section, QStringLiteral("GradientIndex"), FGradientIndex);
  FAutoplaySpeed = SpeedSlider->value();
  ini.WriteInteger(Section, QStringLiteral("AutoplaySpeed"), FAutoplaySpeed);

  if (FCardSize != oldCardSize) FCardLookChanged = true;
  FCardSizeOnShow = FCardSize;
}

const QImage* TPreferencesDlg::GetBackgroundGraphic() const {
  return FBackgroundPicture.isNull() ? nullptr : &FBackgroundPicture;
}

void TPreferencesDlg::ReloadCustomCardBack() {
  if (!FCardLookChanged) return;
  if (!FIniFile->ValueExists(Section, QStringLiteral("CustomImage"))) return;
  LoadCustomCardBack(FIniFile->ReadString(Section, QStringLiteral("CustomImage"), QString()),
                     FBackIndex == 9);
}
