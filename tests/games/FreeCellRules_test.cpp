// The FreeCell family's rules without a window: numbered deals by both generators, runs,
// run limits and the smart-drag order (the drops, send-home and autoplay are played
// through the windows).

#include <gtest/gtest.h>

#include <array>

#include "games/GamesTesting.h"
#include "games/freecell/FreeCellRules.h"

using namespace FreeCellRules;
using namespace GamesTest;

namespace {

// A dealt table: eight columns, the free cells and four foundations, owning its cards.
struct TDealt {
  explicit TDealt(const TVariant& variant, int number) : Cells(variant.FreeCells) {
    Cells[0].AddDeck();
    ShuffleNumbered(&Cells[0], number, variant);
    std::vector<TCardPile*> tableau, cells;
    for (TCardPile& pile : Columns) tableau.push_back(&pile);
    for (TCardPile& pile : Cells) cells.push_back(&pile);
    DealLayout(variant, tableau.data(), cells.data());
  }
  ~TDealt() {
    for (TCardPile& pile : Columns) pile.Empty(true);
    for (TCardPile& pile : Cells) pile.Empty(true);
  }
  QStringList ColumnTexts() const {
    QStringList texts;
    for (const TCardPile& pile : Columns) texts << PileText(&pile);
    return texts;
  }
  QStringList CellTexts() const {
    QStringList texts;
    for (const TCardPile& pile : Cells) texts << PileText(&pile);
    return texts;
  }
  std::array<TCardPile, 8> Columns;
  std::vector<TCardPile> Cells;
};

}  // namespace

TEST(FreeCellDeal, NumbersUpToAMillionUseTheSecondGenerator) {
  {
    TDealt deal(FreeCell, 1);
    EXPECT_EQ(deal.ColumnTexts(),
              QStringList({"JD KD 2S 4C 3S 6D 6S", "2D KC KS 5C TD 8S 9C", "9H 9S 9D TS 4S 8D 2H",
                           "JC 5S QD QH TH QS 6H", "5D AD JS 4H 8H 6C", "7H QC AS AC 2C 3D",
                           "7C KH AH 4D JH 8C", "5H 3H 3C 7S 7D TC"}));
    EXPECT_EQ(deal.CellTexts(), QStringList({"", "", "", ""}));
  }
  {
    TDealt deal(FreeCell, 1000000);
    EXPECT_EQ(deal.ColumnTexts(),
              QStringList({"2D 9C KD JD 3H TC TS", "6H 3D 5H 7S 4S AS AH", "6S 7D 5D QD 3S 6D 9S",
                           "TH 7C QH 8D KC 8H 4H", "JC QC JH 2H KH 2C", "3C AC 6C AD 9D QS",
                           "4D 2S 9H 5C 7H 5S", "TD 4C KS 8C 8S JS"}));
  }
}

TEST(FreeCellDeal, NumbersAboveAMillionUseTheGeneralGenerator) {
  TDealt deal(FreeCell, 1000001);
  EXPECT_EQ(deal.ColumnTexts(),
            QStringList({"2C 8S 8H KH AS QC 5H", "3H 7S 6S TC 4C AD 5C", "AH KD TH 9C JD 3D 2S",
                         "7C 7H QS 9H JS JH 4S", "4H JC 6H KC AC 9D", "5D TD 2D 4D KS 3S",
                         "2H 8C 7D 6C 5S QH", "3C 6D 9S 8D TS QD"}));
}

TEST(FreeCellDeal, BakersGameDealsAsFreeCell) {
  for (int number : {1, 1000000, 1000001}) {
    TDealt bakers(Bakers, number), freecell(FreeCell, number);
    EXPECT_EQ(bakers.ColumnTexts(), freecell.ColumnTexts()) << number;
  }
}

TEST(FreeCellDeal, EightOffDealsSixEvenRowsAndFourCardsIntoTheFreeCells) {
  {
    TDealt deal(EightOff, 32000);
    EXPECT_EQ(deal.ColumnTexts(),
              QStringList({"QD 3S 8C JH 3D 6H", "8D JD 9H 7D 7S 8H", "QS 7C 5S 6S 2H TS",
                           "4H 9D 4C 9C AD 6C", "2C KD 5H 3C AS 4D", "JC 5C AC 9S JS QC",
                           "2D 5D KS TD KH KC", "TH 6D 7H QH 8S 4S"}));
    EXPECT_EQ(deal.CellTexts(), QStringList({"AH", "3H", "2S", "TC", "", "", "", ""}));
  }
  {
    TDealt deal(EightOff, 32001);
    EXPECT_EQ(deal.ColumnTexts(),
              QStringList({"TC 8C KS 8D 9S 6H", "4H 4D 3H 2H 4S 2D", "2S 2C 5H 9H JC QD",
                           "5D QH AC AD 6S 8S", "KH JH 6C 7D 8H 7H", "JD 3C KC 4C KD AS",
                           "QC 9D 3S 6D 3D QS", "TS AH 7S JS TH 5S"}));
    EXPECT_EQ(deal.CellTexts(), QStringList({"TD", "9C", "7C", "5C", "", "", "", ""}));
  }
}

TEST(FreeCellDeal, TheDealSoundsAfterEveryRow) {
  int rows = 0;
  for (const TDealStep& step : DealSteps(FreeCell)) rows += step.RowEnd;
  EXPECT_EQ(rows, 7);
  EXPECT_EQ(DealSteps(FreeCell).size(), 52u);
  rows = 0;
  for (const TDealStep& step : DealSteps(EightOff)) rows += step.RowEnd;
  EXPECT_EQ(rows, 7);  // six rows of columns and the free cells
  EXPECT_EQ(DealSteps(EightOff).size(), 51u);
}

