#pragma once
// Sea Towers: ten tableau piles built down in suit, four free cells, four foundations
// built up in suit from the Ace; every card dealt face up. A run of one suit may be
// lifted when it is no longer than the empty free cells plus one. TsSeaHavenForm and
// ThSeaHavenForm are the small- and huge-card windows.

#include "games/GameForm.h"

class TSeaHavenForm : public TGameForm {
  Q_OBJECT
public:
  explicit TSeaHavenForm(QWidget* owner = nullptr);
  ~TSeaHavenForm() override;

  static const TGameSpec Spec;

  // Free cells in number order.
  std::vector<TCardPileView*> FFreeCells;
  int EmptyFreeCells() const;

  bool CanDropOnTableau(TCardPileView* target, TCardPileView* source) override;
  bool CanDropOnFoundation(TCardPileView* target, TCardPileView* source) override;
  virtual bool CanDropOnFreeCell(TCardPileView* target, TCardPileView* source);
  // The send-home action: the top card to its foundation, else to the first empty free
  // cell; then the win check, whether or not a card moved.
  void DiscardPileViewDblClick(QObject* Sender) override;

  // ---- handlers of the layouts
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
  TSeaHavenForm(const TFormLayout& layout, QWidget* owner);
  void InitPiles() override;
  void BindHandlers(THandlerTable& table) override;
  void DealLayout(bool animate) override;
  bool CanLift(TCardPileView* view, int index) override;
  void ChooseSmartTarget(TCardPileView* source) override;
  std::vector<TCardPileView*> AutoplaySources() const override;
};

class TsSeaHavenForm : public TSeaHavenForm {
  Q_OBJECT
public:
  explicit TsSeaHavenForm(QWidget* owner = nullptr);
  ~TsSeaHavenForm() override;
};

class ThSeaHavenForm : public TSeaHavenForm {
  Q_OBJECT
public:
  explicit ThSeaHavenForm(QWidget* owner = nullptr);
  ~ThSeaHavenForm() override;
};

extern TSeaHavenForm* SeaHavenForm;
extern TsSeaHavenForm* sSeaHavenForm;
extern ThSeaHavenForm* hSeaHavenForm;

TSeaHavenForm* CreateSeaHavenWindow(int cardSize, QWidget* owner = nullptr);
