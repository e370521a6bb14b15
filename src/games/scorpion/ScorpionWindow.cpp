#include "games/scorpion/ScorpionWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>

#include "engine/CardUndo.h"
#include "engine/Sounds.h"
#include "games/CardRules.h"
#include "games/GameVariants.h"
#include "games/scorpion/ScorpionLayouts.h"

TScorpionForm* ScorpionForm = nullptr;
TsScorpionForm* sScorpionForm = nullptr;
ThScorpionForm* hScorpionForm = nullptr;

namespace {
TCardPileView* AsView(QObject* sender) { return qobject_cast<TCardPileView*>(sender); }
}  // namespace

const TGameSpec TScorpionForm::Spec{.Name = "Scorpion",
                                    .Section = "Scorpion",
                                    .Decks = 1,
                                    .CardsToWin = 52,
                                    .Threshold = 5,
                                    .Vegas = false,
                                    .HelpTopic = 1015,
                                    .NumberPanel = ScorpionLayouts::NumberPanel,
                                    .ScorePanel = ScorpionLayouts::ScorePanel};

TScorpionForm::TScorpionForm(QWidget* owner) : TScorpionForm(Spec, ScorpionLayouts::Large, owner) {}

TScorpionForm::TScorpionForm(const TGameSpec& spec, const TFormLayout& layout, QWidget* owner)
    : TGameForm(spec, layout, owner) {}

TScorpionForm::~TScorpionForm() { ForgetGameWindow(ScorpionForm, this); }

void TScorpionForm::InitPiles() {
  for (const TBuiltComponent& c : FComponents) {
    const QString name = c.View->objectName();
    if (name.startsWith(QLatin1String("TableauPile"))) FTableau.push_back(c.View);
    else if (name == QLatin1String("DeckPileView")) DeckPileView = c.View;
  }
}

void TScorpionForm::BindHandlers(THandlerTable& t) {
  TGameForm::BindHandlers(t);
  t.Mouse["TableauPile1MouseDown"] = [this](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
    TableauPile1MouseDown(s, b, m, x, y);
  };
  t.Mouse["DeckPileViewMouseDown"] = [this](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
    DeckPileViewMouseDown(s, b, m, x, y);
  };
  t.StartDrag["TableauPile1StartDrag"] = t.StartDrag.value(QStringLiteral("TableauPileView1StartDrag"));
  t.DragOver["TableauPile1DragOver"] = t.DragOver.value(QStringLiteral("TableauPileView1DragOver"));
  t.EndDrag["TableauPile1EndDrag"] = t.EndDrag.value(QStringLiteral("TableauPileView1EndDrag"));
}

void TScorpionForm::AddGameMenuItems(QMenu* menu) {
  // No autoplay in this family: neither the item nor its shortcut.
  menu->removeAction(Autoplay1);
  removeAction(Autoplay1);
  Autoplay1->setShortcut(QKeySequence());
}

void TScorpionForm::InitPanels() {
  AutoPlayCheckBox->hide();
  FAutoplay = false;
}

void TScorpionForm::FormKeyDown(int Key, Qt::KeyboardModifiers Shift) {
  if (Key == Qt::Key_A) return;
  TGameForm::FormKeyDown(Key, Shift);
}

// ---- dealing -------------------------------------------------------------------------

void TScorpionForm::Deal(bool quiet, bool newShuffle) {
  // The stock lies as a block while dealing and spread a little with its cards after.
  if (DeckPileView) {
    DeckPileView->XOffset = 0.4f;
    DeckPileView->YOffset = 0.2f;
    DeckPileView->AllowDrag = false;
  }
  TGameForm::Deal(quiet, newShuffle);
  if (DeckPileView) {
    DeckPileView->XOffset = 4;
    DeckPileView->YOffset = 4;
    DeckPileView->AllowDrag = true;
    DeckPileView->repaint();
  }
}

void TScorpionForm::DealSteps(const std::vector<ScorpionRules::TDealStep>& steps, bool animate) {
  for (const ScorpionRules::TDealStep& step : steps) {
    DealCardTo(FTableau[static_cast<std::size_t>(step.Pile)], step.FaceUp, animate);
    if (step.RowEnd) DealPassDone(animate);
  }
}

void TScorpionForm::DealLayout(bool animate) { DealSteps(ScorpionRules::DealSteps(ScorpionRules::TGame::Scorpion), animate); }

// ---- pressing and dragging -----------------------------------------------------------

bool TScorpionForm::CanLift(TCardPileView* view, int index) { return ScorpionRules::CanLiftAny(view->FCards, index); }

void TScorpionForm::TableauPile1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers, int,
                                          int) {
  TCardPileView* view = AsView(Sender);
  if (!view) return;
  if (FGameOver) {
    ShowWinDialog();
    return;
  }
  view->FDragArmed = false;
  if (Button == Qt::MiddleButton) {
    DeckPileViewClick(DeckPileView);
    return;
  }
  if (Button != Qt::LeftButton || !view->FHitCard) return;
  if (!CanLift(view, view->FCards->CardIndex(view->FHitCard))) return;
  view->FDragArmed = true;
}

