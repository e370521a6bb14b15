// The options dialog's "Sound" page: the master switch, the twelve sound switches with their
// preview buttons, and the custom start-up sound.

#include <QCheckBox>
#include <QFrame>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <QToolButton>

#include "art/Sounds.h"
#include "engine/Sounds.h"
#include "platform/IniFile.h"
#include "platform/SoundPlayer.h"
#include "shell/Preferences.h"
#include "widgets/ToolEdit.h"

namespace {

const QString Section = QStringLiteral("Preferences");

// The switches in page order, with their bit in the sound mask and the sound their preview
// button plays (Startup and Springy are played specially).
struct TSoundRow {
  const char* Name;
  const char* Caption;
  int Bit;
  const char* Sound;
};
constexpr TSoundRow SoundRows[12] = {
    {"StartupCheckBox", "Startup", 0, nullptr},
    {"ShuffleCheckBox", "Shuffle", 1, "SHUFFLE"},
    {"DealCheckBox", "Deal from Stock", 2, "DEAL"},
    {"StockCheckBox", "Turn up from Stock", 3, "STOCK"},
    {"AutoPlayCheckBox", "Play to Foundations", 4, "AUTOPLAY"},
    {"RestartCheckBox", "Restart Game", 5, "RESTART"},
    {"UndoCheckBox", "Undo", 6, "UNDO"},
    {"RedoCheckBox", "Redo", 10, "REDO"},
    {"CardUpCheckBox", "Card Up", 7, "CARDUP"},
    {"CardDownCheckBox", "Card Down", 8, "CARDDOWN"},
    {"WinCheckBox", "Win", 9, "WIN_SND"},
    {"SpringyCheckBox", "Springy", 11, nullptr},
};
constexpr int CustomStartupBit = 12;

// A speaker drawn for the flat preview buttons.
QIcon SpeakerIcon() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 40, 40));
  p.drawRect(2, 6, 3, 4);
  p.drawPolygon(QPolygon({QPoint(5, 6), QPoint(9, 2), QPoint(9, 14), QPoint(5, 10)}));
  p.setPen(QPen(QColor(40, 40, 40), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRect(7, 5, 5, 6), -60 * 16, 120 * 16);
  p.drawArc(QRect(7, 3, 8, 10), -60 * 16, 120 * 16);
  return QIcon(pixmap);
}

}  // namespace

void TPreferencesDlg::BuildSoundPage() {
  QWidget* sheet = SoundTabSheet;
  SoundCheckBox = new QCheckBox(QStringLiteral("Disable All Sounds"), sheet);
  SoundCheckBox->setObjectName(QStringLiteral("SoundCheckBox"));
  SoundCheckBox->setGeometry(16, 12, 250, 20);
  connect(SoundCheckBox, &QCheckBox::clicked, this, [this] { SoundCheckBoxClick(); });

  SoundPanel = new QFrame(sheet);
  SoundPanel->setObjectName(QStringLiteral("SoundPanel"));
  SoundPanel->setGeometry(16, 40, 409, 196);
  SoundPanel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

  QCheckBox** boxes[12] = {&StartupCheckBox, &ShuffleCheckBox, &DealCheckBox,     &StockCheckBox,
                           &AutoPlayCheckBox, &RestartCheckBox, &UndoCheckBox,     &RedoCheckBox,
                           &CardUpCheckBox,   &CardDownCheckBox, &WinCheckBox,     &SpringyCheckBox};
  const QIcon speaker = SpeakerIcon();
  for (int i = 0; i < 12; ++i) {
    const int x = i < 6 ? 12 : 212;
    const int y = 10 + (i % 6) * 30;
    auto* button = new QToolButton(SoundPanel);
    button->setObjectName(QString::fromLatin1(SoundRows[i].Name).replace(QStringLiteral("CheckBox"), QStringLiteral("Button")));
    button->setGeometry(x, y, 24, 22);
    button->setAutoRaise(true);
    button->setIcon(speaker);
    button->setToolTip(QStringLiteral("Preview"));
    connect(button, &QToolButton::clicked, this, [this, button] { StartupButtonClick(button); });
    SoundPreviewButtons[i] = button;

    auto* box = new QCheckBox(QLatin1String(SoundRows[i].Caption), SoundPanel);
    box->setObjectName(QLatin1String(SoundRows[i].Name));
    box->setGeometry(x + 30, y + 1, 160, 20);
    // As laid out: everything on but the card up and down sounds.
    box->setChecked(SoundRows[i].Bit != 7 && SoundRows[i].Bit != 8);
    connect(box, &QCheckBox::clicked, this, [this] { SoundBoxClick(); });
    *boxes[i] = box;
  }

  CustomStartupCheckBox = new QCheckBox(QStringLiteral("Use Custom Startup Sound:"), sheet);
  CustomStartupCheckBox->setObjectName(QStringLiteral("CustomStartupCheckBox"));
  CustomStartupCheckBox->setGeometry(16, 250, 250, 20);
  connect(CustomStartupCheckBox, &QCheckBox::clicked, this, [this] { SoundBoxClick(); });

  CustomSoundFileName = new TFilenameEdit(sheet);
  CustomSoundFileName->setObjectName(QStringLiteral("CustomSoundFileName"));
  CustomSoundFileName->setGeometry(16, 276, 409, 22);
  CustomSoundFileName->SetFilter(QStringLiteral("Sound Files (*.wav)|*.wav"));
  CustomSoundFileName->SetDialogTitle(QStringLiteral("Browse for Custom Sound"));
  CustomSoundFileName->SetDialogOptions(ofReadOnly | ofEnableSizing);
  CustomSoundFileName->SetButtonHint(QStringLiteral("Click to find a sound file..."));
  CustomSoundFileName->SetGlyphKind(gkEllipsis);
  CustomSoundFileName->SetButtonWidth(20);
  // The stored name changes only through the file dialog, so the edit never shows a
  // typed name that was not kept.
  CustomSoundFileName->SetDirectInput(false);
  CustomSoundFileName->OnAfterDialog = [this](TFilenameEdit*, QString& name, bool& accept) {
    CustomSoundFileNameAfterDialog(name, accept);
  };
}

