#include "games/klondike/KlondikeWindow.h"

#include <QAction>
#include <QMenu>

#include "engine/Card.h"
#include "engine/CardUndo.h"
#include "engine/Sounds.h"
#include "engine/WastePileView.h"
#include "games/GameVariants.h"
#include "games/klondike/KlondikeLayouts.h"
#include "games/klondike/KlondikeRules.h"
#include "shell/Profile.h"
#include "widgets/FormPlacement.h"

TKlondikeForm* KlondikeForm = nullptr;
TsKlondikeForm* sKlondikeForm = nullptr;
ThKlondikeForm* hKlondikeForm = nullptr;

const TGameSpec TKlondikeForm::Spec{.Name = "Klondike",
                                    .Section = "Klondike",
                                    .Decks = 1,
                                    .CardsToWin = KlondikeRules::CardsToWin,
                                    .Threshold = KlondikeRules::Threshold,
                                    .Vegas = true,
                                    .HelpTopic = 1007,
                                    .NumberPanel = 3,
                                    .ScorePanel = 5,
                                    .RoutesLButtonDown = true};

TKlondikeForm::TKlondikeForm(QWidget* owner) : TKlondikeForm(KlondikeLayouts::Large, owner) {}

TKlondikeForm::TKlondikeForm(const TFormLayout& layout, QWidget* owner) : TGameForm(Spec, layout, owner) {}

TKlondikeForm::~TKlondikeForm() { ForgetGameWindow(KlondikeForm, this); }

void TKlondikeForm::AddGameMenuItems(QMenu* menu) {
  (void)menu;
  DrawThree1 = AddMenuItem("DrawThree1", "Draw &Three", QKeySequence(), nullptr, NewGame1);
  DrawOne1 = AddMenuItem("DrawOne1", "&Draw One", QKeySequence(), nullptr, NewGame1);
  connect(DrawThree1, &QAction::triggered, this, [this] { DrawThree1Click(DrawThree1); });
  connect(DrawOne1, &QAction::triggered, this, [this] { DrawOne1Click(DrawOne1); });
  DrawThree1->setCheckable(true);
  DrawOne1->setCheckable(true);
  DrawThree1->setChecked(true);
  PopupMenu1->insertSeparator(NewGame1);
}

void TKlondikeForm::SetDrawThree(bool drawThree) {
  FDrawThree = drawThree;
  DrawThree1->setChecked(drawThree);
  DrawOne1->setChecked(!drawThree);
  if (DiscardPileView) {
    DiscardPileView->DrawThree = drawThree;
    DiscardPileView->repaint();
  }
  SetPanelText(DrawPanel, drawThree ? QStringLiteral("Draw: 3") : QStringLiteral("Draw: 1"));
}

void TKlondikeForm::ReadOptions() {
  Profile1->SetEntry(QStringLiteral("DrawThree"));
  const QString text = Profile1->Text();
  SetDrawThree(text == Profile1->DefaultText() ? true : Profile1->State());
}

void TKlondikeForm::DrawThree1Click(QObject*) {
  SetDrawThree(true);
  WriteState("DrawThree", DrawThree1->isChecked());
}

void TKlondikeForm::DrawOne1Click(QObject*) {
  SetDrawThree(false);
  WriteState("DrawThree", DrawThree1->isChecked());
}

QString TKlondikeForm::ModeSection() const {
  return FDrawThree ? QStringLiteral("KlondikeDrawThree") : QStringLiteral("KlondikeDrawOne");
}

void TKlondikeForm::NewDealStarted() {
  DrawOne1->setEnabled(true);
  DrawThree1->setEnabled(true);
}

void TKlondikeForm::DealLayout(bool animate) {
  for (const KlondikeRules::TDealStep& step : KlondikeRules::DealSteps()) {
    DealCardTo(FTableau[static_cast<std::size_t>(step.Pile)], step.FaceUp, animate);
    if (step.PassEnd) DealPassDone(animate);
  }
}

