#pragma once
// The game-window template: the one shape every game window repeats. A table of pile
// views built from the game's layout, a status bar hosting the tool bar and the autoplay
// check box, a pop-up menu, numbered deals with a saved deck for Restart, moves through
// the pile views with undo and redo, the win check with autoplay, the statistics
// recorder, the commands with their confirmations, keys, caption and minimum size.
//
// A game class states its values (TGameSpec and its layouts) and overrides the hooks and
// handlers where its rules differ. Handlers are virtual and carry the names the layouts
// bind, so a family base or a variant takes one over by defining it.
//
// Construction is two-phase: the constructor builds the window; Init() runs the virtual
// pile set-up, reads the options and deals the first game quietly.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "engine/CardPile.h"
#include "engine/CardPileView.h"
#include "games/FormBuilder.h"
#include "games/GameShell.h"
#include "games/Layout.h"
#include "shell/GameWindows.h"

class QAction;
class QCheckBox;
class QMenu;
class QToolBar;
class TCardUndo;
class TFormPlacement;
class TProfile;
class TWastePileView;
class TwkStatusBar;
class TzBackground;

// A game's own values.
struct TGameSpec {
  const char* Name;     // caption, prompts ("Klondike")
  const char* Section;  // settings section of options and statistics
  int Decks = 1;
  int CardsToWin = 52;
  int Threshold = 5;    // statistics from T moves; New Game and Restart prompt from T + 1
  bool Vegas = false;
  int HelpTopic = 0;
  int NumberPanel = 3;  // status panel of "Game #"
  int ScorePanel = 5;   // status panel of "Score: "
  bool RoutesLButtonDown = false;  // a press on the table after a win opens the win dialog
  bool LaunchUp = false;           // the win animation's launch direction
};

class TGameForm : public QWidget, public TGameWindowHost {
  Q_OBJECT
public:
  TGameForm(const TGameSpec& spec, const TFormLayout& layout, QWidget* owner = nullptr);
  ~TGameForm() override;

  // Second phase of construction; call once, right after the constructor.
  void Init();

  const TGameSpec& Spec() const { return FSpec; }
  const TFormLayout& FormLayout() const { return FLayout; }
  // The pile view of a component name, null when the layout has none.
  TCardPileView* View(const QString& name) const;
  // Text of a status panel ("" for a panel the window lacks).
  QString PanelText(int index) const;

  // ---- components
  TCardPileView* DeckPileView = nullptr;     // stock, when the game has one
  TWastePileView* DiscardPileView = nullptr; // waste, when the game has one
  TwkStatusBar* GameStatusBar = nullptr;
  QToolBar* SpeedBar = nullptr;
  QCheckBox* AutoPlayCheckBox = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QAction *Undo1 = nullptr, *Redo1 = nullptr, *Autoplay1 = nullptr, *NewGame1 = nullptr,
          *SelectGame1 = nullptr, *Restart1 = nullptr, *Preferences1 = nullptr,
          *About1 = nullptr, *Statistics1 = nullptr, *ShowStatusBar1 = nullptr;
  QAction *UndoSpeedButton = nullptr, *RedoSpeedButton = nullptr, *NewGameSpeedButton = nullptr,
          *SelectGameSpeedButton = nullptr, *RestartSpeedButton = nullptr,
          *PreferencesSpeedButton = nullptr, *RulesSpeedButton = nullptr, *StatsSpeedButton = nullptr;
  std::unique_ptr<TProfile> Profile1;
  TFormPlacement* FormPlacement1 = nullptr;
  TzBackground* zBackground1 = nullptr;

  // ---- state
  int FMoveCount = 0;
  std::vector<TCardPileView*> FFoundations;
  std::vector<TCardPileView*> FTableau;
  bool FGameOver = false;
  bool FAutoplay = false;
  bool FShowStatusBar = true;
  int FScore = 0;
  int FVegasBalance = -52;
  int FGameNumber = 0;
  int FChosenNumber = 0;
  bool FRandomDeal = true;
  std::unique_ptr<TCardPile> FSavedDeck;
  std::unique_ptr<TCardUndo> FUndo;

