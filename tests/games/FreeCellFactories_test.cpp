// The FreeCell family's slots in the shell's window table and their preview pictures.

#include "games/FreeCellTesting.h"

#include "art/ShellArt.h"
#include "games/freecell/FreeCellFactories.h"
#include "shell/GameWindows.h"

using namespace FreeCellTest;

using TFreeCellFactories = TFreeCellTest;

TEST_F(TFreeCellFactories, EverySlotMakesItsClassAtItsCardSize) {
  const QImage placeholder = LoadPngResource(QStringLiteral("1012"));
  RegisterFreeCellWindows();
  struct TSlotCase {
    int Game, Size;
    const char* ClassName;
  };
  const TSlotCase cases[] = {
      {12, 0, "TsFreeCellForm"}, {12, 1, "TFreeCellForm"}, {12, 2, "ThFreeCellForm"},
      {3, 0, "TsBakersForm"},    {3, 1, "TBakersForm"},    {3, 2, "ThBakersForm"},
      {9, 0, "TsEightOffForm"},  {9, 1, "TEightOffForm"},  {9, 2, "ThEightOffForm"},
  };
  for (const TSlotCase& slot : cases) {
    TCard::SetCardSize(static_cast<_CardSize>(slot.Size), false, false);
    FForm = qobject_cast<TFreeCellForm*>(GameWindows::Create(slot.Game, slot.Size));
    ASSERT_FALSE(FForm.isNull()) << slot.ClassName;
    EXPECT_STREQ(FForm->metaObject()->className(), slot.ClassName);
    EXPECT_EQ(FForm->FormLayout().CardSize, slot.Size);
    EXPECT_EQ(FForm->FSavedDeck->Count(), 52);  // dealt at once
    EXPECT_EQ(GameWindows::Window(slot.Game, slot.Size), FForm.data());
    Close();
  }
  EXPECT_EQ(FreeCellForm, nullptr);  // the closed windows cleared their pointers
  EXPECT_EQ(hEightOffForm, nullptr);

  // The previews are the games' own tables: green felt with white cards, not the placeholder.
  for (int index : {12, 3, 9}) {
    const QImage preview = LoadPngResource(QString::number(1000 + index));
    ASSERT_EQ(preview.size(), QSize(155, 105)) << index;
    int white = 0;
    for (int y = 0; y < preview.height(); ++y)
      for (int x = 0; x < preview.width(); ++x)
        if (preview.pixelColor(x, y).lightness() > 240) ++white;
    EXPECT_GT(white, 155 * 105 / 5) << index;
    if (index == 12) {
      EXPECT_NE(preview, placeholder.convertToFormat(preview.format()));
    }
  }
  EXPECT_TRUE(FreeCellPreviewPicture(16).isNull());
  EXPECT_EQ(Key("FreeCell", "GameNumber"), "None");  // the previews leave the settings alone
  EXPECT_EQ(Key("FreeCell", "FormVersion"), "None");
}
