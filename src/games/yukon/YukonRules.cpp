#include "games/yukon/YukonRules.h"

namespace YukonRules {

namespace {
// Passes of face-up cards over piles first..piles-1; the last pass may skip skipLast piles.
void AddFaceUpPasses(std::vector<TDealStep>& steps, int passes, int first, int piles, int skipLast = 0) {
  for (int pass = 0; pass < passes; ++pass) {
    const int from = pass == passes - 1 ? first + skipLast : first;
    for (int pile = from; pile < piles; ++pile) steps.push_back({pile, true, pile == piles - 1});
  }
}
}  // namespace

std::vector<TDealStep> TriangleSteps(int piles) {
  std::vector<TDealStep> steps;
  for (int pass = 0; pass < piles; ++pass)
    for (int pile = pass; pile < piles; ++pile) steps.push_back({pile, pile == pass, pile == piles - 1});
  return steps;
}

const std::vector<TDealStep>& YukonSteps() {
  static const std::vector<TDealStep> steps = [] {
    std::vector<TDealStep> list = TriangleSteps(7);
    AddFaceUpPasses(list, 4, 1, 7);
    return list;
  }();
  return steps;
}

const std::vector<TDealStep>& AustralianSteps() {
  static const std::vector<TDealStep> steps = [] {
    std::vector<TDealStep> list;
    AddFaceUpPasses(list, 4, 0, 7);
    return list;
  }();
  return steps;
}

const std::vector<TDealStep>& DoubleYukonSteps() {
  static const std::vector<TDealStep> steps = [] {
    std::vector<TDealStep> list = TriangleSteps(10);
    AddFaceUpPasses(list, 5, 0, 10, 1);
    return list;
  }();
  return steps;
}

const std::vector<TDealStep>& DoubleKlondikeSteps() {
  static const std::vector<TDealStep> steps = TriangleSteps(9);
  return steps;
}

bool CanDropInSuit(const TCardPile* target, const TCard* bottom) {
  if (!target || !bottom) return false;
  if (target->Count() == 0) return bottom->FValue == CS_KING;
  const TCard* top = target->FList.back();
  return top->FSuit == bottom->FSuit && bottom->FValue + 1 == top->FValue;
}

}  // namespace YukonRules
