#pragma once
// The options dialog, which is also the program's settings store: its constructor reads
// [Preferences] into public fields that the game windows, the card engine and the other
// dialogs read directly through PreferencesDlg, and closing the dialog writes them back.

#include <QDialog>
#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "engine/SoundSettings.h"
#include "platform/Colors.h"

class TIniFile;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QStackedWidget;
class QTabWidget;
class QToolButton;
class TCardPileView;
class TColorPreview;
class TFilenameEdit;
class TOptionsRadioGroup;

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
  int FAutoplaySpeed = 50;   // milliseconds after each autoplay step, 0..AutoplaySpeedMax
  static constexpr int AutoplaySpeedMax = 200;  // the speed slider's slow end
  bool FCardLookChanged = false;  // the custom back must be rebuilt; never reset
  bool FSmartDragging = true;
  bool FShowTips = true;
  bool FAged = false;
  bool F3DPips = false;
  bool FCtrlKey = true;
  bool FUseHtmlHelp = true;
  bool FSkipConfirms = false;
  QString FStartupSnd;

  // ---- What the dialog's controls show. Each control writes its field as soon as the
  // user changes it; showing the dialog puts the fields back into the controls. ----
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

  // ---- The pages and their controls (Delphi-style names; arrays hold numbered sets) ----
  QPushButton* OKBtn = nullptr;
  QPushButton* HelpBtn = nullptr;
  QTabWidget* PrefPageControl = nullptr;
  QWidget* CardBackTabSheet = nullptr;
  QWidget* CardSizeTabSheet = nullptr;
  QWidget* CardSpacingTabSheet = nullptr;
  QWidget* BackgroundTabSheet = nullptr;
  QWidget* SoundTabSheet = nullptr;
  QWidget* OtherTabSheet = nullptr;

  // "Card Back": CardBackImage[0..9] and CardBackRadio[0..9] are CardBackImage1..10 and
  // CardBackRadio1..10; the tenth is the custom back.
  std::array<QLabel*, 10> CardBackImage{};
  std::array<QRadioButton*, 10> CardBackRadio{};
  QButtonGroup* CardBackGroup = nullptr;
  QLabel* BrowseLabel = nullptr;
  QPushButton* BrowseButton = nullptr;

  // "Appearance"
  TOptionsRadioGroup* CardSizeRadioGroup = nullptr;
  QCheckBox* AgedCheckBox = nullptr;
  QCheckBox* ThreeDCheckBox = nullptr;
  QLabel* CardPrevImage = nullptr;
  QLabel* CardPreviewLabel = nullptr;
  QLabel* CardSizeNoteLabel = nullptr;

  // "Spacing && Speed "
  TCardPileView* SpacingPileView = nullptr;
  QSlider* SmallCardSlider = nullptr;
  QSlider* CardSlider = nullptr;
  QSlider* HugeCardSlider = nullptr;
  QLabel* SmallSpacingText = nullptr;
  QLabel* SpacingText = nullptr;
  QLabel* HugeSpacingText = nullptr;
  QSlider* SpeedSlider = nullptr;

  // "Background"
  TOptionsRadioGroup* BackgroundRadioGroup = nullptr;
  QStackedWidget* BackgroundPageControl = nullptr;
  QWidget* SolidTabSheet = nullptr;
  QWidget* GradientTabSheet = nullptr;
  QWidget* ImageTabSheet = nullptr;
  QLabel* SolidColorLabel = nullptr;
  TColorPreview* SolidColorPreview = nullptr;
  TColorPreview* StartColorPreview = nullptr;
  TColorPreview* EndColorPreview = nullptr;
  TOptionsRadioGroup* GradientRadioGroup = nullptr;
  QLabel* BackgroundImage = nullptr;
  QLabel* BkImageLabel = nullptr;
  QPushButton* Button1 = nullptr;

  // "Sound"
  QCheckBox* SoundCheckBox = nullptr;
  QFrame* SoundPanel = nullptr;
  QCheckBox* StartupCheckBox = nullptr;
  QCheckBox* ShuffleCheckBox = nullptr;
  QCheckBox* DealCheckBox = nullptr;
  QCheckBox* StockCheckBox = nullptr;
  QCheckBox* AutoPlayCheckBox = nullptr;
  QCheckBox* RestartCheckBox = nullptr;
  QCheckBox* UndoCheckBox = nullptr;
  QCheckBox* RedoCheckBox = nullptr;
  QCheckBox* CardUpCheckBox = nullptr;
  QCheckBox* CardDownCheckBox = nullptr;
  QCheckBox* WinCheckBox = nullptr;
  QCheckBox* SpringyCheckBox = nullptr;
  QCheckBox* CustomStartupCheckBox = nullptr;
  // The preview buttons in page order: Startup, Shuffle, Deal from Stock, Turn up from
  // Stock, Play to Foundations, Restart Game, Undo, Redo, Card Up, Card Down, Win, Springy.
  std::array<QToolButton*, 12> SoundPreviewButtons{};
  TFilenameEdit* CustomSoundFileName = nullptr;

  // "Other"
  QCheckBox* AnimationCheckBox = nullptr;
  QCheckBox* TrayCheckBox = nullptr;
  QCheckBox* VegasCheckBox = nullptr;
  QCheckBox* TipsCheckBox = nullptr;
  QCheckBox* SmartCheckBox = nullptr;
  QCheckBox* CtrlKeyCheckBox = nullptr;
  QCheckBox* RestoreLastGameCheckBox = nullptr;
  QCheckBox* ImageListsCheckBox = nullptr;
  QCheckBox* SkipConfirmsCheckBox = nullptr;
  QCheckBox* HtmlHelpCheckBox = nullptr;  // hidden: help is always HTML help
  QLabel* VegasLabel = nullptr;

  // ---- Event handlers ----
  // Spacing preview: the King, Queen and Jack of clubs fanned at the spacing of the card
  // size in use, with only that size's slider shown.
  void FormShow();
  void CardSizeRadioGroupClick();
  void AgedCheckBoxClick();
  void ThreeDCheckBoxClick();
  void CardSliderChange();
  void SmallCardSliderChange();
  void HugeCardSliderChange();
  void BackgroundRadioGroupClick();
  void GradientRadioGroupClick();
  void SolidColorPreviewMouseDown();
  void StartColorPreviewMouseDown();
  void EndColorPreviewMouseDown();
  // BrowseButton: a custom card back; Button1: a background picture; any other sender
  // does nothing.
  void BrowseButtonClick(QObject* sender);
  void SoundCheckBoxClick();
  // Plays the sound of that preview button whatever the switches say.
  void StartupButtonClick(QObject* sender);
  void CustomSoundFileNameAfterDialog(QString& name, bool& accept);
  void HelpBtnClick();
  // Help topic of the active page: 600 "Card Back", 601 "Appearance", 602 "Background",
  // 603 "Sound", 604 "Other", 605 "Spacing && Speed ", 502 any other.
  int HelpTopic() const;

  // The colour dialog, as tests answer it: the starting colour and the custom colours in;
  // the chosen colour (nullopt when cancelled) and the custom colours out.
  struct TColorDialogRequest {
    QWidget* Parent = nullptr;
    TColor Color = 0;
    QStringList CustomColors;  // "ColorA=RRGGBB" .. "ColorP=...", hex of the colour value
  };
  struct TColorDialogAnswer {
    std::optional<TColor> Color;
    QStringList CustomColors;
  };
  using TColorDialogHook = std::function<TColorDialogAnswer(const TColorDialogRequest&)>;
  // The picture open dialog: filter "Images ...|All Files ..."; nullopt when cancelled.
  struct TPictureDialogRequest {
    QWidget* Parent = nullptr;
    QString Filter;
    int FilterIndex = 1;
    QString InitialDir;
    QString FileName;
  };
  using TPictureDialogHook = std::function<std::optional<QString>(const TPictureDialogRequest&)>;
  // Tests answer the dialogs here; null restores the real dialogs.
  static void SetColorDialogHook(TColorDialogHook hook);
  static void SetPictureDialogHook(TPictureDialogHook hook);

  // The size preview bitmap: "SMALLPREV", "LARGEPREV" or "HUGEPREV", then "3D" and
  // "_AGED" when set (for example "LARGEPREV3D_AGED").
  static QString SizePreviewName(int size, bool threeD, bool aged);
  // Two fanned cards of that size and look, 160 pixels wide, transparent around them.
  static QImage SizePreviewBitmap(int size, bool threeD, bool aged);

public slots:
  void done(int result) override;

protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  void BuildPages();
  void BuildCardBackPage();
  void BuildAppearancePage();
  void BuildSpacingPage();
  void BuildBackgroundPage();
  void BuildSoundPage();
  void BuildOtherPage();
  // Puts the fields into the controls without firing their handlers.
  void LoadControls();
  void LoadSoundControls();
  void ShowCustomBackControls();
  void ShowBackgroundPictureControls();
  void ShowSizePreview();
  void EnableSoundControls();
  void SoundBoxClick();
  void SpacingChanged(int size);
  void ApplyCardSizeNow(int size);
  void PickColor(TColorPreview* swatch, TColor& field);
  TColor ReadColor(const QString& key, TColor def) const;
  int ReadIntegerIn(const QString& key, int def, int low, int high) const;
  void DropCustomBack();

  int FCardSizeOnShow = -1;
  // What the picture open dialog keeps between runs.
  QString FOpenDialogDir;
  QString FOpenDialogFileName;
  int FOpenDialogFilterIndex = 1;
  bool FLoadingControls = false;
};

// The one settings store, set at the start of its constructor and cleared by its
// destructor.
extern TPreferencesDlg* PreferencesDlg;
