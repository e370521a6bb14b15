#pragma once
// The tip of the day: a component holding the tip settings, and the modal form it builds
// for every Execute. Tips come from the [Tips] section of a tips file, one per key in file
// order; the index of the tip last shown is kept in [Preferences] "TipsIndex".

#include <QCheckBox>
#include <QColor>
#include <QDialog>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <memory>

#include "shell/Profile.h"

class TTipsForm : public QDialog {
  Q_OBJECT
public:
  explicit TTipsForm(QWidget* parent = nullptr);

  QFrame* TipPanel;
  QLabel* Image1;
  QLabel* TipTitleLbl;
  QLabel* TipLbl;
  QPushButton* OKBtn;
  QPushButton* NextBtn;
  QPushButton* PrevBtn;
  QCheckBox* ShowChk;

  void NextBtnClick();
  void PrevBtnClick();
  void OKBtnClick() { accept(); }

  QStringList FTips;
  int FCurrentIndex = -1;
  QString FCRLFSubstitute;
  bool FRandom = false;
  TProfile FProfile;

private:
  void ShowTip(int index);
};

class TTipDlg : public QObject {
  Q_OBJECT
public:
  enum TTipsLocation { locEmbeded, locRegistry, locINIFile };
  enum TTipPosition { posScreenCenter, posFormCenter };

  explicit TTipDlg(QObject* owner = nullptr);

  QString DlgCaption;
  QString TipTitle;
  QStringList Tips;
  QFont TipTitleFont;
  QFont TipFont;
  QString INIFile;
  QString INISaveFile;
  QString INISection;
  TTipsLocation TipsLocation = locEmbeded;
  QColor PanelColor = QColor(0xFF, 0xFF, 0xE1);
  QString CRLFSubstitute;
  bool RandomTips = false;
  bool ShowAtStartup = true;
  TTipPosition Position = posScreenCenter;

  // Shows the tips modally; returns the final state of "Show tips at startup".
  bool Execute();

  // Fills a form as Execute does, without showing it (Execute and tests use it).
  std::unique_ptr<TTipsForm> BuildForm();

private:
  void LoadFromIniFile();
};
