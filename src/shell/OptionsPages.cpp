// The options dialog's pages: their controls, how the settings are put into them when the
// dialog is shown, and the handlers that write each change back into its setting.

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

#include "art/CardArt.h"
#include "engine/Card.h"
#include "engine/CardPileView.h"
#include "platform/Help.h"
#include "platform/IniFile.h"
#include "platform/Metrics.h"
#include "shell/GameWindows.h"
#include "shell/OptionsRadioGroup.h"
#include "shell/PellamyWindow.h"
#include "shell/Preferences.h"
#include "shell/PreferencesColors.h"
#include "widgets/ColorPreview.h"

namespace {

const QString Section = QStringLiteral("Preferences");

TPreferencesDlg::TColorDialogHook& ColorHookSlot() {
  static TPreferencesDlg::TColorDialogHook hook;
  return hook;
}

// Hints are written with Windows line breaks; a tool tip breaks on a plain line feed.
QString Hint(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

QLabel* MakeLabel(const QString& text, QWidget* parent, QRect at, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(at);
  label->setAlignment(align);
  return label;
}

QCheckBox* MakeCheckBox(const QString& name, const QString& text, QWidget* parent, QRect at) {
  auto* box = new QCheckBox(text, parent);
  box->setObjectName(name);
  box->setGeometry(at);
  return box;
}

// Key-coloured artwork with its key colour made see-through, for a label on a page.
QPixmap TransparentPixmap(const QImage& picture) {
  if (picture.isNull()) return QPixmap();
  QImage image = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if ((line[x] & 0xFFFFFF) == (CardArtKeyColor & 0xFFFFFF)) line[x] = 0;
  }
  return QPixmap::fromImage(image);
}

QSlider* MakeSpacingSlider(const QString& name, int maximum, QWidget* parent) {
  auto* slider = new QSlider(Qt::Vertical, parent);
  slider->setObjectName(name);
  slider->setRange(0, maximum);
  // Position 0 at the top: the widest spacing.
  slider->setInvertedAppearance(true);
  slider->setInvertedControls(true);
  slider->setTickPosition(QSlider::TicksBothSides);
  slider->setTickInterval(2);
  slider->setPageStep(4);
  slider->setGeometry(28, 20, 32, 290);
  return slider;
}

// Custom colours travel as "ColorA=RRGGBB" entries (hex of the colour value, as stored).
std::optional<TColor> CustomColorValue(const QString& entry) {
  const int eq = entry.indexOf(QLatin1Char('='));
  if (eq < 0) return std::nullopt;
  bool ok = false;
  const uint value = entry.mid(eq + 1).trimmed().toUInt(&ok, 16);
  if (!ok || value > 0xFFFFFF) return std::nullopt;
  return static_cast<TColor>(value);
}

TPreferencesDlg::TColorDialogAnswer RunColorDialog(const TPreferencesDlg::TColorDialogRequest& r) {
  // "ColorA" is the first custom colour, "ColorP" the sixteenth.
  for (const QString& entry : r.CustomColors) {
    const int slot = entry.size() > 5 ? entry.at(5).toUpper().unicode() - u'A' : -1;
    const auto value = CustomColorValue(entry);
    if (value && slot >= 0 && slot < QColorDialog::customCount()) QColorDialog::setCustomColor(slot, ToQColor(*value));
  }
  QColorDialog dialog(ToQColor(r.Color), r.Parent);
  dialog.setWindowTitle(QStringLiteral("Color"));
  TPreferencesDlg::TColorDialogAnswer answer;
  if (dialog.exec() == QDialog::Accepted) {
    const QColor c = dialog.selectedColor();
    answer.Color = RGBColor(c.red(), c.green(), c.blue());
  }
  for (int i = 0; i < QColorDialog::customCount(); ++i) {
    const QColor c = QColorDialog::customColor(i);
    const TColor value = RGBColor(c.red(), c.green(), c.blue());
    answer.CustomColors << QStringLiteral("Color%1=%2")
                               .arg(QChar(char16_t(u'A' + i)))
                               .arg(QString::number(value, 16).toUpper().rightJustified(6, QLatin1Char('0')));
  }
  return answer;
}

// Tabs as narrow as their captions, so the six pages fit the dialog's width in one row.
class TCompactTabBar : public QTabBar {
public:
  using QTabBar::QTabBar;

protected:
  QSize tabSizeHint(int index) const override {
    // The style's own padding is wider than the dialog has room for; take a part of
    // the padding off every tab alike so the row just fits.
    const QSize base = QTabBar::tabSizeHint(index);
    int total = 0;
    for (int i = 0; i < count(); ++i) total += QTabBar::tabSizeHint(i).width();
    const int room = parentWidget() ? parentWidget()->width() - 4 : width();
    if (total <= room || count() == 0) return base;
    const int cut = (total - room + count() - 1) / count();
    return QSize(base.width() - cut, base.height());
  }
};

class TPageControl : public QTabWidget {
public:
  explicit TPageControl(QWidget* parent) : QTabWidget(parent) { setTabBar(new TCompactTabBar(this)); }
};

}  // namespace

