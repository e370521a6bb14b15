#include "games/freecell/FreeCellRules.h"

#include "games/CardRules.h"

namespace FreeCellRules {

void ShuffleNumbered(TCardPile* deck, int number, const TVariant& variant) {
  if (number >= 0 && number <= variant.DealLimit) {
    SeedFreeCellRandom(static_cast<unsigned>(number));
    deck->FreeCellShuffle();
  } else {
    SeedShuffleRandom(static_cast<unsigned>(number));
    deck->Shuffle();
  }
}

std::vector<TDealStep> DealSteps(const TVariant& variant) {
  std::vector<TDealStep> steps;
  if (variant.EightOffDeal) {
    for (int row = 0; row < 6; ++row)
      for (int column = 0; column < TableauCount; ++column)
        steps.push_back({TPileKind::Tableau, column, column == TableauCount - 1});
    for (int cell = 3; cell >= 1; --cell) steps.push_back({TPileKind::FreeCell, cell, cell == 1});
    return steps;
  }
  for (int row = 0; row < 7; ++row) {
    const int columns = row < 6 ? TableauCount : 4;
    for (int column = 0; column < columns; ++column)
      steps.push_back({TPileKind::Tableau, column, column == columns - 1});
  }
  return steps;
}

void DealLayout(const TVariant& variant, TCardPile* const* tableau, TCardPile* const* cells) {
  TCardPile* deck = cells[0];
  for (const TDealStep& step : DealSteps(variant)) {
    TCard* card = deck->CardAt(TopOfPile);
    if (!card) return;
    deck->RemoveCard(card);
    card->FFaceUp = true;
    (step.Kind == TPileKind::Tableau ? tableau : cells)[step.Index]->AddCard(card);
  }
  for (TCard* card : deck->FList)
    if (card) card->FFaceUp = true;
}

bool IsRun(const TCardPile* pile, int index, bool sameSuit) {
  if (!pile || index < 0 || index >= pile->Count()) return false;
  const TCard* first = pile->FList[static_cast<std::size_t>(index)];
  if (!first || !first->FFaceUp) return false;
  for (int i = index + 1; i < pile->Count(); ++i) {
    const TCard* below = pile->FList[static_cast<std::size_t>(i - 1)];
    const TCard* card = pile->FList[static_cast<std::size_t>(i)];
    if (!card || !card->FFaceUp || card->FValue + 1 != below->FValue) return false;
    if (sameSuit ? card->FSuit != below->FSuit : !CardRules::OtherColour(card, below)) return false;
  }
  return true;
}

int LiftLimit(const TVariant& variant, int freeCells, int emptyColumns) {
  if (!variant.ColumnsCount) return freeCells + 1;
  return (freeCells + 1) * (emptyColumns + 1);
}

int EmptyColumnLimit(const TVariant& variant, int freeCells, int emptyColumns) {
  if (!variant.ColumnsCount) return freeCells + 1;
  return (freeCells + 1) * emptyColumns;
}

bool CanDropOnTableau(const TVariant& variant, const TCardPile* target, const TCard* bottom,
                      int runLength, int emptyColumnLimit) {
  if (!target || !bottom || runLength < 1) return false;
  const TCard* top = target->CardAt(TopOfPile);
  if (!top) {
    if (runLength > emptyColumnLimit) return false;
    return !variant.KingToEmpty || bottom->FValue == CS_KING;
  }
  if (bottom->FValue + 1 != top->FValue) return false;
  return variant.SameSuit ? bottom->FSuit == top->FSuit : CardRules::OtherColour(bottom, top);
}

bool CanDropOnFreeCell(const TCardPile* target, int runLength) {
  return target && runLength == 1 && target->Count() == 0;
}

bool CanDropOnFoundation(const TCardPile* target, const TCardPile* dragged) {
  if (!target || !dragged || dragged->Count() != 1) return false;
  return CardRules::FitsFoundation(target, dragged->FList.front());
}

int EmptyPiles(const std::vector<TCardPile*>& piles) {
  int count = 0;
  for (const TCardPile* pile : piles)
    if (pile && pile->Count() == 0) ++count;
  return count;
}

TTarget SmartTarget(const TVariant& variant, const TTable& table, const TCardPile* source,
                    const TCardPile* dragged, int emptyColumnLimit) {
  if (!dragged || dragged->Count() == 0) return {};
  const TCard* bottom = dragged->FList.front();
  const int length = dragged->Count();
  const int foundations = static_cast<int>(table.Foundations.size());
  const int columns = static_cast<int>(table.Tableau.size());
  if (length == 1 && bottom->FValue == CS_ACE)
    for (int i = 0; i < foundations; ++i)
      if (table.Foundations[i] != source && CanDropOnFoundation(table.Foundations[i], dragged))
        return {TTargetKind::Foundation, i};
  for (int i = 0; i < columns; ++i) {
    const TCardPile* pile = table.Tableau[i];
    if (pile != source && pile->Count() > 0 &&
        CanDropOnTableau(variant, pile, bottom, length, emptyColumnLimit))
      return {TTargetKind::Tableau, i};
  }
  for (int i = 0; i < columns; ++i)
    if (table.Tableau[i] != source && CanDropOnTableau(variant, table.Tableau[i], bottom, length, emptyColumnLimit))
      return {TTargetKind::Tableau, i};
  for (int i = 0; i < foundations; ++i)
    if (table.Foundations[i] != source && CanDropOnFoundation(table.Foundations[i], dragged))
      return {TTargetKind::Foundation, i};
  return {};
}

int FoundationFor(const TTable& table, const TCard* card) {
  if (!card) return -1;
  for (int i = 0; i < static_cast<int>(table.Foundations.size()); ++i)
    if (CardRules::FitsFoundation(table.Foundations[i], card)) return i;
  return -1;
}

TTarget SendHomeTarget(const TTable& table, const TCard* card) {
  if (!card) return {};
  const int foundation = FoundationFor(table, card);
  if (foundation >= 0) return {TTargetKind::Foundation, foundation};
  if (card->FValue == CS_ACE) return {};
  for (int i = 0; i < static_cast<int>(table.FreeCells.size()); ++i)
    if (table.FreeCells[i]->Count() == 0) return {TTargetKind::FreeCell, i};
  return {};
}

bool IsWon(const TTable& table) {
  int home = 0;
  for (const TCardPile* pile : table.Foundations) home += pile->Count();
  return home >= CardsToWin;
}

}  // namespace FreeCellRules