  // ---- template routines
  virtual void Deal(bool quiet, bool newShuffle);
  virtual int UpdateScore(bool reset);
  virtual void UpdateStockStatus() {}
  virtual bool CanDropOnTableau(TCardPileView* target, TCardPileView* source);
  virtual bool CanDropOnFoundation(TCardPileView* target, TCardPileView* source);
  virtual void TurnUpTopCard(TCardPileView* view);
  virtual void CheckForWin();
  virtual void Autoplay();
  virtual void UpdateStatistics();
  virtual void ShowWinDialog();
  void ApplyPreferences() override;
  virtual void ApplyBackground();
  // The minimum outer window size (frames included); empty when maximized.
  virtual QSize WMGetMinMaxInfo() const;
  // Records the deal in the game's section and its mode section, then returns to the
  // game's section.
  void RecordStatistics();

  // ---- published handlers (bound by name)
  virtual void TableauPileView1MouseDown(QObject* Sender, Qt::MouseButton Button,
                                         Qt::KeyboardModifiers Shift, int X, int Y);
  virtual void DiscardPileViewMouseDown(QObject* Sender, Qt::MouseButton Button,
                                        Qt::KeyboardModifiers Shift, int X, int Y);
  virtual void FormMouseDown(QObject* Sender, Qt::MouseButton Button,
                             Qt::KeyboardModifiers Shift, int X, int Y);
  virtual void TableauPileView1StartDrag(QObject* Sender, TDragObjectHack* DragObject);
  virtual void TableauPileView1DragOver(QObject* Sender, TDragObjectHack* Source, int X, int Y,
                                        TDragState State, bool& Accept);
  virtual void FoundationPile1DragOver(QObject* Sender, TDragObjectHack* Source, int X, int Y,
                                       TDragState State, bool& Accept);
  virtual void FormDragOver(QObject* Sender, TDragObjectHack* Source, int X, int Y,
                            TDragState State, bool& Accept);
  virtual void TableauPileView1EndDrag(QObject* Sender, QObject* Target, int X, int Y);
  virtual void DiscardPileViewDblClick(QObject* Sender);
  virtual void DeckPileViewClick(QObject* Sender);
  virtual void FormKeyDown(int Key, Qt::KeyboardModifiers Shift);
  virtual void FormKeyPress(QChar Key);
  virtual void Undo1Click(QObject* Sender);
  virtual void Redo1Click(QObject* Sender);
  virtual void NewGame1Click(QObject* Sender);
  virtual void NewGameSpeedButtonClick(QObject* Sender);
  virtual void RestartSpeedButtonClick(QObject* Sender);
  virtual void SelectGame1Click(QObject* Sender);
  virtual void Statistics1Click(QObject* Sender);
  virtual void Preferences1Click(QObject* Sender);
  virtual void Autoplay1Click(QObject* Sender);
  virtual void AutoPlayCheckBoxClick(QObject* Sender);
  virtual void ShowStatusBar1Click(QObject* Sender);
  virtual void About1Click(QObject* Sender);
  virtual void FormCloseQuery(QObject* Sender, bool& CanClose);
  virtual void FormClose(QObject* Sender);
  virtual void FormResize(QObject* Sender);
  virtual void WMLButtonDown();
  // SC_MINIMIZE: the whole program goes down, not only this window.
  virtual void WMSysCommand(int command);

  static constexpr int SC_MINIMIZE = 0xF020;
  static constexpr int SC_MAXIMIZE = 0xF030;

  // Texts of the confirmations.
  QString RestartPrompt() const;
  QString ResignPrompt() const;

