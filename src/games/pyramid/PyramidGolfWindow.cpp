#include "games/pyramid/PyramidGolfWindow.h"

#include "engine/CardUndo.h"
#include "engine/PyramidPileView.h"
#include "engine/Sounds.h"
#include "games/GameVariants.h"
#include "games/pyramid/PyramidGolfLayouts.h"
#include "games/pyramid/PyramidRules.h"

TPyramidGolfForm* PyramidGolfForm = nullptr;
TsPyramidGolfForm* sPyramidGolfForm = nullptr;
ThPyramidGolfForm* hPyramidGolfForm = nullptr;

const TGameSpec TPyramidGolfForm::Spec{.Name = "Pyramid Golf",
                                       .Section = "PyramidGolf",
                                       .Decks = 1,
                                       .CardsToWin = PyramidRules::CardsToWin,
                                       .Threshold = 5,
                                       .Vegas = false,
                                       .HelpTopic = 1025,
                                       .NumberPanel = 1,
                                       .ScorePanel = 3,
                                       .LaunchUp = true};

TPyramidGolfForm::TPyramidGolfForm(QWidget* owner) : TPyramidGolfForm(PyramidGolfLayouts::Large, owner) {}

TPyramidGolfForm::TPyramidGolfForm(const TFormLayout& layout, QWidget* owner)
    : TPyramidFamilyForm(Spec, layout, owner) {}

TPyramidGolfForm::~TPyramidGolfForm() { ForgetGameWindow(PyramidGolfForm, this); }

void TPyramidGolfForm::BindHandlers(THandlerTable& t) {
  TPyramidFamilyForm::BindHandlers(t);
  t.Mouse["PyramidPileViewMouseDown"] = [this](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x,
                                               int y) { PyramidPileViewMouseDown(s, b, m, x, y); };
}

void TPyramidGolfForm::DealLayout(bool animate) { DealPyramidCards(animate); }

void TPyramidGolfForm::Deal(bool quiet, bool newShuffle) {
  TPyramidFamilyForm::Deal(quiet, newShuffle);
  PyramidPileView->repaint();
  // Play starts on the first stock card, a move that can be taken back.
  TurnStockCard(quiet);
  UpdateScore(false);
}

void TPyramidGolfForm::DeckPileViewClick(QObject*) {
  if (FGameOver) {
    ShowWinDialog();
    return;
  }
  if (DeckPileView->FCards->Count() == 0) return;
  TurnStockCard(false);
  CheckForWin();
}

void TPyramidGolfForm::UpdateStockStatus() {
  if (!DeckPileView) return;
  const QString text = QStringLiteral("Stock: ") + QString::number(DeckPileView->FCards->Count());
  SetPanelText(StockPanel, text);
  DeckPileView->setToolTip(DeckPileView->FCards->Count() > 0 ? text : QString());
}

void TPyramidGolfForm::PyramidPileViewMouseDown(QObject*, Qt::MouseButton Button, Qt::KeyboardModifiers, int,
                                                int) {
  if (FGameOver) {
    ShowWinDialog();
    return;
  }
  if (Button == Qt::MiddleButton) {
    DeckPileViewClick(DeckPileView);
    return;
  }
  PyramidPileView->FDragArmed = false;
  TCard* card = PyramidPileView->FHitCard;
  TCard* discardTop = TopCard(DiscardPile);
  if (Button != Qt::LeftButton || !card || !discardTop || PyramidPileView->IsCardCovered(card)) return;
  if (!PyramidRules::PyramidGolfPlays(discardTop, card)) {
    // It may be picked up, but nothing takes it.
    PyramidPileView->FDragArmed = true;
    return;
  }
  const int index = PyramidPileView->FCards->CardIndex(card);
  if (index < 0) return;
  if (SoundManager) SoundManager->PlayCardDown();
  PyramidPileView->FCards->SetToNull(index);
  DiscardPile->FCards->AddCard(card);
  FUndo->AddCardMove(PyramidPileView, DiscardPile, card);
  PyramidPileView->repaint();
  DiscardPile->repaint();
  ++FMoveCount;
  CheckForWin();
}

// ---- card-size variants --------------------------------------------------------------------

TsPyramidGolfForm::TsPyramidGolfForm(QWidget* owner) : TPyramidGolfForm(PyramidGolfLayouts::Small, owner) {}
TsPyramidGolfForm::~TsPyramidGolfForm() { ForgetGameWindow(sPyramidGolfForm, this); }

ThPyramidGolfForm::ThPyramidGolfForm(QWidget* owner) : TPyramidGolfForm(PyramidGolfLayouts::Huge, owner) {}
ThPyramidGolfForm::~ThPyramidGolfForm() { ForgetGameWindow(hPyramidGolfForm, this); }

TPyramidGolfForm* CreatePyramidGolfWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sPyramidGolfForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hPyramidGolfForm, owner);
  return CreateGameWindow(PyramidGolfForm, owner);
}
