#include "games/yukon/KlondikeFamilyFactories.h"

#include "art/ShellArt.h"
#include "engine/Card.h"
#include "games/GamePreview.h"
#include "games/canfield/CanfieldWindow.h"
#include "games/dblklondike/DblKlondikeWindow.h"
#include "games/yukon/AustralianWindow.h"
#include "games/yukon/DoubleYukonWindow.h"
#include "games/yukon/RussianWindow.h"
#include "games/yukon/YukonWindow.h"
#include "shell/GameWindows.h"

QImage KlondikeFamilyPreviewPicture(int listIndex) {
  switch (listIndex) {
    case CanfieldListIndex:
      return GamePreviewPicture<TCanfieldForm>();
    case DoubleKlondikeListIndex:
      return GamePreviewPicture<TDblKlondikeForm>();
    case YukonListIndex:
      return GamePreviewPicture<TYukonForm>();
    case RussianListIndex:
      return GamePreviewPicture<TRussianForm>();
    case AustralianListIndex:
      return GamePreviewPicture<TAustralianForm>();
    case DoubleYukonListIndex:
      return GamePreviewPicture<TDoubleYukonForm>();
    default:
      return {};
  }
}

void RegisterKlondikeFamilyWindows() {
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    GameWindows::SetFactory(CanfieldListIndex, size, [size] { return CreateCanfieldWindow(size); });
    GameWindows::SetFactory(DoubleKlondikeListIndex, size, [size] { return CreateDblKlondikeWindow(size); });
    GameWindows::SetFactory(YukonListIndex, size, [size] { return CreateYukonWindow(size); });
    GameWindows::SetFactory(RussianListIndex, size, [size] { return CreateRussianWindow(size); });
    GameWindows::SetFactory(AustralianListIndex, size, [size] { return CreateAustralianWindow(size); });
    GameWindows::SetFactory(DoubleYukonListIndex, size, [size] { return CreateDoubleYukonWindow(size); });
  }
  for (int index : {CanfieldListIndex, DoubleKlondikeListIndex, YukonListIndex, RussianListIndex,
                    AustralianListIndex, DoubleYukonListIndex})
    SetPreviewRenderer(index, [index] { return KlondikeFamilyPreviewPicture(index); });
}
