#include "games/pyramid/PyramidFamilyFactories.h"

#include "art/ShellArt.h"
#include "engine/Card.h"
#include "games/GamePreview.h"
#include "games/pyramid/GizaWindow.h"
#include "games/pyramid/GolfWindow.h"
#include "games/pyramid/PyramidGolfWindow.h"
#include "games/pyramid/PyramidWindow.h"
#include "shell/GameWindows.h"

QImage PyramidFamilyPreviewPicture(int listIndex) {
  switch (listIndex) {
    case PyramidListIndex: return GamePreviewPicture<TPyramidForm>();
    case GolfListIndex: return GamePreviewPicture<TGolfForm>();
    case PyramidGolfListIndex: return GamePreviewPicture<TPyramidGolfForm>();
    case GizaListIndex: return GamePreviewPicture<TGizaForm>();
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
  for (int index : {PyramidListIndex, GolfListIndex, PyramidGolfListIndex, GizaListIndex}) SetPreviewRenderer(index, [index] { return PyramidFamilyPreviewPicture(index); });
}