void TScorpionForm::DeckPileViewMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers, int,
                                          int) {
  if (TCardPileView* view = AsView(Sender)) view->FDragArmed = false;
  if (Button == Qt::MiddleButton) DeckPileViewClick(DeckPileView);
}

bool TScorpionForm::CanDropOnTableau(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    return ScorpionRules::CanDropInSuit(target->FCards, source->FDragPile->FList.front());
  }, true);
}

// ---- the stock -------------------------------------------------------------------------

void TScorpionForm::DeckPileViewClick(QObject*) {
  if (FGameOver) {
    ShowWinDialog();
    return;
  }
  if (!DeckPileView || DeckPileView->FCards->Count() == 0) return;
  std::vector<TCardPile*> piles;
  for (TCardPileView* view : FTableau) piles.push_back(view->FCards);
  std::vector<ScorpionRules::TStockCard> dealt;
  ScorpionRules::DealStock(DeckPileView->FCards, piles, &dealt);
  for (const ScorpionRules::TStockCard& d : dealt) {
    TCardPileView* pile = FTableau[static_cast<std::size_t>(d.Pile)];
    pile->repaint();
    FUndo->AddCardMove(DeckPileView, pile, d.Card);
  }
  if (SoundManager) SoundManager->PlayDeal();
  DeckPileView->repaint();
  ++FMoveCount;
  UpdateStockStatus();
  // The dealt cards may complete the last suit.
  CheckForWin();
}

void TScorpionForm::UpdateStockStatus() {
  if (!DeckPileView) return;
  const int count = DeckPileView->FCards->Count();
  DeckPileView->setToolTip(count > 0 ? QString::number(count) : QString());
}

// ---- undo and redo -------------------------------------------------------------------------

bool TScorpionForm::IsStockStep() const {
  return FUndo->FCards && DeckPileView && FUndo->FFromView == DeckPileView;
}

// The stock's three cards go back together, face down again; the template counts the
// one move.
bool TScorpionForm::UndoGameStep() {
  if (!IsStockStep()) return false;
  for (int undone = 0; undone < 3 && IsStockStep();) {
    TCardPileView* pile = FUndo->FToView;
    if (TCard* card = FUndo->FCards->CardAt(TopOfPile)) card->FFaceUp = false;
    FUndo->Undo();
    pile->repaint();
    DeckPileView->repaint();
    if (++undone == 3) break;
    FUndo->AfterUndo();
    FUndo->PeekUndo();
  }
  return true;
}

bool TScorpionForm::RedoGameStep() {
  if (!IsStockStep()) return false;
  for (int i = 0; i < 3 && IsStockStep(); ++i) {
    TCardPileView* pile = FUndo->FToView;
    if (TCard* card = FUndo->FCards->CardAt(TopOfPile)) card->FFaceUp = true;
    FUndo->Redo();
    pile->repaint();
    DeckPileView->repaint();
    FUndo->AfterRedo();
    FUndo->PeekRedo();
  }
  return true;
}

// ---- score -------------------------------------------------------------------------------

int TScorpionForm::UpdateScore(bool reset) {
  std::vector<const TCardPile*> piles;
  for (TCardPileView* view : FTableau) piles.push_back(view->FCards);
  FScore = reset ? 0 : ScorpionRules::Score(piles);
  const CardRules::TScoreTexts texts =
      CardRules::ScoreTexts(QLatin1String(FSpec.Name), FGameNumber, FScore, false, 0, FShowStatusBar);
  setWindowTitle(texts.Caption);
  if (FShowStatusBar) {
    SetPanelText(FSpec.ScorePanel, texts.ScorePanel);
    SetPanelText(FSpec.NumberPanel, texts.NumberPanel);
  }
  return FScore;
}

// ---- card-size variants --------------------------------------------------------------------

TsScorpionForm::TsScorpionForm(QWidget* owner) : TsScorpionForm(Spec, owner) {}
TsScorpionForm::TsScorpionForm(const TGameSpec& spec, QWidget* owner)
    : TScorpionForm(spec, ScorpionLayouts::Small, owner) {}
TsScorpionForm::~TsScorpionForm() { ForgetGameWindow(sScorpionForm, this); }

ThScorpionForm::ThScorpionForm(QWidget* owner) : ThScorpionForm(Spec, owner) {}
ThScorpionForm::ThScorpionForm(const TGameSpec& spec, QWidget* owner)
    : TScorpionForm(spec, ScorpionLayouts::Huge, owner) {}
ThScorpionForm::~ThScorpionForm() { ForgetGameWindow(hScorpionForm, this); }

TScorpionForm* CreateScorpionWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sScorpionForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hScorpionForm, owner);
  return CreateGameWindow(ScorpionForm, owner);
}
