#include "games/montana/MontanaRules.h"

namespace MontanaRules {

namespace {

bool Follows(const TCard* left, const TCard* card) {
  return left && card && left->FSuit == card->FSuit && left->FValue + 1 == card->FValue;
}

int Find(TGrid grid, const std::function<bool(int, const TCard*)>& match) {
  for (int place = 0; place < Places; ++place)
    if (const TCard* card = CardOf(grid, place); card && match(place, card)) return place;
  return -1;
}

TCard* TakeTop(TCardPile* pile) {
  TCard* card = pile->CardAt(TopOfPile);
  if (card) pile->RemoveCard(card);
  return card;
}

}  // namespace

TCard* CardOf(TGrid grid, int place) { return grid[place]->CardAt(TopOfPile); }

int RunLength(TGrid grid, int row) {
  const int first = row * Columns;
  const TCard* card = CardOf(grid, first);
  if (!card || card->FValue != CS_TWO) return 0;
  int length = 1;
  while (length < Columns && Follows(card, CardOf(grid, first + length))) {
    card = CardOf(grid, first + length);
    ++length;
  }
  return length;
}

int Score(TGrid grid) {
  int score = 0;
  for (int row = 0; row < Rows; ++row) score += RunLength(grid, row);
  return score;
}

bool FitsGap(TGrid grid, int place, const TCard* card) {
  if (!card || CardOf(grid, place)) return false;
  if (Column(place) == 0) return card->FValue == CS_TWO;
  return Follows(CardOf(grid, place - 1), card);
}

int SourceForGap(TGrid grid, int place) {
  if (CardOf(grid, place)) return -1;
  if (Column(place) != 0) {
    const TCard* left = CardOf(grid, place - 1);
    if (!left || left->FValue == CS_KING) return -1;
    return Find(grid, [left](int, const TCard* c) { return Follows(left, c); });
  }
  const TCard* right = CardOf(grid, place + 1);
  if (right && right->FValue == CS_THREE)
    return Find(grid, [right](int, const TCard* c) { return c->FValue == CS_TWO && c->FSuit == right->FSuit; });
  return Find(grid, [](int at, const TCard* c) { return c->FValue == CS_TWO && Column(at) != 0; });
}

int TargetForCard(TGrid grid, int place) {
  const TCard* card = CardOf(grid, place);
  if (!card) return -1;
  if (card->FValue == CS_TWO) {
    for (int row = 0; row < Rows; ++row)
      if (!CardOf(grid, row * Columns)) return row * Columns;
    return -1;
  }
  for (int column = 1; column < Columns; ++column)
    for (int row = 0; row < Rows; ++row) {
      const int gap = row * Columns + column;
      if (!CardOf(grid, gap) && Follows(CardOf(grid, gap - 1), card)) return gap;
    }
  return -1;
}

void Deal(TCardPile* deck, TGrid grid, TCardPile* aces, const std::function<void(int)>& placed,
          const std::function<void(int)>& columnDone) {
  for (int column = 0; column < Columns; ++column) {
    for (int row = 0; row < Rows; ++row) {
      TCard* card = TakeTop(deck);
      if (!card) return;
      card->FFaceUp = true;
      grid[row * Columns + column]->AddCard(card);
      if (placed) placed(row * Columns + column);
    }
    if (columnDone) columnDone(column);
  }
  for (int place = 0; place < Places; ++place)
    if (TCard* card = CardOf(grid, place); card && card->FValue == CS_ACE) {
      grid[place]->RemoveCard(card);
      aces->AddCard(card);
      if (placed) placed(place);
    }
}

void Reshuffle(TGrid grid, TCardPile* aces, const std::function<void(int)>& filled,
               const std::function<void(int)>& rowDone) {
  TCardPile gathered;
  int refillFrom[Rows];
  for (int row = 0; row < Rows; ++row) {
    const int run = RunLength(grid, row);
    // The place right of a run stays a gap; a row without a run starts again at column 1.
    refillFrom[row] = run == 0 ? 0 : run + 1;
    for (int column = run; column < Columns; ++column)
      if (TCard* card = TakeTop(grid[row * Columns + column])) gathered.AddCard(card);
  }
  gathered.AddPile(aces);
  aces->Empty(false);
  gathered.Shuffle();
  for (TCard* card : gathered.FList) card->FFaceUp = true;
  for (int row = 0; row < Rows; ++row) {
    for (int column = refillFrom[row]; column < Columns; ++column) {
      TCard* card = TakeTop(&gathered);
      if (!card) break;
      grid[row * Columns + column]->AddCard(card);
      if (filled) filled(row * Columns + column);
    }
    if (rowDone) rowDone(row);
  }
  for (int row = 0; row < Rows; ++row)
    for (int column = refillFrom[row]; column < Columns; ++column) {
      TCardPile* pile = grid[row * Columns + column];
      while (TCard* card = pile->CardAt(TopOfPile)) {
        if (card->FValue != CS_ACE) break;
        pile->RemoveCard(card);
        aces->AddCard(card);
        if (TCard* next = TakeTop(&gathered)) pile->AddCard(next);
        if (filled) filled(row * Columns + column);
      }
    }
  aces->AddPile(&gathered);
  gathered.Empty(false);
}

}  // namespace MontanaRules
