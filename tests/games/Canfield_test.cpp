// Canfield: its deal, base rank, wrap-around builds, reserve refills, Superior rules,
// stock, win and texts, played through the window.

#include "games/KlondikeFamilyTesting.h"
#include "games/canfield/CanfieldRules.h"
#include "games/canfield/CanfieldWindow.h"

using namespace GamesTest;

namespace {

class TCanfieldTest : public TFamilyTest<TCanfieldForm> {
protected:
  void Open(int number = 1, int cardSize = CS_LARGE) { OpenWith(&CreateCanfieldWindow, number, cardSize); }
  TCardPileView* Reserve() { return FGame->ReservePileView; }
};

// Suit run of a foundation: count cards of suit from the base rank up, wrapping.
QString RunFrom(int base, QChar suit, int count) {
  QStringList parts;
  for (int i = 0; i < count; ++i) parts << QString(QLatin1String("A23456789TJQK")[(base + i) % 13]) + suit;
  return parts.join(QLatin1Char(' '));
}

}  // namespace

TEST(CanfieldRulesTest, FoundationsStartAtTheBaseRankAndWrapFromKingToAce) {
  TCardFactory f;
  TCardPile empty, clubs;
  f.Fill(&clubs, "QC KC");
  EXPECT_TRUE(CanfieldRules::FitsFoundation(&empty, f.Make("7D"), 6));
  EXPECT_FALSE(CanfieldRules::FitsFoundation(&empty, f.Make("AD"), 6));
  EXPECT_TRUE(CanfieldRules::FitsFoundation(&clubs, f.Make("AC"), 11));
  EXPECT_FALSE(CanfieldRules::FitsFoundation(&clubs, f.Make("AD"), 11));
  EXPECT_EQ(CanfieldRules::RankText(9), "10");
  EXPECT_EQ(CanfieldRules::RankText(0), "A");
  EXPECT_EQ(CanfieldRules::RankText(12), "K");
  clubs.Empty(false);
}

TEST(CanfieldRulesTest, TableauBuildsDownInAlternateColoursWithTheKingOnTheAce) {
  TCardFactory f;
  TCardPile ace, empty, run;
  f.Fill(&ace, "AS");
  EXPECT_TRUE(CanfieldRules::CanDropOnTableau(&ace, f.Make("KH"), false, false));
  EXPECT_FALSE(CanfieldRules::CanDropOnTableau(&ace, f.Make("KC"), false, false));
  EXPECT_FALSE(CanfieldRules::CanDropOnTableau(&ace, f.Make("2H"), false, false));
  // An empty pile takes anything once the reserve is empty, or at any time when Superior.
  EXPECT_FALSE(CanfieldRules::CanDropOnTableau(&empty, f.Make("5H"), false, false));
  EXPECT_TRUE(CanfieldRules::CanDropOnTableau(&empty, f.Make("5H"), true, false));
  EXPECT_TRUE(CanfieldRules::CanDropOnTableau(&empty, f.Make("5H"), false, true));
  f.Fill(&run, "2D AS KH QS");
  EXPECT_TRUE(CanfieldRules::IsRun(&run, 0));
  run.FList[1]->FFaceUp = false;
  EXPECT_FALSE(CanfieldRules::IsRun(&run, 1));
  EXPECT_TRUE(CanfieldRules::IsRun(&run, 2));
  ace.Empty(false);
  run.Empty(false);
}

