#include "games/montana/MontanaWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QCursor>
#include <QMenu>
#include <QTimer>
#include <algorithm>

#include "engine/CardUndo.h"
#include "engine/Sounds.h"
#include "games/CardRules.h"
#include "games/GameVariants.h"
#include "games/montana/MontanaLayouts.h"
#include "games/montana/MontanaRules.h"
#include "shell/Preferences.h"
#include "shell/Profile.h"
#include "widgets/wkStatusBar.h"

TMontanaForm* MontanaForm = nullptr;
TsMontanaForm* sMontanaForm = nullptr;
ThMontanaForm* hMontanaForm = nullptr;

using namespace MontanaRules;

const TGameSpec TMontanaForm::Spec{.Name = "Montana",
                                   .Section = "Montana",
                                   .Decks = 1,
                                   .CardsToWin = MontanaRules::CardsToWin,
                                   .Threshold = MontanaRules::Threshold,
                                   .HelpTopic = 1008,
                                   .NumberPanel = 1,
                                   .ScorePanel = 3,
                                   .RoutesLButtonDown = true,
                                   .LaunchUp = false};

TMontanaForm::TMontanaForm(QWidget* owner) : TMontanaForm(MontanaLayouts::Large, owner) {}

TMontanaForm::TMontanaForm(const TFormLayout& layout, QWidget* owner) : TGameForm(Spec, layout, owner) {
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(500);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
}

TMontanaForm::~TMontanaForm() { ForgetGameWindow(MontanaForm, this); }

void TMontanaForm::AddGameMenuItems(QMenu*) {
  // No autoplay in this game: neither the item, its shortcut nor the check box.
  Autoplay1->setVisible(false);
  AutoPlayCheckBox->hide();
  Shuffle1 = AddMenuItem("Shuffle1", "S&huffle Remaining", QKeySequence(Qt::Key_F2),
                         static_cast<void (TGameForm::*)(QObject*)>(nullptr), NewGame1);
  ShowMatchMenu = AddMenuItem("ShowMatchMenu", "Show &Match", QKeySequence(Qt::Key_F6),
                              static_cast<void (TGameForm::*)(QObject*)>(nullptr), NewGame1);
  ShowMatchMenu->setCheckable(true);
  ShowMatchMenu->setChecked(true);
  PopupMenu1->insertSeparator(NewGame1);
  connect(Shuffle1, &QAction::triggered, this, [this] { Shuffle1Click(Shuffle1); });
  connect(ShowMatchMenu, &QAction::triggered, this, [this] { ShowMatchMenuClick(ShowMatchMenu); });
}

void TMontanaForm::BindHandlers(THandlerTable& t) {
  TGameForm::BindHandlers(t);
  t.Mouse["CardPileView1MouseDown"] = [this](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
    CardPileView1MouseDown(s, b, m, x, y);
  };
  t.Notify["CardPileView1DblClick"] = [this](QObject* s) { CardPileView1DblClick(s); };
  t.DragOver["CardPileView1DragOver"] = [this](QObject* s, TDragObjectHack* d, int x, int y, TDragState st,
                                               bool& a) { CardPileView1DragOver(s, d, x, y, st, a); };
}

void TMontanaForm::InitPiles() {
  for (int i = 1; i <= Places; ++i) FGrid.push_back(View(QStringLiteral("CardPileView%1").arg(i)));
  FDiscardView = View(QStringLiteral("DiscardPileView"));
  FDiscardView->hide();
}

void TMontanaForm::ReadOptions() {
  Profile1->SetEntry(QStringLiteral("ShowMatch"));
  FShowMatch = Profile1->Text() == Profile1->DefaultText() || Profile1->State();
  ShowMatchMenu->setChecked(FShowMatch);
}

void TMontanaForm::InitPanels() {
  ShufflePanel = GameStatusBar->Panels().Items(ShufflePanelIndex);
  ShufflePanel->SetBevel(pbRaised);
  ShufflePanel->SetHint(QStringLiteral("Shuffles Non-Ordered Cards"));
  ShufflePanel->OnClick = [this](TwkStatusPanel*) { Shuffle1Click(GameStatusBar); };
  SetShufflesUsed(0);
}

std::vector<TCardPile*> TMontanaForm::Piles() const {
  std::vector<TCardPile*> piles;
  for (TCardPileView* view : FGrid) piles.push_back(view->FCards);
  return piles;
}

int TMontanaForm::PlaceOf(const TCardPileView* view) const {
  const auto it = std::find(FGrid.begin(), FGrid.end(), view);
  return it == FGrid.end() ? -1 : int(it - FGrid.begin());
}

// ---- dealing -------------------------------------------------------------------------------

void TMontanaForm::ShuffleDeck(TCardPile* pile) {
  pile->Shuffle();
  for (TCard* card : pile->FList) card->FFaceUp = true;
}

