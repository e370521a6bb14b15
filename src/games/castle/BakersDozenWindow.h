#pragma once
// Baker's Dozen on the Castle family base: thirteen piles dealt with the Kings at the
// bottom, no card ever onto an empty pile, and two rows that stretch with the window.
// TsBakersDozenForm and ThBakersDozenForm are the small- and huge-card windows.

#include "games/castle/BakersDozenLayouts.h"
#include "games/castle/CastleWindow.h"

class TBakersDozenForm : public TCastleForm {
  Q_OBJECT
public:
  explicit TBakersDozenForm(QWidget* owner = nullptr);
  ~TBakersDozenForm() override;

  static const TGameSpec Spec;

  // Stretches the two rows to the window's height.
  void FormResize(QObject* Sender) override;

protected:
  TBakersDozenForm(const TFormLayout& layout, const BakersDozenLayouts::TRowRule& rows, QWidget* owner);
  // The piles fan downwards with the options' spacing.
  void ApplySpacing() override { TGameForm::ApplySpacing(); }
  void DealLayout(bool animate) override;
  bool EmptyPileTakesAny() const override { return false; }

  const BakersDozenLayouts::TRowRule& FRows;
};

class TsBakersDozenForm : public TBakersDozenForm {
  Q_OBJECT
public:
  explicit TsBakersDozenForm(QWidget* owner = nullptr);
  ~TsBakersDozenForm() override;
};

class ThBakersDozenForm : public TBakersDozenForm {
  Q_OBJECT
public:
  explicit ThBakersDozenForm(QWidget* owner = nullptr);
  ~ThBakersDozenForm() override;
};

extern TBakersDozenForm* BakersDozenForm;
extern TsBakersDozenForm* sBakersDozenForm;
extern ThBakersDozenForm* hBakersDozenForm;

TBakersDozenForm* CreateBakersDozenWindow(int cardSize, QWidget* owner = nullptr);
