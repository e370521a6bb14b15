#pragma once
// Helpers shared by the games' tests: cards written as text ("KS" King of spades face
// up, "#7H" seven of hearts face down) and piles built from such text; and the fixture
// of a game window under test (TGameFormTest).

#include <gtest/gtest.h>

#include <QAction>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "art/Sounds.h"
#include "engine/Animate.h"
#include "engine/CardPile.h"
#include "engine/CardUndo.h"
#include "engine/Sounds.h"
#include "games/GameForm.h"
#include "games/GameShell.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/Prompts.h"
#include "platform/SoundPlayer.h"
#include "shell/GameSelectWindow.h"
#include "shell/Preferences.h"
#include "shell/StatisticsWindow.h"
#include "shell/WinWindow.h"
#include "support/TestSupport.h"

#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace GamesTest {

inline QString CardText(const TCard* card) {
  static const char* values = "A23456789TJQK";
  static const char* suits = "CDHS";
  QString text;
  if (!card->FFaceUp) text += QLatin1Char('#');
  text += QLatin1Char(values[card->FValue]);
  text += QLatin1Char(suits[card->FSuit]);
  return text;
}

// Bottom to top, space separated.
inline QString PileText(const TCardPile* pile) {
  QStringList parts;
  for (const TCard* card : pile->FList) parts << CardText(card);
  return parts.join(QLatin1Char(' '));
}

// Owns cards made from text.
class TCardFactory {
public:
  TCard* Make(const QString& text) {
    QString t = text;
    const bool faceUp = !t.startsWith(QLatin1Char('#'));
    if (!faceUp) t.remove(0, 1);
    const int value = QStringLiteral("A23456789TJQK").indexOf(t.at(0));
    const int suit = QStringLiteral("CDHS").indexOf(t.at(1));
    FCards.push_back(std::make_unique<TCard>(static_cast<_CardSuit>(suit), static_cast<_CardValue>(value),
                                             faceUp ? 1 : 0));
    return FCards.back().get();
  }
  // Appends the cards of a space-separated text, bottom first.
  void Fill(TCardPile* pile, const QString& text) {
    for (const QString& part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) pile->AddCard(Make(part));
  }

private:
  std::vector<std::unique_ptr<TCard>> FCards;
};

// The sound device of the tests: the names of the sounds played, in order.
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

// A game window of class Form on the offscreen platform with a real settings file, a real
// settings store, a recording sound device, answered prompts and dialogs; helpers to open
// it on a numbered deal and to press and drag with the mouse. A family's fixture adds its
// own pile names and layouts.
template <class Form>
class TGameFormTest : public ::testing::Test {
protected:
  using TCreate = std::function<Form*(int cardSize)>;

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

