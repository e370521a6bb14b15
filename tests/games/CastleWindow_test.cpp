// Beleaguered Castle through its window: the deal with the Aces home, single top cards
// building down in any suit, any card onto an empty row, sending home, the win, the
// threshold of 3 moves, the minimum size and the three card sizes.

#include "games/CastleFamilyTesting.h"
#include "games/castle/CastleRules.h"
#include "games/castle/CastleWindow.h"

using namespace CastleFamilyTest;

namespace {
const TCreate Castle = [](int size) -> TGameForm* { return CreateCastleWindow(size); };
}

using TCastle = TFamilyTest;

TEST_F(TCastle, DealOneStartsWithTheAcesHomeAndSixFaceUpCardsInEachRow) {
  Open(Castle, 1);
  // Aces in the order they lie from the bottom of the shuffled deck.
  EXPECT_EQ(Text(Foundation(1)), "AS");
  EXPECT_EQ(Text(Foundation(2)), "AC");
  EXPECT_EQ(Text(Foundation(3)), "AH");
  EXPECT_EQ(Text(Foundation(4)), "AD");
  const char* rows[] = {"KC JC 2S 9H 8H 4C", "KH 7S 7C KD TH 4D", "4S 8S 5H 9C 7H JH", "2H 3S 6H QC QS 6S",
                        "JS 2C 4H 6C JD 3H", "QH 5C 3C 5S 7D 8D", "3D KS TS 8C 2D 9S", "5D TD 6D 9D QD TC"};
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(Text(Tableau(i)), rows[i - 1]) << i;
  EXPECT_EQ(FForm->FScore, 4);
  EXPECT_EQ(FForm->windowTitle(), "Beleaguered Castle");
  EXPECT_EQ(FForm->PanelText(2), "Game #1");
  EXPECT_EQ(FForm->PanelText(3), "Score: 4");
  // The rows fan to the right only.
  EXPECT_EQ(Tableau(1)->YOffset, 0.0f);
  EXPECT_EQ(Tableau(1)->XOffset, 12.0f);
  FForm->ApplyPreferences();  // after the options dialog too
  EXPECT_EQ(Tableau(8)->YOffset, 0.0f);

  // Another number, and the same number again, give the layouts the deal formula gives.
  DealNumber(617);
  EXPECT_EQ(Text(Foundation(1)) + Text(Foundation(2)) + Text(Foundation(3)) + Text(Foundation(4)), "AHADASAC");
  EXPECT_EQ(Text(Tableau(8)), "5S 3D JD 9C 3S 4S");
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(Text(Tableau(1)), "KC QD 3C JS KS 6C");
  EXPECT_EQ(FForm->FScore, 4);
}

TEST_F(TCastle, OnlyTheTopCardMovesOntoOneHigherOfAnySuitWithUndoAndRedo) {
  Open(Castle, 1);
  // A press on a card under the top arms nothing: the drag leaves everything in place.
  Drag(Tableau(8), CardPoint(Tableau(8), 4), Tableau(1), TopPoint(Tableau(1)));
  EXPECT_EQ(Text(Tableau(8)), "5D TD 6D 9D QD TC");
  EXPECT_EQ(FForm->FMoveCount, 0);
  // The ten of clubs goes onto the jack of hearts.
  Drag(Tableau(8), TopPoint(Tableau(8)), Tableau(3), TopPoint(Tableau(3)));
  EXPECT_EQ(Text(Tableau(3)), "4S 8S 5H 9C 7H JH TC");
  EXPECT_EQ(Text(Tableau(8)), "5D TD 6D 9D QD");
  EXPECT_EQ(FForm->FMoveCount, 1);
  EXPECT_TRUE(FDevice.Played.contains("CARDDOWN"));
  // Not one lower: the four of clubs does not go on the eight of diamonds.
  Drag(Tableau(1), TopPoint(Tableau(1)), Tableau(6), TopPoint(Tableau(6)));
  EXPECT_EQ(Text(Tableau(1)), "KC JC 2S 9H 8H 4C");

  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Tableau(8)), "5D TD 6D 9D QD TC");
  EXPECT_EQ(Text(Tableau(3)), "4S 8S 5H 9C 7H JH");
  EXPECT_EQ(FForm->FMoveCount, 0);
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(Text(Tableau(3)), "4S 8S 5H 9C 7H JH TC");
  EXPECT_EQ(FForm->FMoveCount, 1);
}