void TPreferencesDlg::LoadSoundControls() {
  SoundCheckBox->setChecked(!FSoundOn);
  QCheckBox* boxes[12] = {StartupCheckBox, ShuffleCheckBox, DealCheckBox,     StockCheckBox,
                          AutoPlayCheckBox, RestartCheckBox, UndoCheckBox,    RedoCheckBox,
                          CardUpCheckBox,   CardDownCheckBox, WinCheckBox,    SpringyCheckBox};
  for (int i = 0; i < 12; ++i) boxes[i]->setChecked((FSoundMask & (1 << SoundRows[i].Bit)) != 0);
  CustomStartupCheckBox->setChecked((FSoundMask & (1 << CustomStartupBit)) != 0);
  if (!FStartupSnd.isEmpty() && CustomSoundFileName->TrySetFileName(FStartupSnd))
    CustomSoundFileName->setToolTip(FStartupSnd);
  EnableSoundControls();
}

void TPreferencesDlg::EnableSoundControls() {
  const bool on = !SoundCheckBox->isChecked();
  SoundPanel->setEnabled(on);
  for (QToolButton* button : SoundPreviewButtons) button->setEnabled(on);
  for (QCheckBox* box : {StartupCheckBox, ShuffleCheckBox, DealCheckBox, StockCheckBox, AutoPlayCheckBox,
                         RestartCheckBox, UndoCheckBox, RedoCheckBox, CardUpCheckBox, CardDownCheckBox,
                         WinCheckBox, SpringyCheckBox})
    box->setEnabled(on);
  CustomStartupCheckBox->setEnabled(on);
  CustomSoundFileName->setEnabled(on);
}

void TPreferencesDlg::SoundCheckBoxClick() {
  FSoundOn = !SoundCheckBox->isChecked();
  EnableSoundControls();
}

void TPreferencesDlg::SoundBoxClick() {
  QCheckBox* boxes[12] = {StartupCheckBox, ShuffleCheckBox, DealCheckBox,     StockCheckBox,
                          AutoPlayCheckBox, RestartCheckBox, UndoCheckBox,    RedoCheckBox,
                          CardUpCheckBox,   CardDownCheckBox, WinCheckBox,    SpringyCheckBox};
  int mask = 0;
  for (int i = 0; i < 12; ++i)
    if (boxes[i]->isChecked()) mask |= 1 << SoundRows[i].Bit;
  if (CustomStartupCheckBox->isChecked()) mask |= 1 << CustomStartupBit;
  FSoundMask = mask;
}

void TPreferencesDlg::StartupButtonClick(QObject* sender) {
  int index = -1;
  for (int i = 0; i < 12; ++i)
    if (SoundPreviewButtons[i] == sender) index = i;
  if (index < 0) return;
  if (index == 0) {
    // The start-up sound as start-up plays it: the custom file when that switch is on.
    TSoundManager local;
    (SoundManager ? SoundManager : &local)->PlayStartup(true);
    return;
  }
  if (index == 11) {
    SoundDevice()->Play(SoundResource(QStringLiteral("BOING1")), smSync);
    SoundDevice()->Play(SoundResource(QStringLiteral("BOING2")), smAsync);
    return;
  }
  SoundDevice()->Play(SoundResource(QLatin1String(SoundRows[index].Sound)), smAsync);
}

void TPreferencesDlg::CustomSoundFileNameAfterDialog(QString& name, bool& accept) {
  if (!accept || name.isEmpty()) return;
  FStartupSnd = name;
  CustomSoundFileName->setToolTip(name);
  FIniFile->WriteString(Section, QStringLiteral("StartupSnd"), name);
}
