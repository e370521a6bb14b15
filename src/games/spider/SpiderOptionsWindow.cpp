#include "games/spider/SpiderOptionsWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include "games/GameShell.h"
#include "platform/Help.h"
#include "shell/Profile.h"

TSpiderOptionsForm* SpiderOptionsForm = nullptr;

namespace {
constexpr int SpiderHelpTopic = 1012;

// An integer key in 0..last; anything else gives the default.
int ReadChoice(TProfile& profile, const char* key, int last, int fallback) {
  profile.SetEntry(QLatin1String(key));
  if (profile.Text() == profile.DefaultText()) return fallback;
  const int value = profile.Value();
  return value >= 0 && value <= last ? value : fallback;
}

// Writes the default of a key the file lacks.
void WriteDefault(TProfile& profile, const char* key, const QString& value) {
  profile.SetEntry(QLatin1String(key));
  if (profile.Text() == profile.DefaultText()) profile.SetText(value);
}
}  // namespace

TSpiderOptionsForm::TSpiderOptionsForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("SpiderOptionsForm"));
  setWindowTitle(QStringLiteral("Spider Variations"));
  setFixedSize(281, 329);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(12);
  setFont(font);
  Profile1 = std::make_unique<TProfile>(QStringLiteral("Spider"));
  Profile1->SetFileName(GameShell::IniPath());

  OptionsPanel = new QWidget(this);
  OptionsPanel->setObjectName(QStringLiteral("OptionsPanel"));
  OptionsPanel->setGeometry(8, 8, 265, 273);

  DifficultyRadioGroup = new QGroupBox(QStringLiteral("  Difficulty  "), OptionsPanel);
  DifficultyRadioGroup->setObjectName(QStringLiteral("DifficultyRadioGroup"));
  DifficultyRadioGroup->setGeometry(0, 0, 265, 110);
  const char* difficulties[] = {"Easy: 1 suit (Spades)", "Medium: 2 suits (Spades && Hearts)",
                                "Challenging: All 4 suits"};
  for (int i = 0; i < 3; ++i) {
    DifficultyItems[i] = new QRadioButton(QLatin1String(difficulties[i]), DifficultyRadioGroup);
    DifficultyItems[i]->setGeometry(14, 24 + 26 * i, 240, 22);
  }

  DealRadioGroup = new QGroupBox(QStringLiteral("  Number of Cards Dealt  "), OptionsPanel);
  DealRadioGroup->setObjectName(QStringLiteral("DealRadioGroup"));
  DealRadioGroup->setGeometry(0, 120, 265, 84);
  const char* deals[] = {"44 Cards", "54 Cards"};
  for (int i = 0; i < 2; ++i) {
    DealItems[i] = new QRadioButton(QLatin1String(deals[i]), DealRadioGroup);
    DealItems[i]->setGeometry(14, 24 + 26 * i, 240, 22);
  }

  SameSuitCheckBox = new QCheckBox(QStringLiteral("Same Suit Moves Only"), OptionsPanel);
  SameSuitCheckBox->setObjectName(QStringLiteral("SameSuitCheckBox"));
  SameSuitCheckBox->setGeometry(14, 220, 240, 22);

  DealButton = new QPushButton(QStringLiteral("&Deal Now"), this);
  DealButton->setObjectName(QStringLiteral("DealButton"));
  DealButton->setGeometry(8, 292, 82, 27);
  DealButton->setDefault(true);
  ApplyNextButton = new QPushButton(QStringLiteral("&Apply to Next Deal"), this);
  ApplyNextButton->setObjectName(QStringLiteral("ApplyNextButton"));
  ApplyNextButton->setGeometry(94, 292, 116, 27);
  CancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
  CancelButton->setObjectName(QStringLiteral("CancelButton"));
  CancelButton->setGeometry(214, 292, 59, 27);

  connect(DealButton, &QPushButton::clicked, this, [this] { DealButtonClick(); });
  connect(ApplyNextButton, &QPushButton::clicked, this, [this] { ApplyNextButtonClick(); });
  connect(CancelButton, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
}

TSpiderOptionsForm::~TSpiderOptionsForm() {
  if (SpiderOptionsForm == this) SpiderOptionsForm = nullptr;
}

int TSpiderOptionsForm::DifficultyIndex() const {
  for (int i = 0; i < 3; ++i)
    if (DifficultyItems[i]->isChecked()) return i;
  return -1;
}

int TSpiderOptionsForm::DealIndex() const {
  for (int i = 0; i < 2; ++i)
    if (DealItems[i]->isChecked()) return i;
  return -1;
}

void TSpiderOptionsForm::SetDifficultyIndex(int index) {
  if (index >= 0 && index < 3) DifficultyItems[index]->setChecked(true);
}

void TSpiderOptionsForm::SetDealIndex(int index) {
  if (index >= 0 && index < 2) DealItems[index]->setChecked(true);
}

TSpiderVariations ReadSpiderVariations(TProfile& profile) {
  TSpiderVariations v;
  v.Difficulty = ReadChoice(profile, "Difficulty", 2, v.Difficulty);
  v.DealCount = ReadChoice(profile, "DealCount", 1, v.DealCount);
  profile.SetEntry(QStringLiteral("SameSuitBuilds"));
  if (profile.Text() != profile.DefaultText()) v.SameSuitBuilds = profile.State();
  return v;
}

void TSpiderOptionsForm::LoadOptions() {
  const TSpiderVariations defaults;
  WriteDefault(*Profile1, "Difficulty", QString::number(defaults.Difficulty));
  WriteDefault(*Profile1, "DealCount", QString::number(defaults.DealCount));
  WriteDefault(*Profile1, "SameSuitBuilds", BoolToProfileText(defaults.SameSuitBuilds));
  const TSpiderVariations v = ReadSpiderVariations(*Profile1);
  SetDifficultyIndex(v.Difficulty);
  SetDealIndex(v.DealCount);
  SameSuitCheckBox->setChecked(v.SameSuitBuilds);
}

void TSpiderOptionsForm::SaveOptions() {
  Profile1->SetEntry(QStringLiteral("Difficulty"));
  Profile1->SetValue(std::max(DifficultyIndex(), 0));
  Profile1->SetEntry(QStringLiteral("DealCount"));
  Profile1->SetValue(std::max(DealIndex(), 0));
  Profile1->SetEntry(QStringLiteral("SameSuitBuilds"));
  Profile1->SetState(SameSuitCheckBox->isChecked());
}

void TSpiderOptionsForm::DealButtonClick() {
  SaveOptions();
  done(QDialog::Accepted);
}

void TSpiderOptionsForm::ApplyNextButtonClick() {
  SaveOptions();
  done(QDialog::Rejected);
}

void TSpiderOptionsForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    Help::HtmlHelp(GameShell::HelpFile(), SpiderHelpTopic);
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}
