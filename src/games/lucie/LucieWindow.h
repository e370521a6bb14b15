#pragma once
// La Belle Lucie: the deck dealt face up in seventeen fans of three and one single card;
// fan tops move one at a time, onto the next higher card of their suit (by a click) or to
// the foundations. Two shuffles of the remaining cards and one draw of a buried card per
// deal. TsLucieForm and ThLucieForm are the small- and huge-card windows.

#include "games/GameForm.h"

class TLucieForm : public TGameForm {
  Q_OBJECT
public:
  explicit TLucieForm(QWidget* owner = nullptr);
  ~TLucieForm() override;

  static const TGameSpec Spec;

  QAction* Shuffle1 = nullptr;
  bool FDrawUsed = false;
  int FShufflesUsed = 0;
  TCard* FDrawnCard = nullptr;  // the card the draw moved, for redo

  int UpdateScore(bool reset) override;
  void CheckForWin() override;

  // ---- handlers of the layouts
  virtual void CardPileView1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                      int X, int Y);
  virtual void CardPileView1DblClick(QObject* Sender);
  virtual void CardPileView1StartDrag(QObject* Sender, TDragObjectHack* DragObject);
  virtual void CardPileView1DragOver(QObject* Sender, TDragObjectHack* Source, int X, int Y, TDragState State,
                                     bool& Accept);
  virtual void CardPileView1EndDrag(QObject* Sender, QObject* Target, int X, int Y);
  virtual void Shuffle1Click(QObject* Sender);

protected:
  TLucieForm(const TFormLayout& layout, QWidget* owner);
  void InitPiles() override;
  void BindHandlers(THandlerTable& table) override;
  void AddGameMenuItems(QMenu* menu) override;
  void InitPanels() override;
  void DealLayout(bool animate) override;
  bool UndoGameStep() override;
  bool RedoGameStep() override;
  // A step within one fan is the draw, never a card turned up with the step before it.
  bool IsTurnUpStep() const override { return false; }
  // The fans spread to the right only, whatever the options' downward spacing.
  void ApplySpacing() override {}

private:
  // Pulls the buried card to the top of its fan, the deal's one draw.
  void Draw(TCardPileView* fan, TCard* card);
  // Moves the fan's top card onto another fan; false when no fan takes it.
  bool PlayToFan(TCardPileView* fan);
  void SetShufflePanel();
  std::vector<TCardPile*> FanPiles() const;
};

class TsLucieForm : public TLucieForm {
  Q_OBJECT
public:
  explicit TsLucieForm(QWidget* owner = nullptr);
  ~TsLucieForm() override;
};

class ThLucieForm : public TLucieForm {
  Q_OBJECT
public:
  explicit ThLucieForm(QWidget* owner = nullptr);
  ~ThLucieForm() override;
};

extern TLucieForm* LucieForm;
extern TsLucieForm* sLucieForm;
extern ThLucieForm* hLucieForm;

TLucieForm* CreateLucieWindow(int cardSize, QWidget* owner = nullptr);
