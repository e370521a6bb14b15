// Random play in every game, made through the app's factory table at large cards: numbered
// deals and random gestures, legal or not (drags, clicks beside and on cards, double-clicks,
// Ctrl/Shift and middle presses, the stock, undo, redo, restart). After every gesture each
// card of the deal lies in exactly one pile and the move count is not negative; from time
// to time undoing everything gives back the deal with a count of zero, and redoing
// everything gives back the table and the count.

#include "games/GamesTesting.h"

#include <QWidget>
#include <random>

#include "app/GameFactories.h"
#include "shell/GameTable.h"
#include "shell/GameWindows.h"

using namespace GamesTest;

namespace {

struct TPlayCase {
  int Game;
};

std::string CaseName(const ::testing::TestParamInfo<TPlayCase>& info) {
  QString name = QLatin1String(GameInfo(info.param.Game).Section);
  return name.toStdString();
}

void PrintTo(const TPlayCase& c, std::ostream* os) { *os << GameInfo(c.Game).Section; }

class TRandomPlay : public TGameFormTest<TGameForm>, public ::testing::WithParamInterface<TPlayCase> {
protected:
  static constexpr int Deals = 3;
  static constexpr int Steps = 90;
  static constexpr int CheckEvery = 30;

  void SetUp() override {
    TGameFormTest<TGameForm>::SetUp();
    PreferencesDlg->FSmartDragging = true;
    PreferencesDlg->FSoundMask = 0;
    RegisterGameWindows();
  }

  void OpenGame(int game) {
    TCard::SetCardSize(CS_LARGE, false, false);
    FForm = qobject_cast<TGameForm*>(GameWindows::Create(game, CS_LARGE));
    ASSERT_FALSE(FForm.isNull());
    FForm->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(FForm.data()));
  }

  // The piles of the window itself (not of a window it opened).
  std::vector<TCardPileView*> Piles() {
    std::vector<TCardPileView*> piles;
    for (TCardPileView* view : FForm->findChildren<TCardPileView*>())
      if (view->window() == FForm.data()) piles.push_back(view);
    return piles;
  }

  // Every pile by name, bottom to top, "." for an empty slot.
  QStringList Table() {
    QStringList table;
    for (TCardPileView* view : Piles()) {
      QStringList cards;
      for (const TCard* card : view->FCards->FList) cards << (card ? CardText(card) : QStringLiteral("."));
      table << view->objectName() + QLatin1Char(':') + cards.join(QLatin1Char(' '));
    }
    return table;
  }

  // Each card of the deal in exactly one pile, no other card anywhere.
  void CheckCards(const char* gesture) {
    std::map<const TCard*, int> seen;
    for (TCardPileView* view : Piles())
      for (const TCard* card : view->FCards->FList)
        if (card) ++seen[card];
    int missing = 0, doubled = 0;
    for (const TCard* card : FForm->FSavedDeck->FList) {
      const int n = seen.count(card) ? seen[card] : 0;
      if (n == 0) ++missing;
      if (n > 1) ++doubled;
      seen.erase(card);
    }
    EXPECT_EQ(missing, 0) << "after " << gesture;
    EXPECT_EQ(doubled, 0) << "after " << gesture;
    EXPECT_TRUE(seen.empty()) << "a card not of the deal after " << gesture;
    EXPECT_GE(FForm->FMoveCount, 0) << "after " << gesture;
  }

  // Undo everything: the deal and no moves; redo everything: the table and the count.
  void CheckUndoAll(const QStringList& deal) {
    if (FForm->FGameOver) return;
    // From the end of the history, so that redoing all comes back to the same place.
    RedoAll();
    const QStringList table = Table();
    const int count = FForm->FMoveCount;
    UndoAll();
    EXPECT_EQ(Table(), deal) << "undo all";
    EXPECT_EQ(FForm->FMoveCount, 0) << "undo all";
    RedoAll();
    EXPECT_EQ(Table(), table) << "redo all";
    EXPECT_EQ(FForm->FMoveCount, count) << "redo all";
  }

  void UndoAll() {
    for (int i = 0; i < 2000 && FForm->Undo1->isEnabled(); ++i) FForm->Undo1Click(FForm->Undo1);
  }
  void RedoAll() {
    for (int i = 0; i < 2000 && FForm->Redo1->isEnabled(); ++i) FForm->Redo1Click(FForm->Redo1);
  }

  int Pick(int n) { return std::uniform_int_distribution<int>(0, std::max(0, n - 1))(FRandom); }

