#include "engine/Animate.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <memory>
#include <vector>

#include "art/Sounds.h"
#include "engine/Card.h"
#include "engine/CardPile.h"
#include "engine/CardPileView.h"
#include "engine/SoundSettings.h"
#include "engine/Sounds.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/SoundPlayer.h"
#include "support/TestSupport.h"

namespace {

class TRecordingDevice : public TSoundDevice {
public:
  void Play(const QByteArray& wav, TSoundMode mode) override {
    for (const QString& n : SoundResourceNames())
      if (SoundResource(n) == wav) Played.push_back(n + (mode == smNoStop ? "/nostop" : "/other"));
  }
  QStringList Played;
};

class TAllSoundsOn : public TSoundSettings {
public:
  bool IsSoundOn(int id) const override { return id != 1; }
  QString StartupSoundFile() const override { return {}; }
  int GetAutoplayDelay() const override { return 0; }
};

bool Transparent(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)) == 0; }

class AnimateTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { TCard::SetCardSize(CS_LARGE, false, false); }

  void SetUp() override {
    FForm = std::make_unique<QWidget>();
    FForm->resize(640, 480);
    SetSoundDevice(&FDevice);
    SetSoundSettings(&FSettings);
    SoundManager = &FSounds;
    Random::Seed(12345);
  }
  void TearDown() override {
    SoundManager = nullptr;
    SetSoundSettings(nullptr);
    SetSoundDevice(nullptr);
  }

  // A view at (x, y) holding the given cards, each last drawn fanned down by 20 pixels.
  TCardPileView* AddView(int x, int y, int count, QWidget* parent = nullptr) {
    auto* view = new TCardPileView(parent ? parent : FForm.get());
    view->setGeometry(x, y, 80, 300);
    for (int i = 0; i < count; ++i) {
      FCards.push_back(std::make_unique<TCard>(_CardSuit(FViews.size() % 4), _CardValue(i), 1));
      TCard* card = FCards.back().get();
      card->FX = 0;
      card->FY = float(20 * i);
      view->FCards->AddCard(card);
    }
    FViews.push_back(view);
    return view;
  }

  // Moves the current card out of the window, so that the next step launches another.
  void FinishCurrentCard(TspAnimate& anim) {
    anim.FCurX = 100000;
    anim.Step();
  }

  std::unique_ptr<QWidget> FForm;
  std::vector<std::unique_ptr<TCard>> FCards;  // the saved deck: owns the cards
  std::vector<TCardPileView*> FViews;
  TRecordingDevice FDevice;
  TAllSoundsOn FSettings;
  TSoundManager FSounds;
  PellamyTest::TScopedConfigDir FConfig;
};

}  // namespace

TEST_F(AnimateTest, TickIntervalComesFromAnimationSpeed) {
  const struct {
    const char* Text;
    int Interval;
  } cases[] = {{nullptr, 13}, {"-100", 13}, {"40", 40}, {"1", 1},       {"1000", 1000},
               {"0", 13},     {"1001", 1001}, {"60000", 60000}, {"-5", 13}, {"fast", 13}, {"99999999999", 13}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text ? c.Text : "(absent)");
    const QString file = FConfig.File("speed.ini");
    QByteArray text = "[Preferences]\r\nAutoplaySpeed=50\r\n";
    if (c.Text) text += QByteArray("AnimationSpeed=") + c.Text + "\r\n";
    PellamyTest::WriteFileBytes(file, text);
    TspAnimate anim(file);
    EXPECT_EQ(anim.FInterval, c.Interval);
    EXPECT_EQ(anim.Timer()->Interval(), unsigned(c.Interval));
    EXPECT_FALSE(anim.Timer()->Enabled());
  }
  // Without a name: the program's settings file.
  PellamyTest::WriteFileBytes(Paths::SettingsFilePath(), "[Preferences]\r\nAnimationSpeed=25\r\n");
  EXPECT_EQ(TspAnimate().FInterval, 25);
}

