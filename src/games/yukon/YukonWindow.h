#pragma once
// The Yukon family's base window and Yukon itself. The base is the template made
// general: pile counts, the game's title, the move threshold and the cards that win come
// from the game's values, the deal layout is a list of steps, and any face-up card may be
// moved with all the cards above it, whatever their order. Russian Pellamy, Australian
// Patience and Double Yukon derive from it. TsYukonForm and ThYukonForm are the small-
// and huge-card windows of Yukon.

#include <QImage>
#include <vector>

#include "games/GameForm.h"
#include "games/klondike/KlondikeRules.h"

class TYukonForm : public TGameForm {
  Q_OBJECT
public:
  explicit TYukonForm(QWidget* owner = nullptr);
  ~TYukonForm() override;

  static const TGameSpec Spec;

  int FFoundationCount = 0;
  int FTableauCount = 0;
  const QString FGameTitle;
  const int FMoveThreshold;
  const int FCardsToWin;

  // Double-click on a tableau card: the template's double-click action.
  virtual void TableauPileView1DblClick(QObject* Sender);
  // The family turns no stock from the keyboard (Australian Patience does).
  void FormKeyPress(QChar Key) override;
  void FormMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X,
                     int Y) override;

protected:
  TYukonForm(const TGameSpec& spec, const TFormLayout& layout, QWidget* owner);
  void InitPiles() override;
  void BindHandlers(THandlerTable& table) override;
  void DealLayout(bool animate) override;
  bool CanLift(TCardPileView* view, int index) override;
  // The layout of the deal, over the tableau.
  virtual const std::vector<KlondikeRules::TDealStep>& DealSteps() const;
  // Russian Pellamy's and Australian Patience's tableau: the same suit, one value lower.
  bool CanDropInSuit(TCardPileView* target, TCardPileView* source);
};

class TsYukonForm : public TYukonForm {
  Q_OBJECT
public:
  explicit TsYukonForm(QWidget* owner = nullptr);
  ~TsYukonForm() override;
};

class ThYukonForm : public TYukonForm {
  Q_OBJECT
public:
  explicit ThYukonForm(QWidget* owner = nullptr);
  ~ThYukonForm() override;
};

extern TYukonForm* YukonForm;
extern TsYukonForm* sYukonForm;
extern ThYukonForm* hYukonForm;

// The window of a card size (0 small, 1 large, 2 huge), made into its global pointer
// with its first game dealt; not shown.
TYukonForm* CreateYukonWindow(int cardSize, QWidget* owner = nullptr);
