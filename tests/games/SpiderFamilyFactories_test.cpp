// The window slots and preview pictures of Spider and the Scorpion family.

#include "games/SpiderFamilyTesting.h"

#include "art/ShellArt.h"
#include "games/scorpion/DoubleScorpionWindow.h"
#include "games/scorpion/Scorpion2Window.h"
#include "games/scorpion/SimpleSimonWindow.h"
#include "games/spider/SpiderFamilyFactories.h"
#include "shell/GameTable.h"
#include "shell/GameWindows.h"

using namespace SpiderFamilyTest;

namespace {

using TSpiderFamilyFactories = TSpiderFamilyTest;

TEST_F(TSpiderFamilyFactories, EverySlotMakesTheWindowClassOfItsSizeAndThePreviewsShowTheDeal) {
  const int games[] = {SpiderListIndex, ScorpionListIndex, Scorpion2ListIndex, SimpleSimonListIndex,
                       DoubleScorpionListIndex};
  std::map<int, QImage> before;
  for (int game : games) before[game] = LoadPngResource(QString::number(1000 + game));
  RegisterSpiderFamilyWindows();
  for (int game : games) {
    for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
      ASSERT_TRUE(GameWindows::HasFactory(game, size));
      TCard::SetCardSize(static_cast<_CardSize>(size), false, false);
      QPointer<QWidget> window = GameWindows::Create(game, size);
      ASSERT_TRUE(window);
      EXPECT_EQ(QString::fromLatin1(window->metaObject()->className()), GameWindowClassName(game, size));
      EXPECT_EQ(window->windowTitle(), QLatin1String(GameInfo(game).GameName));
      auto* form = qobject_cast<TGameForm*>(window.data());
      ASSERT_TRUE(form);
      EXPECT_EQ(form->Spec().Section, QLatin1String(GameInfo(game).Section));
      form->close();
      delete window.data();
    }
    const QImage preview = LoadPngResource(QString::number(1000 + game));
    ASSERT_EQ(preview.size(), QSize(155, 105)) << game;
    EXPECT_NE(preview, before[game]) << game;
    // A real deal: card faces, white, on the table's green.
    int white = 0, green = 0;
    for (int y = 0; y < preview.height(); ++y)
      for (int x = 0; x < preview.width(); ++x) {
        const QColor c = preview.pixelColor(x, y);
        white += c.red() > 235 && c.green() > 235 && c.blue() > 235;
        green += c.green() > 2 * c.red() + 20 && c.green() > 2 * c.blue() + 20;
      }
    EXPECT_GT(white, 500) << game;
    EXPECT_GT(green, 3000) << game;
  }
  EXPECT_TRUE(SpiderFamilyPreviewPicture(0).isNull());
}

}  // namespace
