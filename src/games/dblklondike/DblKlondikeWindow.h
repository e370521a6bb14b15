#pragma once
// Double Klondike: Klondike with two decks, nine tableau piles and eight foundations.
// Drawing one allows a single redeal; drawing three, any number. No Vegas scoring.
// TsDblKlondikeForm and ThDblKlondikeForm are the small- and huge-card windows.

#include "games/DrawStockForm.h"

class TDblKlondikeForm : public TDrawStockForm {
  Q_OBJECT
public:
  explicit TDblKlondikeForm(QWidget* owner = nullptr);
  ~TDblKlondikeForm() override;

  static const TGameSpec Spec;

  int FRedealCount = 0;  // redeals made in this deal

  void DeckPileViewClick(QObject* Sender) override;
  void UpdateStockStatus() override;

protected:
  TDblKlondikeForm(const TFormLayout& layout, QWidget* owner);
  void DealLayout(bool animate) override;
  // The stock always keeps the steps of its layout, also while the deal runs.
  void SetStockBlock(bool block) override;

private:
  // Another redeal may follow: drawing three, or before the first redeal.
  bool MayRedeal() const { return FDrawThree || FRedealCount == 0; }
};

class TsDblKlondikeForm : public TDblKlondikeForm {
  Q_OBJECT
public:
  explicit TsDblKlondikeForm(QWidget* owner = nullptr);
  ~TsDblKlondikeForm() override;
};

class ThDblKlondikeForm : public TDblKlondikeForm {
  Q_OBJECT
public:
  explicit ThDblKlondikeForm(QWidget* owner = nullptr);
  ~ThDblKlondikeForm() override;
};

extern TDblKlondikeForm* DblKlondikeForm;
extern TsDblKlondikeForm* sDblKlondikeForm;
extern ThDblKlondikeForm* hDblKlondikeForm;

// The window of a card size (0 small, 1 large, 2 huge), made into its global pointer
// with its first game dealt; not shown.
TDblKlondikeForm* CreateDblKlondikeWindow(int cardSize, QWidget* owner = nullptr);
