#include "games/spider/SpiderRules.h"

namespace SpiderRules {

namespace {
const TCard* At(const TCardPile* pile, int index) { return pile->FList[static_cast<std::size_t>(index)]; }

bool FollowsInSuit(const TCard* lower, const TCard* upper) {
  return upper->FSuit == lower->FSuit && upper->FValue + 1 == lower->FValue;
}
}  // namespace

void AddDecks(TCardPile* pile, int difficulty) {
  for (int deck = 0; deck < 2; ++deck) {
    if (difficulty == Easy) pile->AddEasyDeck();
    else if (difficulty == Medium) pile->AddMediumDeck();
    else pile->AddDeck();
  }
}

const char* DifficultyText(int difficulty) {
  if (difficulty == Easy) return "Difficulty: Easy";
  if (difficulty == Medium) return "Difficulty: Medium";
  return "Difficulty: Challenging";
}

const char* DifficultySection(int difficulty) {
  if (difficulty == Easy) return "SpiderEasy";
  if (difficulty == Medium) return "SpiderMedium";
  return "SpiderChallenging";
}

std::vector<TDealStep> DealSteps(int rows) {
  std::vector<TDealStep> steps;
  for (int r = 1; r <= rows; ++r)
    for (int pile = 0; pile < TableauCount; ++pile) {
      const bool shortPile = pile >= 4;
      if (shortPile && r == rows) continue;
      const int last = shortPile ? rows - 1 : rows;
      const bool rowEnd = r == rows ? pile == 3 : pile == TableauCount - 1;
      steps.push_back({pile, r == last, rowEnd});
    }
  return steps;
}

bool CanLift(const TCardPile* pile, int index, bool sameSuit) {
  if (!pile || index < 0 || index >= pile->Count()) return false;
  const TCard* grabbed = At(pile, index);
  if (!grabbed->FFaceUp) return false;
  for (int i = index + 1; i < pile->Count(); ++i) {
    const TCard* below = At(pile, i - 1);
    const TCard* card = At(pile, i);
    if (card->FValue + 1 != below->FValue) return false;
    if (sameSuit && card->FSuit != grabbed->FSuit) return false;
  }
  return true;
}

bool CanDropOnTableau(const TCardPile* target, const TCard* first) {
  if (!target || !first) return false;
  if (target->Count() == 0) return true;
  return first->FValue + 1 == target->FList.back()->FValue;
}

bool CanDropOnFoundation(const TCardPile* target, const TCardPile* dragged) {
  if (!target || !dragged || target->Count() != 0 || dragged->Count() != 13) return false;
  const TCard* first = dragged->FList.front();
  for (const TCard* card : dragged->FList)
    if (card->FSuit != first->FSuit) return false;
  return true;
}

int CompleteRunAt(const TCardPile* pile) {
  if (!pile || pile->Count() < 13) return -1;
  const int start = pile->Count() - 13;
  const TCard* king = At(pile, start);
  if (!king->FFaceUp || king->FValue != CS_KING) return -1;
  for (int i = start + 1; i < pile->Count(); ++i) {
    const TCard* card = At(pile, i);
    if (!card->FFaceUp || !FollowsInSuit(At(pile, i - 1), card)) return -1;
  }
  return start;
}

int Score(const std::vector<const TCardPile*>& tableau, const std::vector<const TCardPile*>& foundations) {
  int score = 0;
  for (const TCardPile* pile : foundations) score += pile->Count();
  for (const TCardPile* pile : tableau)
    for (int i = pile->Count() - 1; i > 0; --i) {
      const TCard* upper = At(pile, i);
      const TCard* lower = At(pile, i - 1);
      if (upper->FFaceUp && lower->FFaceUp && FollowsInSuit(lower, upper)) ++score;
    }
  return score;
}

bool DealFromStock(TCardPile* stock, const std::vector<TCardPile*>& tableau, std::vector<TCard*>* dealt) {
  for (const TCardPile* pile : tableau)
    if (pile->Count() == 0) return false;
  for (TCardPile* pile : tableau) {
    TCard* card = stock->CardAt(TopOfPile);
    if (!card) break;
    stock->RemoveCard(card);
    card->FFaceUp = true;
    pile->AddCard(card);
    if (dealt) dealt->push_back(card);
  }
  return true;
}

}  // namespace SpiderRules