void TPreferencesDlg::SetColorDialogHook(TColorDialogHook hook) { ColorHookSlot() = std::move(hook); }

// ---- Building --------------------------------------------------------------------------

void TPreferencesDlg::BuildPages() {
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(465, 425);
  setFont(Metrics::ArialFont(11));

  PrefPageControl = new TPageControl(this);
  PrefPageControl->setObjectName(QStringLiteral("PrefPageControl"));
  PrefPageControl->setGeometry(8, 8, 449, 377);
  PrefPageControl->setUsesScrollButtons(false);

  auto page = [this](const QString& name, const QString& caption) {
    auto* sheet = new QWidget;
    sheet->setObjectName(name);
    PrefPageControl->addTab(sheet, caption);
    return sheet;
  };
  CardBackTabSheet = page(QStringLiteral("CardBackTabSheet"), QStringLiteral("Card Back"));
  CardSizeTabSheet = page(QStringLiteral("CardSizeTabSheet"), QStringLiteral("Appearance"));
  CardSpacingTabSheet = page(QStringLiteral("CardSpacingTabSheet"), QStringLiteral("Spacing && Speed "));
  BackgroundTabSheet = page(QStringLiteral("BackgroundTabSheet"), QStringLiteral("Background"));
  SoundTabSheet = page(QStringLiteral("SoundTabSheet"), QStringLiteral("Sound"));
  OtherTabSheet = page(QStringLiteral("OtherTabSheet"), QStringLiteral("Other"));
  PrefPageControl->setCurrentIndex(0);

  BuildCardBackPage();
  BuildAppearancePage();
  BuildSpacingPage();
  BuildBackgroundPage();
  BuildSoundPage();
  BuildOtherPage();

  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setGeometry(163, 393, 75, 25);
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
  HelpBtn = new QPushButton(QStringLiteral("&Help"), this);
  HelpBtn->setObjectName(QStringLiteral("HelpBtn"));
  HelpBtn->setGeometry(243, 393, 75, 25);
  HelpBtn->setAutoDefault(false);
  connect(HelpBtn, &QPushButton::clicked, this, [this] { HelpBtnClick(); });
}

void TPreferencesDlg::BuildCardBackPage() {
  QWidget* sheet = CardBackTabSheet;
  CardBackGroup = new QButtonGroup(this);
  for (int i = 0; i < 10; ++i) {
    const int x = 9 + (i % 5) * 86;
    const int y = i < 5 ? 8 : 164;
    auto* image = new QLabel(sheet);
    image->setObjectName(QStringLiteral("CardBackImage%1").arg(i + 1));
    image->setGeometry(x, y, 80, 125);
    image->setAlignment(Qt::AlignCenter);
    if (i < 9) image->setPixmap(TransparentPixmap(CardArtBitmap(QStringLiteral("PREVIEW_BACK%1").arg(i + 1))));
    CardBackImage[i] = image;
    auto* radio = new QRadioButton(sheet);
    radio->setObjectName(QStringLiteral("CardBackRadio%1").arg(i + 1));
    radio->setGeometry(x + 32, y + 128, 18, 20);
    CardBackGroup->addButton(radio, i);
    CardBackRadio[i] = radio;
  }
  CardBackRadio[9]->setEnabled(false);
  connect(CardBackGroup, &QButtonGroup::idClicked, this, [this](int id) { FBackIndex = id; });

  BrowseLabel = MakeLabel(QStringLiteral("Browse to select a Custom Image for Card Backs"), sheet,
                          QRect(9, 318, 330, 25));
  BrowseLabel->setObjectName(QStringLiteral("BrowseLabel"));
  BrowseButton = new QPushButton(QStringLiteral("Browse..."), sheet);
  BrowseButton->setObjectName(QStringLiteral("BrowseButton"));
  BrowseButton->setGeometry(353, 318, 80, 25);
  BrowseButton->setAutoDefault(false);
  BrowseButton->setToolTip(Hint(QStringLiteral("Click to browse the file system and\r\nfind a custom card back image")));
  connect(BrowseButton, &QPushButton::clicked, this, [this] { BrowseButtonClick(BrowseButton); });
}