void TMontanaForm::DealLayout(bool animate) {
  const std::vector<TCardPile*> piles = Piles();
  MontanaRules::Deal(
      StockPile(), piles.data(), FDiscardView->FCards,
      [this, animate](int place) {
        if (animate) FGrid[std::size_t(place)]->repaint();
      },
      [animate](int) {
        if (animate && SoundManager) SoundManager->PlayDeal();
      });
  if (!animate) RepaintViews();
  SetShufflesUsed(0);
  FLastGap = nullptr;
  Timer1->start();
}

void TMontanaForm::SetShufflesUsed(int used) {
  FShufflesUsed = used;
  const int left = MaxShuffles - used;
  ShufflePanel->SetText(QString::number(left) +
                        (left == 1 ? QStringLiteral(" Shuffle Remaining") : QStringLiteral(" Shuffles Remaining")));
  Shuffle1->setEnabled(left > 0);
  ShufflePanel->SetEnabled(left > 0);
}

void TMontanaForm::NewGame1Click(QObject* Sender) {
  // The highlights go before the grid is emptied; a refused command keeps playing.
  Timer1->stop();
  ClearHighlights(true, false);
  FLastGap = nullptr;
  TGameForm::NewGame1Click(Sender);
  if (!FGameOver && !Timer1->isActive()) Timer1->start();
}

void TMontanaForm::FormClose(QObject* Sender) {
  Timer1->stop();
  ClearHighlights(true, false);
  TGameForm::FormClose(Sender);
}

// ---- score and the win ---------------------------------------------------------------------

int TMontanaForm::UpdateScore(bool reset) {
  FScore = 0;
  if (!reset && FGrid.size() == std::size_t(Places)) FScore = Score(Piles().data());
  const CardRules::TScoreTexts texts =
      CardRules::ScoreTexts(QLatin1String(FSpec.Name), FGameNumber, FScore, false, 0, FShowStatusBar);
  setWindowTitle(texts.Caption);
  if (FShowStatusBar) {
    SetPanelText(FSpec.ScorePanel, texts.ScorePanel);
    SetPanelText(FSpec.NumberPanel, texts.NumberPanel);
  }
  return FScore;
}

void TMontanaForm::CheckForWin() {
  if (FGameOver) return;
  if (UpdateScore(false) >= CardsToWin) {
    Shuffle1->setEnabled(false);
    Timer1->stop();
    FLastGap = nullptr;
    ClearHighlights(true, false);
  }
  TGameForm::CheckForWin();
}

// ---- moves ---------------------------------------------------------------------------------

void TMontanaForm::MoveCard(TCardPileView* from, TCardPileView* to) {
  TCard* card = from->FCards->CardAt(TopOfPile);
  if (!card) return;
  if (SoundManager) SoundManager->PlayCardDown();
  from->FCards->RemoveCard(card);
  to->FCards->AddCard(card);
  from->repaint();
  to->repaint();
  FUndo->AddCardMove(from, to, card);
  ++FMoveCount;
}

void TMontanaForm::FillGap(TCardPileView* gap) {
  if (FGameOver) return;
  ClearHighlights(false, false);
  const int source = SourceForGap(Piles().data(), PlaceOf(gap));
  if (source >= 0) MoveCard(FGrid[std::size_t(source)], gap);
  CheckForWin();
}

bool TMontanaForm::OneClickMove(TCardPileView* view) {
  if (FGameOver) return false;
  ClearHighlights(false, false);
  const int target = TargetForCard(Piles().data(), PlaceOf(view));
  if (target < 0) return false;
  MoveCard(view, FGrid[std::size_t(target)]);
  CheckForWin();
  FMovedByClick = true;
  return true;
}

void TMontanaForm::CardPileView1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers, int,
                                          int) {
  auto* view = qobject_cast<TCardPileView*>(Sender);
  if (!view) return;
  view->FDragArmed = false;
  if (FGameOver || (Button != Qt::LeftButton && Button != Qt::MiddleButton)) return;
  if (view->FCards->Count() == 0) {
    FillGap(view);
    return;
  }
  FMovedByClick = false;
  OneClickMove(view);
  if (!FMovedByClick && Button == Qt::LeftButton) view->FDragArmed = true;
}

void TMontanaForm::CardPileView1DblClick(QObject* Sender) {
  if (auto* view = qobject_cast<TCardPileView*>(Sender); view && view->FCards->Count() > 0) OneClickMove(view);
}

bool TMontanaForm::CanDropOnTableau(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    const int place = PlaceOf(target);
    return place >= 0 && FitsGap(Piles().data(), place, source->FDragPile->FList.front());
  }, true);
}

void TMontanaForm::CardPileView1DragOver(QObject* Sender, TDragObjectHack* Source, int, int, TDragState,
                                         bool& Accept) {
  TCardPileView* source = Source ? Source->OwnerView() : nullptr;
  auto* view = qobject_cast<TCardPileView*>(Sender);
  if (!source || !view) {
    Accept = false;
    return;
  }
  if (view->FCards->Count() == 0) CanDropOnTableau(view, source);
  Accept = !source->FDropTarget.isNull();
}

