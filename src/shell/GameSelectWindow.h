#pragma once
// The game-number dialog: every game window asks it for the number of the deal to play.
// It proposes the number after the one last dealt in the open game.

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <memory>

#include "platform/IniFile.h"
#include "widgets/ExSpin.h"

class TGameSelectDlg : public QDialog {
  Q_OBJECT
public:
  explicit TGameSelectDlg(const QString& iniPath, QWidget* owner = nullptr);
  ~TGameSelectDlg() override;

  QFrame* Bevel1;
  QLabel* Label1;
  TExSpinEdit* SpinEdit;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

  // The accepted number, read by the game window after an OK result.
  int FGameNumber = 0;

  void FormShow();
  // False keeps the dialog open (the number is out of range; the user was told).
  bool FormCloseQuery(int result);

  // The section remembered by the last FormShow ("" when no game was open).
  const QString& OpenGameSection() const { return FSection; }

  void done(int result) override;

protected:
  void showEvent(QShowEvent* event) override;

private:
  std::unique_ptr<TIniFile> FIniFile;
  QString FSection;
};

// The one dialog, created at start-up.
extern TGameSelectDlg* GameSelectDlg;
