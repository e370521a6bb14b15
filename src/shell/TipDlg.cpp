#include "shell/TipDlg.h"

#include <QApplication>
#include <algorithm>
#include <QBitmap>
#include <QFileInfo>
#include <QPainter>
#include <QScreen>

#include "art/ShellArt.h"
#include "platform/IniFile.h"
#include "platform/Random.h"
#include "widgets/wkUtils.h"

TTipsForm::TTipsForm(QWidget* parent) : QDialog(parent), FProfile(QStringLiteral("Preferences")) {
  setFixedSize(432, 222);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  FProfile.SetEntry(QStringLiteral("TipsIndex"));

  TipPanel = new QFrame(this);
  TipPanel->setGeometry(8, 8, 327, 189);
  TipPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  TipPanel->setLineWidth(2);
  TipPanel->setAutoFillBackground(true);
  Image1 = new QLabel(TipPanel);
  Image1->move(10, 12);
  TipTitleLbl = new QLabel(TipPanel);
  TipTitleLbl->setGeometry(60, 16, 252, 20);
  TipLbl = new QLabel(TipPanel);
  TipLbl->setGeometry(60, 46, 252, 127);
  TipLbl->setWordWrap(true);
  TipLbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  OKBtn = new QPushButton(QStringLiteral("&OK"), this);
  OKBtn->setGeometry(344, 8, 80, 25);
  OKBtn->setDefault(true);
  NextBtn = new QPushButton(QStringLiteral("&Next Tip"), this);
  NextBtn->setGeometry(344, 40, 80, 25);
  PrevBtn = new QPushButton(QStringLiteral("&Previous Tip"), this);
  PrevBtn->setGeometry(344, 72, 80, 25);
  ShowChk = new QCheckBox(QStringLiteral(" &Show tips at startup"), this);
  ShowChk->setGeometry(8, 200, 300, 18);

  connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
  connect(NextBtn, &QPushButton::clicked, this, [this] { NextBtnClick(); });
  connect(PrevBtn, &QPushButton::clicked, this, [this] { PrevBtnClick(); });
  OKBtn->setFocus();
}

void TTipsForm::ShowTip(int index) {
  FCurrentIndex = index;
  TipLbl->setText(ReplaceAll(FTips.value(index), FCRLFSubstitute, QStringLiteral("\r\n")));
  FProfile.SetValue(index);
}

void TTipsForm::NextBtnClick() {
  const int count = FTips.size();
  if (count == 0) return;
  int idx;
  if (FRandom) {
    idx = count > 1 ? Random::Below(count - 1) : 0;
    if (idx == FCurrentIndex && count > 1) idx = idx + 1;
  } else {
    // A hand-edited index below -1 counts as "none shown yet".
    idx = std::max(FProfile.Value(), -1);
    idx = idx >= count - 1 ? 0 : idx + 1;
  }
  ShowTip(idx);
}

void TTipsForm::PrevBtnClick() {
  const int count = FTips.size();
  if (count == 0) return;
  ShowTip(FCurrentIndex <= 0 || FCurrentIndex >= count ? count - 1 : FCurrentIndex - 1);
}

TTipDlg::TTipDlg(QObject* owner) : QObject(owner) {}

void TTipDlg::LoadFromIniFile() {
  if (INIFile.isEmpty() || INISection.isEmpty() || !QFileInfo(INIFile).isFile()) return;
  const TIniFile tips(INIFile);
  for (const QString& key : tips.ReadSection(INISection)) Tips.append(tips.ReadString(INISection, key, QString()));
}

std::unique_ptr<TTipsForm> TTipDlg::BuildForm() {
  auto form = std::make_unique<TTipsForm>(QApplication::activeWindow());
  form->FProfile.SetFileName(INISaveFile);
  if (form->FProfile.Text() == QLatin1String("None")) form->FProfile.SetValue(-1);
  QPalette palette = form->TipPanel->palette();
  palette.setColor(QPalette::Window, PanelColor);
  form->TipPanel->setPalette(palette);

  // The tip picture on the panel colour: its key-coloured pixels let the panel show.
  const QImage picture = LoadPngResource(QStringLiteral("TIPBMP"));
  if (!picture.isNull()) {
    QPixmap pixmap(picture.size());
    pixmap.fill(PanelColor);
    QPixmap drawn = QPixmap::fromImage(picture);
    drawn.setMask(QBitmap::fromImage(picture.createMaskFromColor(picture.pixel(0, picture.height() - 1))));
    QPainter p(&pixmap);
    p.drawPixmap(0, 0, drawn);
    p.end();
    form->Image1->setPixmap(pixmap);
    form->Image1->resize(pixmap.size());
  }

  form->setWindowTitle(DlgCaption.isEmpty() ? QStringLiteral("Tip of the day") : DlgCaption);
  if (TipsLocation == locINIFile) {
    Tips.clear();
    LoadFromIniFile();
  } else if (TipsLocation == locRegistry) {
    Tips.clear();  // there is no registry here: no tips
  }
  form->TipTitleLbl->setText(TipTitle.isEmpty() ? QStringLiteral("Did you know...") : TipTitle);
  form->ShowChk->setChecked(ShowAtStartup);
  form->FCRLFSubstitute = CRLFSubstitute;
  form->TipLbl->setFont(TipFont);
  form->TipTitleLbl->setFont(TipTitleFont);
  form->FTips = Tips;
  form->FRandom = RandomTips;
  form->PrevBtn->setVisible(!RandomTips);
  if (Tips.isEmpty()) {
    form->TipLbl->clear();
    form->NextBtn->setEnabled(false);
    form->PrevBtn->setEnabled(false);
  } else {
    form->FCurrentIndex = RandomTips && Tips.size() > 1 ? Random::Below(Tips.size() - 1) : -1;
    form->NextBtnClick();
  }

  QWidget* main = QApplication::activeWindow();
  if (Position == posFormCenter && main) {
    form->move(main->x() + main->width() / 2 - form->width() / 2, main->y() + main->height() / 2 - form->height() / 2);
  } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
    form->move(screen->availableGeometry().center() - QPoint(form->width() / 2, form->height() / 2));
  }
  return form;
}

bool TTipDlg::Execute() {
  std::unique_ptr<TTipsForm> form = BuildForm();
  form->exec();
  ShowAtStartup = form->ShowChk->isChecked();
  return ShowAtStartup;
}
