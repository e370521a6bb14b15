#include "shell/InfoDlg.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShowEvent>

#include "platform/Metrics.h"
#include "engine/Sounds.h"
#include "platform/DesktopLinks.h"
#include "widgets/WindowFrame.h"

TInfoBox* InfoBox = nullptr;
int InfoBoxJesterFrame = 1;

const QString TInfoBox::WebSite = QStringLiteral("https://www.orrindale.example/pellamy/");
const QString TInfoBox::SupportAddress = QStringLiteral("pellamy@orrindale.example");

namespace {
TwkLabel* LinkLabel(QWidget* parent, const QString& text, QPoint at) {
  auto* label = new TwkLabel(parent);
  QFont font = Metrics::ArialFont(13, true);
  font.setUnderline(true);
  label->setFont(font);
  label->SetTransparent(true);
  label->SetFontColor(0xFF0000);  // blue
  label->SetCaption(text);
  label->move(at);
  label->AdjustBounds();
  label->setCursor(Qt::PointingHandCursor);
  return label;
}
}  // namespace

TInfoBox::TInfoBox(QWidget* owner) : QDialog(owner) {
  InfoBox = this;
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("About Pellamy!"));
  setFixedSize(500, 307);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(Metrics::ArialFont(13));

  Memo1 = new QLineEdit(QStringLiteral("Pellamy Version 3.0"), this);
  Memo1->setGeometry(0, 0, 500, 25);
  Memo1->setReadOnly(true);
  Memo1->setFrame(false);
  Memo1->setFocusPolicy(Qt::NoFocus);
  Memo1->setAlignment(Qt::AlignCenter);
  Memo1->setFont(Metrics::ArialFont(19, true));
  Memo1->setStyleSheet(QStringLiteral("color: #800000; background: palette(window);"));
  Panel1 = new QFrame(this);
  Panel1->setGeometry(0, 25, 500, 2);
  Panel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);

  JesterImage = new QLabel(this);
  JesterImage->setGeometry(13, 36, 68, 97);

  Label1 = new QLabel(QStringLiteral("Developed by the Pellamy! team at Orrindale\nDistributed by Orrindale"), this);
  Label1->setFont(Metrics::ArialFont(13, true));
  Label1->move(96, 32);
  Label1->adjustSize();

  // The sentence is a little wider than the label: "at:" is bound to the word before it,
  // so it never stands alone on the last line.
  const QString announce =
      QStringLiteral("The latest version and more information is always available") + QChar(0x00A0) + QStringLiteral("at:");
  // The acknowledgement fills the label down to its last line, so the address below it
  // follows the sentence that announces it without a gap.
  Label2 = new QLabel(
      QStringLiteral("Thirty patience games with cards, pictures and sounds drawn by our own code. "
                     "Thanks to everyone who played the early versions, counted the cards and told "
                     "us which deals could not be won, and to the makers of the free compilers, "
                     "libraries and fonts that Pellamy! is built with. We hope you enjoy it.\n\n") +
          announce,
      this);
  Label2->setWordWrap(true);
  Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label2->setGeometry(96, 72, 356, 128);

  urlLabel = LinkLabel(this, WebSite, QPoint(179, 206));
  urlLabel->OnClick = [this] { urlLabelClick(); };

  Label3 = new QLabel(QStringLiteral("Please forward all suggestions, comments, or bug reports to:"), this);
  Label3->move(96, 232);
  Label3->adjustSize();

  commentLabel = LinkLabel(this, SupportAddress, QPoint(177, 254));
  commentLabel->OnClick = [this] { commentLabelClick(); };

  Label4 = new QLabel(QStringLiteral("Pellamy! is free software under the GNU General Public License, version 3 or later."),
                      this);
  Label4->setFont(Metrics::ArialFont(12));
  Label4->setGeometry(0, 286, 500, 18);
  Label4->setAlignment(Qt::AlignCenter);

  Jester = new TJesterAnimation(InfoBoxJesterFrame, JesterImage, this);
  if (SoundManager) SoundManager->PlayJester();
}

TInfoBox::~TInfoBox() {
  if (InfoBox == this) InfoBox = nullptr;
}

void TInfoBox::urlLabelClick() {
  urlLabel->SetFontColor(0x0000FF);  // red while the link opens
  DesktopLinks::OpenUrl(WebSite + QStringLiteral("?info"));
  urlLabel->SetFontColor(0xFF0000);
}

void TInfoBox::commentLabelClick() {
  commentLabel->SetFontColor(0x0000FF);
  DesktopLinks::OpenUrl(QStringLiteral("mailto:") + SupportAddress);
  commentLabel->SetFontColor(0xFF0000);
}

void TInfoBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    OKButtonClick();
    return;
  }
  QDialog::keyPressEvent(event);
}

// Centred on the screen, not over the window that opened it.
void TInfoBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) WindowFrame::CentreOnScreen(this);
}

void TInfoBox::closeEvent(QCloseEvent* event) {
  Jester->Stop();
  QDialog::closeEvent(event);
}