void TPreferencesDlg::BuildAppearancePage() {
  QWidget* sheet = CardSizeTabSheet;
  CardSizeRadioGroup = new TOptionsRadioGroup(
      QStringLiteral("  Size Selection  "),
      {QStringLiteral("Small Cards"), QStringLiteral("Large Cards"), QStringLiteral("Huge Cards")}, 1, sheet);
  CardSizeRadioGroup->setObjectName(QStringLiteral("CardSizeRadioGroup"));
  CardSizeRadioGroup->setGeometry(16, 40, 193, 97);
  CardSizeRadioGroup->setToolTip(
      Hint(QStringLiteral("This preference does not take effect until\r\nthe current game window is closed")));
  CardSizeRadioGroup->OnClick = [this] { CardSizeRadioGroupClick(); };

  AgedCheckBox = MakeCheckBox(QStringLiteral("AgedCheckBox"), QStringLiteral("Aged Appearance"), sheet,
                              QRect(24, 156, 180, 20));
  connect(AgedCheckBox, &QCheckBox::clicked, this, [this] { AgedCheckBoxClick(); });
  ThreeDCheckBox = MakeCheckBox(QStringLiteral("ThreeDCheckBox"), QStringLiteral("3D Pips"), sheet,
                                QRect(24, 182, 180, 20));
  connect(ThreeDCheckBox, &QCheckBox::clicked, this, [this] { ThreeDCheckBoxClick(); });

  CardPreviewLabel = MakeLabel(QStringLiteral("Preview"), sheet, QRect(240, 24, 160, 18), Qt::AlignCenter);
  CardPreviewLabel->setObjectName(QStringLiteral("CardPreviewLabel"));
  CardPrevImage = new QLabel(sheet);
  CardPrevImage->setObjectName(QStringLiteral("CardPrevImage"));
  CardPrevImage->setGeometry(240, 47, 160, 210);
  CardPrevImage->setAlignment(Qt::AlignCenter);

  CardSizeNoteLabel =
      MakeLabel(QStringLiteral("The size selection does not take effect until the current game window is closed."),
                sheet, QRect(16, 282, 409, 34), Qt::AlignLeft | Qt::AlignTop);
  CardSizeNoteLabel->setObjectName(QStringLiteral("CardSizeNoteLabel"));
  CardSizeNoteLabel->setWordWrap(true);
}

void TPreferencesDlg::BuildSpacingPage() {
  QWidget* sheet = CardSpacingTabSheet;
  SpacingPileView = new TCardPileView(sheet);
  SpacingPileView->setObjectName(QStringLiteral("SpacingPileView"));
  SpacingPileView->BackgroundMode = CS_TRANSPARENT;
  SpacingPileView->setGeometry(84, 13, 120, 334);

  SmallCardSlider = MakeSpacingSlider(QStringLiteral("SmallCardSlider"), 18, sheet);
  CardSlider = MakeSpacingSlider(QStringLiteral("CardSlider"), 24, sheet);
  HugeCardSlider = MakeSpacingSlider(QStringLiteral("HugeCardSlider"), 36, sheet);
  auto spacingText = [sheet](const QString& name, const QString& text) {
    QLabel* label = MakeLabel(text, sheet, QRect(4, 314, 80, 18), Qt::AlignCenter);
    label->setObjectName(name);
    return label;
  };
  SmallSpacingText = spacingText(QStringLiteral("SmallSpacingText"), QStringLiteral("Small Cards"));
  SpacingText = spacingText(QStringLiteral("SpacingText"), QStringLiteral("Large Cards"));
  HugeSpacingText = spacingText(QStringLiteral("HugeSpacingText"), QStringLiteral("Huge Cards"));
  connect(SmallCardSlider, &QSlider::valueChanged, this, [this] {
    if (!FLoadingControls) SmallCardSliderChange();
  });
  connect(CardSlider, &QSlider::valueChanged, this, [this] {
    if (!FLoadingControls) CardSliderChange();
  });
  connect(HugeCardSlider, &QSlider::valueChanged, this, [this] {
    if (!FLoadingControls) HugeCardSliderChange();
  });

  SpeedSlider = new QSlider(Qt::Vertical, sheet);
  SpeedSlider->setObjectName(QStringLiteral("SpeedSlider"));
  SpeedSlider->setRange(0, AutoplaySpeedMax);
  SpeedSlider->setInvertedAppearance(true);
  SpeedSlider->setInvertedControls(true);
  SpeedSlider->setTickPosition(QSlider::TicksBothSides);
  SpeedSlider->setTickInterval(10);
  SpeedSlider->setSingleStep(10);
  SpeedSlider->setPageStep(10);
  SpeedSlider->setGeometry(318, 20, 32, 290);
  connect(SpeedSlider, &QSlider::valueChanged, this, [this](int position) {
    if (!FLoadingControls) FAutoplaySpeed = position;
  });
  MakeLabel(QStringLiteral("Fast"), sheet, QRect(356, 20, 50, 18));
  MakeLabel(QStringLiteral("Slow"), sheet, QRect(356, 292, 50, 18));
  MakeLabel(QStringLiteral("Autoplay Speed"), sheet, QRect(270, 314, 128, 18), Qt::AlignCenter);
}

