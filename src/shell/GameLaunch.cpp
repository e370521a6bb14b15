// Game launch: the one road from the main window's game list into a game window.

#include <QGuiApplication>
#include <QScreen>

#include "art/ShellArt.h"
#include "engine/Card.h"
#include "platform/Metrics.h"
#include "platform/Prompts.h"
#include "widgets/WindowFrame.h"
#include "shell/GameTable.h"
#include "shell/GameWindows.h"
#include "shell/PellamyWindow.h"
#include "shell/Preferences.h"
#include "shell/Profile.h"
#include "shell/Requirements.h"

namespace {

// The warning kind for a card size and the minimum width that failed.
int SizeWarningKind(int cardSize, int minimum) {
  if (cardSize == CS_HUGE) return minimum >= 1600 ? 7 : minimum >= 1400 ? 6 : minimum >= 1280 ? 5 : 4;
  if (cardSize == CS_LARGE) return minimum >= 1024 ? 3 : 1;
  return 2;
}

// What a warning says after the desktop area it names, for the card size played.
QString WarningAdvice(int cardSize) {
  if (cardSize == CS_HUGE)
    return QStringLiteral("to play using the Huge card option.\n\n"
                          "Increase your desktop area or select a smaller card size in the Options panel.");
  if (cardSize == CS_LARGE)
    return QStringLiteral("to play using the Large card option.\n\n"
                          "Increase your desktop area or select the Small card size in the Options panel.");
  return QStringLiteral("to play.\n\nIncrease your desktop area to play.");
}

// The width or height a window needs, in the words of the width warnings: "wide" or "high".
QString NeededAreaText(int cardSize, int pixels, const char* dimension) {
  return QStringLiteral(" requires at least %1 pixel %2 desktop area ").arg(pixels).arg(QLatin1String(dimension)) +
         WarningAdvice(cardSize);
}

QString HugeWarning(int width) { return NeededAreaText(CS_HUGE, width, "wide"); }

QString SizeWarningText(int kind) {
  const QString area800 = QStringLiteral(" requires at least 800x600 desktop area ");
  switch (kind) {
    case 1: return area800 + WarningAdvice(CS_LARGE);
    case 2: return area800 + WarningAdvice(CS_SMALL);
    case 3:
      return QStringLiteral(" requires at least 1024x600 desktop area to play using the Large card option.\n\n"
                            "Increase your desktop area or select the Small card in the Options panel.");
    case 4: return HugeWarning(1024);
    case 5: return HugeWarning(1280);
    case 6: return HugeWarning(1400);
    case 7: return HugeWarning(1600);
    default: return QString();
  }
}

// The height of the title bar the window manager will give this very window: the top of
// its frame. The game window is not shown yet, so its native window is made now and the
// window manager asked for the frame to come (offscreen, the platform's own margins).
int GameWindowTitleBar(QWidget* window) {
  window->winId();
  return WindowFrame::Extents(window).top();
}

// Bits per pixel of the display, -1 when it has no palette (any true-colour display).
int DisplayDepth() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return -1;
  const int depth = screen->depth();
  return depth > 8 ? -1 : depth;
}

}  // namespace

void TPellamyForm::GameSelectListBoxClick() {
  if (!GameSelectListBox) return;
  GameSelectListBox->setToolTip(QString());
  const int depth = DisplayDepth();
  const int index = GameSelectListBox->currentRow();
  if (index < 0 || index >= GameCount) return;
  const int cardSize = PreferencesDlg ? PreferencesDlg->FCardSize : CS_LARGE;

  if (index != LastIndex || TCard::GetCardSize() != cardSize) {
    CloseAllGames();
  } else if (!FCloseAccepted) {
    return;
  }
  if (!FCloseAccepted) {
    GameSelectListBox->setCurrentRow(LastIndex);
    return;
  }

  const int width = Metrics::DesktopWidth();
  FScreenBelow800 = width < 800;
  FScreenBelow1024 = width < 1024;
  FScreenBelow1280 = width < 1280;
  FScreenBelow1400 = width < 1400;
  FScreenBelow1600 = width < 1600;

  CurrentGame = index;
  if (Profile1) {
    Profile1->SetSection(QStringLiteral("Preferences"));
    Profile1->SetEntry(QStringLiteral("LastGame"));
    Profile1->SetValue(index);
  }

  if (depth >= 0 && depth <= 8) {
    FLowColorDisplay = true;
    if (GameImage) GameImage->hide();
  } else {
    FLowColorDisplay = false;
    if (GameImage) {
      GameImage->show();
      GameImage->setPixmap(QPixmap::fromImage(LoadPngResource(QString::number(1000 + index))));
    }
  }

  const TGameInfo& game = GameInfo(index);
  FGameName = QLatin1String(game.GameName);

  if (cardSize >= CS_SMALL && cardSize <= CS_HUGE && !GameWindows::Window(index, cardSize)) {
    const int minimum = game.MinWidth[cardSize];
    if (minimum > 0 && width < minimum) {
      ShowSizeWarning(SizeWarningKind(cardSize, minimum));
    } else {
      SetGameCardSize(cardSize);
      if (QWidget* window = GameWindows::Create(index, cardSize)) {
        // A window whose minimum client area, or that and its title bar, does not fit the
        // free desktop cannot show its right-hand piles, its bottom row and status bar, or
        // its title bar. Side borders and the bottom edge may run past the desktop's edges.
        const QSize needs(window->minimumWidth(), window->minimumHeight() + GameWindowTitleBar(window));
        const QSize area = Metrics::WorkAreaSize(screen());
        if (needs.width() > area.width() || needs.height() > area.height()) {
          // Never shown, so it stores nothing as it goes. Deleted here rather than by a
          // flush of every pending deletion, which could free a window whose handler runs.
          window->close();
          delete window;
          ShowSizeWarningText(needs.width() > area.width() ? NeededAreaText(cardSize, needs.width(), "wide")
                                                           : NeededAreaText(cardSize, needs.height(), "high"));
        } else {
          window->show();
        }
      }
    }
  }
  LastIndex = index;
}

void TPellamyForm::SetGameCardSize(int size) {
  const bool threeD = PreferencesDlg && PreferencesDlg->F3DPips;
  const bool aged = PreferencesDlg && PreferencesDlg->FAged;
  TCard::SetCardSize(static_cast<_CardSize>(size), threeD, aged);
  if (PreferencesDlg) PreferencesDlg->ReloadCustomCardBack();
}

void TPellamyForm::ShowSizeWarning(int kind) { ShowSizeWarningText(SizeWarningText(kind)); }

void TPellamyForm::ShowSizeWarningText(const QString& needs) {
  // The screen-size warning names the game, then what it needs.
  const QString text = FGameName + needs;
  if (!SysRequirementsForm) {
    Prompts::MessageBox(this, text, QStringLiteral("Pellamy!"), Prompts::TButtons::Ok, Prompts::TIcon::Warning);
    return;
  }
  SysRequirementsForm->MessageLabel->setText(text);
  SysRequirementsForm->exec();
}
