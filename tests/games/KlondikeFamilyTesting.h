#pragma once
// A window of Canfield, Double Klondike or the Yukon family under test: the Klondike
// fixture's settings file, settings store, sound recorder and answered dialogs, driving a
// window of another class.

#include <QCoreApplication>
#include <QDir>

#include "games/KlondikeTesting.h"
#include "platform/Metrics.h"

namespace GamesTest {

template <class Form>
class TFamilyTest : public TKlondikeTest {
protected:
  using TCreate = Form* (*)(int, QWidget*);

  void TearDown() override {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
      if (QTestPrivate::qtestMouseButtons.testFlag(button) && FMouseOwner)
        QTest::mouseRelease(FMouseOwner, button, {}, QPoint(1, 1));
    QTestPrivate::qtestMouseButtons = Qt::NoButton;
    FMouseOwner = nullptr;
    if (FGame) {
      FGame->FMoveCount = 0;  // closing asks nothing more
      FGame->close();
      delete FGame.data();
    }
    TKlondikeTest::TearDown();
  }

  // Opens the window at a card size with deal `number` dealt.
  void OpenWith(TCreate create, int number = 1, int cardSize = CS_LARGE, bool show = true) {
    TCard::SetCardSize(static_cast<_CardSize>(cardSize), false, false);
    FGame = create(cardSize, nullptr);
    if (show) {
      FGame->show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(FGame.data()));
    }
    Deal(number);
  }

  void Deal(int number) {
    FGame->FChosenNumber = number;
    FGame->FRandomDeal = false;
    FGame->NewGame1Click(FGame->NewGame1);
    FDevice.Played.clear();
  }

  TCardPileView* T(int i) { return FGame->FTableau[static_cast<std::size_t>(i - 1)]; }
  TCardPileView* F(int i) { return FGame->FFoundations[static_cast<std::size_t>(i - 1)]; }
  TCardPileView* StockView() { return FGame->DeckPileView; }
  TWastePileView* WasteView() { return FGame->DiscardPileView; }

  // Empties every pile, then lays out cards by text ("KS", "#7H" face down); with rest the
  // cards not named go to the stock face down, otherwise they are out of play.
  void Lay(const std::vector<std::pair<TCardPileView*, QString>>& layout, bool rest = false) {
    for (TCardPileView* view : FGame->template findChildren<TCardPileView*>()) view->FCards->Empty(false);
    FGame->FUndo->Clear();
    std::vector<TCard*> used;
    for (const auto& [view, text] : layout)
      for (const QString& token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        TCard* card = Pick(token, used);
        if (!card) return;
        card->FFaceUp = !token.startsWith(QLatin1Char('#'));
        view->FCards->AddCard(card);
        used.push_back(card);
      }
    if (rest && StockView())
      for (TCard* card : FGame->FSavedDeck->FList)
        if (std::find(used.begin(), used.end(), card) == used.end()) {
          card->FFaceUp = false;
          StockView()->FCards->AddCard(card);
        }
    FGame->UpdateScore(false);
    FGame->UpdateStockStatus();
    for (TCardPileView* view : FGame->template findChildren<TCardPileView*>()) view->repaint();
  }

  // A card of the saved deck not used yet (two-deck games hold each card twice).
  TCard* Pick(QString token, const std::vector<TCard*>& used) {
    if (token.startsWith(QLatin1Char('#'))) token.remove(0, 1);
    for (TCard* card : FGame->FSavedDeck->FList) {
      QString text = CardText(card);
      if (text.startsWith(QLatin1Char('#'))) text.remove(0, 1);
      if (text == token && std::find(used.begin(), used.end(), card) == used.end()) return card;
    }
    ADD_FAILURE() << "no card " << token.toStdString();
    return nullptr;
  }

  QString Of(TCardPileView* view) { return PileText(view->FCards); }

  QPoint CardAt(TCardPileView* view, int index, QPoint inside = QPoint(20, 10)) {
    view->repaint();
    TCard* card = view->FCards->FList[static_cast<std::size_t>(index)];
    return QPoint(int(card->FX), int(card->FY)) + inside;
  }
  QPoint TopAt(TCardPileView* view) { return CardAt(view, view->FCards->Count() - 1); }

  // Grabs the window to a PNG in the build folder, for looking at it.
  void Shoot(const QString& name) {
    FGame->repaint();
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/klondike-family-shots");
    QDir().mkpath(folder);
    FGame->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
  }

  QPointer<Form> FGame;
};

}  // namespace GamesTest
