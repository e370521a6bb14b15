// The five games' windows made through the shell's factory table at each card size, with
// their own placement sections, and their previews drawn from real opening layouts.

#include "games/CastleFamilyTesting.h"

#include "art/ShellArt.h"
#include "games/castle/BakersDozenWindow.h"
#include "games/castle/CastleFamilyFactories.h"
#include "games/castle/CastleWindow.h"
#include "games/flowergarden/FlowerGardenWindow.h"
#include "games/lucie/LucieWindow.h"
#include "games/seatowers/SeaTowersWindow.h"
#include "shell/GameTable.h"
#include "shell/GameWindows.h"
#include "widgets/FormPlacement.h"

using namespace CastleFamilyTest;

namespace {
const int Games[] = {2, 4, 10, 17, 26};
}

using TCastleFamilyFactories = TFamilyTest;

TEST_F(TCastleFamilyFactories, EachGameAndSizeMakesItsOwnWindowClass) {
  RegisterCastleFamilyWindows();
  for (int game : Games)
    for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
      ASSERT_TRUE(GameWindows::HasFactory(game, size)) << game << " " << size;
      TCard::SetCardSize(static_cast<_CardSize>(size), false, false);
      QWidget* window = GameWindows::Create(game, size);
      ASSERT_NE(window, nullptr);
      EXPECT_EQ(QString(window->metaObject()->className()), GameWindowClassName(game, size));
      auto* form = qobject_cast<TGameForm*>(window);
      ASSERT_NE(form, nullptr);
      EXPECT_EQ(form->FormLayout().CardSize, size);
      EXPECT_EQ(QString(form->Spec().Section), QString(GameInfo(game).Section));
      EXPECT_EQ(QString(form->Spec().Name), QString(GameInfo(game).GameName));
      EXPECT_EQ(form->FormPlacement1->IniSection(),
                QString(size == 0 ? "s" : size == 2 ? "h" : "") + GameInfo(game).Section);
      form->FormClose(form);
      delete window;
    }
  EXPECT_EQ(sCastleForm, nullptr);
  EXPECT_EQ(LucieForm, nullptr);
  EXPECT_EQ(hSeaHavenForm, nullptr);
}

TEST_F(TCastleFamilyFactories, ThePreviewsAreRealOpeningLayoutsAndLeaveTheSettingsAlone) {
  std::map<int, QImage> before;
  for (int game : Games) before[game] = LoadPngResource(QString::number(1000 + game));
  RegisterCastleFamilyWindows();
  for (int game : Games) {
    const QImage preview = LoadPngResource(QString::number(1000 + game));
    ASSERT_FALSE(preview.isNull()) << game;
    EXPECT_EQ(preview.size(), QSize(155, 105));
    EXPECT_NE(preview.convertToFormat(QImage::Format_RGB32), before[game].convertToFormat(QImage::Format_RGB32));
    int white = 0;
    for (int y = 0; y < preview.height(); ++y)
      for (int x = 0; x < preview.width(); ++x) {
        const QColor c = preview.pixelColor(x, y);
        if (c.red() > 220 && c.green() > 220 && c.blue() > 220) ++white;
      }
    EXPECT_GT(white, 500) << game;  // card faces on the table
    EXPECT_EQ(Key(GameInfo(game).Section, "GameNumber"), "None");
    EXPECT_EQ(Key(GameInfo(game).Section, "NormPos"), "None");
  }
}
