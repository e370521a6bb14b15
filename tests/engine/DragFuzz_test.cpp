// Thousands of random presses, moves, releases and double clicks over a table of every
// kind of pile view, with handlers that behave like a game's. Afterwards (and after every
// gesture) each card lies in exactly one pile.

#include <QTest>
#include <cstdio>
#include <map>
#include <random>

#include "PileViewTesting.h"
#include "engine/PyramidPileView.h"
#include "engine/ReservePileView.h"
#include "engine/WastePileView.h"

namespace {

class DragFuzzTest : public TPileTableTest {
protected:
  void BuildTable() {
    for (int i = 0; i < 3; ++i) {
      TCardPileView* tableau = AddView(8 + 96 * i, 560, 80, 190);
      tableau->AllowDrag = true;
      tableau->YOffset = 18;
      FViews.push_back(tableau);
    }
    TCardPileView* foundation = AddView(300, 560, 80, 125);
    foundation->AllowDrag = true;
    foundation->IsBordered = true;
    FViews.push_back(foundation);
    TCardPileView* manual = AddView(400, 560, 80, 190);
    manual->AllowDrag = true;
    manual->YOffset = 14;
    manual->FManualDrop = true;
    manual->DragDelayed = true;
    FViews.push_back(manual);
    auto* waste = AddView<TWastePileView>(500, 560, 137, 130);
    waste->AllowDrag = true;
    waste->DrawThree = true;
    FViews.push_back(waste);
    auto* reserve = AddView<TReservePileView>(660, 20, 80, 520);
    reserve->AllowDrag = true;
    reserve->YOffset = 25;
    FViews.push_back(reserve);
    FStock = AddView(800, 560, 90, 129);
    FStock->XOffset = 1.0f;
    FStock->YOffset = 0.2f;
    FViews.push_back(FStock);
    FPyramid = AddView<TPyramidPileView>(10, 10, 10, 10);
    FPyramid->AllowDrag = true;
    FPyramid->SetRows(4);
    FViews.push_back(FPyramid);

    // 52 cards spread over the table.
    for (int i = 0; i < 52; ++i) {
      TCard* card = NewCard(static_cast<_CardSuit>(i % 4), static_cast<_CardValue>(i % 13), true);
      FAll.push_back(card);
    }
    int next = 0;
    for (int pos = 0; pos < 10; ++pos) {
      FAll[next]->SetPos(pos);
      FPyramid->FCards->AddCard(FAll[next++]);
    }
    for (int i = 0; i < 8; ++i) {
      FAll[next]->SetPos(i);
      reserve->FCards->AddCard(FAll[next++]);
    }
    for (int i = 0; i < 10; ++i) {
      FAll[next]->FFaceUp = false;
      FStock->FCards->AddCard(FAll[next++]);
    }
    while (next < 52) {
      TCardPileView* view = FViews[static_cast<std::size_t>(next % 6)];
      FAll[next]->FFaceUp = next % 3 != 0;
      view->FCards->AddCard(FAll[next++]);
    }
    for (TCardPileView* view : FViews) BindGame(view);
  }

  bool Chance(int percent) { return std::uniform_int_distribution<int>(0, 99)(FRandom) < percent; }
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(FRandom); }

  TCardPileView* RandomView() { return FViews[static_cast<std::size_t>(Pick(static_cast<int>(FViews.size())))]; }

  // Handlers in the manner of the game windows, with random verdicts.
  void BindGame(TCardPileView* view) {
    const bool isPyramid = view == FPyramid;
    view->OnMouseDown = [this, view, isPyramid](QObject*, Qt::MouseButton button,
                                                Qt::KeyboardModifiers, int, int) {
      if (button != Qt::LeftButton || !view->FHitCard) return;
      if (isPyramid && FPyramid->IsCardCovered(view->FHitCard)) return;
      view->FDragArmed = Chance(85);
    };
    view->OnStartDrag = [this, view](QObject*, TDragObjectHack*) {
      ++FDragsStarted;
      if (Chance(15)) view->FDropTarget = RandomView();  // smart dragging
    };
    view->OnDragOver = [this, view, isPyramid](QObject*, TDragObjectHack* source, int x, int y,
                                               TDragState, bool& accept) {
      TCardPileView* from = source->OwnerView();
      if (isPyramid) {
        // Only pairs within the pyramid.
        accept = from == FPyramid && FPyramid->OverCard(x, y) && Chance(70);
        if (accept) from->FDropTarget = FPyramid;
        return;
      }
      accept = Chance(60);
      if (accept) from->FDropTarget = view;
    };
    view->OnEndDrag = [this, view, isPyramid](QObject*, QObject*, int, int) {
      TCardPileView* target = view->FDropTarget.data();
      if (isPyramid && target) {
        // The game places what the pyramid let go: pairs to the discard, else the target.
        TCardPileView* home = target == FPyramid ? FStock : target;
        home->FCards->AddPile(view->FDragPile);
        if (target == FPyramid && FPyramid->FOverCard) FStock->FCards->AddCard(FPyramid->FOverCard);
        home->repaint();
      } else if (view->FManualDrop && target && target != view) {
        target->FCards->AddPile(view->FDragPile);
        target->repaint();
      } else if (view->FManualDrop && target == view) {
        // A manual view dropped on itself: the view put them back already.
      }
    };
    view->OnDblClick = [this, view, isPyramid](QObject*) {
      // Send the top (or, on the pyramid, the hit uncovered) card somewhere else.
      TCardPileView* to = RandomView();
      if (to == view || to == FPyramid) return;
      TCard* card = nullptr;
      if (isPyramid) {
        card = FPyramid->FHitCard;
        if (!card || FPyramid->IsCardCovered(card)) return;
        const int slot = FPyramid->FCards->CardIndex(card);
        if (slot < 0) return;
        FPyramid->FCards->SetToNull(slot);
      } else {
        card = view->FCards->CardAt(TopOfPile);
        if (!card) return;
        view->FCards->RemoveCard(card);
      }
      to->FCards->AddCard(card);
      view->repaint();
      to->repaint();
    };
  }

