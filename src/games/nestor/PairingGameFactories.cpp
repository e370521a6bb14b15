#include "games/nestor/PairingGameFactories.h"

#include "art/ShellArt.h"
#include "engine/Card.h"
#include "games/GamePreview.h"
#include "games/acesup/AcesUpWindow.h"
#include "games/montana/MontanaWindow.h"
#include "games/nestor/NestorWindow.h"
#include "games/queenitaly/QueenItalyWindow.h"
#include "shell/GameWindows.h"

QImage PairingGamePreviewPicture(int listIndex) {
  switch (listIndex) {
    case AcesUpListIndex: return GamePreviewPicture<TAcesUpForm>();
    case NestorListIndex: return GamePreviewPicture<TNestorForm>();
    case MontanaListIndex: return GamePreviewPicture<TMontanaForm>();
    case QueenItalyListIndex: return GamePreviewPicture<TQueenItalyForm>();
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
    SetPreviewRenderer(index, [index] { return PairingGamePreviewPicture(index); });
}
