#pragma once
// Indian Patience: two decks, ten tableau piles of a face-down bottom card and two face-up
// cards, eight foundations, and a stock turned one card at a time onto the waste, once
// through. Tableau cards build down by one in any other suit; only top cards move. While
// the stock lasts, a pile's bottom card takes no cards and may not move to another pile,
// and an emptied pile is refilled from the stock at once. TsIndianPatienceForm and
// ThIndianPatienceForm are the small- and huge-card windows.

#include "games/fortythieves/ThievesForm.h"
#include "games/indian/IndianRules.h"

class TIndianPatienceForm : public TThievesForm {
  Q_OBJECT
public:
  explicit TIndianPatienceForm(QWidget* owner = nullptr);
  ~TIndianPatienceForm() override;

  static const TGameSpec Spec;

  // The bottom card of each tableau pile while the stock lasts.
  IndianRules::TBottomCards FBottomCards;

  bool CanDropOnTableau(TCardPileView* target, TCardPileView* source) override;
  // Every move and double-click ends here: an emptied pile is refilled and the bottom
  // cards settle before the win check.
  void CheckForWin() override;
  // Gives every empty tableau pile up to three cards from the stock, as one undo step
  // and one move each.
  virtual void RefillEmptyPile();
  virtual void UpdateBottomCards();

protected:
  TIndianPatienceForm(const TFormLayout& layout, const ThievesLayouts::TThievesMetrics& metrics,
                      QWidget* owner);
  void DealLayout(bool animate) override;
  void ChooseSmartTarget(TCardPileView* source) override;
  void StockTurned() override { UpdateBottomCards(); }
  bool UndoGameStep() override;
  bool RedoGameStep() override;

private:
  // A step from the stock to a tableau pile: a refill.
  bool IsRefillStep() const;
};

class TsIndianPatienceForm : public TIndianPatienceForm {
  Q_OBJECT
public:
  explicit TsIndianPatienceForm(QWidget* owner = nullptr);
  ~TsIndianPatienceForm() override;
};

class ThIndianPatienceForm : public TIndianPatienceForm {
  Q_OBJECT
public:
  explicit ThIndianPatienceForm(QWidget* owner = nullptr);
  ~ThIndianPatienceForm() override;
};

extern TIndianPatienceForm* IndianPatienceForm;
extern TsIndianPatienceForm* sIndianPatienceForm;
extern ThIndianPatienceForm* hIndianPatienceForm;

// The window of a card size (0 small, 1 large, 2 huge), made into its global pointer
// with its first game dealt; not shown.
TIndianPatienceForm* CreateIndianPatienceWindow(int cardSize, QWidget* owner = nullptr);
