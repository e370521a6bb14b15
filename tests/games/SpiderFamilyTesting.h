#pragma once
// A Spider or Scorpion-family window on the offscreen platform with a real settings file,
// a real settings store, a recording sound device, answered prompts and dialogs; helpers
// to lay out positions and to drag with the mouse.

#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "art/Sounds.h"
#include "engine/Animate.h"
#include "engine/CardUndo.h"
#include "engine/Sounds.h"
#include "games/GameShell.h"
#include "games/GamesTesting.h"
#include "games/spider/SpiderOptionsWindow.h"
#include "games/spider/SpiderWindow.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/Prompts.h"
#include "platform/SoundPlayer.h"
#include "shell/Preferences.h"
#include "shell/StatisticsWindow.h"
#include "shell/WinWindow.h"
#include "support/TestSupport.h"

namespace SpiderFamilyTest {

using namespace GamesTest;

using TCreate = std::function<TGameForm*(int cardSize)>;

// The shared game-window fixture with the Spider options dialog answered, smart dragging
// off and the Spider family's own helpers.
class TSpiderFamilyTest : public TGameFormTest<TGameForm> {
protected:
  using Base = TGameFormTest<TGameForm>;

  void SetUp() override {
    Base::SetUp();
    PreferencesDlg->FSmartDragging = false;
    Prompts::SetAnswerer([this](const Prompts::TPrompt& prompt) {
      FPrompts << prompt.Text;
      FPromptData << prompt;
      return FAnswer;
    });
    FCardInside = QPoint(20, 6);
    FTopInside = QPoint(20, 20);
  }

  void AnswerDialogs() override {
    if (SpiderOptionsForm && SpiderOptionsForm->isVisible() && !(WinForm && WinForm->isVisible())) {
      ++FOptionsDialogs;
      if (FOptionsAnswer) FOptionsAnswer(SpiderOptionsForm);
      else SpiderOptionsForm->CancelButton->click();
      return;
    }
    Base::AnswerDialogs();
  }

  void Close() override {
    Base::Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  TCardPileView* Stock() { return FForm->DeckPileView; }
  QStringList Columns() {
    QStringList columns;
    for (TCardPileView* view : FForm->FTableau) columns << Text(view);
    return columns;
  }
  // The stock from its top card down.
  QString StockTopFirst(int count) {
    QStringList parts;
    const auto& list = Stock()->FCards->FList;
    for (auto it = list.rbegin(); it != list.rend() && parts.size() < count; ++it) parts << CardText(*it);
    return parts.join(QLatin1Char(' '));
  }

  // The shared layout, with the cards not named going to the stock when rest is set.
  void Arrange(const std::map<TCardPileView*, QString>& layout, bool rest = false) {
    Base::Arrange(layout, rest ? Stock() : nullptr);
  }

  // A run of one suit from the King down, count cards long.
  static QString KingDown(QChar suit, int count = 13) {
    QStringList parts;
    for (int i = 0; i < count; ++i) parts << QString(QLatin1String("KQJT98765432A")[i]) + suit;
    return parts.join(QLatin1Char(' '));
  }

  // Drags the card at index of one pile (with those above it) onto another pile's top.
  void DragTo(TCardPileView* source, int index, TCardPileView* target) {
    const QPoint at = target->FCards->Count() > 0 ? TopPoint(target) : QPoint(30, 30);
    Drag(source, CardPoint(source, index), target, at);
  }

  void SetKey(const QString& section, const QString& key, const QString& value) {
    TIniFile(FIni).WriteString(section, key, value);
  }

  QList<Prompts::TPrompt> FPromptData;
  int FOptionsDialogs = 0;
  std::function<void(TSpiderOptionsForm*)> FOptionsAnswer;
};

}  // namespace SpiderFamilyTest
