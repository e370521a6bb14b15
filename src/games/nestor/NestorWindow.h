#pragma once
// Nestor: 48 cards face up in eight columns of six, dealt so that no column holds two
// cards of one rank, and four single cards in a reserve row. An available card (a
// column's top card or a reserve card) dragged onto another of its rank takes both to the
// discard pile; the game is won when all 52 are there. The discard pile stands where the
// template keeps its foundations, so the score counts the removed cards. TsNestorForm and
// ThNestorForm are the small- and huge-card windows.

#include "games/GameForm.h"
#include "games/nestor/NestorLayouts.h"

class TNestorForm : public TGameForm {
  Q_OBJECT
public:
  explicit TNestorForm(QWidget* owner = nullptr);
  ~TNestorForm() override;

  static const TGameSpec Spec;

  // The four play piles of the reserve row, in order.
  std::vector<TCardPileView*> FReserve;
  // The discard pile (component "DiscardPileView").
  TCardPileView* FDiscardView = nullptr;

  // The pair rule: the target becomes the drop target when its top card has the dragged
  // card's rank.
  virtual bool CanPair(TCardPileView* target, TCardPileView* source);

  bool CanDropOnTableau(TCardPileView* target, TCardPileView* source) override;
  bool CanDropOnFoundation(TCardPileView*, TCardPileView*) override { return false; }
  void Autoplay() override {}
  void Autoplay1Click(QObject*) override {}
  void DeckPileViewClick(QObject*) override {}
  void TableauPileView1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                 int X, int Y) override;
  void FormMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X,
                     int Y) override;
  void TableauPileView1EndDrag(QObject* Sender, QObject* Target, int X, int Y) override;
  void FormResize(QObject* Sender) override;

protected:
  TNestorForm(const TFormLayout& layout, const NestorLayouts::TNestorMetrics& metrics, QWidget* owner);
  void AddGameMenuItems(QMenu* menu) override;
  void InitPiles() override;
  void DealLayout(bool animate) override;
  void ChooseSmartTarget(TCardPileView* source) override;
  bool UndoGameStep() override;
  bool RedoGameStep() override;

  const NestorLayouts::TNestorMetrics& FMetrics;
};

class TsNestorForm : public TNestorForm {
  Q_OBJECT
public:
  explicit TsNestorForm(QWidget* owner = nullptr);
  ~TsNestorForm() override;
};

class ThNestorForm : public TNestorForm {
  Q_OBJECT
public:
  explicit ThNestorForm(QWidget* owner = nullptr);
  ~ThNestorForm() override;
};

extern TNestorForm* NestorForm;
extern TsNestorForm* sNestorForm;
extern ThNestorForm* hNestorForm;

// The window of a card size (0 small, 1 large, 2 huge), made into its global pointer with
// its first game dealt; not shown.
TNestorForm* CreateNestorWindow(int cardSize, QWidget* owner = nullptr);
