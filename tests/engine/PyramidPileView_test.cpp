// The pyramid: its size, where its rows lie, which cards are covered, and the three ways
// a drag out of it ends.

#include <string>

#include "PileViewTesting.h"
#include "engine/PyramidPileView.h"

namespace {

class PyramidTest : public TPileTableTest {
protected:
  TPyramidPileView* NewPyramid(float xOffset = 0, float yOffset = 0) {
    auto* pyramid = AddView<TPyramidPileView>(10, 10, 10, 10);
    pyramid->XOffset = xOffset;
    pyramid->YOffset = yOffset;
    pyramid->AllowDrag = true;
    pyramid->SetRows(7);
    for (int pos = 0; pos < 28; ++pos) {
      TCard* card = NewCard(static_cast<_CardSuit>(pos % 4), static_cast<_CardValue>(pos % 13), true);
      card->SetPos(pos);
      pyramid->FCards->AddCard(card);
    }
    return pyramid;
  }

  // A point inside the card at a position.
  static QPoint On(const TPyramidPileView* pyramid, int pos, QPoint inside = QPoint(20, 100)) {
    const TCard* card = pyramid->FCards->FList[static_cast<std::size_t>(pos)];
    return QPoint(static_cast<int>(card->FX), static_cast<int>(card->FY)) + inside;
  }

