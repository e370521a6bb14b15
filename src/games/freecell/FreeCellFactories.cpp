#include "games/freecell/FreeCellFactories.h"

#include "art/ShellArt.h"
#include "engine/Card.h"
#include "games/GamePreview.h"
#include "games/freecell/BakersWindow.h"
#include "games/freecell/EightOffWindow.h"
#include "games/freecell/FreeCellWindow.h"
#include "shell/GameWindows.h"

QImage FreeCellPreviewPicture(int listIndex) {
  switch (listIndex) {
    case FreeCellListIndex: return GamePreviewPicture<TFreeCellForm>();
    case BakersListIndex: return GamePreviewPicture<TBakersForm>();
    case EightOffListIndex: return GamePreviewPicture<TEightOffForm>();
    default: return {};
  }
}

void RegisterFreeCellWindows() {
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    GameWindows::SetFactory(FreeCellListIndex, size, [size] { return CreateFreeCellWindow(size); });
    GameWindows::SetFactory(BakersListIndex, size, [size] { return CreateBakersWindow(size); });
    GameWindows::SetFactory(EightOffListIndex, size, [size] { return CreateEightOffWindow(size); });
  }
  for (int index : {FreeCellListIndex, BakersListIndex, EightOffListIndex})
    SetPreviewRenderer(index, [index] { return FreeCellPreviewPicture(index); });
}
