#include "shell/Requirements.h"

#include "platform/Metrics.h"

#include <QKeyEvent>

#include "art/ShellArt.h"
#include "platform/Help.h"
#include "shell/PellamyWindow.h"
#include "shell/Preferences.h"

TSysRequirementsForm* SysRequirementsForm = nullptr;

TSysRequirementsForm::TSysRequirementsForm(QWidget* owner) : QDialog(owner) {
  SysRequirementsForm = this;
  setWindowTitle(QStringLiteral("Pellamy!"));
  setFixedSize(313, 297);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(Metrics::ArialFont(12));

  Panel1 = new QFrame(this);
  Panel1->setGeometry(8, 8, 297, 249);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  JesterImage = new QLabel(Panel1);
  JesterImage->setGeometry(9, 9, 68, 97);
  JesterImage->setPixmap(QPixmap::fromImage(LoadPngResource(QStringLiteral("JESTER"))));
  ExLabel1 = new TExLabel(Panel1);
  ExLabel1->setFont(Metrics::ArialFont(32));
  ExLabel1->SetAutoSize(false);
  ExLabel1->SetWordWrap(true);
  ExLabel1->setGeometry(87, 8, 199, 72);
  ExLabel1->SetCaption(QStringLiteral("System\r\nRequirements"));
  MessageLabel = new QLabel(Panel1);
  MessageLabel->setGeometry(8, 113, 281, 97);
  MessageLabel->setWordWrap(true);
  MessageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  PrefButton = new QPushButton(QStringLiteral("Options..."), Panel1);
  PrefButton->setGeometry(105, 214, 89, 25);
  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setGeometry(79, 266, 75, 25);
  OKButton->setDefault(true);
  HelpBtn = new QPushButton(QStringLiteral("&Help"), this);
  HelpBtn->setGeometry(159, 266, 75, 25);

  connect(PrefButton, &QPushButton::clicked, this, [this] { PrefButtonClick(); });
  connect(OKButton, &QPushButton::clicked, this, [this] { done(1); });
  connect(HelpBtn, &QPushButton::clicked, this, [this] { HelpBtnClick(); });
}

TSysRequirementsForm::~TSysRequirementsForm() {
  if (SysRequirementsForm == this) SysRequirementsForm = nullptr;
}

void TSysRequirementsForm::PrefButtonClick() {
  if (PreferencesDlg) PreferencesDlg->exec();
  close();
}

void TSysRequirementsForm::HelpBtnClick() {
  Help::HtmlHelp(PellamyForm ? PellamyForm->FHelpFile : Help::DefaultHelpFile(), 500);
}

void TSysRequirementsForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    HelpBtnClick();
    return;
  }
  QDialog::keyPressEvent(event);
}
