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

using TCreate = std::function<TGameForm*(int cardSize)>;

class TSpiderFamilyTest : public ::testing::Test {
protected:
  void SetUp() override {
    FIni = Paths::SettingsFilePath();
    SetSoundDevice(&FDevice);
    FPreferences = std::make_unique<TPreferencesDlg>(FIni);
    PreferencesDlg->FAutoplaySpeed = 0;  // no pause between autoplay steps
    PreferencesDlg->FDoAnimation = false;
    PreferencesDlg->FSmartDragging = false;
    PreferencesDlg->FSoundMask = 0x1FFF;  // every sound on, to hear them all
    SoundManager = &FSounds;
    Prompts::SetAnswerer([this](const Prompts::TPrompt& prompt) {
      FPrompts << prompt.Text;
      FPromptData << prompt;
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
        default: QTest::keyClick(WinForm, Qt::Key_Escape); break;
      }
      return;
    }
    if (SpiderOptionsForm && SpiderOptionsForm->isVisible()) {
      ++FOptionsDialogs;
      if (FOptionsAnswer) FOptionsAnswer(SpiderOptionsForm);
      else SpiderOptionsForm->CancelButton->click();
      return;
    }
    if (StatisticsDlg && StatisticsDlg->isVisible()) StatisticsDlg->OKBtn->click();
  }

  void TearDown() override {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
      if (QTestPrivate::qtestMouseButtons.testFlag(button) && FMouseOwner)
        QTest::mouseRelease(FMouseOwner, button, {}, QPoint(1, 1));
    QTestPrivate::qtestMouseButtons = Qt::NoButton;
    Close();
    GameShell::WinAnimation()->Stop();
    FDialogWatch.stop();
    StatisticsDlg = nullptr;
    FStatistics.reset();
    Prompts::ClearAnswerer();
    SoundManager = nullptr;
    FPreferences.reset();
    SetSoundDevice(nullptr);
  }

  void Close() {
    if (!FForm) return;
    FForm->FMoveCount = 0;  // closing asks nothing more
    FForm->close();
    delete FForm.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // Opens a game's window at a card size with deal `number` dealt.
  void Open(const TCreate& game, int number = 1, int cardSize = CS_LARGE, bool show = true) {
    TCard::SetCardSize(static_cast<_CardSize>(cardSize), false, false);
    FForm = game(cardSize);
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
  QString Text(TCardPileView* view) { return PileText(view->FCards); }
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

  // Empties every pile, then lays out cards of the deal by text ("#" face down); each
  // token takes a card not used yet, so two-deck games may name a card twice. The cards
  // not named go to the stock face down when rest is set, else they are out of play.
  void Arrange(const std::map<TCardPileView*, QString>& layout, bool rest = false) {
    for (TCardPileView* view : FForm->findChildren<TCardPileView*>()) view->FCards->Empty(false);
    FForm->FUndo->Clear();
    std::vector<TCard*> used;
    for (const auto& [view, text] : layout)
      for (const QString& token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        TCard* card = Find(token, used);
        if (!card) return;
        card->FFaceUp = !token.startsWith(QLatin1Char('#'));
        view->FCards->AddCard(card);
        used.push_back(card);
      }
    if (rest && Stock())
      for (TCard* card : FForm->FSavedDeck->FList)
        if (std::find(used.begin(), used.end(), card) == used.end()) {
          card->FFaceUp = false;
          Stock()->FCards->AddCard(card);
        }
    FForm->UpdateScore(false);
    FForm->UpdateStockStatus();
    for (TCardPileView* view : FForm->findChildren<TCardPileView*>()) view->repaint();
  }

  TCard* Find(QString token, const std::vector<TCard*>& used) {
    if (token.startsWith(QLatin1Char('#'))) token.remove(0, 1);
    for (TCard* card : FForm->FSavedDeck->FList) {
      QString text = CardText(card);
      if (text.startsWith(QLatin1Char('#'))) text.remove(0, 1);
      if (text == token && std::find(used.begin(), used.end(), card) == used.end()) return card;
    }
    ADD_FAILURE() << "no card " << token.toStdString();
    return nullptr;
  }

  // A run of one suit from the King down, count cards long.
  static QString KingDown(QChar suit, int count = 13) {
    QStringList parts;
    for (int i = 0; i < count; ++i) parts << QString(QLatin1String("KQJT98765432A")[i]) + suit;
    return parts.join(QLatin1Char(' '));
  }

  // A card's top-left in its view, from the last paint.
  QPoint CardPoint(TCardPileView* view, int index, QPoint inside = QPoint(20, 6)) {
    view->repaint();
    TCard* card = view->FCards->FList[static_cast<std::size_t>(index)];
    return QPoint(int(card->FX), int(card->FY)) + inside;
  }
  QPoint TopPoint(TCardPileView* view) { return CardPoint(view, view->FCards->Count() - 1, QPoint(20, 20)); }

  static QPoint Map(QWidget* from, QPoint at, QWidget* to) {
    return to->mapFrom(to->window(), from->mapTo(from->window(), at));
  }
  // A whole left-button drag: press on the source, move a little, move over `to`, release there.
  void Drag(TCardPileView* source, QPoint from, QWidget* to, QPoint at) {
    FMouseOwner = source;
    QTest::mousePress(source, Qt::LeftButton, {}, from);
    QTest::mouseMove(source, from + QPoint(12, 12));
    QTest::mouseMove(source, Map(to, at, source));
    QTest::mouseRelease(source, Qt::LeftButton, {}, Map(to, at, source));
  }
  // Drags the card at index of one pile (with those above it) onto another pile's top.
  void DragTo(TCardPileView* source, int index, TCardPileView* target) {
    const QPoint at = target->FCards->Count() > 0 ? TopPoint(target) : QPoint(30, 30);
    Drag(source, CardPoint(source, index), target, at);
  }
  void Click(QWidget* where, QPoint at = QPoint(10, 10), Qt::MouseButton button = Qt::LeftButton) {
    FMouseOwner = where;
    QTest::mouseClick(where, button, {}, at);
  }

  QString Key(const QString& section, const QString& key) {
    return TIniFile(FIni).ReadString(section, key, QStringLiteral("None"));
  }
  void SetKey(const QString& section, const QString& key, const QString& value) {
    TIniFile(FIni).WriteString(section, key, value);
  }

  PellamyTest::TScopedConfigDir FConfig;
  QString FIni;
  TRecordingDevice FDevice;
  std::unique_ptr<TPreferencesDlg> FPreferences;
  TSoundManager FSounds;
  QPointer<TGameForm> FForm;
  QWidget* FMouseOwner = nullptr;
  QStringList FPrompts;
  QList<Prompts::TPrompt> FPromptData;
  int FAnswer = Prompts::IDOK;
  int FWinDialogs = 0;
  int FWinResult = 2;
  int FOptionsDialogs = 0;
  std::function<void(TSpiderOptionsForm*)> FOptionsAnswer;
  std::unique_ptr<TStatisticsDlg> FStatistics;
  QTimer FDialogWatch;
};

}  // namespace SpiderFamilyTest