void TPreferencesDlg::BuildBackgroundPage() {
  QWidget* sheet = BackgroundTabSheet;
  BackgroundRadioGroup = new TOptionsRadioGroup(
      QStringLiteral(" Select Type "),
      {QStringLiteral("Solid Color"), QStringLiteral("Gradient Colors"), QStringLiteral("Tiled Image")}, 3, sheet);
  BackgroundRadioGroup->setObjectName(QStringLiteral("BackgroundRadioGroup"));
  BackgroundRadioGroup->setGeometry(8, 8, 425, 46);
  BackgroundRadioGroup->OnClick = [this] { BackgroundRadioGroupClick(); };

  BackgroundPageControl = new QStackedWidget(sheet);
  BackgroundPageControl->setObjectName(QStringLiteral("BackgroundPageControl"));
  BackgroundPageControl->setGeometry(8, 62, 425, 256);
  BackgroundPageControl->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  auto subPage = [this](const QString& name) {
    auto* w = new QWidget;
    w->setObjectName(name);
    BackgroundPageControl->addWidget(w);
    return w;
  };
  SolidTabSheet = subPage(QStringLiteral("SolidTabSheet"));
  GradientTabSheet = subPage(QStringLiteral("GradientTabSheet"));
  ImageTabSheet = subPage(QStringLiteral("ImageTabSheet"));

  auto swatch = [](const QString& name, QWidget* parent, QPoint at, const QString& hint) {
    auto* preview = new TColorPreview(parent);
    preview->setObjectName(name);
    preview->setGeometry(QRect(at, QSize(68, 32)));
    preview->SetSwatchStyle(true);
    preview->setToolTip(hint);
    return preview;
  };
  SolidColorLabel = MakeLabel(QStringLiteral("Select Solid Color"), SolidTabSheet, QRect(24, 24, 200, 18));
  SolidColorLabel->setObjectName(QStringLiteral("SolidColorLabel"));
  SolidColorPreview = swatch(QStringLiteral("SolidColorPreview"), SolidTabSheet, {24, 46},
                             QStringLiteral("Click for a dialog to select a new color"));
  SolidColorPreview->OnMouseDown = [this](Qt::MouseButton, QPoint) { SolidColorPreviewMouseDown(); };

  MakeLabel(QStringLiteral("Select Starting Color"), GradientTabSheet, QRect(24, 24, 150, 18));
  StartColorPreview = swatch(QStringLiteral("StartColorPreview"), GradientTabSheet, {24, 46},
                             QStringLiteral("Click for a dialog to select a color"));
  StartColorPreview->OnMouseDown = [this](Qt::MouseButton, QPoint) { StartColorPreviewMouseDown(); };
  MakeLabel(QStringLiteral("Select Ending Color"), GradientTabSheet, QRect(200, 24, 150, 18));
  EndColorPreview = swatch(QStringLiteral("EndColorPreview"), GradientTabSheet, {200, 46},
                           QStringLiteral("Click for a dialog to select a color"));
  EndColorPreview->OnMouseDown = [this](Qt::MouseButton, QPoint) { EndColorPreviewMouseDown(); };
  GradientRadioGroup = new TOptionsRadioGroup(
      QStringLiteral(" Direction "), {QStringLiteral("Vertical Gradient"), QStringLiteral("Horizontal Gradient")}, 1,
      GradientTabSheet);
  GradientRadioGroup->setObjectName(QStringLiteral("GradientRadioGroup"));
  GradientRadioGroup->setGeometry(24, 100, 200, 70);
  GradientRadioGroup->OnClick = [this] { GradientRadioGroupClick(); };

  BackgroundImage = new QLabel(ImageTabSheet);
  BackgroundImage->setObjectName(QStringLiteral("BackgroundImage"));
  BackgroundImage->setGeometry(16, 14, 377, 193);
  BackgroundImage->setAlignment(Qt::AlignCenter);
  BkImageLabel = MakeLabel(QStringLiteral("Browse to select an Image"), ImageTabSheet, QRect(16, 100, 377, 20),
                           Qt::AlignCenter);
  BkImageLabel->setObjectName(QStringLiteral("BkImageLabel"));
  Button1 = new QPushButton(QStringLiteral("Browse..."), ImageTabSheet);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(318, 216, 75, 25);
  Button1->setAutoDefault(false);
  Button1->setToolTip(Hint(QStringLiteral("Click to browse the file system and\r\nfind a custom background image")));
  connect(Button1, &QPushButton::clicked, this, [this] { BrowseButtonClick(Button1); });
}

