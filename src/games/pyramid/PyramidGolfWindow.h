#pragma once
// Pyramid Golf: the 28-card pyramid played by the rules of Golf. An uncovered pyramid card
// one rank above or below the discard's top card, turning the corner between King and
// Ace, is played onto it by a click; the stock is turned onto the discard one card at a
// time, once. TsPyramidGolfForm and ThPyramidGolfForm are the small- and huge-card windows.

#include "games/pyramid/PyramidFamily.h"

class TPyramidGolfForm : public TPyramidFamilyForm {
  Q_OBJECT
public:
  explicit TPyramidGolfForm(QWidget* owner = nullptr);
  ~TPyramidGolfForm() override;

  static const TGameSpec Spec;
  static constexpr int StockPanel = 2;

  virtual void PyramidPileViewMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                        int X, int Y);
  void DeckPileViewClick(QObject* Sender) override;
  void UpdateStockStatus() override;
  void Deal(bool quiet, bool newShuffle) override;

protected:
  TPyramidGolfForm(const TFormLayout& layout, QWidget* owner);
  void BindHandlers(THandlerTable& table) override;
  void DealLayout(bool animate) override;
};

class TsPyramidGolfForm : public TPyramidGolfForm {
  Q_OBJECT
public:
  explicit TsPyramidGolfForm(QWidget* owner = nullptr);
  ~TsPyramidGolfForm() override;
};

class ThPyramidGolfForm : public TPyramidGolfForm {
  Q_OBJECT
public:
  explicit ThPyramidGolfForm(QWidget* owner = nullptr);
  ~ThPyramidGolfForm() override;
};

extern TPyramidGolfForm* PyramidGolfForm;
extern TsPyramidGolfForm* sPyramidGolfForm;
extern ThPyramidGolfForm* hPyramidGolfForm;

// The window of a card size (0 small, 1 large, 2 huge), made into its global pointer
// with its first game dealt; not shown.
TPyramidGolfForm* CreatePyramidGolfWindow(int cardSize, QWidget* owner = nullptr);
