#pragma once
// Helpers shared by the games' tests: cards written as text ("KS" King of spades face
// up, "#7H" seven of hearts face down) and piles built from such text.

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "engine/CardPile.h"

#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace GamesTest {

inline QString CardText(const TCard* card) {
  static const char* values = "A23456789TJQK";
  static const char* suits = "CDHS";
  QString text;
  if (!card->FFaceUp) text += QLatin1Char('#');
  text += QLatin1Char(values[card->FValue]);
  text += QLatin1Char(suits[card->FSuit]);
  return text;
}

// Bottom to top, space separated.
inline QString PileText(const TCardPile* pile) {
  QStringList parts;
  for (const TCard* card : pile->FList) parts << CardText(card);
  return parts.join(QLatin1Char(' '));
}

// Owns cards made from text.
class TCardFactory {
public:
  TCard* Make(const QString& text) {
    QString t = text;
    const bool faceUp = !t.startsWith(QLatin1Char('#'));
    if (!faceUp) t.remove(0, 1);
    const int value = QStringLiteral("A23456789TJQK").indexOf(t.at(0));
    const int suit = QStringLiteral("CDHS").indexOf(t.at(1));
    FCards.push_back(std::make_unique<TCard>(static_cast<_CardSuit>(suit), static_cast<_CardValue>(value),
                                             faceUp ? 1 : 0));
    return FCards.back().get();
  }
  // Appends the cards of a space-separated text, bottom first.
  void Fill(TCardPile* pile, const QString& text) {
    for (const QString& part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) pile->AddCard(Make(part));
  }

private:
  std::vector<std::unique_ptr<TCard>> FCards;
};

}  // namespace GamesTest
