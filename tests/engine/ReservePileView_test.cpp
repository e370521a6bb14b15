// Flower Garden's reserve: any single card drags out, and comes back between the same
// neighbours when the drop fails.

#include "PileViewTesting.h"
#include "engine/ReservePileView.h"

namespace {

class ReserveTest : public TPileTableTest {
protected:
  void SetUpTable() {
    FReserve = AddView<TReservePileView>(16, 8, 80, 700);
    FReserve->AllowDrag = true;
    FReserve->YOffset = 30;
    ArmOnPress(FReserve);
    Fill(FReserve, 6, 6);
    for (int i = 0; i < 6; ++i) FReserve->FCards->FList[i]->SetPos(i);
    FTableau = AddView(300, 8, 80, 500);
    FTableau->YOffset = 18;
    Show();
  }

  // A point on the visible strip of card i.
  QPoint On(int i) const { return QPoint(40, 30 * i + 10); }

  TReservePileView* FReserve = nullptr;
  TCardPileView* FTableau = nullptr;
};

TEST_F(ReserveTest, CardDroppedNowhereReturnsToItsIndex) {
  SetUpTable();
  const std::vector<TCard*> before = Cards(FReserve);
  int ends = 0;
  FReserve->OnEndDrag = [&](QObject*, QObject*, int, int) { ++ends; };
  Press(FReserve, On(2));
  MoveTo(FReserve, On(2) + QPoint(0, 12));
  ASSERT_TRUE(FReserve->Dragging());
  // Only the hit card leaves; the cards above it stay.
  EXPECT_EQ(FReserve->FDragPile->FList, std::vector<TCard*>{before[2]});
  EXPECT_EQ(FReserve->FCards->Count(), 5);
  MoveTo(FWindow.get(), QPoint(600, 700));
  Release(FWindow.get(), QPoint(600, 700));
  EXPECT_EQ(Cards(FReserve), before);
  EXPECT_EQ(ends, 1);
}

TEST_F(ReserveTest, DropElsewhereAppendsAndRenumbersTheRest) {
  SetUpTable();
  AcceptDrops(FTableau);
  const std::vector<TCard*> before = Cards(FReserve);
  Drag(FReserve, On(1), FTableau, QPoint(40, 40));
  EXPECT_EQ(Cards(FTableau), std::vector<TCard*>{before[1]});
  ASSERT_EQ(FReserve->FCards->Count(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(FReserve->FCards->FList[i]->FPos, i);
  // The next failed drop of the former fourth card puts it back at its new index 2.
  TCard* fourth = before[3];
  FReserve->repaint();
  Drag(FReserve, On(2), FWindow.get(), QPoint(600, 700));
  FTableau->OnDragOver = nullptr;
  EXPECT_EQ(FReserve->FCards->FList[2], fourth);
}

TEST_F(ReserveTest, ManualDropOnlyFiresTheEndEvent) {
  SetUpTable();
  AcceptDrops(FTableau);
  FReserve->FManualDrop = true;
  bool ended = false;
  FReserve->OnEndDrag = [&](QObject*, QObject*, int, int) { ended = true; };
  const std::vector<TCard*> before = Cards(FReserve);
  Drag(FReserve, On(5), FTableau, QPoint(40, 40));
  EXPECT_TRUE(ended);
  EXPECT_EQ(FTableau->FCards->Count(), 0);
  EXPECT_EQ(FReserve->FCards->Count(), 5);
  EXPECT_EQ(FReserve->FDragPile->CardAt(TopOfPile), before[5]);
  // Positions keep their old numbers: the game renumbers when it places the card.
  EXPECT_EQ(FReserve->FCards->FList[4]->FPos, 4);
}

TEST_F(ReserveTest, StalePositionStillKeepsTheCard) {
  SetUpTable();
  TCard* last = FReserve->FCards->CardAt(TopOfPile);
  last->SetPos(40);
  Drag(FReserve, On(5), FWindow.get(), QPoint(600, 700));
  EXPECT_EQ(FReserve->FCards->Count(), 6);
  EXPECT_EQ(FReserve->FCards->CardAt(TopOfPile), last);
}

}  // namespace
