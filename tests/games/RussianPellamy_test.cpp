// Russian Pellamy: Yukon's deal and moves with the tableau built down in suit.

#include "games/KlondikeFamilyTesting.h"
#include "games/yukon/RussianWindow.h"
#include "games/yukon/YukonRules.h"

using namespace GamesTest;

namespace {

class TRussianTest : public TFamilyTest<TRussianForm> {
protected:
  void Open(int number = 1, int cardSize = CS_LARGE) { OpenWith(&CreateRussianWindow, number, cardSize); }
};

}  // namespace

TEST(RussianRulesTest, TableauBuildsDownInSuitAndKingsFillGaps) {
  TCardFactory f;
  TCardPile eight, empty;
  f.Fill(&eight, "8H");
  EXPECT_TRUE(YukonRules::CanDropInSuit(&eight, f.Make("7H")));
  EXPECT_FALSE(YukonRules::CanDropInSuit(&eight, f.Make("7D")));
  EXPECT_FALSE(YukonRules::CanDropInSuit(&eight, f.Make("7S")));
  EXPECT_FALSE(YukonRules::CanDropInSuit(&eight, f.Make("6H")));
  EXPECT_TRUE(YukonRules::CanDropInSuit(&empty, f.Make("KC")));
  EXPECT_FALSE(YukonRules::CanDropInSuit(&empty, f.Make("QC")));
  eight.Empty(false);
}

TEST_F(TRussianTest, ARedSevenStaysOffABlackEightButTheSevenOfHeartsGoesOnTheEightOfHearts) {
  Open(1);
  PreferencesDlg->FSmartDragging = false;
  Lay({{T(1), "8S"}, {T(2), "8H"}, {T(3), "7H 3C"}, {T(4), "7D"}});
  Drag(T(4), TopAt(T(4)), T(1), TopAt(T(1)));
  EXPECT_EQ(Of(T(4)), "7D");
  Drag(T(4), TopAt(T(4)), T(2), TopAt(T(2)));
  EXPECT_EQ(Of(T(4)), "7D");
  Drag(T(3), CardAt(T(3), 0), T(2), TopAt(T(2)));  // with the Three above it, in any order
  EXPECT_EQ(Of(T(2)), "8H 7H 3C");
}

TEST_F(TRussianTest, DealAndTextsAreYukonsWithItsOwnName) {
  Open(1);
  EXPECT_EQ(Of(T(1)), "KC");
  EXPECT_EQ(Of(T(7)), "#3D #2C #7C #4H #TS #AC 9H 8C JD 4D TC");
  EXPECT_EQ(FGame->windowTitle(), "Russian Pellamy");
  FGame->ShowStatusBar1Click(FGame->ShowStatusBar1);
  EXPECT_EQ(FGame->windowTitle(), "Russian Pellamy   Game #1");
  FGame->FMoveCount = 5;
  FAnswer = Prompts::IDOK;
  FGame->close();
  ASSERT_EQ(FPrompts.size(), 1);
  EXPECT_EQ(FPrompts[0], "Resign this game of Russian Pellamy?\n\nNote:\nA resigned game counts as a loss.");
  EXPECT_EQ(Key("RussianPellamy", "GamesAttempted"), "1");
  EXPECT_EQ(Key("RussianPellamy", "ShowStatusBar"), "False");
}

TEST_F(TRussianTest, WindowsAtEachSize) {
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    Open(3, size);
    Shoot(QStringLiteral("russian-%1").arg(size));
    const QSize min = FGame->WMGetMinMaxInfo();
    EXPECT_EQ(min.width() - 2 * Metrics::FrameWidth, size == CS_SMALL ? 560 : size == CS_HUGE ? 900 : 672);
    FGame->close();
    delete FGame.data();
  }
}
