#include "games/lucie/LucieWindow.h"

#include <QAction>
#include <QMenu>

#include "engine/CardUndo.h"
#include "engine/Sounds.h"
#include "games/GameVariants.h"
#include "games/lucie/LucieLayouts.h"
#include "games/lucie/LucieRules.h"
#include "shell/Preferences.h"
#include "widgets/wkStatusBar.h"

TLucieForm* LucieForm = nullptr;
TsLucieForm* sLucieForm = nullptr;
ThLucieForm* hLucieForm = nullptr;

namespace {
TCardPileView* AsView(QObject* sender) { return qobject_cast<TCardPileView*>(sender); }
}  // namespace

const TGameSpec TLucieForm::Spec{.Name = "La Belle Lucie",
                                 .Section = "LaBelleLucie",
                                 .Decks = 1,
                                 .CardsToWin = LucieRules::CardsToWin,
                                 .Threshold = 5,
                                 .Vegas = false,
                                 .HelpTopic = 1020,
                                 .NumberPanel = LucieLayouts::NumberPanel,
                                 .ScorePanel = LucieLayouts::ScorePanel};

TLucieForm::TLucieForm(QWidget* owner) : TLucieForm(LucieLayouts::Large, owner) {}

TLucieForm::TLucieForm(const TFormLayout& layout, QWidget* owner) : TGameForm(Spec, layout, owner) {}

TLucieForm::~TLucieForm() { ForgetGameWindow(LucieForm, this); }

void TLucieForm::InitPiles() {
  for (const TBuiltComponent& c : FComponents) {
    const QString name = c.View->objectName();
    if (name.startsWith(QLatin1String("CardPileView"))) FTableau.push_back(c.View);
    else if (name.startsWith(QLatin1String("FoundationPile"))) FFoundations.push_back(c.View);
  }
}

void TLucieForm::BindHandlers(THandlerTable& t) {
  TGameForm::BindHandlers(t);
  t.Mouse["CardPileView1MouseDown"] = [this](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
    CardPileView1MouseDown(s, b, m, x, y);
  };
  t.Notify["CardPileView1DblClick"] = [this](QObject* s) { CardPileView1DblClick(s); };
  t.StartDrag["CardPileView1StartDrag"] = [this](QObject* s, TDragObjectHack* d) { CardPileView1StartDrag(s, d); };
  t.DragOver["CardPileView1DragOver"] = [this](QObject* s, TDragObjectHack* d, int x, int y, TDragState st, bool& a) {
    CardPileView1DragOver(s, d, x, y, st, a);
  };
  t.EndDrag["CardPileView1EndDrag"] = [this](QObject* s, QObject* target, int x, int y) {
    CardPileView1EndDrag(s, target, x, y);
  };
}

void TLucieForm::AddGameMenuItems(QMenu* menu) {
  // Right under Redo, before the separator that leads to Autoplay.
  const QList<QAction*> items = menu->actions();
  const qsizetype autoplay = items.indexOf(Autoplay1);
  QAction* before = autoplay > 0 ? items[autoplay - 1] : Autoplay1;
  Shuffle1 = AddMenuItem("Shuffle1", "S&huffle Remaining", QKeySequence(Qt::Key_F2), nullptr, before);
  connect(Shuffle1, &QAction::triggered, this, [this] { Shuffle1Click(Shuffle1); });
}

void TLucieForm::InitPanels() {
  if (GameStatusBar->Panels().Count() <= LucieLayouts::ShufflePanel) return;
  TwkStatusPanel* panel = GameStatusBar->Panels().Items(LucieLayouts::ShufflePanel);
  panel->SetBevel(pbRaised);  // a button from the start, as Montana's
  panel->SetHint(QStringLiteral("Click to shuffle"));
  panel->OnClick = [this](TwkStatusPanel*) { Shuffle1Click(Shuffle1); };
}

std::vector<TCardPile*> TLucieForm::FanPiles() const {
  std::vector<TCardPile*> piles;
  for (TCardPileView* view : FTableau) piles.push_back(view->FCards);
  return piles;
}

