#pragma once
// The options dialog, which is also the program's settings store: its constructor reads
// [Preferences] into public fields that the game windows, the card engine and the other
// dialogs read directly through PreferencesDlg, and closing the dialog writes them back.

#include <QDialog>
#include <QImage>
#include <QString>
#include <functional>
#include <memory>

#include "engine/SoundSettings.h"
#include "platform/Colors.h"

class TIniFile;

// Start-up steps of the constructor that reach windows other than this one. The start-up
// code fills them in before it constructs the store; an empty hook skips its step.
struct TPreferencesStartup {
  // "RestoreLastGame" is set: select list entry lastGame (0..29) in the main window and
  // launch it, so the game window exists before the message loop starts.
  std::function<void(int lastGame)> RestoreLastGame;
  // Plays the start-up sound (not as a preview).
  std::function<void()> PlayStartupSound;
  // Shows the tip of the day modally (tips from the data folder's "Tips.ini", the tip
  // index kept in the settings file); returns its "show tips at start-up" state.
  std::function<bool()> ShowTipOfTheDay;
};

class TPreferencesDlg : public QDialog, public TSoundSettings {
  Q_OBJECT
public:
  // iniPath: the settings file; empty means Paths::SettingsFilePath().
  explicit TPreferencesDlg(const QString& iniPath = QString(),
                           const TPreferencesStartup& startup = TPreferencesStartup(),
                           QWidget* parent = nullptr);
  ~TPreferencesDlg() override;

  // ---- The settings (in the order of the settings table) ----
  std::unique_ptr<TIniFile> FIniFile;
  TColor FBackgroundColor = 0x00004000;
  TColor FGradientStartColor = 0x00008800;
  TColor FGradientEndColor = 0x00002400;
  bool FDoAnimation = true;
  bool FSoundOn = true;
  bool FMinimizeToTray = false;
  bool FVegasScoring = false;
  int FBackIndex = 7;        // 0..8 built-in backs, 9 the custom picture
  int FBackgroundIndex = 1;  // 0 solid colour, 1 gradient, 2 tiled picture
  int FGradientIndex = 0;    // 0 vertical, 1 horizontal
  int FCardSize = 1;         // 0 small, 1 large, 2 huge: the size of the next launch
  int FCardSpacing = 28;
  int FHugeCardSpacing = 42;
  int FSmallCardSpacing = 22;
  int FAutoplaySpeed = 50;   // milliseconds after each autoplay step
  bool FCardLookChanged = false;  // the custom back must be rebuilt; never reset
  bool FSmartDragging = true;
  bool FShowTips = true;
  bool FAged = false;
  bool F3DPips = false;
  bool FCtrlKey = true;
  bool FUseHtmlHelp = true;
  bool FSkipConfirms = false;
  QString FStartupSnd;

  // ---- What the dialog's controls show; its pages edit these ----
  int FSoundMask = DefaultSoundMask;    // the thirteen sound switches, bit per switch
  bool FRestoreLastGameChecked = true;  // "Start with Last Game Played"
  bool FUseImageListsChecked = false;   // starts unticked at every program start
  bool FCustomBackAvailable = false;    // the custom back's radio button is enabled
  QImage FCustomBackPreview;            // 80 x 125 preview of the custom back
  QImage FBackgroundPicture;            // the table background picture, any file format
  QString FCustomColors;                // the colour dialog's custom colours, comma text

  static constexpr int DefaultSoundMask = 0xE7F;

  // TSoundSettings. IsSoundOn: false when sound is off, else the switch of that id
  // (0 start-up, 1 custom start-up, 2 shuffle, 3 deal, 4 stock, 5 restart, 6 autoplay,
  // 7 undo, 8 redo, 9 card up, 10 card down, 11 win, 12 springy; any other id: false).
  bool IsSoundOn(int id) const override;
  bool IsSoundEnabled() const override { return FSoundOn; }
  QString StartupSoundFile() const override { return FStartupSnd; }
  int GetAutoplayDelay() const override { return FAutoplaySpeed; }

  // The table background picture, or null when there is none (paint the solid colour).
  const QImage* GetBackgroundGraphic() const;
  // After a size or look change: loads the custom back's file again for the current size.
  void ReloadCustomCardBack();
  void LoadSoundSettings();
  void SaveSoundMask();
  // Writes every setting; runs whenever the dialog closes, however it is closed.
  void FormClose();

  // Picture files for the custom card back and the table background. A missing file is
  // reported and its key deleted; an unreadable one is dropped without a message.
  void LoadCustomCardBack(const QString& path, bool select);
  void LoadBackgroundImage(const QString& path);
  // ".bmp", ".jpg", ".jpeg", ".gif" all in lower or all in upper case.
  static bool IsSupportedPictureName(const QString& path);

public slots:
  void done(int result) override;

protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  TColor ReadColor(const QString& key, TColor def) const;
  int ReadIntegerIn(const QString& key, int def, int low, int high) const;
  void DropCustomBack();

  int FCardSizeOnShow = -1;
};

// The one settings store, set at the start of its constructor and cleared by its
// destructor.
extern TPreferencesDlg* PreferencesDlg;
