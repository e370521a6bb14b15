#include "shell/WinWindow.h"

#include "platform/Metrics.h"

#include <QCloseEvent>
#include <QKeyEvent>

TWinForm* WinForm = nullptr;
int WinFormJesterFrame = 1;

TWinForm::TWinForm(QWidget* owner) : QDialog(owner) {
  WinForm = this;
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Pellamy!"));
  setFixedSize(346, 210);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

  Bevel1 = new QFrame(this);
  Bevel1->setGeometry(8, 8, 329, 193);
  Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);

  JesterImage = new QLabel(this);
  JesterImage->setGeometry(22, 16, 68, 97);

  ExLabel1 = new TExLabel(this);
  ExLabel1->setFont(Metrics::ArialFont(32));
  ExLabel1->SetCaption(QStringLiteral("Congratulations!"));
  ExLabel1->move(94, 40);

  const struct { QPushButton** Button; const char* Text; int Result; QRect Place; } buttons[] = {
      {&Button2, "New Game", mrNewGame, QRect(104, 128, 110, 25)},
      {&Button4, "Select Game...", mrSelectGame, QRect(220, 128, 110, 25)},
      {&Button3, "Show Statistics...", mrStatistics, QRect(104, 162, 110, 25)},
      {&Button5, "Close Game", mrClose, QRect(220, 162, 110, 25)},
  };
  for (const auto& b : buttons) {
    *b.Button = new QPushButton(QString::fromLatin1(b.Text), this);
    (*b.Button)->setGeometry(b.Place);
    const int result = b.Result;
    connect(*b.Button, &QPushButton::clicked, this, [this, result] { done(result); });
  }
  Button1 = new QPushButton(QStringLiteral("Close Game"), this);
  Button1->hide();
  Button1->setFocusPolicy(Qt::NoFocus);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  Button2->setDefault(true);
  Button2->setFocus();

  Jester = new TJesterAnimation(WinFormJesterFrame, JesterImage, this);
}

TWinForm::~TWinForm() {
  if (WinForm == this) WinForm = nullptr;
}

void TWinForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    Button1Click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TWinForm::closeEvent(QCloseEvent* event) {
  // The close box gives the cancel result, as Escape does.
  event->ignore();
  done(mrCancel);
}

void TWinForm::done(int result) {
  Jester->Stop();
  if (WinForm == this) WinForm = nullptr;
  QDialog::done(result);
}
