#include "games/pyramid/GolfWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>

#include "engine/CardUndo.h"
#include "engine/Sounds.h"
#include "games/GameVariants.h"
#include "games/pyramid/GolfLayouts.h"
#include "games/pyramid/PyramidRules.h"
#include "shell/Profile.h"
#include "widgets/wkStatusBar.h"

TGolfForm* GolfForm = nullptr;
TsGolfForm* sGolfForm = nullptr;
ThGolfForm* hGolfForm = nullptr;

const TGameSpec TGolfForm::Spec{.Name = "Golf",
                                .Section = "Golf",
                                .Decks = 1,
                                .CardsToWin = PyramidRules::CardsToWin,
                                .Threshold = 5,
                                .Vegas = false,
                                .HelpTopic = 1005,
                                .NumberPanel = 2,
                                .ScorePanel = 4,
                                .LaunchUp = true};

TGolfForm::TGolfForm(QWidget* owner) : TGolfForm(GolfLayouts::Large, owner) {}

TGolfForm::TGolfForm(const TFormLayout& layout, QWidget* owner) : TPyramidFamilyForm(Spec, layout, owner) {}

TGolfForm::~TGolfForm() { ForgetGameWindow(GolfForm, this); }

// ---- the option ----------------------------------------------------------------------------

void TGolfForm::AddGameMenuItems(QMenu* menu) {
  TPyramidFamilyForm::AddGameMenuItems(menu);
  KingStopsSequence1 =
      AddMenuItem("KingStopsSequence1", "&King Stops Sequence", QKeySequence(), nullptr, NewGame1);
  KingStopsSequence1->setCheckable(true);
  KingStopsSequence1->setChecked(true);
  connect(KingStopsSequence1, &QAction::triggered, this, [this] { KingStopsSequence1Click(KingStopsSequence1); });
  menu->insertSeparator(NewGame1);

  KingsCheckBox = new QCheckBox(QStringLiteral("King Stops Sequence"), this);
  KingsCheckBox->setObjectName(QStringLiteral("KingsCheckBox"));
  KingsCheckBox->setFocusPolicy(Qt::NoFocus);
  KingsCheckBox->setChecked(true);
  KingsCheckBox->setFont(AutoPlayCheckBox->font());
  connect(KingsCheckBox, &QCheckBox::clicked, this, [this] { KingsCheckBoxClick(KingsCheckBox); });
}

void TGolfForm::InitPanels() {
  if (KingsPanel < GameStatusBar->Panels().Count()) GameStatusBar->Panels().Items(KingsPanel)->SetComponent(KingsCheckBox);
}

void TGolfForm::ReadOptions() {
  Profile1->SetEntry(QStringLiteral("KingStopsSequence"));
  SetKingStopsSequence(Profile1->Text() == Profile1->DefaultText() ? true : Profile1->State());
}

void TGolfForm::SetKingStopsSequence(bool on) {
  FKingStopsSequence = on;
  KingStopsSequence1->setChecked(on);
  KingsCheckBox->setChecked(on);
}

void TGolfForm::KingStopsSequence1Click(QObject*) {
  SetKingStopsSequence(!FKingStopsSequence);
  WriteState("KingStopsSequence", FKingStopsSequence);
}

void TGolfForm::KingsCheckBoxClick(QObject*) {
  SetKingStopsSequence(KingsCheckBox->isChecked());
  WriteState("KingStopsSequence", FKingStopsSequence);
  setFocus();
}

void TGolfForm::EnableOption(bool enabled) {
  KingStopsSequence1->setEnabled(enabled);
  KingsCheckBox->setEnabled(enabled);
}

// ---- dealing and the stock -----------------------------------------------------------------

void TGolfForm::DealLayout(bool animate) {
  for (int pass = 0; pass < 5; ++pass) {
    for (TCardPileView* column : FTableau) DealCardTo(column, true, animate);
    DealPassDone(animate);
  }
}

void TGolfForm::Deal(bool quiet, bool newShuffle) {
  TPyramidFamilyForm::Deal(quiet, newShuffle);
  // Play starts on the first stock card, a move that can be taken back.
  TurnStockCard(quiet);
  UpdateScore(false);
  EnableOption(true);
}

void TGolfForm::DeckPileViewClick(QObject*) {
  if (FGameOver) {
    ShowWinDialog();
    return;
  }
  if (DeckPileView->FCards->Count() == 0) {
    UpdateStockStatus();
    return;
  }
  TurnStockCard(false);
  CheckForWin();
  EnableOption(false);
}

void TGolfForm::UpdateStockStatus() {
  if (!DeckPileView) return;
  const QString text = QStringLiteral("Stock: ") + QString::number(DeckPileView->FCards->Count());
  SetPanelText(StockPanel, text);
  DeckPileView->setToolTip(DeckPileView->FCards->Count() > 0 ? text : QString());
}

// ---- playing a column's top card -----------------------------------------------------------

void TGolfForm::TableauPileView1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers, int,
                                          int) {
  auto* column = qobject_cast<TCardPileView*>(Sender);
  if (!column) return;
  if (FGameOver) {
    ShowWinDialog();
    return;
  }
  if (Button == Qt::MiddleButton) {
    DeckPileViewClick(DeckPileView);
    return;
  }
  column->FDragArmed = false;
  if (Button != Qt::LeftButton || !column->FHitCard) return;
  EnableOption(false);
  TCard* card = column->FHitCard;
  TCard* discardTop = TopCard(DiscardPile);
  if (card != TopCard(column) || !discardTop) return;
  if (!PyramidRules::GolfPlays(discardTop, card, FKingStopsSequence)) {
    // It may be picked up, but nothing takes it.
    column->FDragArmed = PyramidRules::GolfLiftsUnplayable(discardTop, FKingStopsSequence);
    return;
  }
  if (SoundManager) SoundManager->PlayCardDown();
  column->FCards->RemoveCard(card);
  DiscardPile->FCards->AddCard(card);
  FUndo->AddCardMove(column, DiscardPile, card);
  column->repaint();
  DiscardPile->repaint();
  ++FMoveCount;
  CheckForWin();
}

// ---- card-size variants --------------------------------------------------------------------

TsGolfForm::TsGolfForm(QWidget* owner) : TGolfForm(GolfLayouts::Small, owner) {}
TsGolfForm::~TsGolfForm() { ForgetGameWindow(sGolfForm, this); }

ThGolfForm::ThGolfForm(QWidget* owner) : TGolfForm(GolfLayouts::Huge, owner) {}
ThGolfForm::~ThGolfForm() { ForgetGameWindow(hGolfForm, this); }

TGolfForm* CreateGolfWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sGolfForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hGolfForm, owner);
  return CreateGameWindow(GolfForm, owner);
}
