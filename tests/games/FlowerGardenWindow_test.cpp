// Flower Garden through its window: the deal, plays from anywhere in the reserve and
// their undo back to the same place, sending reserve cards home, empty piles, the win and
// the three card sizes.

#include "engine/ReservePileView.h"
#include "games/CastleFamilyTesting.h"
#include "games/flowergarden/FlowerGardenWindow.h"

using namespace CastleFamilyTest;

namespace {
const TCreate FlowerGarden = [](int size) -> TGameForm* { return CreateFlowerGardenWindow(size); };
const QString DealOneReserve = "TC 9S 8D 3H 6S JH 4D 4C QD 2D 7D AS JD QS 7H TH";
}  // namespace

class TFlowerGarden : public TFamilyTest {
protected:
  TFlowerGardenForm* Garden() { return static_cast<TFlowerGardenForm*>(FForm.data()); }
  TCardPileView* Reserve() { return Garden()->ReservePileView; }
  QString Positions() {
    QStringList parts;
    for (TCard* card : Reserve()->FCards->FList) parts << QString::number(card->FPos);
    return parts.join(QLatin1Char(' '));
  }
};

TEST_F(TFlowerGarden, TheDealLeavesSixteenNumberedCardsInTheReserve) {
  Open(FlowerGarden, 1);
  const char* piles[] = {"KC 3D 2C 5H TS QC", "KH 5D 5C AD 6D 6C", "4S JC KS 6H AC 5S",
                         "2H 7S TD 4H 9H 8C", "JS 8S 2S AH KD 9D", "QH 3S 7C 3C 9C 8H"};
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(Text(Tableau(i)), piles[i - 1]) << i;
  EXPECT_EQ(Text(Reserve()), DealOneReserve);
  EXPECT_EQ(Positions(), "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15");
  EXPECT_EQ(FForm->windowTitle(), "Flower Garden");
  EXPECT_EQ(FForm->PanelText(2), "Game #1");
  // The spacing of 28 closes up to 25 so that all sixteen cards show above the status bar,
  // and opens again in a taller window.
  EXPECT_EQ(Reserve()->YOffset, 25.0f);
  FForm->resize(FForm->width(), FForm->height() + 100);
  EXPECT_EQ(Reserve()->YOffset, float(PreferencesDlg->FCardSpacing));
  DealNumber(617);
  EXPECT_EQ(Text(Tableau(6)), "5D QD TH 4D 3H KS");
  EXPECT_EQ(Text(Reserve()).left(11), "4S 4C 7D 7C");
}

TEST_F(TFlowerGarden, AReserveCardFromTheMiddlePlaysAndItsUndoPutsItBackInPlace) {
  Open(FlowerGarden, 1);
  // The seven of diamonds (index 10) onto the eight of clubs.
  Drag(Reserve(), CardPoint(Reserve(), 10), Tableau(4), TopPoint(Tableau(4)));
  EXPECT_EQ(Text(Tableau(4)), "2H 7S TD 4H 9H 8C 7D");
  EXPECT_EQ(Text(Reserve()), "TC 9S 8D 3H 6S JH 4D 4C QD 2D AS JD QS 7H TH");
  EXPECT_EQ(Positions(), "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14");
  // The seven of hearts (now index 13) onto the eight of hearts.
  Drag(Reserve(), CardPoint(Reserve(), 13), Tableau(6), TopPoint(Tableau(6)));
  EXPECT_EQ(Text(Tableau(6)), "QH 3S 7C 3C 9C 8H 7H");
  // The six of spades (index 4) onto the seven of hearts.
  Drag(Reserve(), CardPoint(Reserve(), 4), Tableau(6), TopPoint(Tableau(6)));
  EXPECT_EQ(FForm->FMoveCount, 3);
  for (int i = 0; i < 3; ++i) FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Reserve()), DealOneReserve);
  EXPECT_EQ(Positions(), "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15");
  EXPECT_EQ(FForm->FMoveCount, 0);
  FForm->Redo1Click(FForm->Redo1);
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(Text(Tableau(6)), "QH 3S 7C 3C 9C 8H 7H");
  EXPECT_EQ(Text(Reserve()), "TC 9S 8D 3H 6S JH 4D 4C QD 2D AS JD QS TH");
  EXPECT_EQ(Positions(), "0 1 2 3 4 5 6 7 8 9 10 11 12 13");
  // A card dropped nowhere goes back to its place.
  Drag(Reserve(), CardPoint(Reserve(), 3), FForm.data(), QPoint(640, 300));
  EXPECT_EQ(Text(Reserve()), "TC 9S 8D 3H 6S JH 4D 4C QD 2D AS JD QS TH");
  // A window closed during a drag (the program ended from outside) takes the lifted card
  // home before it frees the cards: afterwards no view drags and no pile holds a card.
  // A drag left running would put the freed card back into the reserve as the window
  // hides, where the view reads it again.
  FMouseOwner = Reserve();
  QTest::mousePress(Reserve(), Qt::LeftButton, {}, CardPoint(Reserve(), 3));
  QTest::mouseMove(Reserve(), CardPoint(Reserve(), 3) + QPoint(12, 12));
  ASSERT_TRUE(Reserve()->Dragging());
  FForm->close();
  for (TCardPileView* view : FForm->findChildren<TCardPileView*>()) {
    EXPECT_FALSE(view->Dragging()) << view->objectName().toStdString();
    EXPECT_EQ(view->FCards->Count(), 0) << view->objectName().toStdString();
  }
}