TEST_F(AnimateTest, StartWithoutCardsLeavesTheTimerOff) {
  TspAnimate anim(FConfig.File("none.ini"));
  TCardPileView* views[] = {AddView(10, 10, 0), AddView(100, 10, 0)};
  anim.Start(2, views, true, FForm.get());
  EXPECT_FALSE(anim.Timer()->Enabled());
  EXPECT_EQ(anim.FCard, nullptr);
  EXPECT_EQ(anim.FTotal, 0);

  anim.Start(0, views, true, FForm.get());
  EXPECT_FALSE(anim.Timer()->Enabled());
  anim.Start(2, nullptr, true, FForm.get());
  EXPECT_FALSE(anim.Timer()->Enabled());
  AddView(200, 10, 3);
  anim.Start(1, &FViews.back(), true, nullptr);
  EXPECT_FALSE(anim.Timer()->Enabled());
  EXPECT_EQ(FViews.back()->FCards->Count(), 3);
}

TEST_F(AnimateTest, CardsLeaveRoundRobinAndAreNotFreed) {
  TspAnimate anim(FConfig.File("none.ini"));
  AddView(10, 10, 2);
  AddView(100, 10, 1);
  AddView(200, 10, 3);
  TCard* a1 = FViews[0]->FCards->CardAt(0);
  TCard* a2 = FViews[0]->FCards->CardAt(1);
  TCard* b1 = FViews[1]->FCards->CardAt(0);
  TCard* c1 = FViews[2]->FCards->CardAt(0);
  TCard* c2 = FViews[2]->FCards->CardAt(1);
  TCard* c3 = FViews[2]->FCards->CardAt(2);

  anim.Start(3, FViews.data(), true, FForm.get());
  EXPECT_TRUE(anim.Timer()->Enabled());
  EXPECT_EQ(anim.FTotal, 6);
  std::vector<TCard*> order{anim.FCard};
  while (anim.FCard && order.size() < 10) {
    FinishCurrentCard(anim);
    order.push_back(anim.FCard);
  }
  // Top of each view in turn; an emptied view is passed over.
  EXPECT_EQ(order, (std::vector<TCard*>{a2, b1, c3, a1, c2, c1, nullptr}));
  EXPECT_EQ(anim.FLaunched, 6);
  EXPECT_FALSE(anim.Timer()->Enabled());
  for (TCardPileView* view : FViews) EXPECT_EQ(view->FCards->Count(), 0);
  // Still the deck's cards, untouched.
  EXPECT_EQ(a1->FValue, CS_ACE);
  EXPECT_EQ(c3->FValue, CS_THREE);
}

TEST_F(AnimateTest, FirstFrameIsWhereTheCardWasLastDrawn) {
  TspAnimate anim(FConfig.File("none.ini"));
  auto* panel = new QWidget(FForm.get());
  panel->setGeometry(100, 40, 400, 400);
  AddView(50, 60, 2, panel);  // top card last drawn at (0, 20) in the view
  anim.Start(1, FViews.data(), false, FForm.get());
  EXPECT_FLOAT_EQ(anim.FX, 150);
  EXPECT_FLOAT_EQ(anim.FY, 120);
  EXPECT_FLOAT_EQ(anim.FCurX, 150);
  EXPECT_FLOAT_EQ(anim.FCurY, 120);

  // The face is on the trail there, and nowhere else yet.
  const QImage trail = anim.TrailImage();
  ASSERT_EQ(trail.size(), QSize(640, 480));
  EXPECT_FALSE(Transparent(trail, 150 + 40, 120 + 60));
  EXPECT_FALSE(Transparent(trail, 150 + 2, 120 + 62));
  EXPECT_TRUE(Transparent(trail, 149, 119));
  EXPECT_TRUE(Transparent(trail, 150 + 80, 120 + 125));
  EXPECT_TRUE(Transparent(trail, 10, 400));
}

