// Double Klondike: the two-deck deal, the redeal limit of draw one, the stock's picture,
// the win at 104 cards and the texts, played through the window.

#include "games/KlondikeFamilyTesting.h"
#include "games/dblklondike/DblKlondikeLayouts.h"
#include "games/dblklondike/DblKlondikeWindow.h"
#include "games/yukon/YukonRules.h"

using namespace GamesTest;

namespace {

class TDoubleKlondikeTest : public TFamilyTest<TDblKlondikeForm> {
protected:
  void Open(int number = 1, int cardSize = CS_LARGE) { OpenWith(&CreateDblKlondikeWindow, number, cardSize); }
  // Empties the stock by clicking it until no card is left.
  void RunOutTheStock() {
    while (StockView()->FCards->Count() > 0) FGame->DeckPileViewClick(StockView());
  }
};

QString SuitRun13(QChar suit) {
  QStringList parts;
  for (int v = 0; v < 13; ++v) parts << QString(QLatin1String("A23456789TJQK")[v]) + suit;
  return parts.join(QLatin1Char(' '));
}

}  // namespace

TEST_F(TDoubleKlondikeTest, DealOneLaysNinePilesFromTwoDecks) {
  Open(1);
  // Worked out by hand from the generator over a deck built twice.
  const char* expected[9] = {"KC",
                             "#4S 9H",
                             "#2S #2D 7S",
                             "#3H #6H #8H 7C",
                             "#6S #6C #2C #4H TS",
                             "#3D #8D #KH #AC #6C 4D",
                             "#8S #AC #2D #9S #JS #JH 4H",
                             "#5H #9C #JC #KH #8D #TC #QD 3S",
                             "#9C #AS #7H #7S #7H #5S #7D #QH JD"};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(Of(T(i + 1)), expected[i]) << "pile " << i + 1;
  EXPECT_EQ(StockView()->FCards->Count(), 59);
  EXPECT_EQ(CardText(StockView()->FCards->FList.back()), "#TD");
  EXPECT_EQ(FGame->FSavedDeck->Count(), 104);
  EXPECT_EQ(FGame->FFoundations.size(), 8u);
  EXPECT_EQ(FGame->PanelText(4), "Stock: 59");
  EXPECT_EQ(FGame->PanelText(1), "Draw: 3");
  // The stock keeps its own steps after the deal.
  EXPECT_FLOAT_EQ(StockView()->XOffset, DblKlondikeLayouts::LargeStockProps.XOffset);
}

// Records the stock's steps each time it paints.
class TStepRecorder : public QObject {
public:
  explicit TStepRecorder(TCardPileView* view) : FView(view) { view->installEventFilter(this); }
  QList<QPointF> FSteps;

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) FSteps << QPointF(FView->XOffset, FView->YOffset);
    return false;
  }

private:
  TCardPileView* FView;
};

TEST_F(TDoubleKlondikeTest, TheStockKeepsItsStepsThroughAnAnimatedDeal) {
  Open(1);
  PreferencesDlg->FDoAnimation = true;
  TStepRecorder recorder(StockView());
  FGame->NewGame1Click(FGame->NewGame1);
  FGame->NewGame1Click(FGame->Restart1);
  // Every pass of both deals repaints the stock.
  ASSERT_GE(recorder.FSteps.size(), 18);
  for (const QPointF& step : recorder.FSteps) {
    EXPECT_FLOAT_EQ(step.x(), DblKlondikeLayouts::LargeStockProps.XOffset);
    EXPECT_FLOAT_EQ(step.y(), DblKlondikeLayouts::LargeStockProps.YOffset);
  }
  PreferencesDlg->FDoAnimation = false;
}

TEST_F(TDoubleKlondikeTest, DrawOneAllowsASingleRedeal) {
  Open(1);
  FGame->DrawOne1Click(FGame->DrawOne1);
  EXPECT_EQ(Key("DoubleKlondike", "DrawThree"), "False");
  RunOutTheStock();
  EXPECT_FALSE(FGame->DrawThree1->isEnabled());
  EXPECT_EQ(StockView()->State, CS_RECYCLE);
  FGame->DeckPileViewClick(StockView());  // the one redeal, turning a card
  EXPECT_EQ(FGame->FRedealCount, 1);
  EXPECT_EQ(StockView()->FCards->Count(), 58);
  RunOutTheStock();
  EXPECT_EQ(StockView()->State, CS_BLANK);
  const int waste = WasteView()->FCards->Count();
  const int moves = FGame->FMoveCount;
  FGame->DeckPileViewClick(StockView());
  EXPECT_EQ(WasteView()->FCards->Count(), waste);
  EXPECT_EQ(FGame->FMoveCount, moves);
  // Undoing the redeal does not give it back.
  while (FGame->Undo1->isEnabled() && FGame->FRedealCount == 1 && StockView()->FCards->Count() < 59)
    FGame->Undo1Click(FGame->Undo1);
  EXPECT_EQ(FGame->FRedealCount, 1);
  // A new deal does.
  FGame->NewGame1Click(FGame->NewGame1);
  EXPECT_EQ(FGame->FRedealCount, 0);
  EXPECT_TRUE(FGame->DrawThree1->isEnabled());
}

