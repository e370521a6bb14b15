#include "games/pyramid/PyramidFamilyFactories.h"

#include "art/ShellArt.h"
#include "engine/Card.h"
#include "games/pyramid/GizaWindow.h"
#include "games/pyramid/GolfWindow.h"
#include "games/pyramid/PyramidGolfWindow.h"
#include "games/pyramid/PyramidWindow.h"
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

QImage PyramidFamilyPreviewPicture(int listIndex) {
  switch (listIndex) {
    case PyramidListIndex: return PreviewOf<TPyramidForm>();
    case GolfListIndex: return PreviewOf<TGolfForm>();
    case PyramidGolfListIndex: return PreviewOf<TPyramidGolfForm>();
    case GizaListIndex: return PreviewOf<TGizaForm>();
    default: return {};
  }
}

void RegisterPyramidFamilyWindows() {
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    GameWindows::SetFactory(PyramidListIndex, size, [size] { return CreatePyramidWindow(size); });
    GameWindows::SetFactory(GolfListIndex, size, [size] { return CreateGolfWindow(size); });
    GameWindows::SetFactory(PyramidGolfListIndex, size, [size] { return CreatePyramidGolfWindow(size); });
    GameWindows::SetFactory(GizaListIndex, size, [size] { return CreateGizaWindow(size); });
  }
  for (int index : {PyramidListIndex, GolfListIndex, PyramidGolfListIndex, GizaListIndex}) SetPreviewPicture(index, PyramidFamilyPreviewPicture(index));
}
