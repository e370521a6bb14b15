#include "games/fortythieves/FTPeekWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "engine/Card.h"
#include "games/GameShell.h"
#include "games/fortythieves/FortyThievesWindow.h"
#include "platform/Metrics.h"
#include "widgets/FormPlacement.h"

TFTPeekDlg* FTPeekDlg = nullptr;

const TFTPeekDlg::TPeekLayout TFTPeekDlg::Normal{114, 188, 16, 21, 80, 125, 20, 156, "FTPeekDialog"};
const TFTPeekDlg::TPeekLayout ThFTPeekDlg::Huge{155, 248, 17, 19, 120, 188, 42, 216, "hFTPeekDialog"};

namespace {
// The Forty Thieves window that is open: large, small or huge, in that order.
TFortyThievesForm* OpenGame() {
  if (FortyThievesForm) return FortyThievesForm;
  if (sFortyThievesForm) return sFortyThievesForm;
  return hFortyThievesForm;
}
}  // namespace

TFTPeekDlg::TFTPeekDlg(QWidget* owner) : TFTPeekDlg(Normal, owner) {}

TFTPeekDlg::TFTPeekDlg(const TPeekLayout& layout, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("FTPeekDlg"));
  setWindowTitle(QStringLiteral("Peek"));
  setModal(false);
  setFont(Metrics::ArialFont(12));
  setFixedSize(layout.ClientWidth, layout.ClientHeight);

  Label1 = new QLabel(QStringLiteral("Next card in stock"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(0, 2, layout.ClientWidth, 16);
  Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(layout.ImageLeft, layout.ImageTop, layout.ImageWidth, layout.ImageHeight);
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setAttribute(Qt::WA_TranslucentBackground);

  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setGeometry(layout.ButtonLeft, layout.ButtonTop, 75, 25);
  OKBtn->setDefault(true);
  OKBtn->installEventFilter(this);
  connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });

  FormPlacement1 = new TFormPlacement(this);
  FormPlacement1->setObjectName(QStringLiteral("FormPlacement1"));
  FormPlacement1->SetIniFileName(GameShell::IniPath());
  FormPlacement1->SetIniSection(QLatin1String(layout.Section));
  FormPlacement1->Options = fpPosition;
  FormPlacement1->SetPreventResize(true);
}

TFTPeekDlg::~TFTPeekDlg() {
  if (FTPeekDlg == this) FTPeekDlg = nullptr;
}

ThFTPeekDlg::ThFTPeekDlg(QWidget* owner) : TFTPeekDlg(Huge, owner) {}

void TFTPeekDlg::SetCard(TCard* card) {
  FCard = card;
  ShowCard();
}

void TFTPeekDlg::ShowCard() {
  if (FCard)
    Image1->setPixmap(QPixmap::fromImage(FCard->GetCardBitmap()));
  else
    Image1->clear();
}

void TFTPeekDlg::FormShow() { ShowCard(); }

void TFTPeekDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TFTPeekDlg::FormKeyDown(int Key, Qt::KeyboardModifiers Shift) {
  if (TFortyThievesForm* game = OpenGame()) game->FormKeyDown(Key, Shift);
}

void TFTPeekDlg::FormKeyPress(QChar Key) {
  if (Key != QLatin1Char(' ')) return;
  if (TFortyThievesForm* game = OpenGame()) game->FormKeyPress(Key);
  FSpaceClick = true;
}

void TFTPeekDlg::OKBtnClick() {
  if (FSpaceClick) {
    FSpaceClick = false;
    return;
  }
  close();
}

bool TFTPeekDlg::eventFilter(QObject* watched, QEvent* event) {
  // Keys reach the dialog's handlers before the OK button: the button still clicks on
  // Space and Enter, every other key is the game's alone.
  if (watched == OKBtn && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    FormKeyDown(key->key(), key->modifiers());
    if (key->key() == Qt::Key_Space) {
      FormKeyPress(QLatin1Char(' '));
      return false;
    }
    return !(key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter);
  }
  return QDialog::eventFilter(watched, event);
}

void TFTPeekDlg::keyPressEvent(QKeyEvent* event) {
  // Keys of the dialog itself, when the OK button does not have the focus.
  FormKeyDown(event->key(), event->modifiers());
  if (event->key() == Qt::Key_Space) {
    FormKeyPress(QLatin1Char(' '));
    FSpaceClick = false;  // no button takes this press, so no click follows
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    QDialog::keyPressEvent(event);
    return;
  }
  event->accept();
}