// ---- runs ------------------------------------------------------------------------------

TEST(FreeCellRuns, AlternateColoursOrOneSuitDescendingByOne) {
  TCardFactory cards;
  TCardPile alternate, suited, broken, gap;
  cards.Fill(&alternate, "2C 9S 8H 7C 6D");
  cards.Fill(&suited, "9S 8S 7S");
  cards.Fill(&broken, "9S 8H 7D");
  cards.Fill(&gap, "9S 7H");
  EXPECT_TRUE(IsRun(&alternate, 1, false));
  EXPECT_FALSE(IsRun(&alternate, 0, false));
  EXPECT_TRUE(IsRun(&alternate, 4, false));  // the top card alone
  EXPECT_FALSE(IsRun(&alternate, 1, true));
  EXPECT_TRUE(IsRun(&suited, 0, true));
  EXPECT_FALSE(IsRun(&suited, 0, false));
  EXPECT_FALSE(IsRun(&broken, 0, false));
  EXPECT_FALSE(IsRun(&broken, 1, true));
  EXPECT_FALSE(IsRun(&gap, 0, false));
  EXPECT_FALSE(IsRun(&gap, 5, false));
}

struct TLimitCase {
  int Cells, Columns, Lift, ToEmpty;
};

TEST(FreeCellRuns, FreeCellAndBakersLimitsGrowWithCellsAndColumns) {
  const TLimitCase cases[] = {{0, 0, 1, 0}, {1, 0, 2, 0}, {4, 0, 5, 0}, {0, 1, 2, 1},
                              {3, 1, 8, 4}, {4, 2, 15, 10}, {2, 3, 12, 9}};
  for (const TLimitCase& c : cases)
    for (const TVariant* variant : {&FreeCell, &Bakers}) {
      EXPECT_EQ(LiftLimit(*variant, c.Cells, c.Columns), c.Lift) << c.Cells << " " << c.Columns;
      EXPECT_EQ(EmptyColumnLimit(*variant, c.Cells, c.Columns), c.ToEmpty) << c.Cells << " " << c.Columns;
    }
}

TEST(FreeCellRuns, EightOffCountsOnlyFreeCells) {
  const TLimitCase cases[] = {{0, 0, 1, 1}, {3, 1, 4, 4}, {3, 4, 4, 4}, {8, 2, 9, 9}};
  for (const TLimitCase& c : cases) {
    EXPECT_EQ(LiftLimit(EightOff, c.Cells, c.Columns), c.Lift);
    EXPECT_EQ(EmptyColumnLimit(EightOff, c.Cells, c.Columns), c.ToEmpty);
  }
}

// ---- smart dragging ----------------------------------------------------------------------

namespace {
// Piles made from text: eight columns, four foundations, and free cells.
struct TTableText {
  TTableText(const QStringList& columns, const QStringList& foundations, const QStringList& cells)
      : Columns(8), Foundations(4), Cells(cells.size()) {
    for (int i = 0; i < columns.size(); ++i) Factory.Fill(&Columns[i], columns[i]);
    for (int i = 0; i < foundations.size(); ++i) Factory.Fill(&Foundations[i], foundations[i]);
    for (int i = 0; i < cells.size(); ++i) Factory.Fill(&Cells[i], cells[i]);
    for (TCardPile& p : Columns) Table.Tableau.push_back(&p);
    for (TCardPile& p : Foundations) Table.Foundations.push_back(&p);
    for (TCardPile& p : Cells) Table.FreeCells.push_back(&p);
  }
  TCardFactory Factory;
  std::vector<TCardPile> Columns, Foundations, Cells;
  TTable Table;
};
}  // namespace

TEST(FreeCellChoices, SmartTargetTriesAcesHomeThenColumnsWithCardsThenEmptyColumnsThenHome) {
  TTableText t({"9S", "", "9H 8C", "9D"}, {"", "AC"}, {"", ""});
  TCardPile drag;
  t.Factory.Fill(&drag, "8H");
  TTarget target = SmartTarget(FreeCell, t.Table, &t.Columns[2], &drag, 1);
  EXPECT_EQ(target.Kind, TTargetKind::Tableau);
  EXPECT_EQ(target.Index, 0);  // onto 9S, before the empty column 2
  TCardPile lone;
  t.Factory.Fill(&lone, "5C");
  target = SmartTarget(FreeCell, t.Table, &t.Columns[7], &lone, 1);
  EXPECT_EQ(target.Kind, TTargetKind::Tableau);
  EXPECT_EQ(target.Index, 1);  // the first empty column
  TCardPile ace;
  t.Factory.Fill(&ace, "AD");
  target = SmartTarget(FreeCell, t.Table, &t.Columns[7], &ace, 1);
  EXPECT_EQ(target.Kind, TTargetKind::Foundation);
  EXPECT_EQ(target.Index, 0);
  TCardPile twoClubs;
  t.Factory.Fill(&twoClubs, "2C");
  target = SmartTarget(FreeCell, t.Table, &t.Columns[7], &twoClubs, 0);  // the empty column refuses
  EXPECT_EQ(target.Kind, TTargetKind::Foundation);
  EXPECT_EQ(target.Index, 1);
  // A source column never takes its own cards, and free cells are never chosen.
  TTableText u({"9S", "9C"}, {}, {""});
  TCardPile run;
  u.Factory.Fill(&run, "8H");
  target = SmartTarget(FreeCell, u.Table, &u.Columns[0], &run, 0);
  EXPECT_EQ(target.Index, 1);
  TCardPile queen;
  u.Factory.Fill(&queen, "QH");
  EXPECT_EQ(SmartTarget(FreeCell, u.Table, &u.Columns[0], &queen, 0).Kind, TTargetKind::None);
}
