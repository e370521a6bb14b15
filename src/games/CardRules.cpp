#include "games/CardRules.h"

namespace CardRules {

bool BuildsDownAlternate(const TCard* onto, const TCard* card) {
  return onto && card && OtherColour(onto, card) && card->FValue + 1 == onto->FValue;
}

bool BuildsUpInSuit(const TCard* onto, const TCard* card) {
  return onto && card && onto->FSuit == card->FSuit && onto->FValue + 1 == card->FValue;
}

bool IsAlternatingRun(const TCardPile* pile, int index) {
  if (!pile || index < 0 || index >= pile->Count()) return false;
  const TCard* first = pile->FList[static_cast<std::size_t>(index)];
  if (!first || !first->FFaceUp) return false;
  for (int i = index + 1; i < pile->Count(); ++i) {
    const TCard* below = pile->FList[static_cast<std::size_t>(i - 1)];
    const TCard* card = pile->FList[static_cast<std::size_t>(i)];
    if (!BuildsDownAlternate(below, card)) return false;
  }
  return true;
}

bool FitsFoundation(const TCardPile* foundation, const TCard* card) {
  if (!foundation || !card) return false;
  if (foundation->Count() == 0) return card->FValue == CS_ACE;
  return BuildsUpInSuit(foundation->FList.back(), card);
}

int CountCards(TCardPile* const* piles, int count) {
  int total = 0;
  for (int i = 0; i < count; ++i)
    if (piles[i]) total += piles[i]->Count();
  return total;
}

int RandomDealNumber(unsigned r) {
  return static_cast<int>((r % 2000000000u) % static_cast<unsigned>(MaxRandomDeal)) + 1;
}

TScoreTexts ScoreTexts(const QString& name, int gameNumber, int score, bool vegas, int money,
                       bool statusBarShown) {
  TScoreTexts texts;
  const QString number = QString::number(gameNumber);
  const QString scoreText = vegas ? QStringLiteral("$") + QString::number(money) : QString::number(score);
  if (statusBarShown) {
    texts.Caption = name;
    texts.NumberPanel = QStringLiteral("Game #") + number;
    texts.ScorePanel = QStringLiteral("Score: ") + scoreText;
  } else {
    texts.Caption = name + QStringLiteral("   Game #") + number;
    if (vegas || score >= 1) texts.Caption += QStringLiteral("   Score: ") + scoreText;
  }
  return texts;
}

}  // namespace CardRules
