#include "games/spider/SpiderWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QMenu>

#include "engine/CardUndo.h"
#include "engine/Sounds.h"
#include "games/CardRules.h"
#include "games/GameVariants.h"
#include "games/spider/SpiderLayouts.h"
#include "games/spider/SpiderOptionsWindow.h"
#include "games/spider/SpiderRules.h"
#include "platform/Prompts.h"
#include "shell/Profile.h"
#include "widgets/wkStatusBar.h"

TSpiderForm* SpiderForm = nullptr;
TsSpiderForm* sSpiderForm = nullptr;
ThSpiderForm* hSpiderForm = nullptr;
int TSpiderForm::FRowCount = 5;

namespace {
TCardPileView* AsView(QObject* sender) { return qobject_cast<TCardPileView*>(sender); }

std::vector<const TCardPile*> Piles(const std::vector<TCardPileView*>& views) {
  std::vector<const TCardPile*> piles;
  for (TCardPileView* view : views) piles.push_back(view->FCards);
  return piles;
}
}  // namespace

const TGameSpec TSpiderForm::Spec{.Name = "Spider",
                                  .Section = "Spider",
                                  .Decks = 2,
                                  .CardsToWin = SpiderRules::CardsToWin,
                                  .Threshold = SpiderRules::Threshold,
                                  .Vegas = false,
                                  .HelpTopic = 1012,
                                  .NumberPanel = SpiderLayouts::NumberPanel,
                                  .ScorePanel = SpiderLayouts::ScorePanel};

TSpiderForm::TSpiderForm(QWidget* owner) : TSpiderForm(SpiderLayouts::Large, owner) {}

TSpiderForm::TSpiderForm(const TFormLayout& layout, QWidget* owner) : TGameForm(Spec, layout, owner) {}

TSpiderForm::~TSpiderForm() { ForgetGameWindow(SpiderForm, this); }

void TSpiderForm::InitPiles() {
  for (const TBuiltComponent& c : FComponents) {
    const QString name = c.View->objectName();
    if (name.startsWith(QLatin1String("TableauPile"))) FTableau.push_back(c.View);
    else if (name.startsWith(QLatin1String("FoundPile"))) FFoundations.push_back(c.View);
    else if (name == QLatin1String("DeckPileView")) DeckPileView = c.View;
  }
}

void TSpiderForm::BindHandlers(THandlerTable& t) {
  TGameForm::BindHandlers(t);
  t.Mouse["TableauPile1MouseDown"] = [this](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
    TableauPile1MouseDown(s, b, m, x, y);
  };
  t.StartDrag["TableauPile1StartDrag"] = t.StartDrag.value(QStringLiteral("TableauPileView1StartDrag"));
  t.DragOver["TableauPile1DragOver"] = t.DragOver.value(QStringLiteral("TableauPileView1DragOver"));
  t.DragOver["FoundPile1DragOver"] = t.DragOver.value(QStringLiteral("FoundationPile1DragOver"));
  t.EndDrag["TableauPile1EndDrag"] = [this](QObject* s, QObject* target, int x, int y) {
    TableauPile1EndDrag(s, target, x, y);
  };
}

void TSpiderForm::AddGameMenuItems(QMenu* menu) {
  // Right after Autoplay, before the separator that precedes New Game.
  const QList<QAction*> items = menu->actions();
  const qsizetype at = items.indexOf(Autoplay1);
  QAction* before = at >= 0 && at + 1 < items.size() ? items[at + 1] : NewGame1;
  OptionsMenuItem = AddMenuItem("OptionsMenuItem", "&Variations...", QKeySequence(Qt::Key_F2), nullptr, before);
  connect(OptionsMenuItem, &QAction::triggered, this, [this] { OptionsMenuItemClick(OptionsMenuItem); });
}

void TSpiderForm::InitPanels() {
  TwkStatusPanels& panels = GameStatusBar->Panels();
  panels.Items(SpiderLayouts::AutoplayPanel)->SetComponent(AutoPlayCheckBox);
  TwkStatusPanel* variations = panels.Items(SpiderLayouts::VariationsPanel);
  variations->SetText(QStringLiteral("Variations..."));
  variations->SetBevel(pbRaised);
  variations->SetHint(QStringLiteral("Click for dialog..."));
  variations->OnClick = [this](TwkStatusPanel*) { GameStatusBarPanels1Click(GameStatusBar); };
}

// ---- dealing -------------------------------------------------------------------------

void TSpiderForm::NewDealStarted() {
  const TSpiderVariations options = ReadSpiderVariations(*Profile1);
  FSameSuit = options.SameSuitBuilds;
  FDifficulty = options.Difficulty;
  FDealCount = options.DealCount;
  FRowCount = SpiderRules::RowCount(FDealCount);
  SetPanelText(SpiderLayouts::DifficultyPanel, QLatin1String(SpiderRules::DifficultyText(FDifficulty)));
}

void TSpiderForm::NewDeck(TCardPile* pile) { SpiderRules::AddDecks(pile, FDifficulty); }

