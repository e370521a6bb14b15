#pragma once
// The base of Forty Thieves and Indian Patience. Both are two-deck games on the same
// table: ten tableau piles (TableauPile1..10), eight foundations along the bottom edge
// (FoundPile1..8) that keep their cards, and a stock turned one card at a time onto a
// wide waste, once through. Only top cards move, no move ever turns a card up, and the
// lower piles follow the window's height and the status bar (FormResize).

#include "games/GameForm.h"
#include "games/fortythieves/ThievesLayouts.h"

class TThievesForm : public TGameForm {
  Q_OBJECT
public:
  static constexpr int AutoPlayPanel = 1;
  static constexpr int StockPanel = 3;

  // The waste: a plain pile view whose cards fan to the right.
  TCardPileView* FDiscardView = nullptr;
  // The template's New Game and Restart items under this window's names.
  QAction* NewDeal1 = nullptr;
  QAction* Redeal1 = nullptr;

  void NewDeal1Click(QObject* Sender) { NewGame1Click(Sender); }
  // Turns the stock's top card onto the waste; there is no redeal.
  void DeckPileViewClick(QObject* Sender) override;
  void UpdateStockStatus() override;
  void FormMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X,
                     int Y) override;
  void TurnUpTopCard(TCardPileView*) override {}
  void FormResize(QObject* Sender) override;

protected:
  TThievesForm(const TGameSpec& spec, const TFormLayout& layout,
               const ThievesLayouts::TThievesMetrics& metrics, QWidget* owner);
  void InitPiles() override;
  void BindHandlers(THandlerTable& table) override;
  void AddGameMenuItems(QMenu* menu) override;
  bool CanLift(TCardPileView* view, int index) override;
  std::vector<TCardPileView*> AutoplaySources() const override;
  bool UndoGameStep() override;
  bool RedoGameStep() override;
  // Runs after a stock card has been turned onto the waste and recorded.
  virtual void StockTurned() {}

  const ThievesLayouts::TThievesMetrics& FMetrics;
};