TEST_F(TCastle, AnEmptyRowTakesAnyCardAndSmartDraggingPrefersTheCardsSuit) {
  Open(Castle, 1);
  Arrange({{Foundation(1), "AC"}, {Tableau(1), "KC 9D"}, {Tableau(2), ""}, {Tableau(3), "6C"},
           {Tableau(4), "6H"}, {Tableau(5), "2S 5H"}});
  Drag(Tableau(1), TopPoint(Tableau(1)), Tableau(2), QPoint(20, 20));
  EXPECT_EQ(Text(Tableau(2)), "9D");
  // Smart dragging: the five of hearts, released over the table, goes on the six of hearts
  // though the six of clubs comes first.
  PreferencesDlg->FSmartDragging = true;
  Drag(Tableau(5), TopPoint(Tableau(5)), FForm.data(), QPoint(740, 560));
  EXPECT_EQ(Text(Tableau(4)), "6H 5H");
  EXPECT_EQ(Text(Tableau(3)), "6C");
}

TEST_F(TCastle, SendingHomeByDoubleClickMiddleButtonAndCtrlClick) {
  Open(Castle, 1);
  Arrange({{Foundation(1), "AC"}, {Foundation(2), "AD"}, {Tableau(1), "2C"}, {Tableau(2), "3C 2D"},
           {Tableau(3), "9S 7H"}, {Tableau(4), "KH 3D"}});
  DoubleClick(Tableau(1), TopPoint(Tableau(1)));
  EXPECT_EQ(Text(Foundation(1)), "AC 2C");
  EXPECT_TRUE(FDevice.Played.contains("AUTOPLAY"));
  Click(Tableau(2), TopPoint(Tableau(2)), Qt::MiddleButton);
  EXPECT_EQ(Text(Foundation(2)), "AD 2D");
  Click(Tableau(2), TopPoint(Tableau(2)), Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(Text(Foundation(1)), "AC 2C 3C");
  // A card that fits no foundation stays.
  Click(Tableau(3), TopPoint(Tableau(3)), Qt::MiddleButton);
  EXPECT_EQ(Text(Tableau(3)), "9S 7H");
  EXPECT_EQ(FForm->FMoveCount, 3);
  // Shift or Ctrl with a press beside the cards of a row plays its top card too.
  const QPoint beside(Tableau(4)->width() - 10, Tableau(4)->height() / 2);
  Click(Tableau(4), beside, Qt::LeftButton, Qt::ShiftModifier);
  EXPECT_EQ(Text(Foundation(2)), "AD 2D 3D");
  Click(Tableau(4), beside, Qt::LeftButton, Qt::ControlModifier);  // the King fits nowhere
  EXPECT_EQ(Text(Tableau(4)), "KH");
  EXPECT_EQ(FForm->FMoveCount, 4);
  EXPECT_EQ(FForm->FScore, 6);
  // With autoplay on, the next move sends every fitting card up in a chain.
  FForm->FAutoplay = true;
  Arrange({{Foundation(1), "AC 2C 3C"}, {Foundation(2), "AD 2D"}, {Tableau(1), "4C 3D"}, {Tableau(2), "5D"},
           {Tableau(3), "6S"}, {Tableau(4), "KH 4D"}});
  Drag(Tableau(2), TopPoint(Tableau(2)), Tableau(3), TopPoint(Tableau(3)));
  EXPECT_EQ(Text(Foundation(2)), "AD 2D 3D 4D 5D");
  EXPECT_EQ(Text(Foundation(1)), "AC 2C 3C 4C");
}

TEST_F(TCastle, AWinRecordsInTheCastleSectionAndTheNextPressOpensTheWinDialog) {
  Open(Castle, 1);
  Arrange({{Foundation(1), SuitRun('C', 13)}, {Foundation(2), SuitRun('D', 13)},
           {Foundation(3), SuitRun('H', 13)}, {Foundation(4), SuitRun('S', 12)}, {Tableau(1), "KS"}});
  FForm->FMoveCount = 40;
  DoubleClick(Tableau(1), TopPoint(Tableau(1)));
  ASSERT_TRUE(FForm->FGameOver);
  EXPECT_FALSE(FForm->Restart1->isEnabled());
  EXPECT_FALSE(FForm->Undo1->isEnabled());
  EXPECT_TRUE(FDevice.Played.contains("WIN_SND"));
  EXPECT_EQ(Key("Castle", "GamesWon"), "1");
  EXPECT_EQ(Key("Castle", "GamesAttempted"), "1");
  EXPECT_EQ(Key("Castle", "CurrentStreak"), "1");
  Click(Tableau(4), QPoint(30, 30));
  EXPECT_EQ(FWinDialogs, 1);
}

TEST_F(TCastle, AGameAbandonedAfterThreeMovesCountsAsALoss) {
  Open(Castle, 1);
  FForm->FMoveCount = 2;
  FForm->close();
  EXPECT_TRUE(FPrompts.isEmpty());
  EXPECT_EQ(Key("Castle", "GamesAttempted"), "None");

  Open(Castle, 1);
  FForm->FMoveCount = 3;
  FAnswer = Prompts::IDCANCEL;
  EXPECT_FALSE(FForm->close());
  ASSERT_EQ(FPrompts.size(), 1);
  EXPECT_EQ(FPrompts[0], "Resign this game of Beleaguered Castle?\n\nNote:\nA resigned game counts as a loss.");
  FAnswer = Prompts::IDOK;
  // Restart asks only above the threshold.
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(FPrompts.size(), 1);
  FForm->FMoveCount = 4;
  FAnswer = Prompts::IDCANCEL;
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(FPrompts.last(), "Restart this game of Beleaguered Castle?");
  FAnswer = Prompts::IDOK;
  EXPECT_TRUE(FForm->close());
  EXPECT_EQ(Key("Castle", "GamesAttempted"), "1");
  EXPECT_EQ(Key("Castle", "HiScore"), "4");
}

TEST_F(TCastle, HidingTheStatusBarMovesTheTextsToTheCaptionAndLowersTheMinimumHeight) {
  const int bars[] = {22, 26, 36};
  const int heights[] = {446, 573, 828};
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    Open(Castle, 1, size, false);
    const QSize shown = FForm->WMGetMinMaxInfo();
    EXPECT_EQ(shown.height(), heights[size] + Metrics::CaptionHeight + 2 * Metrics::FrameHeight) << size;
    FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
    EXPECT_EQ(FForm->windowTitle(), "Beleaguered Castle   Game #1   Score: 4");
    EXPECT_EQ(shown.height() - FForm->WMGetMinMaxInfo().height(), bars[size]) << size;
    FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
    Close();
  }
  EXPECT_EQ(Key("Castle", "ShowStatusBar"), "True");
}

TEST_F(TCastle, EachCardSizeDrawsItsOpeningLayout) {
  const char* names[] = {"castle-small", "castle-large", "castle-huge"};
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    Open(Castle, 1, size);
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(Tableau(i)->FCards->Count(), 6);
    Shoot(QLatin1String(names[size]), Tableau(8));
    Shoot(QLatin1String(names[size]) + QStringLiteral("-foundation"), Foundation(4));
    Close();
  }
}
