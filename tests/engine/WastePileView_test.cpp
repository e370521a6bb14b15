// The waste: where its top cards lie in draw-one and draw-three mode, and what an empty
// waste shows.

#include <string>

#include "PileViewTesting.h"
#include "engine/WastePileView.h"

namespace {

struct TWasteCase {
  bool DrawThree;
  int Count;
  std::vector<QPoint> Places;  // FX/FY of every card, bottom first
};

void PrintTo(const TWasteCase& c, std::ostream* os) {
  *os << (c.DrawThree ? "draw three, " : "draw one, ") << c.Count << (c.Count == 1 ? " card" : " cards");
}

std::string WasteCaseName(const ::testing::TestParamInfo<TWasteCase>& info) {
  const TWasteCase& c = info.param;
  return std::string(c.DrawThree ? "DrawThree_" : "DrawOne_") + std::to_string(c.Count) + (c.Count == 1 ? "Card" : "Cards");
}

class WastePlacesTest : public TPileTableTest, public ::testing::WithParamInterface<TWasteCase> {};

TEST_P(WastePlacesTest, TopCardsFanByFixedPixels) {
  const TWasteCase& c = GetParam();
  for (_CardSize size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    UseCardSize(size);
    FCards.clear();
    auto* waste = AddView<TWastePileView>(144, 8, 300, 200);
    waste->DrawThree = c.DrawThree;
    Fill(waste, c.Count, c.Count);
    Show();
    std::vector<QPoint> places;
    for (TCard* card : Cards(waste))
      places.emplace_back(static_cast<int>(card->FX), static_cast<int>(card->FY));
    EXPECT_EQ(places, c.Places) << "card size " << size;
  }
}

INSTANTIATE_TEST_SUITE_P(
    BothModes, WastePlacesTest,
    ::testing::Values(TWasteCase{false, 1, {{0, 0}}}, TWasteCase{false, 2, {{0, 0}, {4, 2}}},
                      TWasteCase{false, 3, {{0, 0}, {0, 0}, {4, 2}}},
                      TWasteCase{false, 5, {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {4, 2}}},
                      TWasteCase{true, 1, {{0, 0}}}, TWasteCase{true, 2, {{0, 0}, {20, 2}}},
                      TWasteCase{true, 3, {{0, 0}, {20, 2}, {40, 4}}},
                      TWasteCase{true, 4, {{0, 0}, {4, 2}, {24, 4}, {44, 6}}},
                      TWasteCase{true, 6, {{0, 0}, {0, 0}, {0, 0}, {4, 2}, {24, 4}, {44, 6}}}),
    WasteCaseName);

class WasteTest : public TPileTableTest {};

TEST_F(WasteTest, PressHitsTheTopCardOfTheFan) {
  auto* waste = AddView<TWastePileView>(144, 8, 137, 130);
  waste->DrawThree = true;
  Fill(waste, 6, 6);
  Show();
  // (50, 60) lies on the top card (44, 6) and on the cards beneath it.
  Press(waste, QPoint(50, 60));
  Release(waste, QPoint(50, 60));
  EXPECT_EQ(waste->FHitCard, waste->FCards->CardAt(TopOfPile));
  // (10, 60) only on the cards at (0, 0) and (4, 2): the upper of them wins.
  Press(waste, QPoint(10, 60));
  Release(waste, QPoint(10, 60));
  EXPECT_EQ(waste->FHitCard, waste->FCards->CardAt(3));
}

TEST_F(WasteTest, TopCardDragsToAnotherPile) {
  auto* waste = AddView<TWastePileView>(144, 8, 137, 130);
  waste->AllowDrag = true;
  waste->DrawThree = true;
  TCardPileView* tableau = AddView(8, 152, 80, 400);
  AcceptDrops(tableau);
  // The game arms only the top card.
  waste->OnMouseDown = [waste](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
    waste->FDragArmed = waste->FHitCard == waste->FCards->CardAt(TopOfPile);
  };
  Fill(waste, 3, 3);
  TCard* top = waste->FCards->CardAt(TopOfPile);
  Show();
  Drag(waste, QPoint(10, 10), tableau, QPoint(30, 30));  // a buried card: not armed
  EXPECT_EQ(waste->FCards->Count(), 3);
  Drag(waste, QPoint(50, 30), tableau, QPoint(30, 30));
  EXPECT_EQ(waste->FCards->Count(), 2);
  EXPECT_EQ(Cards(tableau), std::vector<TCard*>{top});
}

TEST_F(WasteTest, EmptyWasteShowsItsPictureButNeverALabel) {
  auto* labelled = AddView<TWastePileView>(10, 10, 137, 130);
  labelled->Label = "W";
  labelled->IsBordered = true;
  auto* recycle = AddView<TWastePileView>(200, 10, 137, 130);
  recycle->State = CS_RECYCLE;
  Show();
  const QImage shot = FWindow->grab().toImage();
  // Inside the border only the table colour: no label ink.
  for (int y = 12; y < 40; ++y)
    for (int x = 13; x < 40; ++x) ASSERT_EQ(shot.pixelColor(x, y), QColor(0, 64, 0));
  EXPECT_EQ(shot.pixelColor(10, 10), QColor(0, 0, 0));
  bool drawn = false;
  for (int y = 10; y < 140 && !drawn; ++y)
    for (int x = 200; x < 280 && !drawn; ++x) drawn = shot.pixelColor(x, y) != QColor(0, 64, 0);
  EXPECT_TRUE(drawn);
}

}  // namespace
