#pragma once
// A window of the pyramid and golf games on the offscreen platform with a real settings
// file, a real settings store, a recording sound device and answered prompts; helpers
// to lay out positions and to press and drag with the mouse.

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "engine/Animate.h"
#include "engine/CardUndo.h"
#include "engine/PyramidPileView.h"
#include "engine/Sounds.h"
#include "games/GameShell.h"
#include "games/GamesTesting.h"
#include "games/KlondikeTesting.h"
#include "games/pyramid/PyramidFamily.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/Prompts.h"
#include "shell/GameSelectWindow.h"
#include "shell/Preferences.h"
#include "shell/StatisticsWindow.h"
#include "shell/WinWindow.h"
#include "support/TestSupport.h"

namespace GamesTest {

template <class Form>
class TFamilyTest : public ::testing::Test {
protected:
  using TCreate = std::function<Form*(int cardSize)>;

  void SetUp() override {
    FIni = Paths::SettingsFilePath();
    SetSoundDevice(&FDevice);
    FPreferences = std::make_unique<TPreferencesDlg>(FIni);
    PreferencesDlg->FAutoplaySpeed = 0;
    PreferencesDlg->FDoAnimation = false;
    PreferencesDlg->FSoundMask = 0x1FFF;
    SoundManager = &FSounds;
    Prompts::SetAnswerer([this](const Prompts::TPrompt& prompt) {
      FPrompts << prompt.Text;
      return FAnswer;
    });
    FStatistics = std::make_unique<TStatisticsDlg>(FIni);
    StatisticsDlg = FStatistics.get();
    FDialogWatch.setInterval(5);
    QObject::connect(&FDialogWatch, &QTimer::timeout, [this] { AnswerDialogs(); });
    FDialogWatch.start();
  }

  void AnswerDialogs() {
    if (WinForm && WinForm->isVisible()) {
      ++FWinDialogs;
      switch (FWinResult) {
        case TWinForm::mrNewGame: WinForm->Button2->click(); break;
        default: QTest::keyClick(WinForm, Qt::Key_Escape); break;
      }
      return;
    }
    if (GameSelectDlg && GameSelectDlg->isVisible()) {
      GameSelectDlg->SpinEdit->SetValue(FSelectNumber);
      GameSelectDlg->OKBtn->click();
    }
  }

  void TearDown() override {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
      if (QTestPrivate::qtestMouseButtons.testFlag(button) && FMouseOwner)
        QTest::mouseRelease(FMouseOwner, button, {}, QPoint(1, 1));
    QTestPrivate::qtestMouseButtons = Qt::NoButton;
    if (FForm) {
      FForm->FMoveCount = 0;
      FForm->close();
      delete FForm.data();
    }
    GameShell::WinAnimation()->Stop();
    FDialogWatch.stop();
    StatisticsDlg = nullptr;
    FStatistics.reset();
    Prompts::ClearAnswerer();
    SoundManager = nullptr;
    FPreferences.reset();
    SetSoundDevice(nullptr);
  }

  // Opens the window at a card size with deal `number` dealt.
  void Open(const TCreate& create, int number = 1, int cardSize = CS_LARGE) {
    TCard::SetCardSize(static_cast<_CardSize>(cardSize), false, false);
    FForm = create(cardSize);
    FForm->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(FForm.data()));
    DealNumber(number);
  }

  void DealNumber(int number) {
    FForm->FChosenNumber = number;
    FForm->FRandomDeal = false;
    FForm->NewGame1Click(FForm->NewGame1);
    FDevice.Played.clear();
  }

  TPyramidPileView* Pyramid() { return FForm->PyramidPileView; }
  TCardPileView* Stock() { return FForm->DeckPileView; }
  TCardPileView* Discard() { return FForm->DiscardPile; }
  QString Text(TCardPileView* view) { return PileText(view->FCards); }
  // The pyramid by position, "-" for an empty one.
  QString PyramidText() {
    QStringList parts;
    for (const TCard* card : Pyramid()->FCards->FList) parts << (card ? CardText(card) : QStringLiteral("-"));
    return parts.join(QLatin1Char(' '));
  }
  QString StockTopFirst() {
    QStringList parts;
    const auto& list = Stock()->FCards->FList;
    for (auto it = list.rbegin(); it != list.rend(); ++it) parts << CardText(*it);
    return parts.join(QLatin1Char(' '));
  }

