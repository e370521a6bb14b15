#pragma once
// Flower Garden: six tableau piles of six face-up cards, a reserve of sixteen from which
// any card may be played, four foundations built up in suit from the Ace. Only single
// cards move. TsFlowerGardenForm and ThFlowerGardenForm are the small- and huge-card
// windows.

#include "games/GameForm.h"

class TReservePileView;

class TFlowerGardenForm : public TGameForm {
  Q_OBJECT
public:
  explicit TFlowerGardenForm(QWidget* owner = nullptr);
  ~TFlowerGardenForm() override;

  static const TGameSpec Spec;

  TReservePileView* ReservePileView = nullptr;

  bool CanDropOnTableau(TCardPileView* target, TCardPileView* source) override;
  bool CanDropOnFoundation(TCardPileView* target, TCardPileView* source) override;
  // Every reserve card's FPos becomes its index there (0 the bottom).
  void RenumberReserve();
  // The send-home action on one card of a pile (the reserve's card under the mouse, or
  // a tableau pile's top card); then the win check, whether or not it moved.
  void SendHome(TCardPileView* view, TCard* card);

  // ---- handlers of the layouts
  // Ctrl+left plays the pile's top card home, also beside the cards; Shift does nothing.
  void TableauPileView1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X,
                                 int Y) override;
  virtual void ReservePileViewMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                        int X, int Y);
  virtual void ReservePileViewDblClick(QObject* Sender);
  virtual void TableauPileView1DblClick(QObject* Sender);
  virtual void FoundationPileView1DragOver(QObject* Sender, TDragObjectHack* Source, int X, int Y,
                                           TDragState State, bool& Accept);

protected:
  TFlowerGardenForm(const TFormLayout& layout, QWidget* owner);
  // The reserve fans downwards with the tableau's spacing, closer where its sixteen cards
  // would otherwise run under the status bar.
  void ApplySpacing() override;
  void FormResize(QObject* Sender) override;
  void FitReserveFan();
  void InitPiles() override;
  void BindHandlers(THandlerTable& table) override;
  void DealLayout(bool animate) override;
  bool CanLift(TCardPileView* view, int index) override;
  void ChooseSmartTarget(TCardPileView* source) override;
  bool UndoGameStep() override;
  bool RedoGameStep() override;
};

class TsFlowerGardenForm : public TFlowerGardenForm {
  Q_OBJECT
public:
  explicit TsFlowerGardenForm(QWidget* owner = nullptr);
  ~TsFlowerGardenForm() override;
};

class ThFlowerGardenForm : public TFlowerGardenForm {
  Q_OBJECT
public:
  explicit ThFlowerGardenForm(QWidget* owner = nullptr);
  ~ThFlowerGardenForm() override;
};

extern TFlowerGardenForm* FlowerGardenForm;
extern TsFlowerGardenForm* sFlowerGardenForm;
extern ThFlowerGardenForm* hFlowerGardenForm;

TFlowerGardenForm* CreateFlowerGardenWindow(int cardSize, QWidget* owner = nullptr);
