#pragma once
// Free Cell, and the family base that Baker's Game and Eight Off derive from: every card
// dealt face up to eight columns, free cells holding one card each, four foundations
// built up in suit from the Ace. Runs are lifted as far as the empty free cells and
// columns allow; the limit for an empty column is captured at the press that arms the
// drag. TsFreeCellForm and ThFreeCellForm are the small- and huge-card windows.

#include "games/GameForm.h"
#include "games/freecell/FreeCellRules.h"

class TFreeCellForm : public TGameForm {
  Q_OBJECT
public:
  explicit TFreeCellForm(QWidget* owner = nullptr);
  ~TFreeCellForm() override;

  static const TGameSpec Spec;

  // Free cells in number order (4, or 8 in Eight Off).
  std::vector<TCardPileView*> FFreeCells;
  // Longest run that may be dropped on an empty column, set by the press that armed it.
  int FEmptyColumnLimit = 1;

  const FreeCellRules::TVariant& Variant() const { return FVariant; }
  int EmptyFreeCells() const;
  int EmptyColumns() const;

  bool CanDropOnTableau(TCardPileView* target, TCardPileView* source) override;
  bool CanDropOnFoundation(TCardPileView* target, TCardPileView* source) override;
  virtual bool CanDropOnFreeCell(TCardPileView* target, TCardPileView* source);
  // Sends the pile's top card home: to a foundation, else to the first empty free cell;
  // then the win check, whether or not a card moved.
  void SendHome(TCardPileView* view) { DiscardPileViewDblClick(view); }

  // ---- handlers of the family's layouts
  // Shift or Ctrl sends the top card home even when pressed below it.
  void TableauPileView1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                 int X, int Y) override;
  virtual void FreePileView1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                      int X, int Y);
  virtual void FreePileView1DragOver(QObject* Sender, TDragObjectHack* Source, int X, int Y,
                                     TDragState State, bool& Accept);
  virtual void FoundPileView1DragOver(QObject* Sender, TDragObjectHack* Source, int X, int Y,
                                      TDragState State, bool& Accept);
  virtual void TableauPileView1DblClick(QObject* Sender);

protected:
  TFreeCellForm(const TGameSpec& spec, const FreeCellRules::TVariant& variant, const TFormLayout& layout,
                QWidget* owner);
  void InitPiles() override;
  void BindHandlers(THandlerTable& table) override;
  void ShuffleDeck(TCardPile* pile) override;
  void DealLayout(bool animate) override;
  void ChooseSmartTarget(TCardPileView* source) override;
  // A column lifts a run as long as the empty free cells and columns allow.
  bool CanLift(TCardPileView* view, int index) override;
  // The middle button on a column sends its top card home.
  void MiddleButtonPress(TCardPileView* view) override;
  TCardPileView* SendHomeTarget(TCardPileView* view, TCard* card) override;
  // Free cells first, then the columns.
  std::vector<TCardPileView*> AutoplaySources() const override;
  // The piles' card lists by role, for the rules.
  FreeCellRules::TTable Table() const;
  TCardPileView* TargetView(const FreeCellRules::TTarget& target) const;

  const FreeCellRules::TVariant& FVariant;
};

class TsFreeCellForm : public TFreeCellForm {
  Q_OBJECT
public:
  explicit TsFreeCellForm(QWidget* owner = nullptr);
  ~TsFreeCellForm() override;
};

class ThFreeCellForm : public TFreeCellForm {
  Q_OBJECT
public:
  explicit ThFreeCellForm(QWidget* owner = nullptr);
  ~ThFreeCellForm() override;
};

extern TFreeCellForm* FreeCellForm;
extern TsFreeCellForm* sFreeCellForm;
extern ThFreeCellForm* hFreeCellForm;

// The window of a card size (0 small, 1 large, 2 huge), made into its global pointer with
// its first game dealt; not shown.
TFreeCellForm* CreateFreeCellWindow(int cardSize, QWidget* owner = nullptr);