  // Game over and waiting for the click that opens the win dialog.
  bool WinPending() const { return FGameOver; }

protected:
  // ---- hooks a game states
  // Fills FTableau, FFoundations, DeckPileView and DiscardPileView (default: the views
  // named TableauPileView1.., FoundationPile1.., DeckPileView, DiscardPileView).
  virtual void InitPiles();
  // Reads the game's own option keys (after "Autoplay" and "ShowStatusBar").
  virtual void ReadOptions() {}
  // Menu items of the game's own, put between Autoplay and New Game.
  virtual void AddGameMenuItems(QMenu* menu) { (void)menu; }
  // The handlers the layouts may name; a family adds its own names.
  virtual void BindHandlers(THandlerTable& table);
  // Status-panel texts of the game's own panels at construction.
  virtual void InitPanels() {}
  virtual void NewDeck(TCardPile* pile);
  virtual void ShuffleDeck(TCardPile* pile) { pile->Shuffle(); }
  // Step 2 of a new deal (Klondike enables its draw-mode items).
  virtual void NewDealStarted() {}
  // Deals the layout from the stock; animate repaints each landing card.
  virtual void DealLayout(bool animate) { (void)animate; }
  // Moves the stock's top card to view (face up or down), repainting when animating.
  void DealCardTo(TCardPileView* view, bool faceUp, bool animate);
  // After each pass of an animated deal: the stock repaints and the deal sound plays.
  void DealPassDone(bool animate);
  // The frame every drop rule shares: another real view (holding dragged cards when
  // needsCards), the game's rule, then the target recorded in the source (never cleared here).
  bool DropIf(TCardPileView* target, TCardPileView* source, const std::function<bool()>& rule,
              bool needsCards = false);
  // May the card at index of view be taken (with those above it)?
  virtual bool CanLift(TCardPileView* view, int index);
  // The foundation a single card would go to by the double-click action, or null.
  virtual TCardPileView* FoundationFor(TCard* card);
  // Undo and redo of the game's own steps (stock steps); true when handled.
  virtual bool UndoGameStep() { return false; }
  virtual bool RedoGameStep() { return false; }
  // The moves counted for the action whose step was just peeked, taken back by its undo
  // and given again by its redo: one, none for a step a move brings along by itself
  // (Canfield's refill from the reserve), four for a row Aces Up deals.
  virtual int PeekedStepMoves() const { return 1; }
  // The statistics section of the current mode ("" when the game has none).
  virtual QString ModeSection() const { return QString(); }
  // Every pile the deal uses, emptied before a deal and at close.
  virtual std::vector<TCardPileView*> AllPiles() const;
  // The piles whose cards fly in the win animation.
  virtual std::vector<TCardPileView*> WinAnimationPiles() const { return FFoundations; }
  // Autoplay's sources: the tableau in order, then the waste.
  virtual std::vector<TCardPileView*> AutoplaySources() const;
  // The card a smart drag tries first on the foundations (a single Ace).
  virtual void ChooseSmartTarget(TCardPileView* source);
  // The middle button pressed on a pile view, or on the table (null): the stock's action.
  virtual void MiddleButtonPress(TCardPileView* view);
  // Where the double-click action sends the top card of view: its foundation, or null to
  // leave it. The autoplay step sounds only for cards that go to their foundation.
  virtual TCardPileView* SendHomeTarget(TCardPileView* view, TCard* card);
  // After a card is sent home, does view turn its new top card up? (all but the waste)
  virtual bool TurnsUpAfterSendHome(TCardPileView* view) const;
  // Is the undo step just peeked a turned-up card (grouped with the move before it)?
  virtual bool IsTurnUpStep() const;
  // A pop-up menu item (also a window shortcut), put before `before` or at the end; a
  // null handler leaves the binding to the caller.
  QAction* AddMenuItem(const QString& name, const QString& caption, const QKeySequence& shortcut,
                       void (TGameForm::*handler)(QObject*), QAction* before = nullptr);
  // Answers a drag over the view `sender`: check(target, source) may record the source's
  // drop target, and the drop is accepted when one is recorded.
  void AnswerDragOver(QObject* sender, TDragObjectHack* drag, bool& accept,
                      const std::function<void(TCardPileView* target, TCardPileView* source)>& check);
  // The pile a deal comes from: the stock's, or a hidden one in games without a stock.
  TCardPile* StockPile();
  // The stock drawn as a thin block (while dealing) or fanned a little.
  virtual void SetStockBlock(bool block);
  // The tableau's fan step from the options, for the current card size.
  int TableauSpacing() const;
  // Gives the tableau the downward fan step of the options (at Init and on new options).
  virtual void ApplySpacing();
  bool VegasShown() const;
  void WriteState(const char* key, bool state);
  void SetPanelText(int index, const QString& text);
  void RepaintViews();
  // The card size of this window's layout.
  int CardSize() const { return FLayout.CardSize; }
  // Statistics date-time of "now"; tests see the real clock.
  virtual double Now() const;
  // Switches the statistics profile's section.
  void UseSection(const QString& section);

  // Qt events routed to the handlers.
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

  // Places the piles for the window's size and status bar: anchors, closed-up columns in
  // a narrow window, the game's FormResize rule, and no view under the status bar.
  void LayoutPiles();

  const TGameSpec FSpec;
  const TFormLayout& FLayout;
  QList<TBuiltComponent> FComponents;
  bool FInitDone = false;
  TCardPile FDealPile;

private:
  void BuildMenu();
  void BuildStatusBar();
  void ApplyMinimumSize();
  void LayoutStatusBar();
  QAction* AddToolButton(const QString& name, int image, const QString& hint,
                         void (TGameForm::*handler)(QObject*));
  int NextRandomDealNumber();
  GameShell::TToolBarPictures FPictures;
  bool FClosing = false;
};