void TSpiderForm::DealLayout(bool animate) {
  for (const SpiderRules::TDealStep& step : SpiderRules::DealSteps(FRowCount)) {
    DealCardTo(FTableau[static_cast<std::size_t>(step.Pile)], step.FaceUp, animate);
    if (step.RowEnd) DealPassDone(animate);
  }
}

QString TSpiderForm::ModeSection() const { return QLatin1String(SpiderRules::DifficultySection(FDifficulty)); }

// ---- pressing and dragging -----------------------------------------------------------

void TSpiderForm::TableauPile1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers, int,
                                        int) {
  TCardPileView* view = AsView(Sender);
  if (!view) return;
  if (FGameOver) {
    ShowWinDialog();
    return;
  }
  if (Button == Qt::MiddleButton) DeckPileViewClick(DeckPileView);
  view->FDragArmed = false;
  if (Button != Qt::LeftButton || !view->FHitCard) return;
  if (!SpiderRules::CanLift(view->FCards, view->FCards->CardIndex(view->FHitCard), FSameSuit)) return;
  view->FDragArmed = true;
}

bool TSpiderForm::CanDropOnTableau(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    return SpiderRules::CanDropOnTableau(target->FCards, source->FDragPile->FList.front());
  }, true);
}

bool TSpiderForm::CanDropOnFoundation(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    return SpiderRules::CanDropOnFoundation(target->FCards, source->FDragPile);
  });
}

TCardPileView* TSpiderForm::FoundationFor(TCard*) { return nullptr; }  // only whole suits go home

void TSpiderForm::ChooseSmartTarget(TCardPileView* source) {
  if (source->FDragPile->Count() == 0) return;
  for (TCardPileView* f : FFoundations)
    if (CanDropOnFoundation(f, source)) return;
  const _CardSuit suit = source->FDragPile->FList.front()->FSuit;
  for (TCardPileView* t : FTableau)
    if (t->FCards->Count() > 0 && t->FCards->FList.back()->FSuit == suit && CanDropOnTableau(t, source)) return;
  for (TCardPileView* t : FTableau)
    if (t->FCards->Count() > 0 && CanDropOnTableau(t, source)) return;
  for (TCardPileView* t : FTableau)
    if (CanDropOnTableau(t, source)) return;
}

void TSpiderForm::TableauPile1EndDrag(QObject* Sender, QObject*, int, int) {
  TCardPileView* source = AsView(Sender);
  if (!source || !source->FDropTarget) return;
  TCardPileView* target = source->FDropTarget;
  ++FMoveCount;
  if (SoundManager) {
    SoundManager->PlayCardDown();
    if (std::find(FFoundations.begin(), FFoundations.end(), target) != FFoundations.end())
      SoundManager->PlayAutoplayStep();
  }
  FUndo->AddMove(source, target, source->FDragPile);
  target->repaint();
  source->repaint();
  TurnUpTopCard(source);
  CheckForWin();
}

// ---- the stock -------------------------------------------------------------------------

void TSpiderForm::DeckPileViewClick(QObject*) {
  if (FGameOver) {
    ShowWinDialog();
    return;
  }
  if (!DeckPileView || DeckPileView->FCards->Count() == 0) return;
  std::vector<TCardPile*> tableau;
  for (TCardPileView* view : FTableau) tableau.push_back(view->FCards);
  std::vector<TCard*> dealt;
  if (!SpiderRules::DealFromStock(DeckPileView->FCards, tableau, &dealt)) {
    Prompts::MessageBox(this, QStringLiteral("You must fill empty tableau spaces first."),
                        QStringLiteral("Pellamy!"), Prompts::TButtons::Ok, Prompts::TIcon::Information);
    return;
  }
  for (std::size_t i = 0; i < dealt.size(); ++i) {
    FTableau[i]->repaint();
    FUndo->AddCardMove(DeckPileView, FTableau[i], dealt[i]);
  }
  if (SoundManager) SoundManager->PlayDeal();
  DeckPileView->repaint();
  ++FMoveCount;
  UpdateStockStatus();
  UpdateScore(false);
}

void TSpiderForm::UpdateStockStatus() {
  if (!DeckPileView) return;
  const int count = DeckPileView->FCards->Count();
  SetPanelText(SpiderLayouts::StockPanel, QStringLiteral("Stock: ") + QString::number(count));
  DeckPileView->setToolTip(count > 0 ? QString::number(count) : QString());
}

// ---- undo and redo -------------------------------------------------------------------------

bool TSpiderForm::IsStockStep() const { return FUndo->FCards && DeckPileView && FUndo->FFromView == DeckPileView; }

