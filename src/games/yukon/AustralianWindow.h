#pragma once
// Australian Patience: Yukon dealt four face-up cards a pile, building down in suit, with
// a stock turned one card at a time onto a waste and never redealt.
// TAustralianForm's small- and huge-card windows are TsAustralianForm and ThAustralianForm.

#include "games/yukon/YukonWindow.h"

class TAustralianForm : public TYukonForm {
  Q_OBJECT
public:
  explicit TAustralianForm(QWidget* owner = nullptr);
  ~TAustralianForm() override;

  static const TGameSpec Spec;
  static constexpr int StockPanel = 3;

  bool CanDropOnTableau(TCardPileView* target, TCardPileView* source) override;
  void DeckPileViewClick(QObject* Sender) override;
  void UpdateStockStatus() override;
  void FormKeyPress(QChar Key) override;

protected:
  TAustralianForm(const TFormLayout& layout, QWidget* owner);
  const std::vector<KlondikeRules::TDealStep>& DealSteps() const override;
  bool UndoGameStep() override;
  bool RedoGameStep() override;
};

class TsAustralianForm : public TAustralianForm {
  Q_OBJECT
public:
  explicit TsAustralianForm(QWidget* owner = nullptr);
  ~TsAustralianForm() override;
};

class ThAustralianForm : public TAustralianForm {
  Q_OBJECT
public:
  explicit ThAustralianForm(QWidget* owner = nullptr);
  ~ThAustralianForm() override;
};

extern TAustralianForm* AustralianForm;
extern TsAustralianForm* sAustralianForm;
extern ThAustralianForm* hAustralianForm;

// The window of a card size (0 small, 1 large, 2 huge), made into its global pointer
// with its first game dealt; not shown.
TAustralianForm* CreateAustralianWindow(int cardSize, QWidget* owner = nullptr);
