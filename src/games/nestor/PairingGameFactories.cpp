#include "games/nestor/PairingGameFactories.h"

#include "art/ShellArt.h"
#include "engine/Card.h"
#include "games/acesup/AcesUpWindow.h"
#include "games/montana/MontanaWindow.h"
#include "games/nestor/NestorWindow.h"
#include "games/queenitaly/QueenItalyWindow.h"
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

QImage PairingGamePreviewPicture(int listIndex) {
  switch (listIndex) {
    case AcesUpListIndex: return PreviewOf<TAcesUpForm>();
    case NestorListIndex: return PreviewOf<TNestorForm>();
    case MontanaListIndex: return PreviewOf<TMontanaForm>();
    case QueenItalyListIndex: return PreviewOf<TQueenItalyForm>();
    default: return {};
  }
}

void RegisterPairingGameWindows() {
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    GameWindows::SetFactory(AcesUpListIndex, size, [size] { return CreateAcesUpWindow(size); });
    GameWindows::SetFactory(NestorListIndex, size, [size] { return CreateNestorWindow(size); });
    GameWindows::SetFactory(MontanaListIndex, size, [size] { return CreateMontanaWindow(size); });
    GameWindows::SetFactory(QueenItalyListIndex, size, [size] { return CreateQueenItalyWindow(size); });
  }
  for (int index : {AcesUpListIndex, MontanaListIndex, NestorListIndex, QueenItalyListIndex})
    SetPreviewPicture(index, PairingGamePreviewPicture(index));
}