  virtual void AnswerDialogs() {
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

  virtual void Close() {
    if (!FForm) return;
    FForm->FMoveCount = 0;  // closing asks nothing more
    FForm->close();
    delete FForm.data();
  }

  // Opens a window at a card size with deal `number` dealt.
  void Open(const TCreate& create, int number = 1, int cardSize = CS_LARGE, bool show = true) {
    TCard::SetCardSize(static_cast<_CardSize>(cardSize), false, false);
    FForm = create(cardSize);
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
  TCardPileView* ViewNamed(const QString& name) { return FForm->View(name); }
  QString Text(TCardPileView* view) { return PileText(view->FCards); }

  // Empties every pile, then lays out cards of the deal by text (a token "-" leaves a
  // view empty); the cards not named go to `rest` face down when given, else out of play.
  void Arrange(const std::map<TCardPileView*, QString>& layout, TCardPileView* rest = nullptr) {
    for (TCardPileView* view : FForm->template findChildren<TCardPileView*>()) view->FCards->Empty(false);
    FForm->FUndo->Clear();
    std::vector<TCard*> used;
    for (const auto& [view, text] : layout)
      for (const QString& token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (token == QLatin1String("-")) continue;
        TCard* card = Find(token, used);
        if (!card) return;
        card->FFaceUp = !token.startsWith(QLatin1Char('#'));
        view->FCards->AddCard(card);
        used.push_back(card);
      }
    if (rest)
      for (TCard* card : FForm->FSavedDeck->FList)
        if (std::find(used.begin(), used.end(), card) == used.end()) {
          card->FFaceUp = false;
          rest->FCards->AddCard(card);
        }
    FForm->UpdateScore(false);
    FForm->UpdateStockStatus();
    for (TCardPileView* view : FForm->template findChildren<TCardPileView*>()) view->repaint();
  }

  // A card of the saved deck not yet used (two-deck games hold each card twice).
  TCard* Find(QString token, const std::vector<TCard*>& used = {}) {
    if (token.startsWith(QLatin1Char('#'))) token.remove(0, 1);
    for (TCard* card : FForm->FSavedDeck->FList) {
      QString text = CardText(card);
      if (text.startsWith(QLatin1Char('#'))) text.remove(0, 1);
      if (text == token && std::find(used.begin(), used.end(), card) == used.end()) return card;
    }
    ADD_FAILURE() << "no card " << token.toStdString();
    return nullptr;
  }

  // A card's top-left in its view, from the last paint, plus a point inside it (by
  // default FCardInside, FTopInside for the top card).
  QPoint CardPoint(TCardPileView* view, int index, QPoint inside) {
    view->repaint();
    TCard* card = view->FCards->FList[static_cast<std::size_t>(index)];
    return QPoint(int(card->FX), int(card->FY)) + inside;
  }
  QPoint CardPoint(TCardPileView* view, int index) { return CardPoint(view, index, FCardInside); }
  QPoint TopPoint(TCardPileView* view) { return CardPoint(view, view->FCards->Count() - 1, FTopInside); }

  // Cards of one suit from the Ace up, count of them.
  static QString SuitRun(QChar suit, int count) {
    QStringList parts;
    for (int v = 0; v < count; ++v) parts << QString(QLatin1String("A23456789TJQK")[v]) + suit;
    return parts.join(QLatin1Char(' '));
  }

  static QPoint Map(QWidget* from, QPoint at, QWidget* to) {
    return to->mapFrom(to->window(), from->mapTo(from->window(), at));
  }
  // A whole left-button drag: press on the source, move a little, move over `to`, release there.
  void Drag(TCardPileView* source, QPoint from, QWidget* to, QPoint at, Qt::KeyboardModifiers keys = {}) {
    FMouseOwner = source;
    QTest::mousePress(source, Qt::LeftButton, keys, from);
    QTest::mouseMove(source, from + QPoint(12, 12));
    QTest::mouseMove(source, Map(to, at, source));
    QTest::mouseRelease(source, Qt::LeftButton, keys, Map(to, at, source));
  }
  void Click(QWidget* where, QPoint at = QPoint(10, 10), Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = {}) {
    FMouseOwner = where;
    QTest::mouseClick(where, button, modifiers, at);
  }

  // Presses (and releases) without moving: arms a drag or runs a press action.
  void Press(QWidget* where, QPoint at, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = {}) {
    FMouseOwner = where;
    QTest::mousePress(where, button, modifiers, at);
  }
  void Release(QWidget* where, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(where, button, {}, at);
  }
  void DoubleClick(QWidget* where, QPoint at) {
    FMouseOwner = where;
    QTest::mouseDClick(where, Qt::LeftButton, {}, at);
  }

  QString Key(const QString& section, const QString& key) {
    return TIniFile(FIni).ReadString(section, key, QStringLiteral("None"));
  }

  PellamyTest::TScopedConfigDir FConfig;
  QString FIni;
  TRecordingDevice FDevice;
  std::unique_ptr<TPreferencesDlg> FPreferences;
  TSoundManager FSounds;
  QPointer<Form> FForm;
  // Guarded: a test may delete the window (after a win, say) with a button still held.
  QPointer<QWidget> FMouseOwner;
  QStringList FPrompts;
  int FAnswer = Prompts::IDOK;
  int FWinDialogs = 0;
  int FWinResult = TWinForm::mrCancel;
  int FStatisticsDialogs = 0;
  int FSelectNumber = 1;
  QPoint FCardInside = QPoint(20, 10);
  QPoint FTopInside = QPoint(20, 10);
  std::unique_ptr<TStatisticsDlg> FStatistics;
  QTimer FDialogWatch;
};

}  // namespace GamesTest
