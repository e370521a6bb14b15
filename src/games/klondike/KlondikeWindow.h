#pragma once
// Klondike: the reference game of the template. Its own parts are the layout, the stock
// with draw one or three and endless redeals, the stock's undo steps, the draw-mode
// options (all three shared with the other draw-stock games) and Vegas scoring. TsKlondikeForm and ThKlondikeForm are the small- and
// huge-card windows.

#include "games/DrawStockForm.h"

class TKlondikeForm : public TDrawStockForm {
  Q_OBJECT
public:
  explicit TKlondikeForm(QWidget* owner = nullptr);
  ~TKlondikeForm() override;

  static const TGameSpec Spec;

  void DeckPileViewClick(QObject* Sender) override;
  void UpdateStockStatus() override;

protected:
  TKlondikeForm(const TFormLayout& layout, QWidget* owner);
  void DealLayout(bool animate) override;
};

class TsKlondikeForm : public TKlondikeForm {
  Q_OBJECT
public:
  explicit TsKlondikeForm(QWidget* owner = nullptr);
  ~TsKlondikeForm() override;
};

class ThKlondikeForm : public TKlondikeForm {
  Q_OBJECT
public:
  explicit ThKlondikeForm(QWidget* owner = nullptr);
  ~ThKlondikeForm() override;
};

extern TKlondikeForm* KlondikeForm;
extern TsKlondikeForm* sKlondikeForm;
extern ThKlondikeForm* hKlondikeForm;

// The window of a card size (0 small, 1 large, 2 huge), made into its global pointer
// with its first game dealt; not shown.
TKlondikeForm* CreateKlondikeWindow(int cardSize, QWidget* owner = nullptr);