void TSpiderForm::Undo1Click(QObject* Sender) {
  if (!Undo1->isEnabled()) return;
  FUndo->PeekUndo();
  if (!IsStockStep()) {
    TGameForm::Undo1Click(Sender);
    return;
  }
  // A stock deal goes back as one step and one move: ten cards, each face down again.
  for (int i = 0; i < SpiderRules::TableauCount && IsStockStep(); ++i) {
    TCardPileView* pile = FUndo->FToView;
    if (TCard* card = FUndo->FCards->CardAt(TopOfPile)) card->FFaceUp = false;
    FUndo->Undo();
    pile->repaint();
    DeckPileView->repaint();
    FUndo->AfterUndo();
    FUndo->PeekUndo();
  }
  FUndo->FCards = nullptr;
  FMoveCount = std::max(0, FMoveCount - 1);
  if (SoundManager) SoundManager->PlayUndo();
  UpdateStockStatus();
  UpdateScore(false);
}

void TSpiderForm::Redo1Click(QObject* Sender) {
  if (!Redo1->isEnabled()) return;
  FUndo->PeekRedo();
  if (!IsStockStep()) {
    TGameForm::Redo1Click(Sender);
    return;
  }
  for (int i = 0; i < SpiderRules::TableauCount && IsStockStep(); ++i) {
    TCardPileView* pile = FUndo->FToView;
    if (TCard* card = FUndo->FCards->CardAt(TopOfPile)) card->FFaceUp = true;
    FUndo->Redo();
    pile->repaint();
    DeckPileView->repaint();
    FUndo->AfterRedo();
    FUndo->PeekRedo();
  }
  FUndo->FCards = nullptr;
  ++FMoveCount;
  if (SoundManager) SoundManager->PlayRedo();
  UpdateStockStatus();
  UpdateScore(false);
}

// ---- score, autoplay and the win -------------------------------------------------------------

int TSpiderForm::UpdateScore(bool reset) {
  FScore = reset ? 0 : SpiderRules::Score(Piles(FTableau), Piles(FFoundations));
  const CardRules::TScoreTexts texts =
      CardRules::ScoreTexts(QLatin1String(FSpec.Name), FGameNumber, FScore, false, 0, FShowStatusBar);
  setWindowTitle(texts.Caption);
  if (FShowStatusBar) {
    SetPanelText(FSpec.ScorePanel, texts.ScorePanel);
    SetPanelText(FSpec.NumberPanel, texts.NumberPanel);
  }
  return FScore;
}

void TSpiderForm::Autoplay() {
  if (FAutoplay && !FGameOver) {
    for (TCardPileView* pile : FTableau) {
      const int start = SpiderRules::CompleteRunAt(pile->FCards);
      if (start < 0) continue;
      const auto home = std::find_if(FFoundations.begin(), FFoundations.end(),
                                     [](TCardPileView* f) { return f->FCards->Count() == 0; });
      if (home == FFoundations.end()) break;
      TCardPile run;
      for (int i = start; i < pile->FCards->Count(); ++i) run.AddCard(pile->FCards->FList[static_cast<std::size_t>(i)]);
      for (TCard* card : run.FList) pile->FCards->RemoveCard(card);
      (*home)->FCards->AddPile(&run);
      FUndo->AddMove(pile, *home, &run);
      run.Empty(false);
      TurnUpTopCard(pile);
      pile->repaint();
      (*home)->repaint();
      if (SoundManager) SoundManager->PlayAutoplayStep();
      ++FMoveCount;
      CheckForWin();  // which looks for the next run
      break;
    }
  }
  UpdateStockStatus();
}

// ---- the variations dialog -------------------------------------------------------------------

void TSpiderForm::OptionsMenuItemClick(QObject*) {
  if (!SpiderOptionsForm) SpiderOptionsForm = new TSpiderOptionsForm(this);
  SpiderOptionsForm->LoadOptions();
  SpiderOptionsForm->DealButton->setFocus();
  if (SpiderOptionsForm->exec() == QDialog::Accepted) NewGame1Click(NewGame1);
}

void TSpiderForm::GameStatusBarPanels1Click(QObject*) {
  TwkStatusPanel* panel = GameStatusBar->Panels().Items(SpiderLayouts::VariationsPanel);
  panel->SetBevel(pbLowered);
  GameStatusBar->repaint();
  OptionsMenuItemClick(OptionsMenuItem);
  panel->SetBevel(pbRaised);
}

void TSpiderForm::FormClose(QObject* Sender) {
  TGameForm::FormClose(Sender);
  if (SpiderOptionsForm) {
    SpiderOptionsForm->deleteLater();
    SpiderOptionsForm = nullptr;
  }
}

// ---- card-size variants --------------------------------------------------------------------

TsSpiderForm::TsSpiderForm(QWidget* owner) : TSpiderForm(SpiderLayouts::Small, owner) {}
TsSpiderForm::~TsSpiderForm() { ForgetGameWindow(sSpiderForm, this); }

ThSpiderForm::ThSpiderForm(QWidget* owner) : TSpiderForm(SpiderLayouts::Huge, owner) {}
ThSpiderForm::~ThSpiderForm() { ForgetGameWindow(hSpiderForm, this); }

TSpiderForm* CreateSpiderWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sSpiderForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hSpiderForm, owner);
  return CreateGameWindow(SpiderForm, owner);
}
