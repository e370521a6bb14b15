#pragma once
// A FreeCell-family window under test: the shared game-window fixture with smart dragging
// off, the free cells and columns by number.

#include "games/GamesTesting.h"
#include "games/freecell/BakersWindow.h"
#include "games/freecell/EightOffWindow.h"
#include "games/freecell/FreeCellWindow.h"

namespace FreeCellTest {

using namespace GamesTest;

using TCreate = std::function<TFreeCellForm*(int cardSize)>;
inline const TCreate FreeCellGame = [](int size) -> TFreeCellForm* { return CreateFreeCellWindow(size); };
inline const TCreate BakersGame = [](int size) -> TFreeCellForm* { return CreateBakersWindow(size); };
inline const TCreate EightOffGame = [](int size) -> TFreeCellForm* { return CreateEightOffWindow(size); };

class TFreeCellTest : public TGameFormTest<TFreeCellForm> {
protected:
  void SetUp() override {
    TGameFormTest::SetUp();
    PreferencesDlg->FSmartDragging = false;
    FCardInside = QPoint(20, 6);
    FTopInside = QPoint(20, 20);
  }

  TCardPileView* Cell(int i) { return FForm->FFreeCells[static_cast<std::size_t>(i - 1)]; }
  QStringList Columns() {
    QStringList columns;
    for (TCardPileView* view : FForm->FTableau) columns << Text(view);
    return columns;
  }
  QStringList Cells() {
    QStringList cells;
    for (TCardPileView* view : FForm->FFreeCells) cells << Text(view);
    return cells;
  }

  // Empties every pile, then lays out cards of the deal face up by text; the cards not
  // named are out of play. Cards are found by name: a card named twice is the same card.
  void Arrange(const std::map<TCardPileView*, QString>& layout) {
    for (TCardPileView* view : FForm->findChildren<TCardPileView*>()) view->FCards->Empty(false);
    FForm->FUndo->Clear();
    for (const auto& [view, text] : layout)
      for (const QString& token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        TCard* card = Find(token);
        card->FFaceUp = true;
        view->FCards->AddCard(card);
      }
    FForm->UpdateScore(false);
    for (TCardPileView* view : FForm->findChildren<TCardPileView*>()) view->repaint();
  }

  // A descending run from value `from` (1 Ace .. 13 King), count cards long, of the given
  // suits in turn.
  static QString DownRun(int from, int count, const QString& suits) {
    QStringList parts;
    for (int i = 0; i < count; ++i)
      parts << QString(QLatin1String("A23456789TJQK")[from - 1 - i]) + suits[i % suits.size()];
    return parts.join(QLatin1Char(' '));
  }

  // Does a plain press on the card at index arm a drag? The button goes up again at once.
  bool Arms(TCardPileView* view, int index) {
    const QPoint at = index == view->FCards->Count() - 1 ? TopPoint(view) : CardPoint(view, index);
    Press(view, at);
    const bool armed = view->FDragArmed;
    Release(view, at);
    return armed;
  }
};

}  // namespace FreeCellTest
