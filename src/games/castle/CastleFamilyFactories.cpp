#include "games/castle/CastleFamilyFactories.h"

#include <QImage>

#include "art/ShellArt.h"
#include "engine/Card.h"
#include "games/GamePreview.h"
#include "games/castle/BakersDozenWindow.h"
#include "games/castle/CastleWindow.h"
#include "games/flowergarden/FlowerGardenWindow.h"
#include "games/lucie/LucieWindow.h"
#include "games/seatowers/SeaTowersWindow.h"
#include "shell/GameWindows.h"

namespace {

constexpr int BakersDozenIndex = 2;
constexpr int CastleIndex = 4;
constexpr int SeaTowersIndex = 26;
constexpr int FlowerGardenIndex = 10;
constexpr int LucieIndex = 17;

template <class TMake>
void Register(int index, TMake make) {
  for (int size = 0; size < 3; ++size)
    GameWindows::SetFactory(index, size, [make, size]() -> QWidget* { return make(size); });
}

}  // namespace

void RegisterCastleFamilyWindows() {
  Register(CastleIndex, [](int size) { return CreateCastleWindow(size); });
  Register(BakersDozenIndex, [](int size) { return CreateBakersDozenWindow(size); });
  Register(SeaTowersIndex, [](int size) { return CreateSeaHavenWindow(size); });
  Register(FlowerGardenIndex, [](int size) { return CreateFlowerGardenWindow(size); });
  Register(LucieIndex, [](int size) { return CreateLucieWindow(size); });
  SetPreviewRenderer(CastleIndex, GamePreviewPicture<TCastleForm>);
  SetPreviewRenderer(BakersDozenIndex, GamePreviewPicture<TBakersDozenForm>);
  SetPreviewRenderer(SeaTowersIndex, GamePreviewPicture<TSeaHavenForm>);
  SetPreviewRenderer(FlowerGardenIndex, GamePreviewPicture<TFlowerGardenForm>);
  SetPreviewRenderer(LucieIndex, GamePreviewPicture<TLucieForm>);
}
