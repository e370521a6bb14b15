#pragma once
// A Klondike window on the offscreen platform with a real settings file, a real settings
// store, a recording sound device and answered prompts; helpers to set up positions and
// to drag with the mouse.

#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <QTimer>
#include <map>
#include <memory>
#include <vector>

#include "art/Sounds.h"
#include "engine/Animate.h"
#include "engine/CardUndo.h"
#include "engine/Sounds.h"
#include "engine/WastePileView.h"
#include "games/GameShell.h"
#include "games/GamesTesting.h"
#include "games/klondike/KlondikeWindow.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/Prompts.h"
#include "platform/SoundPlayer.h"
#include "shell/GameSelectWindow.h"
#include "shell/Preferences.h"
#include "shell/StatisticsWindow.h"
#include "shell/WinWindow.h"
#include "support/TestSupport.h"

namespace GamesTest {

class TRecordingDevice : public TSoundDevice {
public:
  void Play(const QByteArray& wav, TSoundMode) override {
    QString name = QStringLiteral("unknown");
    for (const QString& n : SoundResourceNames())
      if (SoundResource(n) == wav) name = n;
    Played << name;
  }
  void PlayFile(const QString& fileName, TSoundMode) override { Played << QStringLiteral("file:") + fileName; }
  QStringList Played;
};

class TKlondikeTest : public ::testing::Test {
protected:
  void SetUp() override {
    FIni = Paths::SettingsFilePath();
    SetSoundDevice(&FDevice);
    FPreferences = std::make_unique<TPreferencesDlg>(FIni);
    PreferencesDlg->FAutoplaySpeed = 0;  // no pause between autoplay steps
    PreferencesDlg->FDoAnimation = false;
    PreferencesDlg->FSoundMask = 0x1FFF;  // every sound on, to hear them all
    SoundManager = &FSounds;
    Prompts::SetAnswerer([this](const Prompts::TPrompt& prompt) {
      FPrompts << prompt.Text;
      return FAnswer;
    });
    FStatistics = std::make_unique<TStatisticsDlg>(FIni);
    StatisticsDlg = FStatistics.get();
    // The user's answer to the modal dialogs, given as soon as one shows.
    FDialogWatch.setInterval(5);
    QObject::connect(&FDialogWatch, &QTimer::timeout, [this] { AnswerDialogs(); });
    FDialogWatch.start();
  }

  void AnswerDialogs() {
    if (WinForm && WinForm->isVisible()) {
      ++FWinDialogs;
      switch (FWinResult) {
        case TWinForm::mrNewGame: WinForm->Button2->click(); break;
        case TWinForm::mrStatistics: WinForm->Button3->click(); break;
        case TWinForm::mrSelectGame: WinForm->Button4->click(); break;
        case TWinForm::mrClose: WinForm->Button5->click(); break;
        default: QTest::keyClick(WinForm, Qt::Key_Escape); break;
      }
      return;
    }
    if (GameSelectDlg && GameSelectDlg->isVisible()) {
      GameSelectDlg->SpinEdit->SetValue(FSelectNumber);
      GameSelectDlg->OKBtn->click();
      return;
    }
    if (StatisticsDlg && StatisticsDlg->isVisible()) {
      ++FStatisticsDialogs;
      StatisticsDlg->OKBtn->click();
    }
  }

