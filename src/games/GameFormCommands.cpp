// The game-window template: commands and their confirmations, option toggles, help,
// keys, closing, options and background, window state.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QToolBar>

#include "engine/Animate.h"
#include "engine/Background.h"
#include "engine/CardUndo.h"
#include "games/CardRules.h"
#include "games/GameForm.h"
#include "games/GameShell.h"
#include "platform/Help.h"
#include "platform/Prompts.h"
#include "shell/Preferences.h"
#include "shell/Profile.h"
#include "widgets/wkStatusBar.h"

namespace {
bool SkipConfirms() { return PreferencesDlg && PreferencesDlg->FSkipConfirms; }
const QString PromptCaption = QStringLiteral("Pellamy!");
}  // namespace

QString TGameForm::RestartPrompt() const {
  return QStringLiteral("Restart this game of ") + QLatin1String(FSpec.Name) + QStringLiteral("?");
}

QString TGameForm::ResignPrompt() const {
  return QStringLiteral("Resign this game of ") + QLatin1String(FSpec.Name) +
         QStringLiteral("?\n\nNote:\nA resigned game counts as a loss.");
}

// ---- New Game, Restart, Select Game ------------------------------------------------------

void TGameForm::NewGame1Click(QObject* Sender) {
  const bool newDeal = Sender != Restart1;
  if (FMoveCount >= FSpec.Threshold + 1 && !FGameOver) {
    if (newDeal) {
      if (FRandomDeal) {
        bool canClose = true;
        FormCloseQuery(this, canClose);
        if (!canClose) return;
      }
      FVegasBalance = CardRules::VegasAfterAbandon(FVegasBalance, FScore);
    } else if (!SkipConfirms()) {
      if (Prompts::MessageBox(this, RestartPrompt(), PromptCaption, Prompts::TButtons::OkCancel,
                              Prompts::TIcon::Question) != Prompts::IDOK)
        return;
    }
  }
  FUndo->Clear();
  for (TCardPileView* view : AllPiles()) {
    view->FCards->Empty(false);
    view->repaint();
  }
  FDealPile.Empty(false);
  if (FGameOver) {
    GameShell::WinAnimation()->Stop();
    repaint();
    QApplication::processEvents();
  }
  Deal(false, newDeal);
}

void TGameForm::NewGameSpeedButtonClick(QObject*) { NewGame1Click(NewGame1); }

void TGameForm::RestartSpeedButtonClick(QObject*) { NewGame1Click(Restart1); }

void TGameForm::SelectGame1Click(QObject*) {
  int number = 0;
  if (GameShell::ShowGameSelectDialog(this, &number) != 1) return;
  FChosenNumber = number;
  FRandomDeal = false;
  if (!FGameOver) RecordStatistics();
  NewGame1Click(NewGame1);
}

void TGameForm::Statistics1Click(QObject*) { GameShell::ShowStatisticsDialog(this); }

void TGameForm::Preferences1Click(QObject*) {
  GameShell::ShowOptionsDialog(this);
  ApplyPreferences();
}

// ---- option toggles ----------------------------------------------------------------------

void TGameForm::WriteState(const char* key, bool state) {
  Profile1->SetEntry(QLatin1String(key));
  Profile1->SetState(state);
}

void TGameForm::Autoplay1Click(QObject*) {
  FAutoplay = !FAutoplay;
  Autoplay1->setChecked(FAutoplay);
  AutoPlayCheckBox->setChecked(FAutoplay);
  WriteState("Autoplay", FAutoplay);
}

void TGameForm::AutoPlayCheckBoxClick(QObject*) {
  FAutoplay = AutoPlayCheckBox->isChecked();
  Autoplay1->setChecked(FAutoplay);
  WriteState("Autoplay", FAutoplay);
  setFocus();
}

void TGameForm::ShowStatusBar1Click(QObject*) {
  FShowStatusBar = !FShowStatusBar;
  ShowStatusBar1->setChecked(FShowStatusBar);
  GameStatusBar->setVisible(FShowStatusBar);
  WriteState("ShowStatusBar", FShowStatusBar);
  UpdateScore(false);
  ApplyMinimumSize();
  LayoutPiles();
}

void TGameForm::About1Click(QObject*) { Help::HtmlHelp(GameShell::HelpFile(), FSpec.HelpTopic); }

// ---- keys and mouse ----------------------------------------------------------------------

void TGameForm::FormKeyDown(int Key, Qt::KeyboardModifiers Shift) {
  if (Key == Qt::Key_F1) {
    About1Click(About1);
    return;
  }
  if (!PreferencesDlg || PreferencesDlg->FCtrlKey) return;
  // Plain letters; with Ctrl the menu's shortcuts act.
  if (Shift & (Qt::ControlModifier | Qt::AltModifier)) return;
  switch (Key) {
    case Qt::Key_Z: if (Undo1->isEnabled()) Undo1Click(Undo1); break;
    case Qt::Key_R: if (Redo1->isEnabled()) Redo1Click(Redo1); break;
    case Qt::Key_N: NewGame1Click(NewGame1); break;
    case Qt::Key_Y: NewGame1Click(Restart1); break;
    case Qt::Key_G: SelectGame1Click(SelectGame1); break;
    case Qt::Key_S: Statistics1Click(Statistics1); break;
    case Qt::Key_A: Autoplay1Click(Autoplay1); break;
    case Qt::Key_O: Preferences1Click(Preferences1); break;
    default: break;
  }
}

