#pragma once
// The dialog after a won game: "Congratulations!", the dancing jester and the choices.
// A new dialog is built for every win and frees itself when it closes; the caller acts on
// the result of exec(): 6 New Game, 7 Show Statistics, 8 Select Game, 3 Close Game,
// 2 Escape or the close box.

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "shell/JesterAnimation.h"
#include "widgets/ExCtrls.h"

class TWinForm : public QDialog {
  Q_OBJECT
public:
  enum : int { mrClose = 3, mrNewGame = 6, mrStatistics = 7, mrSelectGame = 8, mrCancel = 2, mrOk = 1 };

  explicit TWinForm(QWidget* owner = nullptr);
  ~TWinForm() override;

  QFrame* Bevel1;
  TExLabel* ExLabel1;
  QLabel* JesterImage;
  QPushButton* Button2;  // New Game
  QPushButton* Button4;  // Select Game...
  QPushButton* Button3;  // Show Statistics...
  QPushButton* Button5;  // Close Game
  QPushButton* Button1;  // hidden Close Game
  TJesterAnimation* Jester;

  void Button1Click() { reject(); }
  void reject() override { done(mrCancel); }

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void done(int result) override;
};

// The open win dialog, or null.
extern TWinForm* WinForm;
// The win dialog's frame counter, kept for the whole run.
extern int WinFormJesterFrame;
