// Double Yukon: the two-deck deal over ten piles, the threshold of ten moves, the win at
// 104 cards and the texts without Vegas money.

#include "games/KlondikeFamilyTesting.h"
#include "games/yukon/DoubleYukonWindow.h"

using namespace GamesTest;

namespace {

class TDoubleYukonTest : public TFamilyTest<TDoubleYukonForm> {
protected:
  void Open(int number = 1, int cardSize = CS_LARGE) { OpenWith(&CreateDoubleYukonWindow, number, cardSize); }
};

}  // namespace

TEST_F(TDoubleYukonTest, DealOneLaysTheTriangleAndFivePasses) {
  Open(1);
  // Worked out by hand from the generator over a deck built twice.
  const char* expected[10] = {"KC TS 6D JH AH",
                              "#4S 2D 9S TD 5H 2C 3C",
                              "#2S #6H 2C AD 2H KD 8C 2H",
                              "#3H #6C #KH 9S 4D QC 8S JC 7D",
                              "#6S #8D #2D #KH 7H QS 6H 2S 9D 7C",
                              "#3D #AC #JC #7S #4D QD 4C 8C 5D JD 8H",
                              "#8S #9C #7H #TS #JH #7D TD 3D TH KD QS 5S",
                              "#5H #AS #7C #6C #TC #3S #9H QC AD 6D JS KS TC",
                              "#9C #7S #4H #JS #5S #QH #5C #QD TH QH KC 3C 6S 3S",
                              "#9H #8H #AC #8D #4H #JD #3H #KS #4S 5D 4C AS AH 5C 9D"};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(Of(T(i + 1)), expected[i]) << "pile " << i + 1;
  EXPECT_EQ(FGame->FFoundationCount, 8);
  EXPECT_EQ(FGame->FTableauCount, 10);
  EXPECT_EQ(FGame->FMoveThreshold, 10);
  EXPECT_EQ(FGame->FCardsToWin, 104);
}

TEST_F(TDoubleYukonTest, NineMovesAreNotRecordedButTenAskTheResignPrompt) {
  Open(1);
  FGame->FMoveCount = 9;
  FGame->NewGame1Click(FGame->NewGame1);
  EXPECT_TRUE(FPrompts.isEmpty());
  EXPECT_EQ(Key("DoubleYukon", "GamesAttempted"), "None");
  FGame->FMoveCount = 10;
  FAnswer = Prompts::IDOK;
  FGame->close();
  ASSERT_EQ(FPrompts.size(), 1);
  EXPECT_EQ(FPrompts[0], "Resign this game of Double Yukon?\n\nNote:\nA resigned game counts as a loss.");
  EXPECT_EQ(Key("DoubleYukon", "GamesAttempted"), "1");
}

TEST_F(TDoubleYukonTest, OnlyAllHundredAndFourCardsHomeWin) {
  Open(1);
  Lay({{F(1), SuitRun('C', 13)},
       {F(2), SuitRun('D', 13)},
       {F(3), SuitRun('H', 13)},
       {F(4), SuitRun('S', 13)},
       {F(5), SuitRun('C', 13)},
       {F(6), SuitRun('D', 13)},
       {F(7), SuitRun('H', 13)},
       {F(8), SuitRun('S', 11)},
       {T(1), "KS QS"}});
  FGame->FMoveCount = 10;
  FGame->TableauPileView1DblClick(T(1));
  EXPECT_FALSE(FGame->FGameOver);
  FGame->TableauPileView1DblClick(T(1));
  EXPECT_TRUE(FGame->FGameOver);
  EXPECT_EQ(Key("DoubleYukon", "GamesWon"), "1");
}

TEST_F(TDoubleYukonTest, NoVegasMoneyInTheCaption) {
  Open(12);
  PreferencesDlg->FVegasScoring = true;
  FGame->ShowStatusBar1Click(FGame->ShowStatusBar1);
  EXPECT_EQ(FGame->windowTitle(), "Double Yukon   Game #12");
}

TEST_F(TDoubleYukonTest, WindowsAtEachSize) {
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    Open(3, size);
    Shoot(QStringLiteral("doubleyukon-%1").arg(size));
    const QSize min = FGame->WMGetMinMaxInfo();
    EXPECT_EQ(min.width() - 2 * Metrics::FrameWidth, size == CS_SMALL ? 725 : size == CS_HUGE ? 1260 : 960);
    FGame->close();
    delete FGame.data();
  }
}
