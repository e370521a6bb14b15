#pragma once
// Giza: Pyramid without a stock. The 28-card pyramid is dealt and the other 24 cards lie
// face up in eight piles of three below it; uncovered pyramid cards and pile tops are
// removed in pairs adding up to thirteen, Kings alone. TsGizaForm and ThGizaForm are the
// small- and huge-card windows.

#include "games/pyramid/PyramidFamily.h"

class TGizaForm : public TPairingForm {
  Q_OBJECT
public:
  explicit TGizaForm(QWidget* owner = nullptr);
  ~TGizaForm() override;

  static const TGameSpec Spec;

  // Giza has no stock: the space bar and the middle button do nothing.
  void DeckPileViewClick(QObject* Sender) override;

protected:
  TGizaForm(const TFormLayout& layout, QWidget* owner);
  void InitPiles() override;
  void DealLayout(bool animate) override;
  bool UndoGameStep() override;
  bool RedoGameStep() override;
  std::vector<TCardPileView*> SmartPairPiles() const override;
};

class TsGizaForm : public TGizaForm {
  Q_OBJECT
public:
  explicit TsGizaForm(QWidget* owner = nullptr);
  ~TsGizaForm() override;
};

class ThGizaForm : public TGizaForm {
  Q_OBJECT
public:
  explicit ThGizaForm(QWidget* owner = nullptr);
  ~ThGizaForm() override;
};

extern TGizaForm* GizaForm;
extern TsGizaForm* sGizaForm;
extern ThGizaForm* hGizaForm;

// The window of a card size (0 small, 1 large, 2 huge), made into its global pointer
// with its first game dealt; not shown.
TGizaForm* CreateGizaWindow(int cardSize, QWidget* owner = nullptr);
