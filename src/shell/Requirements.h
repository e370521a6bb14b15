#pragma once
// The desktop-size warning: shown when a game does not fit the desktop at the chosen card
// size. It can open the options so the user picks a smaller card size at once.

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "widgets/ExCtrls.h"

class TSysRequirementsForm : public QDialog {
  Q_OBJECT
public:
  explicit TSysRequirementsForm(QWidget* owner = nullptr);
  ~TSysRequirementsForm() override;

  QFrame* Panel1;
  QLabel* JesterImage;
  TExLabel* ExLabel1;
  QLabel* MessageLabel;
  QPushButton* PrefButton;
  QPushButton* OKButton;
  QPushButton* HelpBtn;

  void PrefButtonClick();
  void HelpBtnClick();

protected:
  void keyPressEvent(QKeyEvent* event) override;
};

extern TSysRequirementsForm* SysRequirementsForm;