void TLucieForm::SetShufflePanel() {
  if (GameStatusBar->Panels().Count() <= LucieLayouts::ShufflePanel) return;
  TwkStatusPanel* panel = GameStatusBar->Panels().Items(LucieLayouts::ShufflePanel);
  const bool left = FShufflesUsed < LucieRules::Shuffles && !FGameOver;
  panel->SetText(QLatin1String(LucieRules::ShuffleText(FShufflesUsed)));
  panel->SetEnabled(left);
  Shuffle1->setEnabled(left);
}

// ---- dealing -------------------------------------------------------------------------

void TLucieForm::DealLayout(bool animate) {
  const std::vector<TCardPile*> fans = FanPiles();
  LucieRules::Deal(StockPile(), fans.data(), [&](int fan) {
    if (fan < 0) DealPassDone(animate);
    else if (animate) FTableau[std::size_t(fan)]->repaint();
  });
  for (TCardPileView* view : FFoundations) view->repaint();
  FDrawUsed = false;
  FShufflesUsed = 0;
  FDrawnCard = nullptr;
  SetShufflePanel();
}

// ---- score and the win -------------------------------------------------------------------

int TLucieForm::UpdateScore(bool reset) {
  const int score = TGameForm::UpdateScore(reset);
  if (FShowStatusBar)
    SetPanelText(LucieLayouts::DrawPanel,
                 FDrawUsed ? QStringLiteral("Draws Left: 0") : QStringLiteral("Draws Left: 1"));
  return score;
}

void TLucieForm::CheckForWin() {
  TGameForm::CheckForWin();
  if (FGameOver) SetShufflePanel();
}

// ---- pressing: the draw and the one-click play --------------------------------------------

void TLucieForm::Draw(TCardPileView* fan, TCard* card) {
  FUndo->AddMove(fan, fan, fan->FCards);  // the fan's order before the draw
  fan->FCards->RemoveCard(card);
  fan->FCards->AddCard(card);
  fan->repaint();
  if (SoundManager) SoundManager->PlayCardDownSync();
  FDrawUsed = true;
  FDrawnCard = card;
  ++FMoveCount;
  CheckForWin();
}

bool TLucieForm::PlayToFan(TCardPileView* fan) {
  TCard* card = fan->FCards->CardAt(TopOfPile);
  const std::vector<TCardPile*> fans = FanPiles();
  const int index = int(std::find(FTableau.begin(), FTableau.end(), fan) - FTableau.begin());
  const int target = LucieRules::FanFor(card, fans.data(), index);
  if (target < 0) return false;
  TCardPileView* to = FTableau[std::size_t(target)];
  fan->FCards->RemoveCard(card);
  to->FCards->AddCard(card);
  FUndo->AddCardMove(fan, to, card);
  fan->repaint();
  to->repaint();
  if (SoundManager) SoundManager->PlayCardDownSync();
  ++FMoveCount;
  CheckForWin();
  return true;
}

void TLucieForm::CardPileView1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                        int, int) {
  TCardPileView* fan = AsView(Sender);
  if (!fan) return;
  if (FGameOver) {
    ShowWinDialog();
    return;
  }
  fan->FDragArmed = false;
  TCard* card = fan->FHitCard;
  if (!card) return;
  const bool top = card == fan->FCards->CardAt(TopOfPile);
  if (Button == Qt::MiddleButton || (Button == Qt::LeftButton && (Shift & Qt::ControlModifier) && !top)) {
    if (!top && !FDrawUsed) Draw(fan, card);
    return;
  }
  if (Button != Qt::LeftButton || !top) return;
  if (FoundationFor(card)) {
    DiscardPileViewDblClick(fan);
    return;
  }
  if (PlayToFan(fan)) return;
  fan->FDragArmed = true;
}

void TLucieForm::CardPileView1DblClick(QObject* Sender) { DiscardPileViewDblClick(Sender); }

// ---- dragging: only to the foundations ------------------------------------------------------

