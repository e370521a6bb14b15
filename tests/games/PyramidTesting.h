#pragma once
// A window of the pyramid and golf games under test: the shared game-window fixture, the
// pyramid by position, the stock and the discard pile.

#include <QCoreApplication>
#include <QDir>

#include "engine/PyramidPileView.h"
#include "games/GamesTesting.h"
#include "games/pyramid/PyramidFamily.h"

namespace GamesTest {

template <class Form>
class TFamilyTest : public TGameFormTest<Form> {
protected:
  using TBase = TGameFormTest<Form>;
  using TBase::FForm;
  using TBase::Find;

  TPyramidPileView* Pyramid() { return FForm->PyramidPileView; }
  TCardPileView* Stock() { return FForm->DeckPileView; }
  TCardPileView* Discard() { return FForm->DiscardPile; }
  // The pyramid by position, "-" for an empty one.
  QString PyramidText() {
    QStringList parts;
    for (const TCard* card : Pyramid()->FCards->FList) parts << (card ? CardText(card) : QStringLiteral("-"));
    return parts.join(QLatin1Char(' '));
  }
  QString StockTopFirst() {
    QStringList parts;
    const auto& list = Stock()->FCards->FList;
    for (auto it = list.rbegin(); it != list.rend(); ++it) parts << CardText(*it);
    return parts.join(QLatin1Char(' '));
  }

  // Empties every pile, then lays out cards by text: piles bottom first; the pyramid by
  // position with "-" for an empty one. Cards not named are out of play.
  void Arrange(const std::map<TCardPileView*, QString>& layout) {
    for (TCardPileView* view : FForm->template findChildren<TCardPileView*>()) view->FCards->Empty(false);
    FForm->FUndo->Clear();
    for (const auto& [view, text] : layout) {
      int pos = 0;
      for (const QString& token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        TCard* card = token == QLatin1String("-") ? nullptr : Find(token);
        if (card) {
          card->FFaceUp = !token.startsWith(QLatin1Char('#'));
          if (view == Pyramid()) card->SetPos(pos);
        }
        view->FCards->AddCard(card);
        ++pos;
      }
    }
    FForm->UpdateScore(false);
    FForm->UpdateStockStatus();
    for (TCardPileView* view : FForm->template findChildren<TCardPileView*>()) view->repaint();
  }
  // A pyramid of 28 positions with the given cards at the given positions.
  QString PyramidWith(const std::map<int, QString>& cards) {
    QStringList parts;
    for (int pos = 0; pos < 28; ++pos) parts << (cards.count(pos) ? cards.at(pos) : QStringLiteral("-"));
    return parts.join(QLatin1Char(' '));
  }
  // Puts `count` cards out of play onto the discard pile (the cards not yet used).
  void FillDiscard(int count) {
    std::vector<TCard*> inPlay;
    for (TCardPileView* view : FForm->template findChildren<TCardPileView*>())
      for (TCard* card : view->FCards->FList)
        if (card) inPlay.push_back(card);
    for (TCard* card : FForm->FSavedDeck->FList) {
      if (count == 0) break;
      if (std::find(inPlay.begin(), inPlay.end(), card) != inPlay.end()) continue;
      card->FFaceUp = true;
      Discard()->FCards->AddCard(card);
      --count;
    }
    FForm->UpdateScore(false);
  }

  // Inside the card at a pyramid position, from the last paint.
  QPoint PyramidPoint(int pos, QPoint inside = QPoint(20, 30)) {
    Pyramid()->repaint();
    TCard* card = Pyramid()->FCards->FList[static_cast<std::size_t>(pos)];
    return QPoint(int(card->FX), int(card->FY)) + inside;
  }
  QPoint TopPoint(TCardPileView* view, QPoint inside = QPoint(20, 30)) {
    view->repaint();
    TCard* card = view->FCards->CardAt(TopOfPile);
    return QPoint(int(card->FX), int(card->FY)) + inside;
  }

  // Looks at the window: a PNG in the build folder's shots directory.
  void Shoot(const QString& name) {
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/pyramid-shots");
    QDir().mkpath(folder);
    FForm->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
  }
};

}  // namespace GamesTest
