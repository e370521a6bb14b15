#pragma once
// Canfield: Klondike's stock and draw modes with a 13-card reserve, four tableau piles,
// a base rank for the foundations with wrap-around builds, tableau piles refilled from
// the reserve, and the "Superior" rules that leave them to the player.
// TsCanfieldForm and ThCanfieldForm are the small- and huge-card windows.

#include <QImage>

#include "games/DrawStockForm.h"

class TCanfieldForm : public TDrawStockForm {
  Q_OBJECT
public:
  explicit TCanfieldForm(QWidget* owner = nullptr);
  ~TCanfieldForm() override;

  static const TGameSpec Spec;

  TCardPileView* ReservePileView = nullptr;
  QAction* SuperiorRules1 = nullptr;
  bool FSuperiorRules = false;
  int FBaseRank = 0;

  bool CanDropOnTableau(TCardPileView* target, TCardPileView* source) override;
  bool CanDropOnFoundation(TCardPileView* target, TCardPileView* source) override;
  // With fromSourceTop the rule judges the source's top card instead of the dragged cards.
  bool CanDropOnFoundation(TCardPileView* target, TCardPileView* source, bool fromSourceTop);
  void UpdateStockStatus() override;
  void DeckPileViewClick(QObject* Sender) override;
  void DiscardPileViewDblClick(QObject* Sender) override;
  void TableauPileView1EndDrag(QObject* Sender, QObject* Target, int X, int Y) override;
  virtual void SuperiorRules1Click(QObject* Sender);
  // Each empty tableau pile takes the reserve's top card (not with the Superior rules).
  void RefillFromReserve();

protected:
  TCanfieldForm(const TFormLayout& layout, QWidget* owner);
  void InitPiles() override;
  void ReadOptions() override;
  void AddGameMenuItems(QMenu* menu) override;
  void NewDealStarted() override;
  void DealLayout(bool animate) override;
  bool CanLift(TCardPileView* view, int index) override;
  TCardPileView* FoundationFor(TCard* card) override;
  std::vector<TCardPileView*> AutoplaySources() const override;
  void ChooseSmartTarget(TCardPileView* source) override;
  // A refill is its own undo step but no move of the player.
  int PeekedStepMoves() const override;

private:
  static constexpr int RefillStep = 1;
  void SetReserveFan();
  void FirstMoveMade();
};

class TsCanfieldForm : public TCanfieldForm {
  Q_OBJECT
public:
  explicit TsCanfieldForm(QWidget* owner = nullptr);
  ~TsCanfieldForm() override;
};

class ThCanfieldForm : public TCanfieldForm {
  Q_OBJECT
public:
  explicit ThCanfieldForm(QWidget* owner = nullptr);
  ~ThCanfieldForm() override;
};

extern TCanfieldForm* CanfieldForm;
extern TsCanfieldForm* sCanfieldForm;
extern ThCanfieldForm* hCanfieldForm;

// The window of a card size (0 small, 1 large, 2 huge), made into its global pointer
// with its first game dealt; not shown.
TCanfieldForm* CreateCanfieldWindow(int cardSize, QWidget* owner = nullptr);