TEST_F(AnimateTest, LaunchValuesStayInTheirRanges) {
  TspAnimate anim(FConfig.File("none.ini"));
  AddView(300, 10, 1);
  bool left = false, right = false;
  for (unsigned seed = 1; seed <= 300; ++seed) {
    SCOPED_TRACE(seed);
    Random::Seed(seed);
    FViews[0]->FCards->AddCard(FCards[0].get());
    const bool up = seed % 2 == 0;
    anim.Start(1, FViews.data(), up, FForm.get());
    const float speed = std::fabs(anim.FVX);
    EXPECT_TRUE(speed >= 4 && speed <= 10 && speed == std::floor(speed));
    EXPECT_EQ(anim.FDirection, anim.FVX < 0 ? 1 : 2);
    (anim.FVX < 0 ? left : right) = true;
    if (up) {
      EXPECT_TRUE(anim.FVY >= -35 && anim.FVY <= -20);
    } else {
      EXPECT_TRUE(anim.FVY >= 3 && anim.FVY <= 9);
    }
    EXPECT_TRUE(anim.FGravity >= 0.49f && anim.FGravity <= 1.51f);
    EXPECT_TRUE(anim.FXBounce >= 0.895f && anim.FXBounce <= 1.095f);
    EXPECT_TRUE(anim.FYBounce >= 0.695f && anim.FYBounce <= 0.895f);
    anim.Stop();
  }
  EXPECT_TRUE(left && right);
}

TEST_F(AnimateTest, ACardBouncesOnTheBottomAndLeavesAtTheSide) {
  FForm->resize(400, 300);  // floor for a large card: y = 300 - 125 = 175
  TspAnimate anim(FConfig.File("none.ini"));
  AddView(10, 10, 1);
  anim.Start(1, FViews.data(), false, FForm.get());
  anim.FCurX = 100;
  anim.FCurY = 175;
  anim.FVX = -4;
  anim.FVY = 10;
  anim.FGravity = 0;
  anim.FXBounce = 0.9f;
  anim.FYBounce = 0.8f;
  anim.FDirection = 1;

  anim.Step();
  EXPECT_FLOAT_EQ(anim.FCurX, 96);
  EXPECT_FLOAT_EQ(anim.FCurY, 175);
  EXPECT_FLOAT_EQ(anim.FVY, -8);
  EXPECT_FLOAT_EQ(anim.FVX, -3.6f);
  EXPECT_EQ(FDevice.Played, QStringList{"BOING1/nostop"});

  // Up and away at 3.6 pixels a tick: out to the left once x reaches -80.
  int steps = 1;
  while (anim.FCard && steps < 500) {
    anim.Step();
    ++steps;
  }
  EXPECT_EQ(steps, 51);  // 50 moves, then the step that finds it outside
  EXPECT_EQ(FDevice.Played.size(), 1);
  EXPECT_EQ(anim.FLaunched, 1);
  EXPECT_FALSE(anim.Timer()->Enabled());
}

TEST_F(AnimateTest, ASlowCardKeepsAPixelATickAndAlwaysLeaves) {
  FForm->resize(400, 300);
  TspAnimate anim(FConfig.File("none.ini"));
  AddView(10, 10, 1);
  anim.Start(1, FViews.data(), false, FForm.get());
  anim.FCurX = 0;
  anim.FCurY = 100;
  anim.FVX = 4;
  anim.FVY = 0;
  anim.FGravity = 1.5f;
  anim.FXBounce = 0.9f;
  anim.FYBounce = 0.7f;
  anim.FDirection = 2;
  int steps = 0;
  float slowest = 4;
  while (anim.FCard && steps < 5000) {
    anim.Step();
    ++steps;
    if (anim.FCard) slowest = std::min(slowest, std::fabs(anim.FVX));
  }
  EXPECT_EQ(anim.FCard, nullptr);
  EXPECT_LT(steps, 5000);
  EXPECT_FLOAT_EQ(slowest, 1);
  EXPECT_GT(FDevice.Played.size(), 10);
  EXPECT_TRUE(FDevice.Played.filter("BOING1").isEmpty());
}

TEST_F(AnimateTest, EmptiedViewsEndTheAnimation) {
  TspAnimate anim(FConfig.File("none.ini"));
  AddView(10, 10, 3);
  AddView(100, 10, 3);
  anim.Start(2, FViews.data(), true, FForm.get());
  ASSERT_TRUE(anim.Timer()->Enabled());
  // The game takes the cards away behind the animation's back.
  FViews[0]->FCards->Empty(false);
  FViews[1]->FCards->Empty(false);
  FinishCurrentCard(anim);
  EXPECT_EQ(anim.FCard, nullptr);
  EXPECT_FALSE(anim.Timer()->Enabled());
  EXPECT_LT(anim.FLaunched, anim.FTotal);
}

