#pragma once
// Beleaguered Castle, and the Castle family base that Baker's Dozen derives from: every
// card dealt face up, only top cards move, one at a time, building down regardless of
// suit; the foundations build up in suit from the Ace. TsCastleForm and ThCastleForm are
// the small- and huge-card windows.

#include "games/GameForm.h"

class TCastleForm : public TGameForm {
  Q_OBJECT
public:
  explicit TCastleForm(QWidget* owner = nullptr);
  ~TCastleForm() override;

  static const TGameSpec Spec;

  bool CanDropOnTableau(TCardPileView* target, TCardPileView* source) override;
  bool CanDropOnFoundation(TCardPileView* target, TCardPileView* source) override;

  // ---- handlers of the family's layouts
  void TableauPileView1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                 int X, int Y) override;
  virtual void TableauPileView1DblClick(QObject* Sender);
  virtual void FoundationPileView1DragOver(QObject* Sender, TDragObjectHack* Source, int X, int Y,
                                           TDragState State, bool& Accept);

protected:
  TCastleForm(const TGameSpec& spec, const TFormLayout& layout, QWidget* owner);
  void InitPiles() override;
  void BindHandlers(THandlerTable& table) override;
  // The rows fan to the right only, whatever the options' downward spacing.
  void ApplySpacing() override {}
  void DealLayout(bool animate) override;
  bool CanLift(TCardPileView* view, int index) override;
  void ChooseSmartTarget(TCardPileView* source) override;
  // May an empty pile take a card?
  virtual bool EmptyPileTakesAny() const { return true; }
  // Repaints a pile now when the deal is animated.
  void ShowDealt(TCardPileView* view, bool animate);
};

class TsCastleForm : public TCastleForm {
  Q_OBJECT
public:
  explicit TsCastleForm(QWidget* owner = nullptr);
  ~TsCastleForm() override;
};

class ThCastleForm : public TCastleForm {
  Q_OBJECT
public:
  explicit ThCastleForm(QWidget* owner = nullptr);
  ~ThCastleForm() override;
};

extern TCastleForm* CastleForm;
extern TsCastleForm* sCastleForm;
extern ThCastleForm* hCastleForm;

// The window of a card size (0 small, 1 large, 2 huge), made into its global pointer with
// its first game dealt; not shown.
TCastleForm* CreateCastleWindow(int cardSize, QWidget* owner = nullptr);
