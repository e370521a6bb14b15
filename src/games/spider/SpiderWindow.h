#pragma once
// Spider: two decks on ten tableau piles, a stock dealt ten cards at a time and eight
// foundations that each take one whole suit from King down to Ace. The variations
// (suits, cards dealt, same-suit moves) are read at each new deal; statistics go to
// "Spider" and to the section of the difficulty. TsSpiderForm and ThSpiderForm are the
// small- and huge-card windows.

#include <QImage>

#include "games/GameForm.h"

class TSpiderForm : public TGameForm {
  Q_OBJECT
public:
  explicit TSpiderForm(QWidget* owner = nullptr);
  ~TSpiderForm() override;

  static const TGameSpec Spec;
  // Rows of the last new deal (5 or 6), shared by every Spider window and reused by
  // Restart.
  static int FRowCount;

  QAction* OptionsMenuItem = nullptr;
  bool FSameSuit = false;
  int FDifficulty = 2;
  int FDealCount = 0;

  // ---- template routines
  int UpdateScore(bool reset) override;
  void UpdateStockStatus() override;
  bool CanDropOnTableau(TCardPileView* target, TCardPileView* source) override;
  bool CanDropOnFoundation(TCardPileView* target, TCardPileView* source) override;
  void Autoplay() override;

  // ---- published handlers
  virtual void TableauPile1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                     int X, int Y);
  virtual void TableauPile1EndDrag(QObject* Sender, QObject* Target, int X, int Y);
  void DeckPileViewClick(QObject* Sender) override;
  void Undo1Click(QObject* Sender) override;
  void Redo1Click(QObject* Sender) override;
  void FormClose(QObject* Sender) override;
  virtual void OptionsMenuItemClick(QObject* Sender);
  virtual void GameStatusBarPanels1Click(QObject* Sender);

protected:
  TSpiderForm(const TFormLayout& layout, QWidget* owner);
  void InitPiles() override;
  void BindHandlers(THandlerTable& table) override;
  void AddGameMenuItems(QMenu* menu) override;
  void InitPanels() override;
  void NewDealStarted() override;
  void NewDeck(TCardPile* pile) override;
  void DealLayout(bool animate) override;
  TCardPileView* FoundationFor(TCard* card) override;
  void ChooseSmartTarget(TCardPileView* source) override;
  QString ModeSection() const override;

private:
  bool IsStockStep() const;
};

class TsSpiderForm : public TSpiderForm {
  Q_OBJECT
public:
  explicit TsSpiderForm(QWidget* owner = nullptr);
  ~TsSpiderForm() override;
};

class ThSpiderForm : public TSpiderForm {
  Q_OBJECT
public:
  explicit ThSpiderForm(QWidget* owner = nullptr);
  ~ThSpiderForm() override;
};

extern TSpiderForm* SpiderForm;
extern TsSpiderForm* sSpiderForm;
extern ThSpiderForm* hSpiderForm;

// The window of a card size (0 small, 1 large, 2 huge), made into its global pointer with
// its first game dealt; not shown.
TSpiderForm* CreateSpiderWindow(int cardSize, QWidget* owner = nullptr);