TEST_F(AnimateTest, StoppedOrClosedItNeverTouchesTheCardsAgain) {
  TspAnimate anim(FConfig.File("none.ini"));
  AddView(10, 10, 3);
  anim.Start(1, FViews.data(), true, FForm.get());
  anim.Stop();
  EXPECT_FALSE(anim.Timer()->Enabled());
  EXPECT_EQ(anim.FCard, nullptr);
  anim.Step();
  EXPECT_EQ(FViews[0]->FCards->Count(), 2);
  EXPECT_EQ(anim.FLaunched, 0);

  // The game window closes without stopping: views and cards go; a late tick is harmless.
  anim.Start(1, FViews.data(), true, FForm.get());
  ASSERT_NE(anim.FCard, nullptr);
  FForm.reset();
  FCards.clear();
  anim.Step();
  anim.LaunchNextCard();
  EXPECT_EQ(anim.FCard, nullptr);
  EXPECT_FALSE(anim.Timer()->Enabled());
}

TEST_F(AnimateTest, RunsToTheEndOnItsTimer) {
  const QString file = FConfig.File("fast.ini");
  PellamyTest::WriteFileBytes(file, "[Preferences]\r\nAnimationSpeed=1\r\n");
  FForm->resize(240, 200);
  FForm->show();
  TspAnimate anim(file);
  AddView(10, 10, 2);
  AddView(120, 10, 2);
  anim.Start(2, FViews.data(), true, FForm.get());
  QElapsedTimer clock;
  clock.start();
  while (anim.Timer()->Enabled() && clock.elapsed() < 20000) QApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_FALSE(anim.Timer()->Enabled());
  EXPECT_EQ(anim.FLaunched, 4);
  EXPECT_EQ(FViews[0]->FCards->Count() + FViews[1]->FCards->Count(), 0);
}

TEST_F(AnimateTest, TrailStaysUntilThatPartOfTheWindowRepaints) {
  TspAnimate anim(FConfig.File("none.ini"));
  AddView(10, 10, 1);
  AddView(300, 10, 1);
  FForm->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(FForm.get()));
  QApplication::processEvents();
  anim.Start(2, FViews.data(), false, FForm.get());
  const QPoint first(int(anim.FCurX) + 40, int(anim.FCurY) + 60);
  for (int i = 0; i < 30; ++i) anim.Step();
  QApplication::processEvents();
  // The animation's own drawing keeps the earlier frames.
  EXPECT_FALSE(Transparent(anim.TrailImage(), first.x(), first.y()));

  // A repaint of the first view wipes the trail over it only.
  const QPoint second(int(anim.FCurX) + 40, int(anim.FCurY) + 60);
  ASSERT_FALSE(FViews[0]->geometry().contains(second));
  FViews[0]->repaint();
  EXPECT_TRUE(Transparent(anim.TrailImage(), first.x(), first.y()));
  EXPECT_FALSE(Transparent(anim.TrailImage(), second.x(), second.y()));

  // A repaint of the whole window wipes it all.
  FForm->repaint();
  EXPECT_TRUE(Transparent(anim.TrailImage(), second.x(), second.y()));
  anim.Stop();
}

TEST_F(AnimateTest, CardsPassUnderTheStatusBarAndNeverLeaveATrailOnIt) {
  FForm->resize(400, 300);
  auto* statusBar = new QWidget(FForm.get());  // the window's own control, at its foot
  statusBar->setGeometry(0, 274, 400, 26);
  statusBar->setAutoFillBackground(true);
  TspAnimate anim(FConfig.File("none.ini"));
  AddView(150, 10, 1);
  FForm->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(FForm.get()));
  anim.Start(1, FViews.data(), false, FForm.get());
  while (anim.FCard) anim.Step();  // the card bounces on the floor, under the bar
  const QImage trail = anim.TrailImage();
  int onBar = 0, onTable = 0;
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 400; ++x) (y >= 274 ? onBar : onTable) += Transparent(trail, x, y) ? 0 : 1;
  EXPECT_EQ(onBar, 0);
  EXPECT_GT(onTable, 0);
  // A new deal repaints the table and the bar repaints itself: no card pixel is left on it.
  FForm->repaint();
  statusBar->repaint();
  const QImage shot = FForm->grab().toImage();
  EXPECT_EQ(shot.pixelColor(200, 290), statusBar->palette().color(QPalette::Window));
}
