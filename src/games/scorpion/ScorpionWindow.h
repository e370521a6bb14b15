#pragma once
// Scorpion, and the family base that Scorpion II, Simple Simon and Double Scorpion derive
// from: no foundations, each suit is built from King down to Ace inside the tableau, and
// the game is won when the tableau holds only whole suits. The family has no autoplay.
// TsScorpionForm and ThScorpionForm are the small- and huge-card windows.

#include <QImage>

#include "games/GameForm.h"
#include "games/scorpion/ScorpionRules.h"

class TScorpionForm : public TGameForm {
  Q_OBJECT
public:
  explicit TScorpionForm(QWidget* owner = nullptr);
  ~TScorpionForm() override;

  static const TGameSpec Spec;

  // ---- template routines
  void Deal(bool quiet, bool newShuffle) override;
  int UpdateScore(bool reset) override;
  void UpdateStockStatus() override;
  bool CanDropOnTableau(TCardPileView* target, TCardPileView* source) override;
  void Autoplay() override {}

  // ---- published handlers
  virtual void TableauPile1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                     int X, int Y);
  virtual void DeckPileViewMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                     int X, int Y);
  void DeckPileViewClick(QObject* Sender) override;
  void FormKeyDown(int Key, Qt::KeyboardModifiers Shift) override;

protected:
  TScorpionForm(const TGameSpec& spec, const TFormLayout& layout, QWidget* owner);
  void InitPiles() override;
  void BindHandlers(THandlerTable& table) override;
  void AddGameMenuItems(QMenu* menu) override;
  void InitPanels() override;
  void DealLayout(bool animate) override;
  bool CanLift(TCardPileView* view, int index) override;
  bool UndoGameStep() override;
  bool RedoGameStep() override;
  std::vector<TCardPileView*> WinAnimationPiles() const override { return FTableau; }
  // Deals the steps from the top of the stock.
  void DealSteps(const std::vector<ScorpionRules::TDealStep>& steps, bool animate);

private:
  bool IsStockStep() const;
};

class TsScorpionForm : public TScorpionForm {
  Q_OBJECT
public:
  explicit TsScorpionForm(QWidget* owner = nullptr);
  ~TsScorpionForm() override;

protected:
  TsScorpionForm(const TGameSpec& spec, QWidget* owner);
};

class ThScorpionForm : public TScorpionForm {
  Q_OBJECT
public:
  explicit ThScorpionForm(QWidget* owner = nullptr);
  ~ThScorpionForm() override;

protected:
  ThScorpionForm(const TGameSpec& spec, QWidget* owner);
};

extern TScorpionForm* ScorpionForm;
extern TsScorpionForm* sScorpionForm;
extern ThScorpionForm* hScorpionForm;

// The window of a card size (0 small, 1 large, 2 huge), made into its global pointer with
// its first game dealt; not shown.
TScorpionForm* CreateScorpionWindow(int cardSize, QWidget* owner = nullptr);
