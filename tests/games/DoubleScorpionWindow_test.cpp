// Double Scorpion's window: the two-deck deal, its threshold of ten moves and the win at
// eight whole suits.

#include "games/SpiderFamilyTesting.h"

#include <QCoreApplication>
#include <QDir>

#include "games/scorpion/DoubleScorpionWindow.h"

using namespace SpiderFamilyTest;

namespace {

const TCreate DoubleScorpionGame = [](int size) -> TGameForm* { return CreateDoubleScorpionWindow(size); };

using TDoubleScorpionTest = TSpiderFamilyTest;

TEST_F(TDoubleScorpionTest, DealFourGivesElevenCardsToPilesOneToFourAndFourHiddenUnderPilesOneToFive) {
  Open(DoubleScorpionGame, 4);
  EXPECT_EQ(Columns(), QStringList({"#9C #QD #9H #8C 2C 3H 3H 7H 5D 2C AH", "#3S #8D #7C #6D 9D 2D JH 4H QC 9S TC",
                                    "#QC #5C #QH #4C AH 3D AS 3C AC 7D AD", "#8C #3S #6C #7D 9H QH JS 2D 3C TH JD",
                                    "#AS #JD #9S #4D TD 6S KS 7C 5H 5S", "5C 2H 6H TC 5H KC QS KD 3D 4S",
                                    "JH 7H AC 6D 2H QS 6H TD KH 9C", "8H 7S AD QD TS 7S 4D 6S 8S JC",
                                    "KD 4H TH KS 5D 6C JC 2S 9D 2S", "4C KC 8D JS KH 4S TS 8S 5S 8H"}));
  EXPECT_EQ(Stock(), nullptr);
  EXPECT_EQ(FForm->windowTitle(), "Double Scorpion");
  EXPECT_EQ(FForm->PanelText(2), "Score: 0");
}

TEST_F(TDoubleScorpionTest, TheResignPromptComesFromTenMovesAndRestartFromEleven) {
  Open(DoubleScorpionGame, 4);
  bool canClose = false;
  FForm->FMoveCount = 9;
  FForm->FormCloseQuery(FForm, canClose);
  EXPECT_TRUE(FPrompts.isEmpty());
  FForm->FMoveCount = 10;
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_TRUE(FPrompts.isEmpty());
  FForm->FMoveCount = 10;
  FAnswer = Prompts::IDCANCEL;
  FForm->FormCloseQuery(FForm, canClose);
  EXPECT_FALSE(canClose);
  EXPECT_EQ(FPrompts, QStringList{"Resign this game of Double Scorpion?\n\nNote:\nA resigned game counts as a loss."});
  FForm->FMoveCount = 11;
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(FPrompts.last(), "Restart this game of Double Scorpion?");
  EXPECT_EQ(Key("DoubleScorpion", "GamesAttempted"), "None");
}

TEST_F(TDoubleScorpionTest, EightWholeSuitsWinAndAKingRunFillsASpace) {
  Open(DoubleScorpionGame, 4);
  std::map<TCardPileView*, QString> layout;
  const QString suits = QStringLiteral("CDHSCDHS");
  for (int p = 1; p <= 7; ++p) layout[Tableau(p)] = KingDown(suits[p - 1]);
  layout[Tableau(9)] = "KS";
  layout[Tableau(10)] = KingDown('S').mid(3);  // Queen to Ace
  Arrange(layout);
  EXPECT_EQ(FForm->FScore, 7 * 13 + 11);
  FForm->FMoveCount = 12;
  DragTo(Tableau(10), 0, Tableau(8));  // a Queen may not fill a space
  EXPECT_EQ(Tableau(8)->FCards->Count(), 0);
  DragTo(Tableau(9), 0, Tableau(8));
  EXPECT_EQ(Text(Tableau(8)), "KS");
  EXPECT_FALSE(FForm->FGameOver);
  DragTo(Tableau(10), 0, Tableau(8));
  EXPECT_TRUE(FForm->FGameOver);
  EXPECT_EQ(FForm->FScore, 104);
  EXPECT_EQ(Key("DoubleScorpion", "GamesWon"), "1");
}

TEST_F(TDoubleScorpionTest, EachSizeDrawsItsOpeningLayoutWithinItsWindow) {
  const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/spider-shots");
  QDir().mkpath(folder);
  const char* sizes[] = {"small", "large", "huge"};
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    Open(DoubleScorpionGame, 4, size);
    const QImage shot = FForm->grab().toImage();
    shot.save(folder + QStringLiteral("/DoubleScorpion-%1.png").arg(QLatin1String(sizes[size])));
    for (TCardPileView* view : FForm->FTableau)
      EXPECT_TRUE(FForm->rect().contains(view->geometry().topRight())) << size;
    const QPoint inCard = Tableau(10)->mapTo(FForm.data(), TopPoint(Tableau(10)));
    EXPECT_NE(shot.pixelColor(inCard), QColor(0, 64, 0)) << size;
    Close();
  }
}

}  // namespace