void TKlondikeForm::DeckPileViewClick(QObject*) {
  if (FGameOver) {
    ShowWinDialog();
    return;
  }
  TCardPile* stock = DeckPileView->FCards;
  TCardPile* waste = DiscardPileView->FCards;
  if (stock->Count() == 0 && waste->Count() == 0) {
    UpdateStockStatus();
    return;
  }
  (FDrawThree ? DrawOne1 : DrawThree1)->setEnabled(false);
  if (stock->Count() == 0) {
    TCardPile moved;
    KlondikeRules::Redeal(waste, stock, &moved);
    FUndo->AddMove(DiscardPileView, DeckPileView, &moved);
    DiscardPileView->repaint();
    DeckPileView->repaint();
  }
  TCardPile turned;
  if (KlondikeRules::TurnStock(stock, waste, FDrawThree ? 3 : 1, &turned) > 0) {
    ++FMoveCount;
    FUndo->AddMove(DeckPileView, DiscardPileView, &turned);
  }
  DeckPileView->repaint();
  DiscardPileView->repaint();
  if (SoundManager) SoundManager->PlayStock();
  UpdateStockStatus();
  Autoplay();
}

bool TKlondikeForm::UndoGameStep() {
  if (FUndo->FFromView == DeckPileView && FUndo->FToView == DiscardPileView) {
    FUndo->FCards->Flip();
  } else if (FUndo->FFromView == DiscardPileView && FUndo->FToView == DeckPileView) {
    for (TCard* card : FUndo->FCards->FList) card->FFaceUp = true;
  } else {
    return false;
  }
  FUndo->Undo();
  DeckPileView->repaint();
  DiscardPileView->repaint();
  return true;
}

bool TKlondikeForm::RedoGameStep() {
  if (FUndo->FFromView == DeckPileView && FUndo->FToView == DiscardPileView) {
    FUndo->FCards->Flip();
    FUndo->Redo();
  } else if (FUndo->FFromView == DiscardPileView && FUndo->FToView == DeckPileView) {
    FUndo->Redo();
    DeckPileView->FCards->Flip();
  } else {
    return false;
  }
  DeckPileView->repaint();
  DiscardPileView->repaint();
  FUndo->AfterRedo();
  return true;
}

void TKlondikeForm::UpdateStockStatus() {
  if (!DeckPileView || !DiscardPileView) return;
  const int count = DeckPileView->FCards->Count();
  SetPanelText(StockPanel, QStringLiteral("Stock: ") + QString::number(count));
  if (count > 0) {
    DeckPileView->setToolTip(QString::number(count));
    return;
  }
  DeckPileView->setToolTip(QString());
  DeckPileView->State = DiscardPileView->FCards->Count() > 0 ? CS_RECYCLE : CS_BLANK;
  DeckPileView->repaint();
}

// ---- card-size variants --------------------------------------------------------------------

TsKlondikeForm::TsKlondikeForm(QWidget* owner) : TKlondikeForm(KlondikeLayouts::Small, owner) {}
TsKlondikeForm::~TsKlondikeForm() { ForgetGameWindow(sKlondikeForm, this); }

ThKlondikeForm::ThKlondikeForm(QWidget* owner) : TKlondikeForm(KlondikeLayouts::Huge, owner) {}
ThKlondikeForm::~ThKlondikeForm() { ForgetGameWindow(hKlondikeForm, this); }

TKlondikeForm* CreateKlondikeWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sKlondikeForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hKlondikeForm, owner);
  return CreateGameWindow(KlondikeForm, owner);
}

// ---- preview -------------------------------------------------------------------------------

QImage KlondikePreviewPicture() {
  const int previous = TCard::GetCardSize();
  const bool threeD = TCard::IsThreeD(), aged = TCard::IsAged();
  TCard::SetCardSize(CS_LARGE, threeD, aged);
  QImage picture;
  {
    // Never shown, and it leaves the settings file alone (no placement, no deal number).
    TKlondikeForm form;
    form.FormPlacement1->Active = false;
    form.Init();
    // The table without the status bar, scaled to the preview's size.
    const int tableHeight = form.height() - form.FormLayout().StatusBarHeight;
    const QImage table = form.grab(QRect(0, 0, form.width(), tableHeight)).toImage();
    picture = table.scaled(155, 105, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                  .convertToFormat(QImage::Format_RGB32);
  }
  if (previous >= CS_SMALL && previous <= CS_HUGE)
    TCard::SetCardSize(static_cast<_CardSize>(previous), threeD, aged);
  return picture;
}