  // The game's rules reduced to: arm uncovered cards; over the pyramid, pair with the
  // uncovered card under the mouse.
  void BindPairing(TPyramidPileView* pyramid) {
    pyramid->OnMouseDown = [pyramid](QObject*, Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
      pyramid->FDragArmed = button == Qt::LeftButton && pyramid->FHitCard &&
                            !pyramid->IsCardCovered(pyramid->FHitCard);
    };
    pyramid->OnDragOver = [pyramid](QObject*, TDragObjectHack* source, int x, int y, TDragState,
                                    bool& accept) {
      accept = pyramid->OverCard(x, y) != nullptr;
      if (accept) source->OwnerView()->FDropTarget = pyramid;
    };
  }
};

struct TSizeCase {
  _CardSize Size;
  float XOffset, YOffset;
  int Width, Height;
};

void PrintTo(const TSizeCase& c, std::ostream* os) {
  *os << CardSizeName(c.Size) << ", offsets " << c.XOffset << "/" << c.YOffset << ": " << c.Width << "x" << c.Height;
}

// Each size once without and once with gaps between the cards.
std::string SizeCaseName(const ::testing::TestParamInfo<TSizeCase>& info) {
  const TSizeCase& c = info.param;
  return std::string(CardSizeName(c.Size)) + (c.XOffset == 0 && c.YOffset == 0 ? "_Touching" : "_Spaced");
}

class PyramidSizeTest : public PyramidTest, public ::testing::WithParamInterface<TSizeCase> {};

TEST_P(PyramidSizeTest, SevenRowsFitExactlyIntoTheCalculatedSize) {
  const TSizeCase& c = GetParam();
  UseCardSize(c.Size);
  TPyramidPileView* pyramid = NewPyramid(c.XOffset, c.YOffset);
  EXPECT_EQ(pyramid->size(), QSize(c.Width, c.Height));
  Show();
  const int cardWidth = TCardPileView::CardSize().width();
  const int cardHeight = TCardPileView::CardSize().height();
  const auto& cards = pyramid->FCards->FList;
  // Row 6 spans the whole width, row 0 sits in the middle.
  EXPECT_EQ(cards[21]->FX, 0);
  EXPECT_EQ(cards[27]->FX + cardWidth, c.Width);
  EXPECT_EQ(cards[0]->FX, static_cast<int>(c.Width / 2 - cardWidth / 2.0f));
  EXPECT_EQ(cards[0]->FY, 0);
  EXPECT_EQ(cards[27]->FY, static_cast<int>(6 * (cardHeight / 2.0f + c.YOffset)));
  EXPECT_LE(cards[27]->FY + cardHeight, c.Height);
  // Neighbours in a row are a card and the gap apart.
  EXPECT_EQ(cards[4]->FX - cards[3]->FX, static_cast<int>(cardWidth + c.XOffset));
}

INSTANTIATE_TEST_SUITE_P(AllSizes, PyramidSizeTest,
                         ::testing::Values(TSizeCase{CS_SMALL, 0, 0, 427, 382},
                                           TSizeCase{CS_LARGE, 0, 0, 560, 507},
                                           TSizeCase{CS_HUGE, 0, 0, 840, 767},
                                           TSizeCase{CS_SMALL, 4, 2.5f, 451, 397},
                                           TSizeCase{CS_LARGE, 4, 2.5f, 584, 522},
                                           TSizeCase{CS_HUGE, 6, 3, 876, 785}),
                         SizeCaseName);

TEST_F(PyramidTest, SetRowsCountsThePositions) {
  TPyramidPileView* pyramid = NewPyramid();
  pyramid->SetRows(0);
  EXPECT_EQ(pyramid->NumCards, 0);
  pyramid->SetRows(-2);
  EXPECT_EQ(pyramid->NumCards, 0);
  pyramid->SetRows(3);
  EXPECT_EQ(pyramid->NumCards, 6);
  EXPECT_EQ(pyramid->size(), QSize(240, 62 * 3 + 73));
  pyramid->SetRows(7);
  EXPECT_EQ(pyramid->NumCards, 28);
  EXPECT_EQ(TPyramidPileView::GetRow(0), 0);
  EXPECT_EQ(TPyramidPileView::GetRow(2), 1);
  EXPECT_EQ(TPyramidPileView::GetRow(3), 2);
  EXPECT_EQ(TPyramidPileView::GetRow(27), 6);
}

TEST_F(PyramidTest, CardsAreCoveredByTheTwoBelowThem) {
  TPyramidPileView* pyramid = NewPyramid();
  auto& cards = pyramid->FCards->FList;
  TCard* apex = cards[0];
  EXPECT_TRUE(pyramid->IsCardCovered(apex));
  pyramid->FCards->SetToNull(1);
  EXPECT_TRUE(pyramid->IsCardCovered(apex));
  pyramid->FCards->SetToNull(2);
  EXPECT_FALSE(pyramid->IsCardCovered(apex));
  for (int pos = 21; pos < 28; ++pos) EXPECT_FALSE(pyramid->IsCardCovered(cards[pos]));
  // Position 12 (row 4) lies under 17 and 18.
  pyramid->FCards->SetToNull(17);
  EXPECT_TRUE(pyramid->IsCardCovered(cards[12]));
  pyramid->FCards->SetToNull(18);
  EXPECT_FALSE(pyramid->IsCardCovered(cards[12]));
}

TEST_F(PyramidTest, OverCardFindsOnlyUncoveredCards) {
  TPyramidPileView* pyramid = NewPyramid();
  Show();
  auto& cards = pyramid->FCards->FList;
  pyramid->FOverCard = nullptr;
  EXPECT_EQ(pyramid->OverCard(On(pyramid, 27).x(), On(pyramid, 27).y()), cards[27]);
  // The apex is covered: a point only on it changes nothing.
  TCard* marker = cards[5];
  pyramid->FOverCard = marker;
  const QPoint apexTop = On(pyramid, 0, QPoint(40, 10));
  EXPECT_EQ(pyramid->OverCard(apexTop.x(), apexTop.y()), marker);  // left as it was
  // Uncover position 20: its top part now answers.
  pyramid->FCards->SetToNull(26);
  pyramid->FCards->SetToNull(27);
  pyramid->FOverCard = nullptr;
  const QPoint top20 = On(pyramid, 20, QPoint(40, 10));
  EXPECT_EQ(pyramid->OverCard(top20.x(), top20.y()), cards[20]);
}

TEST_F(PyramidTest, PressSkipsEmptyPositionsAndAnyPressClearsTheHitCard) {
  TPyramidPileView* pyramid = NewPyramid();
  Show();
  const QPoint point = On(pyramid, 27, QPoint(20, 20));
  Press(pyramid, point);
  Release(pyramid, point);
  EXPECT_EQ(pyramid->FHitCard, pyramid->FCards->FList[27]);
  pyramid->FCards->SetToNull(27);
  pyramid->repaint();
  Press(pyramid, point);
  Release(pyramid, point);
  EXPECT_EQ(pyramid->FHitCard, pyramid->FCards->FList[20]);  // the card behind
  Press(pyramid, point, Qt::RightButton);
  Release(pyramid, point, Qt::RightButton);
  EXPECT_EQ(pyramid->FHitCard, nullptr);
}

TEST_F(PyramidTest, DragWithoutTargetPutsTheCardBackIntoItsSlot) {
  TPyramidPileView* pyramid = NewPyramid();
  BindPairing(pyramid);
  Show();
  TCard* card = pyramid->FCards->FList[27];
  const QPoint from = On(pyramid, 27);
  Press(pyramid, from);
  MoveTo(pyramid, from + QPoint(0, 100));
  ASSERT_TRUE(pyramid->Dragging());
  EXPECT_EQ(pyramid->FDragPos, 27);
  EXPECT_EQ(pyramid->FCards->FList[27], nullptr);
  EXPECT_EQ(pyramid->FCards->Count(), 28);
  // The empty slot still covers the card above it while the drag runs.
  EXPECT_TRUE(pyramid->IsCardCovered(pyramid->FCards->FList[20]));
  MoveTo(FWindow.get(), QPoint(880, 740));
  Release(FWindow.get(), QPoint(880, 740));
  EXPECT_EQ(pyramid->FCards->FList[27], card);
  EXPECT_EQ(pyramid->FCards->Count(), 28);
  EXPECT_EQ(pyramid->FDropTarget, nullptr);
}

TEST_F(PyramidTest, PairWithinThePyramidEmptiesBothSlots) {
  TPyramidPileView* pyramid = NewPyramid();
  BindPairing(pyramid);
  TCard* dragged = nullptr;
  TCard* partner = nullptr;
  TCardPileView* dropTarget = nullptr;
  pyramid->OnEndDrag = [&](QObject*, QObject*, int, int) {
    dragged = pyramid->FDragPile->CardAt(TopOfPile);
    partner = pyramid->FOverCard;
    dropTarget = pyramid->FDropTarget.data();
  };
  Show();
  auto cards = pyramid->FCards->FList;
  Drag(pyramid, On(pyramid, 27), pyramid, On(pyramid, 26, QPoint(20, 60)));
  EXPECT_EQ(dropTarget, pyramid);
  EXPECT_EQ(dragged, cards[27]);
  EXPECT_EQ(partner, cards[26]);
  EXPECT_EQ(pyramid->FCards->FList[26], nullptr);
  EXPECT_EQ(pyramid->FCards->FList[27], nullptr);
  EXPECT_EQ(pyramid->FOverCard, nullptr);  // cleared after the handler
}

TEST_F(PyramidTest, DropOnAnotherViewLeavesTheCardToTheGame) {
  TPyramidPileView* pyramid = NewPyramid();
  BindPairing(pyramid);
  TCardPileView* play = AddView(700, 560, 80, 125);
  AcceptDrops(play);
  Show();
  TCard* card = pyramid->FCards->FList[22];
  Drag(pyramid, On(pyramid, 22), play, QPoint(40, 60));
  EXPECT_EQ(pyramid->FDropTarget, play);
  EXPECT_EQ(pyramid->FCards->FList[22], nullptr);
  EXPECT_EQ(play->FCards->Count(), 0);
  EXPECT_EQ(pyramid->FDragPile->CardAt(TopOfPile), card);
}

}  // namespace
