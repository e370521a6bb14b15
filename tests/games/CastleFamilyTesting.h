#pragma once
// A window of the Castle family, Sea Towers, Flower Garden or La Belle Lucie on the
// offscreen platform with a real settings file, a real settings store, a recording sound
// device and answered prompts; helpers to lay out positions and to drag with the mouse.

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "art/Sounds.h"
#include "engine/Animate.h"
#include "engine/CardUndo.h"
#include "engine/Sounds.h"
#include "games/GameForm.h"
#include "games/GameShell.h"
#include "games/GamesTesting.h"
#include "platform/IniFile.h"
#include "platform/Metrics.h"
#include "platform/Paths.h"
#include "platform/Prompts.h"
#include "platform/SoundPlayer.h"
#include "shell/Preferences.h"
#include "shell/StatisticsWindow.h"
#include "shell/WinWindow.h"
#include "support/TestSupport.h"

namespace CastleFamilyTest {

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

class TFamilyTest : public ::testing::Test {
protected:
  void SetUp() override {
    FIni = Paths::SettingsFilePath();
    SetSoundDevice(&FDevice);
    FPreferences = std::make_unique<TPreferencesDlg>(FIni);
    PreferencesDlg->FAutoplaySpeed = 0;
    PreferencesDlg->FDoAnimation = false;
    PreferencesDlg->FSmartDragging = false;  // tests that want it turn it on
    PreferencesDlg->FSoundMask = 0x1FFF;
    SoundManager = &FSounds;
    Prompts::SetAnswerer([this](const Prompts::TPrompt& prompt) {
      FPrompts << prompt.Text;
      return FAnswer;
    });
    FStatistics = std::make_unique<TStatisticsDlg>(FIni);
    StatisticsDlg = FStatistics.get();
    FDialogWatch.setInterval(5);
    QObject::connect(&FDialogWatch, &QTimer::timeout, [this] {
      if (WinForm && WinForm->isVisible()) {
        ++FWinDialogs;
        QTest::keyClick(WinForm, Qt::Key_Escape);
      }
    });
    FDialogWatch.start();
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

  void Close() {
    if (!FForm) return;
    FForm->FMoveCount = 0;  // closing asks nothing more
    FForm->close();
    delete FForm.data();
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

  // Empties every pile, then lays out cards of the deal by text; the cards not named are
  // out of play.
  void Arrange(const std::map<TCardPileView*, QString>& layout) {
    for (TCardPileView* view : FForm->findChildren<TCardPileView*>()) view->FCards->Empty(false);
    FForm->FUndo->Clear();
    for (const auto& [view, text] : layout)
      for (const QString& token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        TCard* card = Find(token);
        card->FFaceUp = !token.startsWith(QLatin1Char('#'));
        view->FCards->AddCard(card);
      }
    FForm->UpdateScore(false);
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

  // The cards of one suit from the Ace up, count of them.
  static QString SuitRun(QChar suit, int count) {
    QStringList parts;
    for (int v = 0; v < count; ++v) parts << QString(QLatin1String("A23456789TJQK")[v]) + suit;
    return parts.join(QLatin1Char(' '));
  }

  // A card's top-left in its view, from the last paint, plus a point inside it.
  QPoint CardPoint(TCardPileView* view, int index, QPoint inside = QPoint(6, 10)) {
    view->repaint();
    TCard* card = view->FCards->FList[static_cast<std::size_t>(index)];
    return QPoint(int(card->FX), int(card->FY)) + inside;
  }
  QPoint TopPoint(TCardPileView* view) { return CardPoint(view, view->FCards->Count() - 1, QPoint(20, 20)); }

  static QPoint Map(QWidget* from, QPoint at, QWidget* to) {
    return to->mapFrom(to->window(), from->mapTo(from->window(), at));
  }
  // A whole left-button drag addressed to the source view.
  void Drag(TCardPileView* source, QPoint from, QWidget* to, QPoint at, Qt::KeyboardModifiers keys = {}) {
    FMouseOwner = source;
    QTest::mousePress(source, Qt::LeftButton, keys, from);
    QTest::mouseMove(source, from + QPoint(12, 12));
    QTest::mouseMove(source, Map(to, at, source));
    QTest::mouseRelease(source, Qt::LeftButton, keys, Map(to, at, source));
  }
  void Click(QWidget* where, QPoint at = QPoint(10, 10), Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers keys = {}) {
    FMouseOwner = where;
    QTest::mouseClick(where, button, keys, at);
  }
  void DoubleClick(QWidget* where, QPoint at) {
    FMouseOwner = where;
    QTest::mouseDClick(where, Qt::LeftButton, {}, at);
  }

  QString Key(const QString& section, const QString& key) {
    return TIniFile(FIni).ReadString(section, key, QStringLiteral("None"));
  }

  // Saves a picture of the window in the test program's folder (castle-shots/) and checks
  // that the top card of the view is drawn there (not the table's green).
  void Shoot(const QString& name, TCardPileView* view) {
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/castle-shots");
    QDir().mkpath(folder);
    const QImage shot = FForm->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    shot.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    const QPoint inCard = view->mapTo(FForm.data(), TopPoint(view));
    EXPECT_NE(shot.pixelColor(inCard), QColor(0, 64, 0)) << name.toStdString();
  }

  PellamyTest::TScopedConfigDir FConfig;
  QString FIni;
  TRecordingDevice FDevice;
  std::unique_ptr<TPreferencesDlg> FPreferences;
  TSoundManager FSounds;
  QPointer<TGameForm> FForm;
  QWidget* FMouseOwner = nullptr;
  QStringList FPrompts;
  int FAnswer = Prompts::IDOK;
  int FWinDialogs = 0;
  std::unique_ptr<TStatisticsDlg> FStatistics;
  QTimer FDialogWatch;
};

}  // namespace CastleFamilyTest
