#pragma once
// A game window whose stock turns one or three cards onto a waste: the draw-mode menu
// items and option, the statistics section of each mode, and the undo and redo of stock
// steps (turns and redeals). Klondike, Canfield and Double Klondike share it; each states
// its own stock click.

#include "games/GameForm.h"

class TDrawStockForm : public TGameForm {
  Q_OBJECT
public:
  static constexpr int DrawPanel = 1;
  static constexpr int StockPanel = 4;

  QAction* DrawThree1 = nullptr;
  QAction* DrawOne1 = nullptr;
  bool FDrawThree = true;

  virtual void DrawThree1Click(QObject* Sender);
  virtual void DrawOne1Click(QObject* Sender);
  void FormMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X,
                     int Y) override;

protected:
  TDrawStockForm(const TGameSpec& spec, const TFormLayout& layout, QWidget* owner);
  void ReadOptions() override;
  void AddGameMenuItems(QMenu* menu) override;
  void NewDealStarted() override;
  bool UndoGameStep() override;
  bool RedoGameStep() override;
  // The step just peeked: cards turned from the stock, or the waste turned over onto it.
  bool IsTurnStep() const;
  bool IsRedealStep() const;
  QString ModeSection() const override;
  // The first stock click of a deal fixes the draw mode until the next new deal.
  void LockDrawMode();
  // Turns the waste over onto the stock as one undo step; false when the waste is empty.
  bool RedealWaste();
  // Turns one or three cards onto the waste as one move and one undo step; the number turned.
  int TurnCards();
  // Panel, hint and picture of the stock; recycle shows only when a redeal may follow.
  void ShowStockStatus(bool mayRedeal);

private:
  void SetDrawThree(bool drawThree);
};
