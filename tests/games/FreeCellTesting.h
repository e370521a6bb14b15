#pragma once
// A FreeCell-family window on the offscreen platform with a real settings file, a real
// settings store, a recording sound device and answered prompts; helpers to lay out
// positions and to press and drag with the mouse.

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
#include "games/freecell/BakersWindow.h"
#include "games/freecell/EightOffWindow.h"
#include "games/freecell/FreeCellWindow.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/Prompts.h"
#include "platform/SoundPlayer.h"
#include "shell/Preferences.h"
#include "shell/StatisticsWindow.h"
#include "shell/WinWindow.h"
#include "support/TestSupport.h"

namespace FreeCellTest {

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

using TCreate = std::function<TFreeCellForm*(int cardSize)>;
inline const TCreate FreeCellGame = [](int size) -> TFreeCellForm* { return CreateFreeCellWindow(size); };
inline const TCreate BakersGame = [](int size) -> TFreeCellForm* { return CreateBakersWindow(size); };
inline const TCreate EightOffGame = [](int size) -> TFreeCellForm* { return CreateEightOffWindow(size); };

class TFreeCellTest : public ::testing::Test {
protected:
  void SetUp() override {
    FIni = Paths::SettingsFilePath();
    SetSoundDevice(&FDevice);
    FPreferences = std::make_unique<TPreferencesDlg>(FIni);
    PreferencesDlg->FAutoplaySpeed = 0;  // no pause between autoplay steps
    PreferencesDlg->FDoAnimation = false;
    PreferencesDlg->FSmartDragging = false;
    SoundManager = &FSounds;
    Prompts::SetAnswerer([this](const Prompts::TPrompt& prompt) {
      FPrompts << prompt.Text;
      return FAnswer;
    });
    PreferencesDlg->FSoundMask = 0x1FFF;  // every sound on, to hear them all
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

  void Close() {
    if (!FForm) return;
    FForm->FMoveCount = 0;  // closing asks nothing more
    FForm->close();
    delete FForm.data();
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
  TCardPileView* Cell(int i) { return FForm->FFreeCells[static_cast<std::size_t>(i - 1)]; }
  QString Text(TCardPileView* view) { return PileText(view->FCards); }
  QStringList Columns() {
    QStringList columns;
    for (TCardPileView* view : FForm->FTableau) columns << Text(view);
    return columns;
  }
  QStringList Cells() {
    QStringList cells;
    for (TCardPileView* view : FForm->FFreeCells) cells << Text(view);
    return cells;
  }

  // Empties every pile, then lays out cards of the deal by text; the cards not named are
  // out of play.
  void Arrange(const std::map<TCardPileView*, QString>& layout) {
    for (TCardPileView* view : FForm->findChildren<TCardPileView*>()) view->FCards->Empty(false);
    FForm->FUndo->Clear();
    for (const auto& [view, text] : layout)
      for (const QString& token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        TCard* card = Find(token);
        card->FFaceUp = true;
        view->FCards->AddCard(card);
      }
    FForm->UpdateScore(false);
    for (TCardPileView* view : FForm->findChildren<TCardPileView*>()) view->repaint();
  }

  TCard* Find(const QString& token) {
    for (TCard* card : FForm->FSavedDeck->FList) {
      QString text = CardText(card);
      if (text.startsWith(QLatin1Char('#'))) text.remove(0, 1);
      if (text == token) return card;
    }
    ADD_FAILURE() << "no card " << token.toStdString();
    return nullptr;
  }

  // Cards of one suit from the Ace up, count of them.
  static QString SuitRun(QChar suit, int count) {
    QStringList parts;
    for (int v = 0; v < count; ++v) parts << QString(QLatin1String("A23456789TJQK")[v]) + suit;
    return parts.join(QLatin1Char(' '));
  }
  // A descending run from value `from` (1 Ace .. 13 King), count cards long, of the given
  // suits in turn.
  static QString DownRun(int from, int count, const QString& suits) {
    QStringList parts;
    for (int i = 0; i < count; ++i)
      parts << QString(QLatin1String("A23456789TJQK")[from - 1 - i]) + suits[i % suits.size()];
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
  // Presses (and releases) without moving: arms a drag or runs a press action.
  void Press(TCardPileView* view, QPoint at, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = {}) {
    FMouseOwner = view;
    QTest::mousePress(view, button, modifiers, at);
  }
  void Release(TCardPileView* view, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(view, button, {}, at);
  }
  // Does a plain press on the card at index arm a drag? The button goes up again at once.
  bool Arms(TCardPileView* view, int index) {
    const QPoint at = index == view->FCards->Count() - 1 ? TopPoint(view) : CardPoint(view, index);
    Press(view, at);
    const bool armed = view->FDragArmed;
    Release(view, at);
    return armed;
  }
  void DoubleClick(TCardPileView* view, QPoint at) {
    FMouseOwner = view;
    QTest::mouseDClick(view, Qt::LeftButton, {}, at);
  }

  QString Key(const QString& section, const QString& key) {
    return TIniFile(FIni).ReadString(section, key, QStringLiteral("None"));
  }

  PellamyTest::TScopedConfigDir FConfig;
  QString FIni;
  TRecordingDevice FDevice;
  std::unique_ptr<TPreferencesDlg> FPreferences;
  TSoundManager FSounds;
  QPointer<TFreeCellForm> FForm;
  QWidget* FMouseOwner = nullptr;
  QStringList FPrompts;
  int FAnswer = Prompts::IDOK;
  int FWinDialogs = 0;
  int FWinResult = TWinForm::mrCancel;
  int FStatisticsDialogs = 0;
  std::unique_ptr<TStatisticsDlg> FStatistics;
  QTimer FDialogWatch;
};

}  // namespace FreeCellTest