  // Every card in exactly one place (a pile, or the drag pile of a drag in progress).
  void ExpectEveryCardOnce(const char* when, int round) {
    std::map<TCard*, int> seen;
    for (TCardPileView* view : FViews) {
      for (TCard* card : view->FCards->FList)
        if (card) ++seen[card];
      if (view->Dragging())
        for (TCard* card : view->FDragPile->FList) ++seen[card];
    }
    ASSERT_EQ(seen.size(), FAll.size()) << when << " round " << round;
    for (const auto& [card, count] : seen) ASSERT_EQ(count, 1) << when << " round " << round;
  }

  QPoint RandomPointOn(QWidget* widget) {
    return QPoint(Pick(widget->width() + 20) - 10, Pick(widget->height() + 20) - 10);
  }

  std::vector<TCardPileView*> FViews;
  std::vector<TCard*> FAll;
  TCardPileView* FStock = nullptr;
  TPyramidPileView* FPyramid = nullptr;
  std::mt19937 FRandom{20261207};
  int FDragsStarted = 0;
};

TEST_F(DragFuzzTest, RandomGesturesNeverLoseOrDuplicateACard) {
  BuildTable();
  TDragController::For(FWindow.get())->OnDragOver =
      [this](QObject*, TDragObjectHack*, int, int, TDragState, bool& accept) {
        accept = Chance(30);  // smart dragging keeps the target chosen earlier
      };
  Show();
  const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton,
                                     Qt::RightButton, Qt::MiddleButton};
  const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier,
                                             Qt::ControlModifier};
  int drops = 0;
  for (int round = 0; round < 10000; ++round) {
    TCardPileView* owner = RandomView();
    if (owner->isHidden()) owner->show();
    FMouseOwner = owner;
    const Qt::MouseButton button = buttons[Pick(5)];
    const QPoint start = RandomPointOn(owner);
    if (Chance(8)) {
      // The second press of a double click.
      QTest::mouseDClick(owner, button, modifiers[Pick(4)], start);
    } else {
      QTest::mousePress(owner, button, modifiers[Pick(4)], start);
    }
    const int moves = Pick(6);
    for (int m = 0; m < moves; ++m) {
      QWidget* over = Chance(20) ? FWindow.get() : RandomView();
      QTest::mouseMove(owner, Map(over, RandomPointOn(over), owner));
      if (Chance(5)) {
        // Another button goes down and up in the middle of the gesture.
        const Qt::MouseButton other = button == Qt::RightButton ? Qt::LeftButton : Qt::RightButton;
        QTest::mousePress(owner, other, {}, start);
        QTest::mouseRelease(owner, other, {}, start);
      }
      if (Chance(2)) {
        owner->hide();  // the game hides a pile in the middle of a drag
        owner->show();
      }
    }
    if (owner->Dragging()) ++drops;
    ExpectEveryCardOnce("mid-gesture", round);
    QWidget* over = Chance(25) ? FWindow.get() : RandomView();
    QTest::mouseRelease(owner, button, {}, Map(over, RandomPointOn(over), owner));
    QTestPrivate::qtestMouseButtons = Qt::NoButton;
    for (TCardPileView* view : FViews) ASSERT_FALSE(view->Dragging()) << "round " << round;
    ExpectEveryCardOnce("after release", round);
    if (FStock->FCards->Count() > 20) {
      // The stock cannot be dragged from: deal its cards back out now and then.
      for (int i = 0; FStock->FCards->Count() > 10; ++i) {
        TCard* card = FStock->FCards->CardAt(TopOfPile);
        FStock->FCards->RemoveCard(card);
        FViews[static_cast<std::size_t>(i % 3)]->FCards->AddCard(card);
      }
      RepaintAll();
    }
    if (::testing::Test::HasFatalFailure()) return;
  }
  EXPECT_FALSE(TDragController::For(FWindow.get())->Overlay()->isVisible());
  // The sequences really dragged, and most drags ended by the release itself.
  EXPECT_GT(FDragsStarted, 800);
  EXPECT_GT(drops, 600);
  std::printf("%d drags started, %d ended by their release\n", FDragsStarted, drops);
}

}  // namespace
