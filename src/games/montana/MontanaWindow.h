#pragma once
// Montana: the 52 cards dealt face up in four rows of thirteen with the Aces taken out,
// leaving four gaps. A gap takes the card of its left neighbour's suit one rank higher; a
// gap in the first column takes a 2. Each row is to hold 2 to King of one suit in columns
// 1 to 12; two reshuffles of the cards not yet in place are allowed. Show Match marks the
// card that fits the gap under the mouse. TsMontanaForm and ThMontanaForm are the small-
// and huge-card windows.

#include "games/GameForm.h"

class QTimer;
class TwkStatusPanel;

class TMontanaForm : public TGameForm {
  Q_OBJECT
public:
  explicit TMontanaForm(QWidget* owner = nullptr);
  ~TMontanaForm() override;

  static const TGameSpec Spec;
  static constexpr int ShufflePanelIndex = 2;

  QTimer* Timer1 = nullptr;
  QAction* Shuffle1 = nullptr;
  QAction* ShowMatchMenu = nullptr;
  TwkStatusPanel* ShufflePanel = nullptr;
  // The hidden discard pile ("DiscardPileView") holding the Aces taken out.
  TCardPileView* FDiscardView = nullptr;

  // The grid in view order: CardPileView1..13 row 1, 14..26 row 2 ...
  std::vector<TCardPileView*> FGrid;
  int FShufflesUsed = 0;
  bool FMovedByClick = false;
  bool FShowMatch = true;
  TCardPileView* FLastGap = nullptr;
  struct THighlight {
    TCardPileView* View = nullptr;
    TCard* Card = nullptr;
  };
  THighlight FHighlights[4];

  int UpdateScore(bool reset) override;
  void CheckForWin() override;
  void Autoplay() override {}
  void Autoplay1Click(QObject*) override {}
  void DeckPileViewClick(QObject*) override {}
  bool CanDropOnFoundation(TCardPileView*, TCardPileView*) override { return false; }
  // A dragged card may fill a gap it fits.
  bool CanDropOnTableau(TCardPileView* target, TCardPileView* source) override;
  void NewGame1Click(QObject* Sender) override;
  void Undo1Click(QObject* Sender) override;
  void Redo1Click(QObject* Sender) override;
  void FormClose(QObject* Sender) override;

  // ---- the game's handlers
  virtual void CardPileView1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                      int X, int Y);
  virtual void CardPileView1DblClick(QObject* Sender);
  virtual void CardPileView1DragOver(QObject* Sender, TDragObjectHack* Source, int X, int Y, TDragState State,
                                     bool& Accept);
  virtual void Shuffle1Click(QObject* Sender);
  virtual void ShowMatchMenuClick(QObject* Sender);
  virtual void Timer1Timer();

  // Fills the gap of view with the card that fits it, if any; then the win check.
  void FillGap(TCardPileView* gap);
  // Sends the card of view to the gap it fits; true when it moved.
  bool OneClickMove(TCardPileView* view);
  // Show Match for the mouse at a point in client coordinates.
  void ShowMatchAt(QPoint at);
  void ClearHighlights(bool all, bool repaint);

protected:
  TMontanaForm(const TFormLayout& layout, QWidget* owner);
  void AddGameMenuItems(QMenu* menu) override;
  void BindHandlers(THandlerTable& table) override;
  void InitPiles() override;
  void ReadOptions() override;
  void InitPanels() override;
  void ShuffleDeck(TCardPile* pile) override;
  void DealLayout(bool animate) override;
  void ChooseSmartTarget(TCardPileView*) override {}
  std::vector<TCardPileView*> WinAnimationPiles() const override { return FGrid; }

private:
  std::vector<TCardPile*> Piles() const;
  int PlaceOf(const TCardPileView* view) const;
  void MoveCard(TCardPileView* from, TCardPileView* to);
  void Highlight(TCardPileView* view);
  void SetShufflesUsed(int used);
};

class TsMontanaForm : public TMontanaForm {
  Q_OBJECT
public:
  explicit TsMontanaForm(QWidget* owner = nullptr);
  ~TsMontanaForm() override;
};

class ThMontanaForm : public TMontanaForm {
  Q_OBJECT
public:
  explicit ThMontanaForm(QWidget* owner = nullptr);
  ~ThMontanaForm() override;
};

extern TMontanaForm* MontanaForm;
extern TsMontanaForm* sMontanaForm;
extern ThMontanaForm* hMontanaForm;

// The window of a card size (0 small, 1 large, 2 huge), made into its global pointer with
// its first game dealt; not shown.
TMontanaForm* CreateMontanaWindow(int cardSize, QWidget* owner = nullptr);
