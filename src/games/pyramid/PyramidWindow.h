#pragma once
// Pyramid: 28 cards face up in a pyramid of seven rows; uncovered cards are removed in
// pairs adding up to thirteen, Kings alone, with the card turned up from the stock and
// the waste's top card as partners. The stock may be gone through three times.
// TsPyramidForm and ThPyramidForm are the small- and huge-card windows.

#include <QImage>

#include "games/pyramid/PyramidFamily.h"
#include "games/pyramid/PyramidLayouts.h"

class QLabel;

class TPyramidForm : public TPairingForm {
  Q_OBJECT
public:
  explicit TPyramidForm(QWidget* owner = nullptr);
  ~TPyramidForm() override;

  static const TGameSpec Spec;
  static constexpr int StockPanel = 2;
  static constexpr int WastePanel = 3;

  TCardPileView* PlayPileView = nullptr;
  TCardPileView* WastePileView = nullptr;
  QLabel* Label1 = nullptr;  // the pass indicator
  int FPass = 1;             // 1..3

  void DeckPileViewClick(QObject* Sender) override;
  void UpdateStockStatus() override;
  void CheckForWin() override;
  void Deal(bool quiet, bool newShuffle) override;
  void ApplyPreferences() override;

protected:
  TPyramidForm(const TFormLayout& layout, PyramidLayouts::TLabelPlace label, QWidget* owner);
  void InitPiles() override;
  void DealLayout(bool animate) override;
  bool UndoGameStep() override;
  bool RedoGameStep() override;
  std::vector<TCardPileView*> SmartPairPiles() const override;

private:
  void SetPass(int pass);
  void SetLabelColour();
  // The play pile's card onto the waste, recorded.
  void PlayToWaste();
  // The stock's top card face up onto the play pile, recorded.
  void StockToPlay();
  void RedoTurnover();
  void RedoDraw();
  PyramidLayouts::TLabelPlace FLabelPlace;
};

class TsPyramidForm : public TPyramidForm {
  Q_OBJECT
public:
  explicit TsPyramidForm(QWidget* owner = nullptr);
  ~TsPyramidForm() override;
};

class ThPyramidForm : public TPyramidForm {
  Q_OBJECT
public:
  explicit ThPyramidForm(QWidget* owner = nullptr);
  ~ThPyramidForm() override;
};

extern TPyramidForm* PyramidForm;
extern TsPyramidForm* sPyramidForm;
extern ThPyramidForm* hPyramidForm;

// The window of a card size (0 small, 1 large, 2 huge), made into its global pointer
// with its first game dealt; not shown.
TPyramidForm* CreatePyramidWindow(int cardSize, QWidget* owner = nullptr);
