#include "games/pyramid/PyramidWindow.h"

#include <QLabel>

#include "engine/CardUndo.h"
#include "engine/PyramidPileView.h"
#include "engine/Sounds.h"
#include "games/GameVariants.h"
#include "games/pyramid/PyramidRules.h"
#include "shell/Preferences.h"

TPyramidForm* PyramidForm = nullptr;
TsPyramidForm* sPyramidForm = nullptr;
ThPyramidForm* hPyramidForm = nullptr;

const TGameSpec TPyramidForm::Spec{.Name = "Pyramid",
                                   .Section = "Pyramid",
                                   .Decks = 1,
                                   .CardsToWin = PyramidRules::CardsToWin,
                                   .Threshold = 5,
                                   .Vegas = false,
                                   .HelpTopic = 1009,
                                   .NumberPanel = 1,
                                   .ScorePanel = 4,
                                   .LaunchUp = true};

TPyramidForm::TPyramidForm(QWidget* owner)
    : TPyramidForm(PyramidLayouts::Large, PyramidLayouts::LargeLabel, owner) {}

TPyramidForm::TPyramidForm(const TFormLayout& layout, PyramidLayouts::TLabelPlace label, QWidget* owner)
    : TPairingForm(Spec, layout, owner), FLabelPlace(label) {}

TPyramidForm::~TPyramidForm() { ForgetGameWindow(PyramidForm, this); }