TEST_F(TCanfieldTest, DealOneLaysReserveBaseCardAndTableau) {
  Open(1);
  // Worked out by hand from the generator: 13 reserve cards, the base card, four tableau cards.
  EXPECT_EQ(Of(Reserve()), "KC KH 4S 2H JS QH 3D 5D JC 7S 8S 3S 2C");
  EXPECT_EQ(Of(F(1)), "5C");
  EXPECT_EQ(FGame->FBaseRank, 4);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(F(i)->Label, "5");
  EXPECT_EQ(Of(T(1)), "KS");
  EXPECT_EQ(Of(T(2)), "TD");
  EXPECT_EQ(Of(T(3)), "2S");
  EXPECT_EQ(Of(T(4)), "7C");
  EXPECT_EQ(StockView()->FCards->Count(), 34);
  EXPECT_EQ(CardText(StockView()->FCards->FList.back()), "#5H");
  EXPECT_EQ(FGame->PanelText(4), "Stock: 34");
  EXPECT_EQ(FGame->PanelText(3), "Game #1");
  EXPECT_EQ(FGame->PanelText(5), "Score: 1");
  EXPECT_EQ(FGame->windowTitle(), "Canfield");
  // Animated, the deal sounds after every fourth reserve card from the first.
  PreferencesDlg->FDoAnimation = true;
  FGame->FChosenNumber = 5;
  FGame->FRandomDeal = false;
  FDevice.Played.clear();
  FGame->NewGame1Click(FGame->NewGame1);
  EXPECT_EQ(FDevice.Played.count("DEAL"), 4);
  EXPECT_EQ(Of(F(1)), "JH");
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(F(i)->Label, "J");
  EXPECT_EQ(Of(Reserve()), "5D 3S 7H KS 5C KD 2H QS AS 9S 6D 9H 2S");
}

TEST_F(TCanfieldTest, EmptyFoundationsTakeOnlyTheBaseRankAndBuildRoundTheCorner) {
  Open(1);
  FGame->FBaseRank = 6;  // sevens
  Lay({{T(1), "8D"}, {T(2), "7D"}, {T(3), "AH"}, {F(1), "7H 8H 9H TH JH QH KH"}, {Reserve(), "2C"}});
  FGame->DiscardPileViewDblClick(T(1));  // an Eight has nowhere to go
  EXPECT_EQ(Of(T(1)), "8D");
  FGame->DiscardPileViewDblClick(T(2));
  EXPECT_EQ(Of(F(2)), "7D");
  FGame->DiscardPileViewDblClick(T(1));
  EXPECT_EQ(Of(F(2)), "7D 8D");
  FGame->DiscardPileViewDblClick(T(3));  // the Ace follows the King
  EXPECT_EQ(Of(F(1)), "7H 8H 9H TH JH QH KH AH");
  EXPECT_EQ(FGame->FMoveCount, 3);
}

TEST_F(TCanfieldTest, AnEmptiedPileIsRefilledFromTheReserveAndUndoTakesTheRefillBackFirst) {
  Open(1);
  PreferencesDlg->FSmartDragging = false;
  Lay({{T(1), "9H"}, {T(2), "8S"}, {T(3), "4D"}, {T(4), "KC"}, {Reserve(), "2C 3D"}}, true);
  Drag(T(2), TopAt(T(2)), T(1), TopAt(T(1)));
  EXPECT_EQ(Of(T(1)), "9H 8S");
  EXPECT_EQ(Of(T(2)), "3D");
  EXPECT_EQ(Of(Reserve()), "2C");
  EXPECT_TRUE(FDevice.Played.contains("DEAL"));
  EXPECT_FALSE(FGame->SuperiorRules1->isEnabled());
  EXPECT_EQ(FGame->FMoveCount, 1);
  // The refill is no move of its own: undoing it leaves the count, undoing the move takes
  // it back, and redoing both gives it again.
  FGame->Undo1Click(FGame->Undo1);
  EXPECT_EQ(Of(T(2)), "");
  EXPECT_EQ(Of(Reserve()), "2C 3D");
  EXPECT_EQ(FGame->FMoveCount, 1);
  FGame->Undo1Click(FGame->Undo1);
  EXPECT_EQ(Of(T(2)), "8S");
  EXPECT_EQ(Of(T(1)), "9H");
  EXPECT_EQ(FGame->FMoveCount, 0);
  FGame->Redo1Click(FGame->Redo1);
  FGame->Redo1Click(FGame->Redo1);
  EXPECT_EQ(Of(T(2)), "3D");
  EXPECT_EQ(FGame->FMoveCount, 1);
}

