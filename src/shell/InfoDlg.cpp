#include "shell/InfoDlg.h"

#include <algorithm>

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>

#include "platform/Metrics.h"
#include "engine/Sounds.h"
#include "platform/DesktopLinks.h"

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

  // "at:" is bound to the word before it, should the sentence ever need two lines.
  const QString announce =
      QStringLiteral("The latest version and more information is always available") + QChar(0x00A0) + QStringLiteral("at:");
  Label2 = new QLabel(
      QStringLiteral("Thirty patience games with cards, pictures and sounds drawn by our own code. "
                     "Thanks to everyone who played the early versions, counted the cards and told "
                     "us which deals could not be won.\n\n") +
          announce,
      this);
  Label2->setWordWrap(true);
  Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The sentence announcing the address ends on a full line, never with "at:" alone: the
  // text is as wide as that sentence needs, within the box.
  const int announceWidth = QFontMetrics(Label2->font()).horizontalAdvance(announce) + 1;
  Label2->setGeometry(96, 72, std::clamp(announceWidth, 356, width() - 96 - 8), 128);
  const int textBottom = Label2->y() + Label2->heightForWidth(Label2->width());
  if (textBottom > Label2->geometry().bottom() + 1) Label2->resize(Label2->width(), textBottom - Label2->y());

  // The address follows the sentence: at its own place, 6 pixels below the text's box,
  // when the text reaches into the box's last line; else as far below the text.
  const int lineHeight = QFontMetrics(Label2->font()).lineSpacing();
  const int boxBottom = Label2->geometry().bottom() + 1;
  const int urlTop = boxBottom - textBottom < lineHeight ? boxBottom + 6 : textBottom + 6;
  urlLabel = LinkLabel(this, WebSite, QPoint(179, urlTop));
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

void TInfoBox::closeEvent(QCloseEvent* event) {
  Jester->Stop();
  QDialog::closeEvent(event);
}
