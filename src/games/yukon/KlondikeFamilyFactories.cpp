#include "games/yukon/KlondikeFamilyFactories.h"

#include "art/ShellArt.h"
#include "engine/Card.h"
#include "games/canfield/CanfieldWindow.h"
#include "games/dblklondike/DblKlondikeWindow.h"
#include "games/yukon/AustralianWindow.h"
#include "games/yukon/DoubleYukonWindow.h"
#include "games/yukon/RussianWindow.h"
#include "games/yukon/YukonWindow.h"
#include "shell/GameWindows.h"
#include "widgets/FormPlacement.h"

namespace {

template <class T>
QImage PreviewOf() {
  const int previous = TCard::GetCardSize();
  const bool threeD = TCard::IsThreeD(), aged = TCard::IsAged();
  TCard::SetCardSize(CS_LARGE, threeD, aged);
  QImage picture;
  {
    // Never shown, and it leaves the settings file alone (no placement, no deal number).
    T form;
    form.FormPlacement1->Active = false;
    form.Init();
    const int tableHeight = form.height() - form.FormLayout().StatusBarHeight;
    const QImage table = form.grab(QRect(0, 0, form.width(), tableHeight)).toImage();
    picture = table.scaled(155, 105, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                  .convertToFormat(QImage::Format_RGB32);
    form.FormClose(&form);
  }
  if (previous >= CS_SMALL && previous <= CS_HUGE)
    TCard::SetCardSize(static_cast<_CardSize>(previous), threeD, aged);
  return picture;
}

}  // namespace

QImage KlondikeFamilyPreviewPicture(int listIndex) {
  switch (listIndex) {
    case CanfieldListIndex:
      return PreviewOf<TCanfieldForm>();
    case DoubleKlondikeListIndex:
      return PreviewOf<TDblKlondikeForm>();
    case YukonListIndex:
      return PreviewOf<TYukonForm>();
    case RussianListIndex:
      return PreviewOf<TRussianForm>();
    case AustralianListIndex:
      return PreviewOf<TAustralianForm>();
    case DoubleYukonListIndex:
      return PreviewOf<TDoubleYukonForm>();
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
    SetPreviewPicture(index, KlondikeFamilyPreviewPicture(index));
}
