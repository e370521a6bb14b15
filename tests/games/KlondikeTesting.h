#pragma once
// A Klondike window under test: the shared game-window fixture opening Klondike, its
// stock and waste, and positions with the rest of the deck in the stock.

#include "engine/WastePileView.h"
#include "games/GamesTesting.h"
#include "games/klondike/KlondikeWindow.h"

namespace GamesTest {

class TKlondikeTest : public TGameFormTest<TKlondikeForm> {
protected:
  // Opens the window at a card size with deal `number` dealt.
  void Open(int number = 1, int cardSize = CS_LARGE, bool show = true) {
    TGameFormTest::Open([](int size) -> TKlondikeForm* { return CreateKlondikeWindow(size); }, number, cardSize,
                        show);
  }

  TCardPileView* Stock() { return FForm->DeckPileView; }
  TWastePileView* Waste() { return FForm->DiscardPileView; }
  // The stock from its top card down.
  QString StockTopFirst() {
    QStringList parts;
    const auto& list = Stock()->FCards->FList;
    for (auto it = list.rbegin(); it != list.rend(); ++it) parts << CardText(*it);
    return parts.join(QLatin1Char(' '));
  }

  // Empties every pile, then lays out cards of the deal by text; the cards not named go
  // to the stock face down unless `rest` is false (they are then out of play).
  void Arrange(const std::map<TCardPileView*, QString>& layout, bool rest = false) {
    for (TCardPileView* view : FForm->findChildren<TCardPileView*>()) view->FCards->Empty(false);
    FForm->FUndo->Clear();
    std::vector<TCard*> used;
    for (const auto& [view, text] : layout)
      for (const QString& token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        TCard* card = Find(token);
        card->FFaceUp = !token.startsWith(QLatin1Char('#'));
        view->FCards->AddCard(card);
        used.push_back(card);
      }
    if (rest)
      for (TCard* card : FForm->FSavedDeck->FList)
        if (std::find(used.begin(), used.end(), card) == used.end()) {
          card->FFaceUp = false;
          Stock()->FCards->AddCard(card);
        }
    FForm->UpdateScore(false);
    FForm->UpdateStockStatus();
    for (TCardPileView* view : FForm->findChildren<TCardPileView*>()) view->repaint();
  }

  // A whole left-button drag that may pass over `via` on its way to `to`.
  void Drag(TCardPileView* source, QPoint from, QWidget* to, QPoint at, QWidget* via = nullptr,
            QPoint viaAt = QPoint()) {
    FMouseOwner = source;
    QTest::mousePress(source, Qt::LeftButton, {}, from);
    QTest::mouseMove(source, from + QPoint(12, 12));
    if (via) QTest::mouseMove(source, Map(via, viaAt, source));
    QTest::mouseMove(source, Map(to, at, source));
    QTest::mouseRelease(source, Qt::LeftButton, {}, Map(to, at, source));
  }
};

}  // namespace GamesTest
