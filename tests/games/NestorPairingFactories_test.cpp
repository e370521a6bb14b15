// The pairing games' window slots: each game at each card size is made by its factory as
// the window class the game table names, and each preview is a real picture.

#include <gtest/gtest.h>

#include "engine/Card.h"
#include "games/GameForm.h"
#include "games/nestor/PairingGameFactories.h"
#include "shell/GameTable.h"
#include "shell/GameWindows.h"
#include "support/TestSupport.h"

TEST(PairingGameFactories, MakeEachGamesWindowClassAtEveryCardSize) {
  PellamyTest::TScopedConfigDir config;
  RegisterPairingGameWindows();
  for (int game : {AcesUpListIndex, MontanaListIndex, NestorListIndex, QueenItalyListIndex})
    for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
      ASSERT_TRUE(GameWindows::HasFactory(game, size)) << game << " " << size;
      TCard::SetCardSize(static_cast<_CardSize>(size), false, false);
      QWidget* window = GameWindows::Create(game, size);
      ASSERT_NE(window, nullptr);
      EXPECT_EQ(QLatin1String(window->metaObject()->className()), GameWindowClassName(game, size));
      auto* form = qobject_cast<TGameForm*>(window);
      ASSERT_NE(form, nullptr);
      EXPECT_EQ(form->FormLayout().CardSize, size);
      form->FormClose(form);
      delete window;
    }
}

TEST(PairingGameFactories, PreviewsAreOpeningLayoutsOfTheGames) {
  PellamyTest::TScopedConfigDir config;
  for (int game : {AcesUpListIndex, MontanaListIndex, NestorListIndex, QueenItalyListIndex}) {
    const QImage preview = PairingGamePreviewPicture(game);
    ASSERT_EQ(preview.size(), QSize(155, 105)) << game;
    // Cards are light: the picture is not just the green table.
    int light = 0;
    for (int y = 0; y < preview.height(); ++y)
      for (int x = 0; x < preview.width(); ++x)
        if (qGray(preview.pixel(x, y)) > 200) ++light;
    EXPECT_GT(light, 155 * 105 / 20) << game;
  }
  EXPECT_TRUE(PairingGamePreviewPicture(16).isNull());
}