void TLucieForm::CardPileView1StartDrag(QObject* Sender, TDragObjectHack* DragObject) {
  if (SoundManager) SoundManager->PlayCardUp();
  TCardPileView* source = DragObject ? DragObject->OwnerView() : AsView(Sender);
  if (!source || !PreferencesDlg || !PreferencesDlg->FSmartDragging) return;
  for (TCardPileView* f : FFoundations)
    if (CanDropOnFoundation(f, source)) return;
}

void TLucieForm::CardPileView1DragOver(QObject*, TDragObjectHack* Source, int, int, TDragState, bool& Accept) {
  TCardPileView* source = Source ? Source->OwnerView() : nullptr;
  Accept = source && !source->FDropTarget.isNull();
}

void TLucieForm::CardPileView1EndDrag(QObject* Sender, QObject*, int, int) {
  TCardPileView* source = AsView(Sender);
  if (!source || !source->FDropTarget) return;
  if (SoundManager) SoundManager->PlayAutoplayStep();
  FUndo->AddMove(source, source->FDropTarget, source->FDragPile);
  source->repaint();
  source->FDropTarget->repaint();
  ++FMoveCount;
  CheckForWin();
}

// ---- the shuffle ---------------------------------------------------------------------------

void TLucieForm::Shuffle1Click(QObject*) {
  if (FShufflesUsed >= LucieRules::Shuffles || FGameOver) return;
  TwkStatusPanel* panel = GameStatusBar->Panels().Count() > LucieLayouts::ShufflePanel
                              ? GameStatusBar->Panels().Items(LucieLayouts::ShufflePanel)
                              : nullptr;
  if (panel) panel->SetBevel(pbLowered);
  const std::vector<TCardPile*> fans = FanPiles();
  TCardPile gathered;
  LucieRules::Gather(fans.data(), &gathered);
  for (TCardPileView* view : FTableau) view->repaint();
  if (SoundManager) SoundManager->PlayShuffle();
  gathered.Shuffle();  // the deal's generator goes on; it is not seeded again
  const bool animate = PreferencesDlg && PreferencesDlg->FDoAnimation;
  LucieRules::Redeal(&gathered, fans.data(), [&](int fan) {
    if (fan < 0) DealPassDone(animate);
    else if (animate) FTableau[std::size_t(fan)]->repaint();
  });
  for (TCardPileView* view : FTableau) view->repaint();
  FUndo->Clear();
  ++FShufflesUsed;
  SetShufflePanel();
  if (panel) panel->SetBevel(pbRaised);
}

// ---- undo and redo of the draw ------------------------------------------------------------

bool TLucieForm::UndoGameStep() {
  if (FUndo->FFromView != FUndo->FToView) return false;
  // The draw: the fan takes back its order from before, and the draw is available again.
  TCardPileView* fan = FUndo->FFromView;
  fan->FCards->FList = FUndo->FCards->FList;
  FUndo->Undo();
  FDrawUsed = false;
  fan->repaint();
  return true;
}

bool TLucieForm::RedoGameStep() {
  if (FUndo->FFromView != FUndo->FToView) return false;
  // The draw again: the fan takes its order from before and the drawn card goes on top.
  TCardPileView* fan = FUndo->FFromView;
  fan->FCards->FList = FUndo->FCards->FList;
  if (FDrawnCard && fan->FCards->CardIndex(FDrawnCard) >= 0) {
    fan->FCards->RemoveCard(FDrawnCard);
    fan->FCards->AddCard(FDrawnCard);
  }
  FDrawUsed = true;
  FUndo->Redo();
  fan->repaint();
  FUndo->AfterRedo();
  return true;
}

// ---- card-size variants --------------------------------------------------------------------

TsLucieForm::TsLucieForm(QWidget* owner) : TLucieForm(LucieLayouts::Small, owner) {}
TsLucieForm::~TsLucieForm() { ForgetGameWindow(sLucieForm, this); }

ThLucieForm::ThLucieForm(QWidget* owner) : TLucieForm(LucieLayouts::Huge, owner) {}
ThLucieForm::~ThLucieForm() { ForgetGameWindow(hLucieForm, this); }

TLucieForm* CreateLucieWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sLucieForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hLucieForm, owner);
  return CreateGameWindow(LucieForm, owner);
}