TEST_F(TFlowerGarden, CtrlClickSendsAReserveAceHomeAndLeavesACardThatFitsNowhere) {
  Open(FlowerGarden, 1);
  Click(Reserve(), CardPoint(Reserve(), 11), Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(Text(Foundation(1)), "AS");
  EXPECT_EQ(Reserve()->FCards->Count(), 15);
  EXPECT_TRUE(FDevice.Played.contains("AUTOPLAY"));
  Click(Reserve(), CardPoint(Reserve(), 0), Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(Reserve()->FCards->Count(), 15);
  EXPECT_EQ(FForm->FMoveCount, 1);
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Reserve()), DealOneReserve);
  // A double-click on a reserve card plays it too; the middle button has no action here.
  Arrange({{Foundation(1), "AS"}, {Reserve(), "9D 2S KH"}, {Tableau(1), "2C"}});
  DoubleClick(Reserve(), CardPoint(Reserve(), 1));
  EXPECT_EQ(Text(Foundation(1)), "AS 2S");
  EXPECT_EQ(Positions(), "0 1");
  Click(Tableau(1), TopPoint(Tableau(1)), Qt::MiddleButton);
  EXPECT_EQ(Text(Tableau(1)), "2C");
  // Ctrl with a press below a pile's cards plays its top card; Shift has no action here.
  Arrange({{Foundation(1), "AC"}, {Tableau(1), "9D 2C"}, {Tableau(2), "3C"}});
  const QPoint below(20, Tableau(1)->height() - 10);
  Click(Tableau(1), below, Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(Text(Foundation(1)), "AC 2C");
  Click(Tableau(2), below, Qt::LeftButton, Qt::ShiftModifier);
  Click(Tableau(2), TopPoint(Tableau(2)), Qt::LeftButton, Qt::ShiftModifier);
  EXPECT_EQ(Text(Tableau(2)), "3C");
}

TEST_F(TFlowerGarden, AnEmptyPileTakesAnyCardAndAutoplayLeavesTheReserveAlone) {
  Open(FlowerGarden, 1);
  Arrange({{Tableau(1), ""}, {Tableau(2), "8D 5C"}, {Reserve(), "AH QS"}, {Foundation(1), "AC 2C 3C"}});
  Drag(Reserve(), CardPoint(Reserve(), 1), Tableau(1), QPoint(20, 20));
  EXPECT_EQ(Text(Tableau(1)), "QS");
  FForm->FAutoplay = true;
  Arrange({{Tableau(1), "4C"}, {Tableau(2), "8D 5C"}, {Reserve(), "AH"}, {Foundation(1), "AC 2C 3C"},
           {Tableau(3), "9S"}});
  Drag(Tableau(2), TopPoint(Tableau(2)), Tableau(1), QPoint(20, 20));  // refused: not one lower
  DoubleClick(Tableau(1), TopPoint(Tableau(1)));
  EXPECT_EQ(Text(Foundation(1)), "AC 2C 3C 4C 5C");  // the five followed by autoplay
  EXPECT_EQ(Text(Reserve()), "AH");                   // reserve cards wait for the player
}

TEST_F(TFlowerGarden, AWinIsRecordedInTheFlowerGardenSection) {
  Open(FlowerGarden, 1);
  Arrange({{Foundation(1), SuitRun('C', 13)}, {Foundation(2), SuitRun('D', 13)},
           {Foundation(3), SuitRun('H', 13)}, {Foundation(4), SuitRun('S', 12)}, {Reserve(), "KS"}});
  FForm->FMoveCount = 30;
  Click(Reserve(), CardPoint(Reserve(), 0), Qt::LeftButton, Qt::ControlModifier);
  EXPECT_TRUE(FForm->FGameOver);
  EXPECT_EQ(Key("FlowerGarden", "GamesWon"), "1");
  Click(FForm.data(), QPoint(600, 500));
  EXPECT_EQ(FWinDialogs, 1);
}

TEST_F(TFlowerGarden, EachCardSizeDrawsItsOpeningLayout) {
  const char* names[] = {"flowergarden-small", "flowergarden-large", "flowergarden-huge"};
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    Open(FlowerGarden, 1, size);
    Shoot(QLatin1String(names[size]), Reserve());
    Shoot(QLatin1String(names[size]) + QStringLiteral("-tableau"), Tableau(6));
    Close();
  }
}