void TPreferencesDlg::BuildOtherPage() {
  QWidget* sheet = OtherTabSheet;
  int y = 12;
  auto box = [&](const QString& name, const QString& text, bool& field) {
    QCheckBox* b = MakeCheckBox(name, text, sheet, QRect(16, y, 409, 20));
    y += 26;
    connect(b, &QCheckBox::clicked, this, [&field](bool on) { field = on; });
    return b;
  };
  AnimationCheckBox = box(QStringLiteral("AnimationCheckBox"), QStringLiteral("Perform Animation on Deals"), FDoAnimation);
  TrayCheckBox = box(QStringLiteral("TrayCheckBox"), QStringLiteral("Minimize to Tray in Taskbar"), FMinimizeToTray);
  VegasCheckBox = box(QStringLiteral("VegasCheckBox"), QStringLiteral("Vegas Scoring*"), FVegasScoring);
  TipsCheckBox = box(QStringLiteral("TipsCheckBox"), QStringLiteral("Show \"Tips\" at Startup"), FShowTips);
  SmartCheckBox = box(QStringLiteral("SmartCheckBox"), QStringLiteral("Enable \"Smart Dragging\""), FSmartDragging);
  CtrlKeyCheckBox = box(QStringLiteral("CtrlKeyCheckBox"), QStringLiteral("Ctrl Key Required for Menu Shortcuts"), FCtrlKey);
  RestoreLastGameCheckBox =
      box(QStringLiteral("RestoreLastGameCheckBox"), QStringLiteral("Start with Last Game Played"), FRestoreLastGameChecked);
  ImageListsCheckBox = box(QStringLiteral("ImageListsCheckBox"), QStringLiteral("Use ImageLists (For Troubleshooting Only)"),
                           FUseImageListsChecked);
  SkipConfirmsCheckBox = box(QStringLiteral("SkipConfirmsCheckBox"), QStringLiteral("Skip All Confirms"), FSkipConfirms);
  HtmlHelpCheckBox = MakeCheckBox(QStringLiteral("HtmlHelpCheckBox"), QStringLiteral("Use HTML Help"), sheet,
                                  QRect(16, y, 409, 20));
  HtmlHelpCheckBox->setChecked(true);
  HtmlHelpCheckBox->hide();
  VegasLabel = MakeLabel(QStringLiteral("* Vegas scoring only available for Australian Patience, Canfield, Klondike, "
                                        "Russian Pellamy, and Yukon."),
                         sheet, QRect(16, 290, 409, 34), Qt::AlignLeft | Qt::AlignTop);
  VegasLabel->setObjectName(QStringLiteral("VegasLabel"));
  VegasLabel->setWordWrap(true);
}

// ---- Settings into the controls --------------------------------------------------------

