#include "shell/GameSelectWindow.h"

#include "platform/Metrics.h"

#include <QShowEvent>
#include <cmath>

#include "platform/Prompts.h"
#include "shell/GameTable.h"
#include "shell/GameWindows.h"
#include "widgets/WindowFrame.h"

TGameSelectDlg* GameSelectDlg = nullptr;

namespace {
constexpr qint64 HighestNumber = 2000000000;
}

TGameSelectDlg::TGameSelectDlg(const QString& iniPath, QWidget* owner)
    : QDialog(owner), FIniFile(std::make_unique<TIniFile>(iniPath)) {
  GameSelectDlg = this;
  setWindowTitle(QStringLiteral("Game Name"));
  setFixedSize(312, 150);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(Metrics::ArialFont(13));

  Bevel1 = new QFrame(this);
  Bevel1->setGeometry(8, 5, 297, 108);
  Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Label1 = new QLabel(QStringLiteral("Select a game number from \r\n1 to 2,000,000,000"), this);
  Label1->setGeometry(40, 23, 233, 42);
  Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label1->setWordWrap(true);
  SpinEdit = new TExSpinEdit(this);
  SpinEdit->setGeometry(80, 64, 153, 24);
  SpinEdit->setAlignment(Qt::AlignCenter);
  SpinEdit->SetValue(1000);
  OKBtn = new QPushButton(QStringLiteral("Deal"), this);
  OKBtn->setGeometry(79, 120, 75, 25);
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  CancelBtn->setGeometry(159, 120, 75, 25);
  connect(OKBtn, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
  connect(CancelBtn, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
}

TGameSelectDlg::~TGameSelectDlg() {
  if (GameSelectDlg == this) GameSelectDlg = nullptr;
}

void TGameSelectDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  WindowFrame::CentreOnScreen(this);
  FormShow();
}

void TGameSelectDlg::FormShow() {
  OKBtn->setFocus();
  FSection.clear();
  int openGame = -1;
  GameWindows::ForEachOpen([&](int game, int, QWidget*) {
    if (openGame < 0) openGame = game;
  });
  if (openGame >= 0) {
    setWindowTitle(QLatin1String(GameInfo(openGame).Caption));
    FSection = QLatin1String(GameInfo(openGame).Section);
  }
  qint64 proposal = 1;
  if (!FSection.isEmpty() && FIniFile->ValueExists(FSection, QStringLiteral("GameNumber"))) {
    const qint64 last = FIniFile->ReadInteger(FSection, QStringLiteral("GameNumber"), 0);
    if (last + 1 <= HighestNumber) proposal = last + 1;
  }
  SpinEdit->SetAsInteger(proposal);
}

bool TGameSelectDlg::FormCloseQuery(int result) {
  if (result != QDialog::Accepted) return true;
  const std::optional<qint64> number = SpinEdit->AsInteger();
  if (number && *number >= 1 && *number <= HighestNumber) {
    FGameNumber = static_cast<int>(*number);
    return true;
  }
  Prompts::MessageBox(this, QStringLiteral("Enter a number from\n1 to 2,000,000,000\nor press Cancel."),
                      QStringLiteral("Pellamy!"), Prompts::TButtons::Ok, Prompts::TIcon::Error);
  return false;
}

void TGameSelectDlg::done(int result) {
  if (FormCloseQuery(result)) QDialog::done(result);
}
