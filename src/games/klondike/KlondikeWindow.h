#pragma once
// Klondike: the reference game of the template. Its own parts are the layout, the stock
// with draw one or three and endless redeals, the stock's undo steps, the draw-mode
// options and Vegas scoring. TsKlondikeForm and ThKlondikeForm are the small- and
// huge-card windows.

#include <QImage>

#include "games/GameForm.h"

class TKlondikeForm : public TGameForm {
  Q_OBJECT
public:
  explicit TKlondikeForm(QWidget* owner = nullptr);
  ~TKlondikeForm() override;

  static const TGameSpec Spec;
  static constexpr int DrawPanel = 1;
  static constexpr int StockPanel = 4;

  QAction* DrawThree1 = nullptr;
  QAction* DrawOne1 = nullptr;
  bool FDrawThree = true;

  void DeckPileViewClick(QObject* Sender) override;
  void UpdateStockStatus() override;
  virtual void DrawThree1Click(QObject* Sender);
  virtual void DrawOne1Click(QObject* Sender);

protected:
  TKlondikeForm(const TFormLayout& layout, QWidget* owner);
  void ReadOptions() override;
  void AddGameMenuItems(QMenu* menu) override;
  void NewDealStarted() override;
  void DealLayout(bool animate) override;
  bool UndoGameStep() override;
  bool RedoGameStep() override;
  QString ModeSection() const override;

private:
  void SetDrawThree(bool drawThree);
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

// The main window's preview of Klondike: a real opening layout drawn by the game window
// at large cards, 155 x 105.
QImage KlondikePreviewPicture();