void TPreferencesDlg::LoadControls() {
  FLoadingControls = true;
  if (FBackIndex >= 0 && FBackIndex < 10) CardBackRadio[FBackIndex]->setChecked(true);
  ShowCustomBackControls();

  CardSizeRadioGroup->SetItemIndex(FCardSize);
  AgedCheckBox->setChecked(FAged);
  ThreeDCheckBox->setChecked(F3DPips);
  ShowSizePreview();

  SmallCardSlider->setValue(32 - FSmallCardSpacing);
  CardSlider->setValue(40 - FCardSpacing);
  HugeCardSlider->setValue(60 - FHugeCardSpacing);
  SpeedSlider->setValue(FAutoplaySpeed);

  BackgroundRadioGroup->SetItemIndex(FBackgroundIndex);
  BackgroundPageControl->setCurrentIndex(qBound(0, FBackgroundIndex, 2));
  GradientRadioGroup->SetItemIndex(FGradientIndex);
  SolidColorPreview->SetColor(FBackgroundColor);
  StartColorPreview->SetColor(FGradientStartColor);
  EndColorPreview->SetColor(FGradientEndColor);
  ShowBackgroundPictureControls();

  LoadSoundControls();

  AnimationCheckBox->setChecked(FDoAnimation);
  TrayCheckBox->setChecked(FMinimizeToTray);
  VegasCheckBox->setChecked(FVegasScoring);
  TipsCheckBox->setChecked(FShowTips);
  SmartCheckBox->setChecked(FSmartDragging);
  CtrlKeyCheckBox->setChecked(FCtrlKey);
  RestoreLastGameCheckBox->setChecked(FRestoreLastGameChecked);
  ImageListsCheckBox->setChecked(FUseImageListsChecked);
  SkipConfirmsCheckBox->setChecked(FSkipConfirms);
  HtmlHelpCheckBox->setChecked(FUseHtmlHelp);
  FLoadingControls = false;
}

void TPreferencesDlg::ShowCustomBackControls() {
  if (!CardBackRadio[9]) return;
  CardBackRadio[9]->setEnabled(FCustomBackAvailable);
  if (FCustomBackAvailable && !FCustomBackPreview.isNull())
    CardBackImage[9]->setPixmap(TransparentPixmap(FCustomBackPreview));
  else
    CardBackImage[9]->clear();
  if (FBackIndex >= 0 && FBackIndex < 10) CardBackRadio[FBackIndex]->setChecked(true);
}

void TPreferencesDlg::ShowSizePreview() {
  if (!CardPrevImage) return;
  const int size = CardSizeRadioGroup->ItemIndex() >= 0 ? CardSizeRadioGroup->ItemIndex() : FCardSize;
  CardPrevImage->setPixmap(QPixmap::fromImage(SizePreviewBitmap(size, F3DPips, FAged)));
}

// ---- Handlers ------------------------------------------------------------------------

void TPreferencesDlg::FormShow() {
  SpacingPileView->FCards->Empty(true);
  for (const _CardValue value : {CS_KING, CS_QUEEN, CS_JACK})
    SpacingPileView->FCards->AddCard(new TCard(CS_CLUBS, value, 1));
  const int size = TCard::GetCardSize();
  if (size == CS_HUGE)
    SpacingPileView->setGeometry(84, 15, 120, 330);
  else
    SpacingPileView->setGeometry(93, 45, 120, 284);
  SmallCardSlider->setVisible(size == CS_SMALL);
  SmallSpacingText->setVisible(size == CS_SMALL);
  HugeCardSlider->setVisible(size == CS_HUGE);
  HugeSpacingText->setVisible(size == CS_HUGE);
  const bool large = size != CS_SMALL && size != CS_HUGE;
  CardSlider->setVisible(large);
  SpacingText->setVisible(large);
  if (size == CS_SMALL)
    SmallCardSliderChange();
  else if (size == CS_HUGE)
    HugeCardSliderChange();
  else
    CardSliderChange();
}

void TPreferencesDlg::CardSizeRadioGroupClick() {
  ThreeDCheckBox->setEnabled(true);
  const int size = CardSizeRadioGroup->ItemIndex();
  if (size < 0) return;
  // The size of the next launch; FormClose compares it with the size at show time.
  FCardSize = size;
  ShowSizePreview();
  const bool gameOpen = PellamyForm ? PellamyForm->AnyGameOpen() : GameWindows::AnyOpen();
  if (!gameOpen) {
    ApplyCardSizeNow(size);
    FormShow();
  }
}