  TCard* Find(QString token) {
    if (token.startsWith(QLatin1Char('#'))) token.remove(0, 1);
    for (TCard* card : FForm->FSavedDeck->FList) {
      QString text = CardText(card);
      if (text.startsWith(QLatin1Char('#'))) text.remove(0, 1);
      if (text == token) return card;
    }
    ADD_FAILURE() << "no card " << token.toStdString();
    return nullptr;
  }

  // Empties every pile, then lays out cards by text: piles bottom first; the pyramid by
  // position with "-" for an empty one. Cards not named are out of play.
  void Arrange(const std::map<TCardPileView*, QString>& layout) {
    for (TCardPileView* view : FForm->template findChildren<TCardPileView*>()) view->FCards->Empty(false);
    FForm->FUndo->Clear();
    for (const auto& [view, text] : layout) {
      int pos = 0;
      for (const QString& token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        TCard* card = token == QLatin1String("-") ? nullptr : Find(token);
        if (card) {
          card->FFaceUp = !token.startsWith(QLatin1Char('#'));
          if (view == Pyramid()) card->SetPos(pos);
        }
        view->FCards->AddCard(card);
        ++pos;
      }
    }
    FForm->UpdateScore(false);
    FForm->UpdateStockStatus();
    for (TCardPileView* view : FForm->template findChildren<TCardPileView*>()) view->repaint();
  }
  // A pyramid of 28 positions with the given cards at the given positions.
  QString PyramidWith(const std::map<int, QString>& cards) {
    QStringList parts;
    for (int pos = 0; pos < 28; ++pos) parts << (cards.count(pos) ? cards.at(pos) : QStringLiteral("-"));
    return parts.join(QLatin1Char(' '));
  }
  // Puts `count` cards out of play onto the discard pile (the cards not yet used).
  void FillDiscard(int count) {
    std::vector<TCard*> inPlay;
    for (TCardPileView* view : FForm->template findChildren<TCardPileView*>())
      for (TCard* card : view->FCards->FList)
        if (card) inPlay.push_back(card);
    for (TCard* card : FForm->FSavedDeck->FList) {
      if (count == 0) break;
      if (std::find(inPlay.begin(), inPlay.end(), card) != inPlay.end()) continue;
      card->FFaceUp = true;
      Discard()->FCards->AddCard(card);
      --count;
    }
    FForm->UpdateScore(false);
  }

  // Inside the card at a pyramid position, from the last paint.
  QPoint PyramidPoint(int pos, QPoint inside = QPoint(20, 30)) {
    Pyramid()->repaint();
    TCard* card = Pyramid()->FCards->FList[static_cast<std::size_t>(pos)];
    return QPoint(int(card->FX), int(card->FY)) + inside;
  }
  QPoint TopPoint(TCardPileView* view, QPoint inside = QPoint(20, 30)) {
    view->repaint();
    TCard* card = view->FCards->CardAt(TopOfPile);
    return QPoint(int(card->FX), int(card->FY)) + inside;
  }

  static QPoint Map(QWidget* from, QPoint at, QWidget* to) {
    return to->mapFrom(to->window(), from->mapTo(from->window(), at));
  }
  void Drag(TCardPileView* source, QPoint from, QWidget* to, QPoint at) {
    FMouseOwner = source;
    QTest::mousePress(source, Qt::LeftButton, {}, from);
    QTest::mouseMove(source, from + QPoint(12, 12));
    QTest::mouseMove(source, Map(to, at, source));
    QTest::mouseRelease(source, Qt::LeftButton, {}, Map(to, at, source));
  }
  void Click(QWidget* where, QPoint at = QPoint(10, 10), Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = {}) {
    FMouseOwner = where;
    QTest::mouseClick(where, button, modifiers, at);
  }

  QString Key(const QString& section, const QString& key) {
    return TIniFile(FIni).ReadString(section, key, QStringLiteral("None"));
  }

  // Looks at the window: a PNG in the build folder's shots directory.
  void Shoot(const QString& name) {
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/pyramid-shots");
    QDir().mkpath(folder);
    FForm->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
  }

  PellamyTest::TScopedConfigDir FConfig;
  QString FIni;
  TRecordingDevice FDevice;
  std::unique_ptr<TPreferencesDlg> FPreferences;
  TSoundManager FSounds;
  QPointer<Form> FForm;
  QWidget* FMouseOwner = nullptr;
  QStringList FPrompts;
  int FAnswer = Prompts::IDOK;
  int FWinDialogs = 0;
  int FWinResult = 2;
  std::unique_ptr<TStatisticsDlg> FStatistics;
  QTimer FDialogWatch;
  int FSelectNumber = 1;
};

}  // namespace GamesTest
