#include "games/freecell/FreeCellFactories.h"

#include "art/ShellArt.h"
#include "engine/Card.h"
#include "games/freecell/BakersWindow.h"
#include "games/freecell/EightOffWindow.h"
#include "games/freecell/FreeCellWindow.h"
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

QImage FreeCellPreviewPicture(int listIndex) {
  switch (listIndex) {
    case FreeCellListIndex: return PreviewOf<TFreeCellForm>();
    case BakersListIndex: return PreviewOf<TBakersForm>();
    case EightOffListIndex: return PreviewOf<TEightOffForm>();
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
    SetPreviewPicture(index, FreeCellPreviewPicture(index));
}
