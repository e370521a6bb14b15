#include "games/scorpion/ScorpionRules.h"

namespace ScorpionRules {

namespace {
const TCard* At(const TCardPile* pile, int index) { return pile->FList[static_cast<std::size_t>(index)]; }

bool FollowsInSuit(const TCard* lower, const TCard* upper) {
  return upper->FSuit == lower->FSuit && upper->FValue + 1 == lower->FValue;
}

// rows x piles, face down while row <= downRows and pile <= downPiles (1-based).
void AddGrid(std::vector<TDealStep>& steps, int rows, int piles, int downRows, int downPiles) {
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= piles; ++c) steps.push_back({c - 1, !(r <= downRows && c <= downPiles), c == piles});
}
}  // namespace

std::vector<TDealStep> DealSteps(TGame game) {
  std::vector<TDealStep> steps;
  switch (game) {
    case TGame::Scorpion: AddGrid(steps, 7, 7, 3, 4); break;
    case TGame::Scorpion2: AddGrid(steps, 7, 7, 3, 3); break;
    case TGame::SimpleSimon:
      for (int pass = 1; pass <= 8; ++pass)
        for (int c = 1; c <= 10; ++c) {
          if (c >= 4 && pass > 11 - c) continue;
          steps.push_back({c - 1, true, false});
        }
      break;
    case TGame::DoubleScorpion:
      AddGrid(steps, 10, 10, 4, 5);
      for (int c = 1; c <= 4; ++c) steps.push_back({c - 1, true, c == 4});
      break;
  }
  // Simple Simon's passes end on the last pile still served.
  if (game == TGame::SimpleSimon)
    for (std::size_t i = 0; i < steps.size(); ++i)
      steps[i].RowEnd = i + 1 == steps.size() || steps[i + 1].Pile <= steps[i].Pile;
  return steps;
}

bool CanLiftAny(const TCardPile* pile, int index) {
  return pile && index >= 0 && index < pile->Count() && At(pile, index)->FFaceUp;
}

bool CanLiftSuitRun(const TCardPile* pile, int index) {
  if (!CanLiftAny(pile, index)) return false;
  for (int i = index + 1; i < pile->Count(); ++i)
    if (!FollowsInSuit(At(pile, i - 1), At(pile, i))) return false;
  return true;
}

bool CanDropInSuit(const TCardPile* target, const TCard* first) {
  if (!target || !first) return false;
  if (target->Count() == 0) return first->FValue == CS_KING;
  return FollowsInSuit(target->FList.back(), first);
}

bool CanDropAnySuit(const TCardPile* target, const TCard* first) {
  if (!target || !first) return false;
  if (target->Count() == 0) return true;
  return first->FValue + 1 == target->FList.back()->FValue;
}

int PileScore(const TCardPile* pile) {
  int score = 0;
  bool broken = false;
  for (int i = 1; i < pile->Count(); ++i) {
    const TCard* lower = At(pile, i - 1);
    const TCard* upper = At(pile, i);
    if (!lower->FFaceUp || !upper->FFaceUp) continue;
    if (FollowsInSuit(lower, upper)) ++score;
    else broken = true;
  }
  if (pile->Count() > 1 && !broken) {
    const TCard* bottom = At(pile, 0);
    const TCard* top = pile->FList.back();
    if (bottom->FFaceUp && bottom->FValue == CS_KING && top->FFaceUp && top->FValue == CS_ACE) ++score;
  }
  return score;
}

int Score(const std::vector<const TCardPile*>& tableau) {
  int score = 0;
  for (const TCardPile* pile : tableau) score += PileScore(pile);
  return score;
}

int DealStock(TCardPile* stock, const std::vector<TCardPile*>& piles, std::vector<TStockCard>* dealt) {
  int moved = 0;
  for (int i = 0; i < 3 && i < int(piles.size()); ++i) {
    TCard* card = stock->CardAt(TopOfPile);
    if (!card) break;
    stock->RemoveCard(card);
    card->FFaceUp = true;
    piles[static_cast<std::size_t>(i)]->AddCard(card);
    if (dealt) dealt->push_back({card, i});
    ++moved;
  }
  return moved;
}

}  // namespace ScorpionRules
