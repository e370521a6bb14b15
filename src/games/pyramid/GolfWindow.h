#pragma once
// Golf: seven face-up columns of five cards, a stock of 17 and one discard pile. A column's
// top card one rank above or below the discard's top card is played onto it by a click;
// stock cards are turned onto the discard when play is stuck. The option King Stops
// Sequence lets nothing follow a King. TsGolfForm and ThGolfForm are the small- and
// huge-card windows.

#include "games/pyramid/PyramidFamily.h"

class QCheckBox;

class TGolfForm : public TPyramidFamilyForm {
  Q_OBJECT
public:
  explicit TGolfForm(QWidget* owner = nullptr);
  ~TGolfForm() override;

  static const TGameSpec Spec;
  static constexpr int KingsPanel = 1;
  static constexpr int StockPanel = 3;

  QAction* KingStopsSequence1 = nullptr;
  QCheckBox* KingsCheckBox = nullptr;
  bool FKingStopsSequence = true;

  void TableauPileView1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X,
                                 int Y) override;
  void DeckPileViewClick(QObject* Sender) override;
  void UpdateStockStatus() override;
  void Deal(bool quiet, bool newShuffle) override;
  virtual void KingStopsSequence1Click(QObject* Sender);
  virtual void KingsCheckBoxClick(QObject* Sender);

protected:
  TGolfForm(const TFormLayout& layout, QWidget* owner);
  void AddGameMenuItems(QMenu* menu) override;
  void ReadOptions() override;
  void InitPanels() override;
  void DealLayout(bool animate) override;

private:
  void SetKingStopsSequence(bool on);
  // The option is fixed once play has started.
  void EnableOption(bool enabled);
};

class TsGolfForm : public TGolfForm {
  Q_OBJECT
public:
  explicit TsGolfForm(QWidget* owner = nullptr);
  ~TsGolfForm() override;
};

class ThGolfForm : public TGolfForm {
  Q_OBJECT
public:
  explicit ThGolfForm(QWidget* owner = nullptr);
  ~ThGolfForm() override;
};

extern TGolfForm* GolfForm;
extern TsGolfForm* sGolfForm;
extern ThGolfForm* hGolfForm;

// The window of a card size (0 small, 1 large, 2 huge), made into its global pointer
// with its first game dealt; not shown.
TGolfForm* CreateGolfWindow(int cardSize, QWidget* owner = nullptr);
