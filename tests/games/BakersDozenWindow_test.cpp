// Baker's Dozen through its window: the deal with the Kings at the bottom, no card onto
// an empty pile, the threshold of 5 moves, the rows stretching with the window, the
// spacing re-applied by the options and the three card sizes.

#include "games/CastleFamilyTesting.h"
#include "games/castle/BakersDozenWindow.h"
#include "games/castle/CastleRules.h"
#include "widgets/wkStatusBar.h"

using namespace CastleFamilyTest;

namespace {
const TCreate BakersDozen = [](int size) -> TGameForm* { return CreateBakersDozenWindow(size); };
}

using TBakersDozen = TFamilyTest;

TEST_F(TBakersDozen, TheDealPutsEveryKingAtTheBottomOfItsPile) {
  Open(BakersDozen, 1);
  const char* piles[] = {"KC 5C AC JD", "KS KH 9H AS", "KD 4S TD 7D", "2H 2S 9C 2D", "JS 7C QC QD",
                         "QH 5H 6C 4C", "3D AD 5S 4D", "5D 6H 8C JH", "JC 4H 9D 6S", "7S AH 8H 3H",
                         "8S 3C TH 8D", "3S TS 7H 9S", "2C 6D QS TC"};
  for (int i = 1; i <= 13; ++i) EXPECT_EQ(Text(Tableau(i)), piles[i - 1]) << i;
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(Foundation(i)->FCards->Count(), 0);
  EXPECT_EQ(FForm->windowTitle(), "Baker's Dozen");
  EXPECT_EQ(FForm->PanelText(3), "Score: 0");
  DealNumber(617);
  EXPECT_EQ(Text(Tableau(8)), "KD AD 8S 7S");
  EXPECT_EQ(Text(Tableau(10)), "KS 8C 2C 7C");
}

TEST_F(TBakersDozen, NoCardGoesOntoAnEmptyPileButOneLowerOfAnySuitDoes) {
  Open(BakersDozen, 1);
  Arrange({{Tableau(1), "KC 9D"}, {Tableau(2), ""}, {Tableau(3), "TS"}, {Tableau(4), "QH 8S"}});
  Drag(Tableau(1), TopPoint(Tableau(1)), Tableau(2), QPoint(20, 20));
  EXPECT_EQ(Text(Tableau(1)), "KC 9D");
  EXPECT_EQ(Text(Tableau(2)), "");
  Drag(Tableau(1), TopPoint(Tableau(1)), Tableau(3), TopPoint(Tableau(3)));
  EXPECT_EQ(Text(Tableau(3)), "TS 9D");
  // Only the top card is taken: a press on the queen under the eight arms nothing.
  Drag(Tableau(4), CardPoint(Tableau(4), 0), Tableau(2), QPoint(20, 20));
  EXPECT_EQ(Text(Tableau(4)), "QH 8S");
  // The rules themselves, without a window.
  TCardFactory cards;
  TCardPile empty, one, target;
  cards.Fill(&one, "8D");
  cards.Fill(&target, "9C");
  EXPECT_FALSE(CastleRules::CanDropOnTableau(&empty, &one, false));
  EXPECT_TRUE(CastleRules::CanDropOnTableau(&empty, &one, true));
  EXPECT_TRUE(CastleRules::CanDropOnTableau(&target, &one, false));
}

TEST_F(TBakersDozen, AGameAbandonedAfterFiveMovesCountsAsALossAndAWinIsRecorded) {
  Open(BakersDozen, 1);
  FForm->FMoveCount = 4;
  EXPECT_TRUE(FForm->close());
  EXPECT_EQ(Key("BakersDozen", "GamesAttempted"), "None");
  Open(BakersDozen, 1);
  FForm->FMoveCount = 5;
  EXPECT_TRUE(FForm->close());
  EXPECT_EQ(FPrompts.value(0), "Resign this game of Baker's Dozen?\n\nNote:\nA resigned game counts as a loss.");
  EXPECT_EQ(Key("BakersDozen", "GamesAttempted"), "1");
  EXPECT_EQ(Key("BakersDozen", "LastGame"), "False");

  Open(BakersDozen, 2);
  Arrange({{Foundation(1), SuitRun('C', 13)}, {Foundation(2), SuitRun('D', 13)},
           {Foundation(3), SuitRun('H', 12)}, {Foundation(4), SuitRun('S', 13)}, {Tableau(13), "KH"}});
  FForm->FMoveCount = 60;
  // Ctrl with a press below the pile's cards plays its top card home.
  Click(Tableau(13), QPoint(20, Tableau(13)->height() - 10), Qt::LeftButton, Qt::ControlModifier);
  EXPECT_TRUE(FForm->FGameOver);
  EXPECT_EQ(Key("BakersDozen", "GamesWon"), "1");
  EXPECT_EQ(Key("BakersDozen", "GamesAttempted"), "2");
}

TEST_F(TBakersDozen, TheRowsStretchWithTheWindowAtEachCardSize) {
  // Design client height, its rule's base, upper height, lower top.
  const int rules[3][3] = {{430, 200, 209}, {623, 300, 312}, {955, 450, 472}};
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    Open(BakersDozen, 1, size);
    FForm->resize(FForm->width(), FForm->height() + 101);
    const int height = FForm->height();
    const int d = (height - rules[size][0]) / 2;
    EXPECT_EQ(Tableau(7)->height(), rules[size][1] + d) << size;
    EXPECT_EQ(Tableau(8)->y(), rules[size][2] + d) << size;
    // The lower rows reach the status bar, not under it.
    EXPECT_EQ(Tableau(13)->y() + Tableau(13)->height(), FForm->GameStatusBar->y()) << size;
    Close();
  }
}

TEST_F(TBakersDozen, TheOptionsSpacingIsAppliedToThePiles) {
  Open(BakersDozen, 1);
  EXPECT_EQ(Tableau(1)->YOffset, float(PreferencesDlg->FCardSpacing));
  PreferencesDlg->FCardSpacing = 20;
  FForm->ApplyPreferences();
  EXPECT_EQ(Tableau(13)->YOffset, 20.0f);
}

TEST_F(TBakersDozen, EachCardSizeDrawsItsOpeningLayout) {
  const char* names[] = {"bakersdozen-small", "bakersdozen-large", "bakersdozen-huge"};
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    Open(BakersDozen, 1, size);
    Shoot(QLatin1String(names[size]), Tableau(13));
    Close();
  }
}