  // A point on a card of view (any card, or the top one), or somewhere inside it.
  QPoint PointIn(TCardPileView* view, bool topOnly) {
    view->repaint();
    std::vector<int> cards;
    for (int i = 0; i < view->FCards->Count(); ++i)
      if (view->FCards->FList[static_cast<std::size_t>(i)]) cards.push_back(i);
    if (!cards.empty() && Pick(5) > 0) {
      const int index = topOnly ? cards.back() : cards[static_cast<std::size_t>(Pick(int(cards.size())))];
      const TCard* card = view->FCards->FList[static_cast<std::size_t>(index)];
      const QPoint p = QPoint(int(card->FX), int(card->FY)) + QPoint(5 + Pick(30), 5 + Pick(20));
      if (view->rect().contains(p)) return p;
    }
    return QPoint(Pick(view->width()), Pick(view->height()));
  }

  TCardPileView* AnyPile() {
    std::vector<TCardPileView*> piles;
    for (TCardPileView* view : Piles())
      if (view->isVisible()) piles.push_back(view);
    return piles[static_cast<std::size_t>(Pick(int(piles.size())))];
  }

  // One random gesture; its name.
  const char* Gesture() {
    TCardPileView* view = AnyPile();
    switch (Pick(14)) {
      case 0:
      case 1:
      case 2:
      case 3: {
        TCardPileView* target = AnyPile();
        Drag(view, PointIn(view, false), target, PointIn(target, true));
        return "drag";
      }
      case 4: Click(view, PointIn(view, Pick(2) == 0)); return "click";
      case 5: DoubleClick(view, PointIn(view, true)); return "double-click";
      case 6:
        Click(view, PointIn(view, Pick(2) == 0), Qt::LeftButton,
              Pick(2) ? Qt::ControlModifier : Qt::ShiftModifier);
        return "ctrl/shift click";
      case 7: Click(view, PointIn(view, false), Qt::MiddleButton); return "middle click";
      case 8:
        if (FForm->DeckPileView && FForm->DeckPileView->isVisible()) Click(FForm->DeckPileView);
        else QTest::keyClick(FForm.data(), Qt::Key_Space);
        return "stock";
      case 9:
        if (Pick(2) == 0) {
          // Through the stock far enough to turn it over.
          for (int n = 10 + Pick(50); n > 0 && !FForm->FGameOver; --n)
            FForm->DeckPileViewClick(FForm->DeckPileView);
          return "stock run";
        }
        QTest::keyClick(FForm.data(), Qt::Key_Space);
        return "space";
      case 10:
      case 11: FForm->Undo1Click(FForm->Undo1); return "undo";
      case 12: FForm->Redo1Click(FForm->Redo1); return "redo";
      default:
        if (Pick(8) == 0) {
          FForm->RestartSpeedButtonClick(FForm->RestartSpeedButton);
          return "restart";
        }
        FForm->Undo1Click(FForm->Undo1);
        return "undo";
    }
  }

  std::mt19937 FRandom;
};

TEST_P(TRandomPlay, CardsStayInOnePileAndUndoAllGivesBackTheDeal) {
  const int game = GetParam().Game;
  OpenGame(game);
  for (int deal = 1; deal <= Deals; ++deal) {
    const int number = game * 1000 + deal;
    FRandom.seed(static_cast<unsigned>(number));
    // Autoplay on for the second deal (games without it ignore the switch).
    if ((deal == 2) != FForm->FAutoplay) FForm->Autoplay1Click(FForm->Autoplay1);
    DealNumber(number);
    CheckCards("the deal");
    // The deal as undoing everything shows it: Golf's first stock card, turned as a move
    // of its own, goes back.
    const QStringList dealt = Table();
    UndoAll();
    QStringList start = Table();
    EXPECT_EQ(FForm->FMoveCount, 0) << "the deal undone";
    RedoAll();
    EXPECT_EQ(Table(), dealt) << "the deal redone";
    for (int step = 1; step <= Steps && !HasFailure(); ++step) {
      const char* gesture = Gesture();
      SCOPED_TRACE(testing::Message() << "deal " << number << " step " << step << " " << gesture);
      if (FForm.isNull()) break;
      CheckCards(gesture);
      if (FForm->FGameOver) break;
      // The deal as play starts from it: games that make a choice first (no move, no
      // undo step) start from that choice.
      if (FForm->FMoveCount == 0 && FForm->FUndo->StepCount() == 0) start = Table();
      if (step % CheckEvery == 0) CheckUndoAll(start);
    }
    if (FForm.isNull()) break;
    CheckUndoAll(start);
    if (HasFailure()) break;
  }
}

std::vector<TPlayCase> AllGames() {
  std::vector<TPlayCase> cases;
  for (int game = 0; game < GameCount; ++game) cases.push_back({game});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(AllGames, TRandomPlay, ::testing::ValuesIn(AllGames()), CaseName);

}  // namespace