  void TearDown() override {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
      if (QTestPrivate::qtestMouseButtons.testFlag(button) && FMouseOwner)
        QTest::mouseRelease(FMouseOwner, button, {}, QPoint(1, 1));
    QTestPrivate::qtestMouseButtons = Qt::NoButton;
    if (FForm) {
      FForm->FMoveCount = 0;  // closing asks nothing more
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
  void Open(int number = 1, int cardSize = CS_LARGE, bool show = true) {
    TCard::SetCardSize(static_cast<_CardSize>(cardSize), false, false);
    FForm = CreateKlondikeWindow(cardSize);
    if (show) {
      FForm->show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(FForm.data()));
    }
    DealNumber(number);
  }

  void DealNumber(int number) {
    FForm->FChosenNumber = number;
    FForm->FRandomDeal = false;
    FForm->NewGame1Click(FForm->NewGame1);
    FDevice.Played.clear();
  }

  TCardPileView* Tableau(int i) { return FForm->FTableau[static_cast<std::size_t>(i - 1)]; }
  TCardPileView* Foundation(int i) { return FForm->FFoundations[static_cast<std::size_t>(i - 1)]; }
  TCardPileView* Stock() { return FForm->DeckPileView; }
  TWastePileView* Waste() { return FForm->DiscardPileView; }
  QString Text(TCardPileView* view) { return PileText(view->FCards); }
  // The stock from its top card down.
  QString StockTopFirst() {
    QStringList parts;
    const auto& list = Stock()->FCards->FList;
    for (auto it = list.rbegin(); it != list.rend(); ++it) parts << CardText(*it);
    return parts.join(QLatin1Char(' '));
  }

  // Empties every pile, then lays out cards of the deal by text; the cards not named go
  // to the stock face down unless `rest` is false (they are then out of play).
  void Arrange(const std::map<TCardPileView*, QString>& layout, bool rest = false) {
    for (TCardPileView* view : FForm->findChildren<TCardPileView*>()) view->FCards->Empty(false);
    FForm->FUndo->Clear();
    std::vector<TCard*> used;
    for (const auto& [view, text] : layout)
      for (const QString& token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        TCard* card = Find(token);
        card->FFaceUp = !token.startsWith(QLatin1Char('#'));
        view->FCards->AddCard(card);
        used.push_back(card);
      }
    if (rest)
      for (TCard* card : FForm->FSavedDeck->FList)
        if (std::find(used.begin(), used.end(), card) == used.end()) {
          card->FFaceUp = false;
          Stock()->FCards->AddCard(card);
        }
    FForm->UpdateScore(false);
    FForm->UpdateStockStatus();
    for (TCardPileView* view : FForm->findChildren<TCardPileView*>()) view->repaint();
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

  // Every foundation filled from the Ace up to the given value (0 empty .. 13 full), per suit
  // in the order clubs, diamonds, hearts, spades.
  QString SuitRun(QChar suit, int count) {
    QStringList parts;
    for (int v = 0; v < count; ++v) parts << QString(QLatin1String("A23456789TJQK")[v]) + suit;
    return parts.join(QLatin1Char(' '));
  }

  // A card's top-left in its view, from the last paint.
  QPoint CardPoint(TCardPileView* view, int index, QPoint inside = QPoint(20, 10)) {
    view->repaint();
    TCard* card = view->FCards->FList[static_cast<std::size_t>(index)];
    return QPoint(int(card->FX), int(card->FY)) + inside;
  }
  QPoint TopPoint(TCardPileView* view) { return CardPoint(view, view->FCards->Count() - 1); }

  static QPoint Map(QWidget* from, QPoint at, QWidget* to) {
    return to->mapFrom(to->window(), from->mapTo(from->window(), at));
  }
  // A whole left-button drag: press on the source, move a little, move over `to`, release there.
  void Drag(TCardPileView* source, QPoint from, QWidget* to, QPoint at,
            QWidget* via = nullptr, QPoint viaAt = QPoint()) {
    FMouseOwner = source;
    QTest::mousePress(source, Qt::LeftButton, {}, from);
    QTest::mouseMove(source, from + QPoint(12, 12));
    if (via) QTest::mouseMove(source, Map(via, viaAt, source));
    QTest::mouseMove(source, Map(to, at, source));
    QTest::mouseRelease(source, Qt::LeftButton, {}, Map(to, at, source));
  }
  void Click(QWidget* where, QPoint at = QPoint(10, 10), Qt::MouseButton button = Qt::LeftButton) {
    FMouseOwner = where;
    QTest::mouseClick(where, button, {}, at);
  }

  QString Key(const QString& section, const QString& key) {
    return TIniFile(FIni).ReadString(section, key, QStringLiteral("None"));
  }

  PellamyTest::TScopedConfigDir FConfig;
  QString FIni;
  TRecordingDevice FDevice;
  std::unique_ptr<TPreferencesDlg> FPreferences;
  TSoundManager FSounds;
  QPointer<TKlondikeForm> FForm;
  QWidget* FMouseOwner = nullptr;
  QStringList FPrompts;
  int FAnswer = Prompts::IDOK;
  int FWinDialogs = 0;
  int FWinResult = 2;
  std::unique_ptr<TStatisticsDlg> FStatistics;
  QTimer FDialogWatch;
  int FStatisticsDialogs = 0;
  int FSelectNumber = 1;
};

}  // namespace GamesTest