void TPreferencesDlg::ApplyCardSizeNow(int size) {
  if (PellamyForm) {
    PellamyForm->SetGameCardSize(size);
    return;
  }
  TCard::SetCardSize(static_cast<_CardSize>(size), F3DPips, FAged);
  ReloadCustomCardBack();
}

void TPreferencesDlg::AgedCheckBoxClick() {
  FAged = AgedCheckBox->isChecked();
  CardSizeRadioGroupClick();
  FCardLookChanged = true;
}

void TPreferencesDlg::ThreeDCheckBoxClick() {
  F3DPips = ThreeDCheckBox->isChecked();
  CardSizeRadioGroupClick();
}

void TPreferencesDlg::SpacingChanged(int size) {
  QSlider* slider = size == CS_SMALL ? SmallCardSlider : size == CS_HUGE ? HugeCardSlider : CardSlider;
  const int widest = size == CS_SMALL ? 32 : size == CS_HUGE ? 60 : 40;
  const int spacing = widest - slider->value();
  int& field = size == CS_SMALL ? FSmallCardSpacing : size == CS_HUGE ? FHugeCardSpacing : FCardSpacing;
  field = spacing;
  SpacingPileView->YOffset = float(spacing);
  SpacingPileView->update();
  const QString key = size == CS_SMALL   ? QStringLiteral("SmallCardSpacing")
                      : size == CS_HUGE ? QStringLiteral("HugeCardSpacing")
                                        : QStringLiteral("CardSpacing");
  FIniFile->WriteInteger(Section, key, spacing);
}

void TPreferencesDlg::CardSliderChange() { SpacingChanged(CS_LARGE); }
void TPreferencesDlg::SmallCardSliderChange() { SpacingChanged(CS_SMALL); }
void TPreferencesDlg::HugeCardSliderChange() { SpacingChanged(CS_HUGE); }

void TPreferencesDlg::BackgroundRadioGroupClick() {
  const int index = BackgroundRadioGroup->ItemIndex();
  if (index < 0) return;
  FBackgroundIndex = index;
  BackgroundPageControl->setCurrentIndex(index);
}

void TPreferencesDlg::GradientRadioGroupClick() {
  const int index = GradientRadioGroup->ItemIndex();
  if (index >= 0) FGradientIndex = index;
}

void TPreferencesDlg::PickColor(TColorPreview* swatch, TColor& field) {
  TColorDialogRequest request;
  request.Parent = this;
  request.Color = swatch->Color();
  request.CustomColors = FCustomColors.split(QLatin1Char(','), Qt::SkipEmptyParts);
  const TColorDialogAnswer answer = ColorHookSlot() ? ColorHookSlot()(request) : RunColorDialog(request);
  if (answer.Color) {
    swatch->SetColor(*answer.Color);
    field = *answer.Color;
  }
  // The custom colours are kept even when the pick itself was cancelled.
  if (!answer.CustomColors.isEmpty()) {
    FCustomColors = answer.CustomColors.join(QLatin1Char(','));
    FIniFile->WriteString(Section, QStringLiteral("CustomColors"), FCustomColors);
  }
}

void TPreferencesDlg::SolidColorPreviewMouseDown() { PickColor(SolidColorPreview, FBackgroundColor); }
void TPreferencesDlg::StartColorPreviewMouseDown() { PickColor(StartColorPreview, FGradientStartColor); }
void TPreferencesDlg::EndColorPreviewMouseDown() { PickColor(EndColorPreview, FGradientEndColor); }

int TPreferencesDlg::HelpTopic() const {
  const QWidget* page = PrefPageControl->currentWidget();
  if (page == CardBackTabSheet) return 600;
  if (page == CardSizeTabSheet) return 601;
  if (page == BackgroundTabSheet) return 602;
  if (page == SoundTabSheet) return 603;
  if (page == OtherTabSheet) return 604;
  if (page == CardSpacingTabSheet) return 605;
  return 502;
}

void TPreferencesDlg::HelpBtnClick() {
  const QString helpFile =
      PellamyForm && !PellamyForm->FHelpFile.isEmpty() ? PellamyForm->FHelpFile : Help::DefaultHelpFile();
  Help::HtmlHelp(helpFile, HelpTopic());
}
