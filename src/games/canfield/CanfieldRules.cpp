#include "games/canfield/CanfieldRules.h"

#include "games/CardRules.h"

namespace CanfieldRules {

QString RankText(int value) {
  static const char* texts[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
  return value >= 0 && value < 13 ? QLatin1String(texts[value]) : QString();
}

bool FitsFoundation(const TCardPile* foundation, const TCard* card, int baseRank) {
  if (!foundation || !card) return false;
  if (foundation->Count() == 0) return card->FValue == baseRank;
  const TCard* top = foundation->FList.back();
  return top->FSuit == card->FSuit && (top->FValue + 1) % 13 == card->FValue;
}

bool BuildsDown(const TCard* onto, const TCard* card) {
  return onto && card && CardRules::OtherColour(onto, card) && (card->FValue + 1) % 13 == onto->FValue;
}

bool CanDropOnTableau(const TCardPile* target, const TCard* bottom, bool reserveEmpty, bool superior) {
  if (!target || !bottom) return false;
  if (target->Count() == 0) return reserveEmpty || superior;
  return BuildsDown(target->FList.back(), bottom);
}

bool IsRun(const TCardPile* pile, int index) {
  if (!pile || index < 0 || index >= pile->Count()) return false;
  if (!pile->FList[static_cast<std::size_t>(index)]->FFaceUp) return false;
  for (int i = index + 1; i < pile->Count(); ++i)
    if (!BuildsDown(pile->FList[static_cast<std::size_t>(i - 1)], pile->FList[static_cast<std::size_t>(i)]))
      return false;
  return true;
}

}  // namespace CanfieldRules
