// Pictures of the FreeCell family's windows at the three card sizes, and of their
// previews, written to PELLAMY_SHOTS (else freecell-shots/ beside the test program) to be
// looked at; the test checks that each window draws its cards where its layout puts them.

#include "games/FreeCellTesting.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>

#include "games/freecell/FreeCellFactories.h"

using namespace FreeCellTest;

namespace {

class TFreeCellPictures : public TFreeCellTest {
protected:
  void SetUp() override {
    TFreeCellTest::SetUp();
    FFolder = qEnvironmentVariable("PELLAMY_SHOTS");
    if (FFolder.isEmpty()) FFolder = QCoreApplication::applicationDirPath() + QStringLiteral("/freecell-shots");
    QDir().mkpath(FFolder);
  }
  // The window with the win animation's trail laid over it.
  QImage Shot(const QString& name) {
    QImage picture = FForm->grab().toImage();
    const QImage trail = GameShell::WinAnimation()->TrailImage();
    if (!trail.isNull() && trail.size() == picture.size()) {
      QPainter painter(&picture);
      painter.drawImage(0, 0, trail);
    }
    picture.save(FFolder + QLatin1Char('/') + name + QStringLiteral(".png"));
    return picture;
  }
  QString FFolder;
};

}  // namespace

TEST_F(TFreeCellPictures, EachGameAtEachSizeDrawsItsOpeningLayout) {
  const std::pair<const TCreate*, const char*> games[] = {
      {&FreeCellGame, "FreeCell"}, {&BakersGame, "BakersGame"}, {&EightOffGame, "EightOff"}};
  const char* sizes[] = {"small", "large", "huge"};
  for (const auto& [game, name] : games)
    for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
      Open(*game, 617, size);
      FForm->SendHome(Tableau(1));  // a card in a free cell or home
      const QImage shot = Shot(QStringLiteral("%1-%2").arg(QLatin1String(name), QLatin1String(sizes[size])));
      // The top card of the last column is a face, not the table's green.
      TCardPileView* column = Tableau(8);
      const QPoint inCard = column->mapTo(FForm.data(), TopPoint(column));
      EXPECT_NE(shot.pixelColor(inCard), QColor(0, 64, 0)) << name << " " << size;
      Close();
    }
}

TEST_F(TFreeCellPictures, AWonGameAndThePreviews) {
  Open(FreeCellGame, 1);
  FForm->FAutoplay = true;
  Arrange({{Foundation(1), SuitRun('C', 12)}, {Foundation(2), SuitRun('D', 12)},
           {Foundation(3), SuitRun('H', 12)}, {Foundation(4), SuitRun('S', 12)},
           {Tableau(1), "KC"}, {Tableau(2), "KD"}, {Cell(1), "KH"}, {Tableau(4), "KS"}});
  FForm->SendHome(Tableau(1));
  ASSERT_TRUE(FForm->FGameOver);
  for (int i = 0; i < 40; ++i) QTest::qWait(10);  // let a few cards bounce
  Shot(QStringLiteral("FreeCell-won"));
  Close();
  for (int index : {FreeCellListIndex, BakersListIndex, EightOffListIndex})
    FreeCellPreviewPicture(index).save(FFolder + QStringLiteral("/preview-%1.png").arg(index));
}
