#pragma once
// Queen of Italy, with two decks: eleven face-up cards form the terrace, four cards are
// dealt to the tableau, and the player first picks one tableau card as the foundation
// base. Its rank starts all eight foundations, which build up in suit wrapping from King
// to Ace; the tableau builds down in alternating colours, a King on an Ace; the stock
// turns one card at a time onto a discard pile and is turned over whenever it runs out.
// TsQueenItalyForm and ThQueenItalyForm are the small- and huge-card windows.

#include "games/GameForm.h"
#include "games/queenitaly/QueenItalyLayouts.h"

class TQueenItalyForm : public TGameForm {
  Q_OBJECT
public:
  explicit TQueenItalyForm(QWidget* owner = nullptr);
  ~TQueenItalyForm() override;

  static const TGameSpec Spec;
  static constexpr int StockPanel = 3;
  static constexpr int ScorePanel = 4;

  TCardPileView* TerracePileView = nullptr;
  // The discard pile (component "DiscardPileView"), a wide view.
  TCardPileView* FDiscardView = nullptr;
  bool FBaseChosen = false;
  int FBaseRank = CS_ACE;
  bool FRedealt = false;  // the discard pile has been turned back into the stock

  virtual void SetFoundationLabels();
  virtual void FillEmptyTableau();
  // One card from the stock onto the discard pile; after a turnover only onto an empty
  // discard pile.
  virtual void TurnStockCard();

  bool CanDropOnTableau(TCardPileView* target, TCardPileView* source) override;
  bool CanDropOnFoundation(TCardPileView* target, TCardPileView* source) override;
  void UpdateStockStatus() override;
  void DeckPileViewClick(QObject* Sender) override;
  void TableauPileView1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                 int X, int Y) override;
  void DiscardPileViewMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                int X, int Y) override;
  void DiscardPileViewDblClick(QObject* Sender) override;
  void FormResize(QObject* Sender) override;

protected:
  TQueenItalyForm(const TFormLayout& layout, const QueenItalyLayouts::TQueenItalyMetrics& metrics,
                  QWidget* owner);
  void InitPiles() override;
  void DealLayout(bool animate) override;
  bool CanLift(TCardPileView* view, int index) override;
  TCardPileView* FoundationFor(TCard* card) override;
  void ChooseSmartTarget(TCardPileView* source) override;
  std::vector<TCardPileView*> AutoplaySources() const override;
  bool UndoGameStep() override;
  bool RedoGameStep() override;
  // The step just peeked: a card turned from the stock, or the discard pile turned over.
  bool IsTurnStep() const;
  bool IsTurnoverStep() const;

  const QueenItalyLayouts::TQueenItalyMetrics& FMetrics;

private:
  void ChooseBase(TCardPileView* view, TCard* card);
  void AskForBase();
};

class TsQueenItalyForm : public TQueenItalyForm {
  Q_OBJECT
public:
  explicit TsQueenItalyForm(QWidget* owner = nullptr);
  ~TsQueenItalyForm() override;
};

class ThQueenItalyForm : public TQueenItalyForm {
  Q_OBJECT
public:
  explicit ThQueenItalyForm(QWidget* owner = nullptr);
  ~ThQueenItalyForm() override;
};

extern TQueenItalyForm* QueenItalyForm;
extern TsQueenItalyForm* sQueenItalyForm;
extern ThQueenItalyForm* hQueenItalyForm;

// The window of a card size (0 small, 1 large, 2 huge), made into its global pointer with
// its first game dealt; not shown.
TQueenItalyForm* CreateQueenItalyWindow(int cardSize, QWidget* owner = nullptr);