void TMontanaForm::Undo1Click(QObject* Sender) {
  if (!Undo1->isEnabled()) return;
  ClearHighlights(false, true);
  TGameForm::Undo1Click(Sender);
}

void TMontanaForm::Redo1Click(QObject* Sender) {
  if (!Redo1->isEnabled()) return;
  ClearHighlights(false, true);
  TGameForm::Redo1Click(Sender);
}

// ---- reshuffle -----------------------------------------------------------------------------

void TMontanaForm::Shuffle1Click(QObject*) {
  if (FShufflesUsed >= MaxShuffles || FGameOver) return;
  // Marked cards are about to move: the marks go with the old places.
  ClearHighlights(true, false);
  FLastGap = nullptr;
  ShufflePanel->SetBevel(pbLowered);
  const bool animate = PreferencesDlg && PreferencesDlg->FDoAnimation;
  if (SoundManager) SoundManager->PlayShuffle();
  const std::vector<TCardPile*> piles = Piles();
  MontanaRules::Reshuffle(
      piles.data(), FDiscardView->FCards,
      [this, animate](int place) {
        if (animate) FGrid[std::size_t(place)]->repaint();
      },
      [animate](int) {
        if (animate && SoundManager) SoundManager->PlayDeal();
      });
  FUndo->Clear();
  SetShufflesUsed(FShufflesUsed + 1);
  ShufflePanel->SetBevel(pbRaised);
  if (!animate) RepaintViews();
  UpdateScore(false);
}

// ---- Show Match ----------------------------------------------------------------------------

void TMontanaForm::ClearHighlights(bool all, bool repaint) {
  for (THighlight& slot : FHighlights) {
    if (slot.Card) slot.Card->FSelected = false;
    if (all && slot.View)
      if (TCard* top = slot.View->FCards->CardAt(TopOfPile)) top->FSelected = false;
    if (repaint && slot.View) slot.View->repaint();
    slot.Card = nullptr;
    if (all) slot.View = nullptr;
  }
}

void TMontanaForm::Highlight(TCardPileView* view) {
  TCard* card = view->FCards->CardAt(TopOfPile);
  if (!card) return;
  for (THighlight& slot : FHighlights)
    if (!slot.Card) {
      slot.View = view;
      slot.Card = card;
      card->FSelected = true;
      view->repaint();
      return;
    }
}

void TMontanaForm::Timer1Timer() {
  if (!isActiveWindow()) return;
  ShowMatchAt(mapFromGlobal(QCursor::pos()));
}

void TMontanaForm::ShowMatchAt(QPoint at) {
  if (FGameOver || !FShowMatch) return;
  TCardPileView* gap = nullptr;
  for (TCardPileView* view : FGrid)
    if (view->geometry().contains(at)) {
      if (view->FCards->Count() == 0) gap = view;
      break;
    }
  if (gap && gap == FLastGap) return;
  ClearHighlights(true, true);
  if (!gap) {
    FLastGap = nullptr;
    return;
  }
  const std::vector<TCardPile*> piles = Piles();
  const int place = PlaceOf(gap);
  if (Column(place) == 0) {
    for (int p = 0; p < Places; ++p)
      if (const TCard* card = CardOf(piles.data(), p); card && card->FValue == CS_TWO && Column(p) != 0)
        Highlight(FGrid[std::size_t(p)]);
  } else {
    const TCard* left = CardOf(piles.data(), place - 1);
    if (!left || left->FValue == CS_KING) {
      FLastGap = nullptr;  // nothing fits: the gap is not remembered
      return;
    }
    for (int p = 0; p < Places; ++p)
      if (const TCard* card = CardOf(piles.data(), p);
          card && card->FSuit == left->FSuit && card->FValue == left->FValue + 1)
        Highlight(FGrid[std::size_t(p)]);
  }
  FLastGap = gap;
}

void TMontanaForm::ShowMatchMenuClick(QObject*) {
  FShowMatch = !FShowMatch;
  ShowMatchMenu->setChecked(FShowMatch);
  if (!FShowMatch) {
    ClearHighlights(true, true);
    FLastGap = nullptr;
  }
  WriteState("ShowMatch", FShowMatch);
}

// ---- card-size variants --------------------------------------------------------------------

TsMontanaForm::TsMontanaForm(QWidget* owner) : TMontanaForm(MontanaLayouts::Small, owner) {}
TsMontanaForm::~TsMontanaForm() { ForgetGameWindow(sMontanaForm, this); }

ThMontanaForm::ThMontanaForm(QWidget* owner) : TMontanaForm(MontanaLayouts::Huge, owner) {}
ThMontanaForm::~ThMontanaForm() { ForgetGameWindow(hMontanaForm, this); }

TMontanaForm* CreateMontanaWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sMontanaForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hMontanaForm, owner);
  return CreateGameWindow(MontanaForm, owner);
}
