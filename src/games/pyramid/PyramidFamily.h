#pragma once
// What Pyramid, Pyramid Golf, Golf and Giza share on top of the game-window template:
// no autoplay (no menu item, no check box, the A key does nothing), the removed cards
// on the discard pile are the score and fly in the win animation, the stock acts on a
// middle press, and the pyramid is dealt position by position.
//
// TPairingForm adds the removal of pairs adding up to thirteen and of single Kings,
// played in Pyramid and Giza: a card is dragged onto its partner, a King is clicked.

#include <vector>

#include "games/GameForm.h"

class TPyramidPileView;

class TPyramidFamilyForm : public TGameForm {
  Q_OBJECT
public:
  ~TPyramidFamilyForm() override;

  // The component "DiscardPileView": the removed cards, face up.
  TCardPileView* DiscardPile = nullptr;
  // The component "PyramidPileView" of the games that have one.
  TPyramidPileView* PyramidPileView = nullptr;

  void Autoplay() override {}
  void Autoplay1Click(QObject* Sender) override;
  void AutoPlayCheckBoxClick(QObject* Sender) override;
  // The stock's press: the middle button turns the stock (the left one clicks it).
  virtual void DeckPileViewMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                     int X, int Y);
  // The golf games' stock: its top card face up onto the discard pile, recorded as a move.
  void TurnStockCard(bool silent);

protected:
  TPyramidFamilyForm(const TGameSpec& spec, const TFormLayout& layout, QWidget* owner);
  void InitPiles() override;
  void AddGameMenuItems(QMenu* menu) override;
  void BindHandlers(THandlerTable& table) override;
  // These games choose their drop targets themselves.
  void ChooseSmartTarget(TCardPileView* source) override { (void)source; }
  // The 28 pyramid cards from the stock, face up, each at its position; when animated the
  // pyramid repaints per card and the deal sound marks each new row and the end.
  void DealPyramidCards(bool animate);
  // Beside a pyramid (Pyramid, Pyramid Golf) the stock is one card wide: its cards stack
  // downwards, closer while dealing. Without one (Golf) it is the template's block.
  void SetStockBlock(bool block) override;
  TCard* TopCard(TCardPileView* view) const;
  // The golf games' steps, one card onto the discard pile each: a stock card goes back
  // face down, a pyramid card into its own position.
  bool UndoGameStep() override;
  bool RedoGameStep() override;
};

class TPairingForm : public TPyramidFamilyForm {
  Q_OBJECT
public:
  // Press on the pyramid or a pile: a King (or any card with Ctrl) is removed at once,
  // another uncovered top card is picked up to be dropped on its partner.
  virtual void PyramidPileViewMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                        int X, int Y);
  // The King action: the King under the mouse on the pyramid, or on top of the pile.
  virtual void PyramidPileViewDblClick(QObject* Sender);
  virtual void PyramidPileViewStartDrag(QObject* Sender, TDragObjectHack* DragObject);
  virtual void PyramidPileViewDragOver(QObject* Sender, TDragObjectHack* Source, int X, int Y,
                                       TDragState State, bool& Accept);
  virtual void PyramidPileViewEndDrag(QObject* Sender, QObject* Target, int X, int Y);
  // The discard pile takes nothing by dragging (a King is never dragged).
  virtual void DiscardPileViewDragOver(QObject* Sender, TDragObjectHack* Source, int X, int Y,
                                       TDragState State, bool& Accept);

  // Does the card dragged from source pair with target's card at (x, y) (the pyramid's
  // uncovered card there, another pile's top card)? Sets source's drop target when so.
  bool CanPair(TCardPileView* target, TCardPileView* source, int x, int y);

protected:
  using TPyramidFamilyForm::TPyramidFamilyForm;
  void BindHandlers(THandlerTable& table) override;
  // The piles (besides the pyramid) whose top cards a smart drag tries, in order.
  virtual std::vector<TCardPileView*> SmartPairPiles() const = 0;
  void KingAction(TCardPileView* view);
  // Takes back (or makes again) a King step alone or the two steps of a pair.
  void UndoRemoval();
  void RedoRemoval();
};