TEST_F(TDoubleKlondikeTest, DrawThreeRedealsWithoutLimit) {
  Open(1);
  for (int round = 0; round < 3; ++round) {
    RunOutTheStock();
    EXPECT_EQ(StockView()->State, CS_RECYCLE);
    FGame->DeckPileViewClick(StockView());
    EXPECT_EQ(StockView()->FCards->Count(), 56);
  }
  EXPECT_EQ(FGame->FRedealCount, 3);
  // Undo of the last click takes back its turn and its redeal, and its one move.
  const int moves = FGame->FMoveCount;
  FGame->Undo1Click(FGame->Undo1);
  EXPECT_EQ(StockView()->FCards->Count(), 0);
  EXPECT_EQ(WasteView()->FCards->Count(), 59);
  EXPECT_EQ(FGame->FMoveCount, moves - 1);
}

TEST_F(TDoubleKlondikeTest, TwoOfEachCardPlayToTheFirstFittingOfEightFoundations) {
  Open(1);
  Lay({{T(1), "AH"}, {T(2), "AH"}, {T(3), "2H"}, {F(1), "AS"}});
  FGame->DiscardPileViewDblClick(T(1));
  FGame->DiscardPileViewDblClick(T(2));
  EXPECT_EQ(Of(F(2)), "AH");
  EXPECT_EQ(Of(F(3)), "AH");
  FGame->DiscardPileViewDblClick(T(3));
  EXPECT_EQ(Of(F(2)), "AH 2H");
}

TEST_F(TDoubleKlondikeTest, OnlyAllHundredAndFourCardsHomeWin) {
  Open(1);
  Lay({{F(1), SuitRun13('C')},
       {F(2), SuitRun13('D')},
       {F(3), SuitRun13('H')},
       {F(4), SuitRun13('S')},
       {F(5), SuitRun13('C')},
       {F(6), SuitRun13('D')},
       {F(7), SuitRun13('H')},
       {F(8), "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS"},
       {T(1), "KS QS"}});
  FGame->FMoveCount = 8;
  FGame->DiscardPileViewDblClick(T(1));
  EXPECT_FALSE(FGame->FGameOver);
  EXPECT_EQ(FGame->PanelText(5), "Score: 103");
  FGame->DiscardPileViewDblClick(T(1));
  EXPECT_TRUE(FGame->FGameOver);
  EXPECT_EQ(Key("DoubleKlondike", "GamesWon"), "1");
  EXPECT_EQ(Key("DoubleKlondikeDrawThree", "GamesWon"), "1");
}

TEST_F(TDoubleKlondikeTest, TextsCarryTheGamesNameAndNoVegasMoney) {
  Open(7);
  PreferencesDlg->FVegasScoring = true;
  FGame->UpdateScore(false);
  EXPECT_EQ(FGame->PanelText(5), "Score: 0");
  FGame->ShowStatusBar1Click(FGame->ShowStatusBar1);
  EXPECT_EQ(FGame->windowTitle(), "Double Klondike   Game #7");
  FGame->FMoveCount = 5;
  FAnswer = Prompts::IDCANCEL;
  FGame->close();
  ASSERT_EQ(FPrompts.size(), 1);
  EXPECT_EQ(FPrompts[0], "Resign this game of Double Klondike?\n\nNote:\nA resigned game counts as a loss.");
  FGame->NewGame1Click(FGame->Restart1);  // 5 moves: no prompt yet
  FGame->FMoveCount = 6;
  FGame->NewGame1Click(FGame->Restart1);
  ASSERT_EQ(FPrompts.size(), 2);
  EXPECT_EQ(FPrompts[1], "Restart this game of Double Klondike?");
}

TEST_F(TDoubleKlondikeTest, WindowsAtEachSize) {
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    Open(3, size);
    FGame->DeckPileViewClick(StockView());
    Shoot(QStringLiteral("doubleklondike-%1").arg(size));
    const QSize min = FGame->WMGetMinMaxInfo();
    EXPECT_EQ(min.width() - 2 * Metrics::FrameWidth, size == CS_SMALL ? 756 : size == CS_HUGE ? 1380 : 986);
    FGame->close();
    delete FGame.data();
  }
}
