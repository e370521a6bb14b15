#include "app/GameFactories.h"

#include "art/ShellArt.h"
#include "games/GamePreview.h"
#include "games/castle/CastleFamilyFactories.h"
#include "games/fortythieves/ThievesFactories.h"
#include "games/freecell/FreeCellFactories.h"
#include "games/klondike/KlondikeWindow.h"
#include "games/nestor/PairingGameFactories.h"
#include "games/pyramid/PyramidFamilyFactories.h"
#include "games/spider/SpiderFamilyFactories.h"
#include "games/yukon/KlondikeFamilyFactories.h"
#include "shell/GameWindows.h"

namespace {
constexpr int KlondikeIndex = 16;
}  // namespace

void RegisterGameWindows() {
  for (int size = 0; size < 3; ++size)
    GameWindows::SetFactory(KlondikeIndex, size, [size]() -> QWidget* { return CreateKlondikeWindow(size); });
  SetPreviewRenderer(KlondikeIndex, GamePreviewPicture<TKlondikeForm>);
  RegisterKlondikeFamilyWindows();
  RegisterFreeCellWindows();
  RegisterCastleFamilyWindows();
  RegisterPyramidFamilyWindows();
  RegisterPairingGameWindows();
  RegisterSpiderFamilyWindows();
  RegisterThievesWindows();
}
