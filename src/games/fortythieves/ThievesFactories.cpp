#include "games/fortythieves/ThievesFactories.h"

#include "art/ShellArt.h"
#include "engine/Card.h"
#include "games/fortythieves/FortyThievesWindow.h"
#include "games/indian/IndianWindow.h"
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
    // A window never shown gets no resize event: the lower piles take their places here.
    form.FormResize(&form);
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

QImage ThievesPreviewPicture(int listIndex) {
  switch (listIndex) {
    case FortyThievesListIndex: return PreviewOf<TFortyThievesForm>();
    case IndianPatienceListIndex: return PreviewOf<TIndianPatienceForm>();
    default: return {};
  }
}

void RegisterThievesWindows() {
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    GameWindows::SetFactory(FortyThievesListIndex, size, [size] { return CreateFortyThievesWindow(size); });
    GameWindows::SetFactory(IndianPatienceListIndex, size, [size] { return CreateIndianPatienceWindow(size); });
  }
  for (int index : {FortyThievesListIndex, IndianPatienceListIndex})
    SetPreviewRenderer(index, [index] { return ThievesPreviewPicture(index); });
}
