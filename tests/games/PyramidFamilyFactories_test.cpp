// The pyramid and golf games' window slots: every card size has its window class, and the
// main window's previews are the games' real opening layouts.

#include <QCoreApplication>

#include "art/ShellArt.h"
#include "games/PyramidTesting.h"
#include "games/pyramid/GizaWindow.h"
#include "games/pyramid/GolfWindow.h"
#include "games/pyramid/PyramidFamilyFactories.h"
#include "games/pyramid/PyramidGolfWindow.h"
#include "games/pyramid/PyramidWindow.h"
#include "shell/GameWindows.h"

using namespace GamesTest;

using TPyramidFamilyFactories = TFamilyTest<TPyramidForm>;

TEST_F(TPyramidFamilyFactories, EveryGameAndSizeHasItsWindowAndPreview) {
  const int games[] = {PyramidListIndex, PyramidGolfListIndex, GolfListIndex, GizaListIndex};
  QList<QImage> before;
  for (int game : games) before << LoadPngResource(QString::number(1000 + game));
  RegisterPyramidFamilyWindows();
  const char* classes[4][3] = {{"TsPyramidForm", "TPyramidForm", "ThPyramidForm"},
                               {"TsPyramidGolfForm", "TPyramidGolfForm", "ThPyramidGolfForm"},
                               {"TsGolfForm", "TGolfForm", "ThGolfForm"},
                               {"TsGizaForm", "TGizaForm", "ThGizaForm"}};
  for (int g = 0; g < 4; ++g) {
    for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
      ASSERT_TRUE(GameWindows::HasFactory(games[g], size));
      TCard::SetCardSize(static_cast<_CardSize>(size), false, false);
      QWidget* window = GameWindows::Create(games[g], size);
      ASSERT_NE(window, nullptr);
      EXPECT_STREQ(window->metaObject()->className(), classes[g][size]);
      EXPECT_EQ(GameWindows::Window(games[g], size), window);
      window->close();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    const QImage preview = LoadPngResource(QString::number(1000 + games[g]));
    ASSERT_FALSE(preview.isNull());
    EXPECT_EQ(preview.size(), QSize(155, 105));
    EXPECT_NE(preview.convertToFormat(QImage::Format_RGB32), before[g].convertToFormat(QImage::Format_RGB32));
    int white = 0;
    for (int y = 0; y < preview.height(); ++y)
      for (int x = 0; x < preview.width(); ++x) {
        const QColor c = preview.pixelColor(x, y);
        if (c.red() > 220 && c.green() > 220 && c.blue() > 220) ++white;
      }
    EXPECT_GT(white, 500) << games[g];  // card faces on the table
  }
  EXPECT_EQ(PyramidForm, nullptr);
  EXPECT_EQ(hGizaForm, nullptr);
  // Drawing the previews left the settings file alone.
  EXPECT_EQ(Key("Pyramid", "NormPos"), "None");
  EXPECT_EQ(Key("Golf", "GameNumber"), "None");
}