TEST_F(TCanfieldTest, WithTheReserveEmptyAnyCardFillsAnEmptyPile) {
  Open(1);
  PreferencesDlg->FSmartDragging = false;
  Lay({{T(1), ""}, {T(2), "5H"}, {Reserve(), "2C"}}, true);
  Drag(T(2), TopAt(T(2)), T(1), QPoint(30, 30));
  EXPECT_EQ(Of(T(2)), "5H");  // the reserve still holds a card
  Lay({{T(1), ""}, {T(2), "5H"}}, true);
  Drag(T(2), TopAt(T(2)), T(1), QPoint(30, 30));
  EXPECT_EQ(Of(T(1)), "5H");
}

TEST_F(TCanfieldTest, SuperiorRulesLeaveEmptyPilesToThePlayerAndFanTheReserve) {
  Open(1);
  PreferencesDlg->FSmartDragging = false;
  FGame->SuperiorRules1Click(FGame->SuperiorRules1);
  EXPECT_TRUE(FGame->FSuperiorRules);
  EXPECT_EQ(Reserve()->YOffset, 20.0f);
  EXPECT_EQ(Key("Canfield", "SuperiorRules"), "True");
  Lay({{T(1), "9H"}, {T(2), "8S"}, {T(3), ""}, {Reserve(), "2C 3D"}}, true);
  Drag(T(2), TopAt(T(2)), T(1), TopAt(T(1)));
  EXPECT_EQ(Of(T(2)), "");  // stays empty
  Drag(Reserve(), TopAt(Reserve()), T(3), QPoint(30, 30));
  EXPECT_EQ(Of(T(3)), "3D");
  // The rule set is fixed once play has started, until the next new deal.
  EXPECT_FALSE(FGame->SuperiorRules1->isEnabled());
  FGame->SuperiorRules1Click(FGame->SuperiorRules1);
  EXPECT_EQ(Reserve()->YOffset, 4.0f);
  FGame->NewGame1Click(FGame->Restart1);
  EXPECT_FALSE(FGame->SuperiorRules1->isEnabled());
  FGame->NewGame1Click(FGame->NewGame1);
  EXPECT_TRUE(FGame->SuperiorRules1->isEnabled());
}

TEST_F(TCanfieldTest, HugeCardsFanTheReserveHalfAgainAsWide) {
  Open(1, CS_HUGE);
  EXPECT_EQ(Reserve()->YOffset, 6.0f);
  FGame->SuperiorRules1Click(FGame->SuperiorRules1);
  EXPECT_EQ(Reserve()->YOffset, 30.0f);
}

TEST_F(TCanfieldTest, TheStockTurnsThreeUndoesAndRedealsAndAnEmptyStockRecordsNothing) {
  Open(1);
  FGame->DeckPileViewClick(StockView());
  EXPECT_EQ(WasteView()->FCards->Count(), 3);
  EXPECT_EQ(FGame->PanelText(4), "Stock: 31");
  EXPECT_FALSE(FGame->DrawOne1->isEnabled());
  EXPECT_FALSE(FGame->SuperiorRules1->isEnabled());
  EXPECT_EQ(FGame->FMoveCount, 1);
  FGame->Undo1Click(FGame->Undo1);
  EXPECT_EQ(StockView()->FCards->Count(), 34);
  EXPECT_EQ(CardText(StockView()->FCards->FList.back()), "#5H");
  Lay({{T(1), "KS"}, {WasteView(), "4H 9C"}});
  FGame->DeckPileViewClick(StockView());  // redeal, then turn
  EXPECT_EQ(Of(WasteView()), "4H 9C");
  EXPECT_EQ(Of(StockView()), "");
  Lay({{T(1), "KS"}});
  const int steps = FGame->FUndo->StepCount();
  const int moves = FGame->FMoveCount;
  FGame->DeckPileViewClick(StockView());
  EXPECT_EQ(FGame->FUndo->StepCount(), steps);
  EXPECT_EQ(FGame->FMoveCount, moves);
  EXPECT_EQ(StockView()->State, CS_BLANK);
}

