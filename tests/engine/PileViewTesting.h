#pragma once
// A table of pile views on an offscreen window, and mouse gestures addressed to the view
// that keeps the mouse (QTest's helpers bypass Qt's implicit grab, so every event of one
// gesture goes to the source view with the point mapped into its coordinates).

#include <gtest/gtest.h>

#include <QPalette>
#include <QTest>
#include <QWidget>
#include <memory>
#include <ostream>
#include <vector>

#include "engine/Card.h"
#include "engine/CardPileView.h"

// Card sizes by name in test names and printed parameters.
inline const char* CardSizeName(_CardSize size) {
  switch (size) {
    case CS_SMALL: return "Small";
    case CS_LARGE: return "Large";
    case CS_HUGE: return "Huge";
  }
  return "Unknown";
}

inline void PrintTo(_CardSize size, std::ostream* os) { *os << CardSizeName(size); }

class TPileTableTest : public ::testing::Test {
protected:
  void SetUp() override { UseCardSize(CS_LARGE); }

  void TearDown() override {
    // Never leave a button down for the next test.
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
      if (QTestPrivate::qtestMouseButtons.testFlag(button) && FMouseOwner)
        QTest::mouseRelease(FMouseOwner, button, {}, QPoint(1, 1));
    QTestPrivate::qtestMouseButtons = Qt::NoButton;
    FWindow.reset();
  }

  void UseCardSize(_CardSize size) {
    TCard::SetCardSize(size, false, false);
    FWindow = std::make_unique<QWidget>();
    FWindow->resize(900, 760);
    QPalette palette = FWindow->palette();
    palette.setColor(QPalette::Window, QColor(0, 64, 0));
    FWindow->setPalette(palette);
    FWindow->setAutoFillBackground(true);
  }

  template <typename View = TCardPileView>
  View* AddView(int x, int y, int w, int h) {
    auto* view = new View(FWindow.get());
    view->setGeometry(x, y, w, h);
    return view;
  }

  void Show() {
    FWindow->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(FWindow.get()));
    RepaintAll();
  }

  // Paints every view now, so the cards' FX/FY are current.
  void RepaintAll() {
    for (TCardPileView* view : FWindow->findChildren<TCardPileView*>()) view->repaint();
  }

  TCard* NewCard(_CardSuit suit, _CardValue value, bool faceUp) {
    FCards.push_back(std::make_unique<TCard>(suit, value, faceUp ? 1 : 0));
    return FCards.back().get();
  }

  // n cards of alternating suits counting down from the King, the last `up` face up.
  void Fill(TCardPileView* view, int n, int up) {
    for (int i = 0; i < n; ++i)
      view->FCards->AddCard(NewCard(static_cast<_CardSuit>(i % 4),
                                    static_cast<_CardValue>(12 - i % 13), i >= n - up));
  }

  // A point of one widget in another's coordinates.
  static QPoint Map(QWidget* from, QPoint at, QWidget* to) {
    return to->mapFrom(to->window(), from->mapTo(from->window(), at));
  }

  void Press(TCardPileView* view, QPoint at, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers mods = {}) {
    FMouseOwner = view;
    QTest::mousePress(view, button, mods, at);
  }
  // Moves and releases go to the view that took the press; `at` is in `where`'s coordinates.
  void MoveTo(QWidget* where, QPoint at) {
    QTest::mouseMove(FMouseOwner, Map(where, at, FMouseOwner));
  }
  void Release(QWidget* where, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(FMouseOwner, button, {}, Map(where, at, FMouseOwner));
  }

  // A whole left-button drag from a point of the source to a point of `to`.
  void Drag(TCardPileView* source, QPoint from, QWidget* to, QPoint at) {
    Press(source, from);
    MoveTo(source, from + QPoint(10, 10));
    MoveTo(to, at);
    Release(to, at);
  }

  static std::vector<TCard*> Cards(const TCardPileView* view) { return view->FCards->FList; }

  std::unique_ptr<QWidget> FWindow;
  std::vector<std::unique_ptr<TCard>> FCards;
  QWidget* FMouseOwner = nullptr;
};

// Binds the drop rule "anything goes onto this view" the way a game binds its handler.
inline void AcceptDrops(TCardPileView* target) {
  target->OnDragOver = [target](QObject*, TDragObjectHack* source, int, int, TDragState,
                                bool& accept) {
    if (source->OwnerView() != target) source->OwnerView()->FDropTarget = target;
    accept = true;
  };
}

// The game's mouse-down handler reduced to "every hit card may be dragged".
inline void ArmOnPress(TCardPileView* view) {
  view->OnMouseDown = [view](QObject*, Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
    if (button == Qt::LeftButton && view->FHitCard) view->FDragArmed = true;
  };
}
