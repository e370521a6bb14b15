#pragma once
// Forty Thieves: two decks, ten tableau piles of four face-up cards built down in suit,
// eight foundations, and a stock turned one card at a time onto the waste, once
// through. Only top cards move; any card fills an empty pile. The peek dialog
// (FTPeekWindow.h) shows the stock's next card. TsFortyThievesForm and
// ThFortyThievesForm are the small- and huge-card windows.

#include <QImage>

#include "games/fortythieves/ThievesForm.h"

class TFTPeekDlg;

class TFortyThievesForm : public TThievesForm {
  Q_OBJECT
public:
  explicit TFortyThievesForm(QWidget* owner = nullptr);
  ~TFortyThievesForm() override;

  static const TGameSpec Spec;

  QAction* Peek1 = nullptr;

  bool CanDropOnTableau(TCardPileView* target, TCardPileView* source) override;
  // The stock panel and hint, the Peek item, and a visible peek dialog: it shows the
  // stock's top card, or goes away once the stock is empty.
  void UpdateStockStatus() override;
  void FormClose(QObject* Sender) override;
  virtual void PopupMenu1Popup();
  virtual void Peek1Click(QObject* Sender);

protected:
  TFortyThievesForm(const TFormLayout& layout, const ThievesLayouts::TThievesMetrics& metrics,
                    QWidget* owner);
  void AddGameMenuItems(QMenu* menu) override;
  void DealLayout(bool animate) override;
  // Gives the peek dialog the stock's top card and shows it; create makes the dialog
  // when there is none yet.
  void ShowPeekDialog(TFTPeekDlg* (*create)());

private:
  // The peek dialog lets go of this window's cards.
  void ReleasePeekDialog();
};

class TsFortyThievesForm : public TFortyThievesForm {
  Q_OBJECT
public:
  explicit TsFortyThievesForm(QWidget* owner = nullptr);
  ~TsFortyThievesForm() override;
};

class ThFortyThievesForm : public TFortyThievesForm {
  Q_OBJECT
public:
  explicit ThFortyThievesForm(QWidget* owner = nullptr);
  ~ThFortyThievesForm() override;

  // A dialog made here is the huge one.
  void Peek1Click(QObject* Sender) override;
};

extern TFortyThievesForm* FortyThievesForm;
extern TsFortyThievesForm* sFortyThievesForm;
extern ThFortyThievesForm* hFortyThievesForm;

// The window of a card size (0 small, 1 large, 2 huge), made into its global pointer
// with its first game dealt; not shown.
TFortyThievesForm* CreateFortyThievesWindow(int cardSize, QWidget* owner = nullptr);