void TGameForm::FormKeyPress(QChar Key) {
  if (Key == QLatin1Char(' ')) DeckPileViewClick(DeckPileView);
}

void TGameForm::keyPressEvent(QKeyEvent* event) {
  FormKeyDown(event->key(), event->modifiers());
  if (event->key() == Qt::Key_Space) FormKeyPress(QLatin1Char(' '));
  event->accept();
}

void TGameForm::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton && FSpec.RoutesLButtonDown && FGameOver) {
    WMLButtonDown();
    return;
  }
  FormMouseDown(this, event->button(), event->modifiers(), at.x(), at.y());
}

void TGameForm::contextMenuEvent(QContextMenuEvent* event) { PopupMenu1->popup(event->globalPos()); }

// ---- closing -------------------------------------------------------------------------------

void TGameForm::FormCloseQuery(QObject*, bool& CanClose) {
  if (FMoveCount >= FSpec.Threshold && !FGameOver) {
    if (SkipConfirms() ||
        Prompts::MessageBox(this, ResignPrompt(), PromptCaption, Prompts::TButtons::OkCancel,
                            Prompts::TIcon::Question) == Prompts::IDOK) {
      CanClose = true;
      GameShell::SetCloseAccepted(true);
      RecordStatistics();
    } else {
      FRandomDeal = true;
      GameShell::SetCloseAccepted(false);
      CanClose = false;
    }
    return;
  }
  CanClose = true;
  GameShell::SetCloseAccepted(true);
}

void TGameForm::FormClose(QObject*) {
  FClosing = true;
  GameShell::WinAnimation()->Stop();
  FUndo->Clear();
  for (TCardPileView* view : AllPiles()) {
    // A window closed in the middle of a drag (ended from outside) takes the lifted cards
    // home while they still exist.
    view->CancelDrag();
    view->FCards->Empty(false);
  }
  FDealPile.Empty(false);
  FSavedDeck->Empty(true);
}

void TGameForm::closeEvent(QCloseEvent* event) {
  bool canClose = true;
  FormCloseQuery(this, canClose);
  if (!canClose) {
    event->ignore();
    return;
  }
  FormClose(this);
  event->accept();
}

// ---- options and background ----------------------------------------------------------------

void TGameForm::ApplyPreferences() {
  ApplyBackground();
  UpdateScore(false);
  ApplySpacing();
  RepaintViews();
  update();
}

void TGameForm::ApplyBackground() {
  if (!PreferencesDlg) return;
  const int kind = PreferencesDlg->FBackgroundIndex;
  const QImage* picture = PreferencesDlg->GetBackgroundGraphic();
  const bool usable = !(kind == 2 && !picture);
  if (kind == 1 || (kind == 2 && usable)) {
    if (kind == 2) {
      zBackground1->SetBitMap(*picture);
      zBackground1->SetBackType(btBitmap);
    } else {
      zBackground1->SetBackType(btBlend);
      zBackground1->SetColor(PreferencesDlg->FGradientStartColor);
      zBackground1->SetEndColor(PreferencesDlg->FGradientEndColor);
      zBackground1->SetFillType(PreferencesDlg->FGradientIndex == 1 ? gHorz : gVert);
    }
    // The cache must hold the picture before the views copy from it.
    zBackground1->EraseBackground(nullptr);
    for (const TBuiltComponent& c : FComponents) {
      c.View->BackgroundMode = CS_BITMAP;
      c.View->FBackBitmap = &zBackground1->BackBuffer();
    }
  } else {
    for (const TBuiltComponent& c : FComponents) {
      c.View->BackgroundMode = CS_NORMAL;
      c.View->FBackBitmap = nullptr;
    }
    zBackground1->SetBackType(btNormal);
    const QColor colour = ToQColor(PreferencesDlg->FBackgroundColor);
    if (palette().color(QPalette::Window) != colour) {
      QPalette p = palette();
      p.setColor(QPalette::Window, colour);
      setPalette(p);
    }
  }
}

// ---- window state --------------------------------------------------------------------------

void TGameForm::WMSysCommand(int command) {
  if (command == SC_MINIMIZE) {
    // The whole program goes down with its game.
    GameShell::MinimizeApplication(this);
    return;
  }
  if (command == SC_MAXIMIZE) ApplyMinimumSize();
}

void TGameForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  if (isMinimized()) WMSysCommand(SC_MINIMIZE);
  else if (isMaximized()) WMSysCommand(SC_MAXIMIZE);
  else ApplyMinimumSize();
}

void TGameForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  ApplyMinimumSize();
}