TEST_F(TCanfieldTest, AutoplayPlaysTheReserveTableauAndWasteAndRefillsAsItGoes) {
  Open(1);
  FGame->FBaseRank = 0;
  FGame->Autoplay1Click(FGame->Autoplay1);
  Lay({{T(1), "9S"}, {T(2), "AC"}, {Reserve(), "KD 2C"}, {WasteView(), "3C"}, {T(3), "5H"}, {T(4), "6S"}},
      true);
  FGame->DiscardPileViewDblClick(T(2));
  EXPECT_EQ(Of(F(1)), "AC 2C 3C");
  EXPECT_EQ(Of(T(2)), "KD");  // refilled after it emptied
  EXPECT_EQ(Of(Reserve()), "");
}

TEST_F(TCanfieldTest, TheLastCardHomeWinsAndRecordsInBothSections) {
  Open(1);
  FGame->FBaseRank = 0;
  Lay({{F(1), RunFrom(0, 'C', 13)},
       {F(2), RunFrom(0, 'D', 13)},
       {F(3), RunFrom(0, 'H', 13)},
       {F(4), RunFrom(0, 'S', 12)},
       {T(1), "KS"}});
  FGame->FMoveCount = 7;
  FGame->DiscardPileViewDblClick(T(1));
  EXPECT_TRUE(FGame->FGameOver);
  EXPECT_EQ(Key("Canfield", "GamesWon"), "1");
  EXPECT_EQ(Key("CanfieldDrawThree", "GamesWon"), "1");
  EXPECT_EQ(Key("CanfieldDrawOne", "GamesWon"), "None");
  EXPECT_FALSE(FGame->Restart1->isEnabled());
  FWinResult = TWinForm::mrCancel;
  Click(StockView());  // once, though the press and the click both ask for it
  EXPECT_EQ(FWinDialogs, 1);
  Click(FGame, QPoint(600, 450));
  EXPECT_EQ(FWinDialogs, 2);
}

TEST_F(TCanfieldTest, TextsCarryTheGamesName) {
  Open(42);
  FGame->FMoveCount = 6;
  FAnswer = Prompts::IDCANCEL;
  FGame->NewGame1Click(FGame->Restart1);
  FGame->close();
  ASSERT_EQ(FPrompts.size(), 2);
  EXPECT_EQ(FPrompts[0], "Restart this game of Canfield?");
  EXPECT_EQ(FPrompts[1], "Resign this game of Canfield?\n\nNote:\nA resigned game counts as a loss.");
  FGame->ShowStatusBar1Click(FGame->ShowStatusBar1);
  EXPECT_EQ(FGame->windowTitle(), "Canfield   Game #42   Score: 1");
  PreferencesDlg->FVegasScoring = true;
  FGame->UpdateScore(false);
  EXPECT_EQ(FGame->windowTitle(), "Canfield   Game #42   Score: $-47");
  FGame->ShowStatusBar1Click(FGame->ShowStatusBar1);
  EXPECT_EQ(FGame->PanelText(5), "Score: $-47");
}

TEST_F(TCanfieldTest, WindowsAtEachSize) {
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    Open(3, size);
    EXPECT_EQ(FGame->FTableau.size(), 4u);
    Shoot(QStringLiteral("canfield-%1").arg(size));
    const QSize min = FGame->WMGetMinMaxInfo();
    EXPECT_EQ(min.width() - 2 * Metrics::FrameWidth, size == CS_SMALL ? 525 : size == CS_HUGE ? 900 : 672);
    FGame->close();
    delete FGame.data();
  }
}

TEST_F(TCanfieldTest, ASmartDraggedBaseRankCardGoesHomeWhereverItIsDropped) {
  Open(1);
  PreferencesDlg->FSmartDragging = true;
  FGame->FBaseRank = 4;  // fives
  Lay({{T(1), "6S"}, {T(2), "9C"}, {Reserve(), "2C 5H"}}, true);
  // 5H could go on 6S, but a card of the base rank tries the foundations first.
  Drag(Reserve(), TopAt(Reserve()), FGame, QPoint(600, 450));
  EXPECT_EQ(Of(F(1)), "5H");
  EXPECT_EQ(Of(T(1)), "6S");
  EXPECT_EQ(FGame->FMoveCount, 1);
}
