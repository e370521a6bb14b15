#pragma once
// A window of the Castle family, Sea Towers, Flower Garden or La Belle Lucie under test:
// the shared game-window fixture with smart dragging off, and pictures of the window.

#include <QCoreApplication>
#include <QDir>

#include "games/GamesTesting.h"
#include "platform/Metrics.h"

namespace CastleFamilyTest {

using namespace GamesTest;

using TCreate = std::function<TGameForm*(int cardSize)>;

class TFamilyTest : public TGameFormTest<TGameForm> {
protected:
  void SetUp() override {
    TGameFormTest::SetUp();
    PreferencesDlg->FSmartDragging = false;  // tests that want it turn it on
    FCardInside = QPoint(6, 10);
    FTopInside = QPoint(20, 20);
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
};

}  // namespace CastleFamilyTest
