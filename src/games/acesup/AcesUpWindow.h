#pragma once
// Aces Up: four piles get one face-up card each per deal from the stock; a pile's top card
// is discarded when another pile's top card is of its suit and higher (Ace high); a top
// card may move to an empty pile. Won with only the four Aces left, 48 cards discarded.
// The discard pile stands where the template keeps its foundations, so the score counts
// the removed cards. TsAcesUpForm and ThAcesUpForm are the small- and huge-card windows.

#include "games/GameForm.h"

class TAcesUpForm : public TGameForm {
  Q_OBJECT
public:
  explicit TAcesUpForm(QWidget* owner = nullptr);
  ~TAcesUpForm() override;

  static const TGameSpec Spec;
  static constexpr int StockPanel = 2;

  // The discard pile (component "DiscardPileView").
  TCardPileView* FDiscardView = nullptr;

  // One face-up card from the stock onto each pile, each a move of its own.
  virtual void DealRow();

  void DeckPileViewClick(QObject* Sender) override;
  void UpdateStockStatus() override;
  void TableauPileView1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                 int X, int Y) override;
  bool CanDropOnTableau(TCardPileView* target, TCardPileView* source) override;
  bool CanDropOnFoundation(TCardPileView*, TCardPileView*) override { return false; }
  void Autoplay() override {}
  void Autoplay1Click(QObject*) override {}

protected:
  TAcesUpForm(const TFormLayout& layout, QWidget* owner);
  void AddGameMenuItems(QMenu* menu) override;
  void InitPiles() override;
  void DealLayout(bool animate) override;
  void ChooseSmartTarget(TCardPileView* source) override;
  bool UndoGameStep() override;
  bool RedoGameStep() override;
  int PeekedStepMoves() const override;
};

class TsAcesUpForm : public TAcesUpForm {
  Q_OBJECT
public:
  explicit TsAcesUpForm(QWidget* owner = nullptr);
  ~TsAcesUpForm() override;
};

class ThAcesUpForm : public TAcesUpForm {
  Q_OBJECT
public:
  explicit ThAcesUpForm(QWidget* owner = nullptr);
  ~ThAcesUpForm() override;
};

extern TAcesUpForm* AcesUpForm;
extern TsAcesUpForm* sAcesUpForm;
extern ThAcesUpForm* hAcesUpForm;

// The window of a card size (0 small, 1 large, 2 huge), made into its global pointer with
// its first game dealt; not shown.
TAcesUpForm* CreateAcesUpWindow(int cardSize, QWidget* owner = nullptr);