void TPyramidForm::InitPiles() {
  TPairingForm::InitPiles();
  PlayPileView = View(QStringLiteral("PlayPileView"));
  WastePileView = View(QStringLiteral("WastePileView"));
  // The game moves both cards of a pair itself.
  PlayPileView->FManualDrop = true;
  WastePileView->FManualDrop = true;
  Label1 = new QLabel(QStringLiteral("First Pass"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(16);
  font.setItalic(true);
  Label1->setFont(font);
  Label1->move(FLabelPlace.Left, FLabelPlace.Top);
  Label1->resize(Label1->sizeHint().width() + 40, Label1->sizeHint().height());
  Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
  Label1->raise();
  SetLabelColour();
}

std::vector<TCardPileView*> TPyramidForm::SmartPairPiles() const { return {PlayPileView, WastePileView}; }

void TPyramidForm::SetLabelColour() {
  const TColor background = PreferencesDlg ? PreferencesDlg->FBackgroundColor : 0x00004000;
  QPalette palette = Label1->palette();
  palette.setColor(QPalette::WindowText, background >= 0x7FFFFF ? Qt::black : Qt::white);
  Label1->setPalette(palette);
}

void TPyramidForm::SetPass(int pass) {
  FPass = std::clamp(pass, 1, 3);
  Label1->setText(PyramidRules::PassCaption(FPass));
}

void TPyramidForm::ApplyPreferences() {
  TPairingForm::ApplyPreferences();
  SetLabelColour();
}

// ---- dealing -------------------------------------------------------------------------------

void TPyramidForm::DealLayout(bool animate) { DealPyramidCards(animate); }

void TPyramidForm::Deal(bool quiet, bool newShuffle) {
  TPairingForm::Deal(quiet, newShuffle);
  SetPass(1);
  DeckPileView->State = CS_RECYCLE;
  UpdateStockStatus();
  PyramidPileView->repaint();
}

// ---- the stock -----------------------------------------------------------------------------

void TPyramidForm::PlayToWaste() {
  TCard* card = TopCard(PlayPileView);
  if (!card) return;
  PlayPileView->FCards->RemoveCard(card);
  WastePileView->FCards->AddCard(card);
  FUndo->AddCardMove(PlayPileView, WastePileView, card);
}

void TPyramidForm::StockToPlay() {
  if (TCard* card = PyramidRules::TurnCard(DeckPileView->FCards, PlayPileView->FCards))
    FUndo->AddCardMove(DeckPileView, PlayPileView, card);
}

void TPyramidForm::DeckPileViewClick(QObject*) {
  if (FGameOver) {
    ShowWinDialog();
    return;
  }
  TCardPile* stock = DeckPileView->FCards;
  TCardPile* waste = WastePileView->FCards;
  if (FPass >= 3) DeckPileView->State = CS_BLANK;
  if (stock->Count() == 0 && FPass >= 3) {
    DeckPileView->repaint();
    return;
  }
  if (stock->Count() > 0) {
    PlayToWaste();
    StockToPlay();
    ++FMoveCount;
  } else {
    PlayToWaste();
    if (waste->Count() == 0) return;
    // The waste is turned over into a new stock for the next pass.
    TCardPile moved;
    waste->CopyPileTo(&moved);
    FUndo->AddMove(WastePileView, DeckPileView, &moved);
    moved.Empty(false);
    stock->AddPile(waste);
    waste->Empty(false);
    stock->Flip();
    StockToPlay();
    ++FMoveCount;
    SetPass(FPass + 1);
  }
  DeckPileView->repaint();
  PlayPileView->repaint();
  WastePileView->repaint();
  if (SoundManager) SoundManager->PlayStock();
  CheckForWin();
  UpdateStockStatus();
}

void TPyramidForm::UpdateStockStatus() {
  if (!DeckPileView || !PlayPileView || !WastePileView) return;
  const int count = DeckPileView->FCards->Count();
  const QString stockText = QStringLiteral("Stock: ") + QString::number(count);
  SetPanelText(StockPanel, stockText);
  DeckPileView->setToolTip(count > 0 ? stockText : QString());
  SetPanelText(WastePanel, QStringLiteral("Waste: ") + QString::number(WastePileView->FCards->Count()));
  if (FPass >= 3 || (count == 0 && PlayPileView->FCards->Count() == 0 && WastePileView->FCards->Count() == 0))
    DeckPileView->State = CS_BLANK;
  DeckPileView->repaint();
}

void TPyramidForm::CheckForWin() {
  TPairingForm::CheckForWin();
  if (FGameOver) FPass = 3;
}

// ---- undo and redo -------------------------------------------------------------------------

// A stock click is one move and one undo step: the card it turned, the turnover before
// it and the play card it moved to the waste all go back together.
bool TPyramidForm::UndoGameStep() {
  auto peekIs = [this](TCardPileView* from, TCardPileView* to) {
    FUndo->PeekUndo();
    return FUndo->FCards && FUndo->FFromView == from && FUndo->FToView == to;
  };
  const bool draw = peekIs(DeckPileView, PlayPileView);
  if (!draw && !peekIs(WastePileView, DeckPileView) && !peekIs(PlayPileView, WastePileView)) {
    FUndo->PeekUndo();
    UndoRemoval();
    return true;
  }
  if (draw) {
    TCard* card = FUndo->FCards->CardAt(TopOfPile);
    FUndo->Undo();
    if (card) card->FFaceUp = false;
    if (DeckPileView->FCards->Count() > 0) DeckPileView->State = CS_RECYCLE;
  }
  if (peekIs(WastePileView, DeckPileView)) {
    TCardPile* cards = FUndo->FCards;
    FUndo->Undo();
    for (TCard* card : cards->FList) card->FFaceUp = true;
    SetPass(FPass - 1);
    // A pass is left to go through again.
    DeckPileView->State = CS_RECYCLE;
  }
  if (peekIs(PlayPileView, WastePileView)) FUndo->Undo();
  DeckPileView->repaint();
  PlayPileView->repaint();
  WastePileView->repaint();
  return true;
}

void TPyramidForm::RedoTurnover() {
  FUndo->Redo();
  DeckPileView->FCards->Flip();
  SetPass(FPass + 1);
}

void TPyramidForm::RedoDraw() {
  TCard* card = FUndo->FCards->CardAt(TopOfPile);
  FUndo->Redo();
  if (card) card->FFaceUp = true;
}

bool TPyramidForm::RedoGameStep() {
  auto peekIs = [this](TCardPileView* from, TCardPileView* to) {
    FUndo->PeekRedo();
    return FUndo->FCards && FUndo->FFromView == from && FUndo->FToView == to;
  };
  if (!peekIs(PlayPileView, WastePileView) && !peekIs(WastePileView, DeckPileView) &&
      !peekIs(DeckPileView, PlayPileView)) {
    FUndo->PeekRedo();
    RedoRemoval();
    return true;
  }
  if (peekIs(PlayPileView, WastePileView)) FUndo->Redo();
  if (peekIs(WastePileView, DeckPileView)) RedoTurnover();
  if (peekIs(DeckPileView, PlayPileView)) RedoDraw();
  DeckPileView->repaint();
  PlayPileView->repaint();
  WastePileView->repaint();
  FUndo->AfterRedo();
  return true;
}

// ---- card-size variants --------------------------------------------------------------------

TsPyramidForm::TsPyramidForm(QWidget* owner)
    : TPyramidForm(PyramidLayouts::Small, PyramidLayouts::SmallLabel, owner) {}
TsPyramidForm::~TsPyramidForm() { ForgetGameWindow(sPyramidForm, this); }

ThPyramidForm::ThPyramidForm(QWidget* owner)
    : TPyramidForm(PyramidLayouts::Huge, PyramidLayouts::HugeLabel, owner) {}
ThPyramidForm::~ThPyramidForm() { ForgetGameWindow(hPyramidForm, this); }

TPyramidForm* CreatePyramidWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sPyramidForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hPyramidForm, owner);
  return CreateGameWindow(PyramidForm, owner);
}
