#include "games/castle/CastleFamilyFactories.h"

#include <QImage>

#include "art/ShellArt.h"
#include "engine/Card.h"
#include "games/castle/BakersDozenWindow.h"
#include "games/castle/CastleWindow.h"
#include "games/flowergarden/FlowerGardenWindow.h"
#include "games/lucie/LucieWindow.h"
#include "games/seatowers/SeaTowersWindow.h"
#include "shell/GameWindows.h"
#include "widgets/FormPlacement.h"

namespace {

constexpr int BakersDozenIndex = 2;
constexpr int CastleIndex = 4;
constexpr int SeaTowersIndex = 26;
constexpr int FlowerGardenIndex = 10;
constexpr int LucieIndex = 17;

// A real opening layout drawn by the game's large-card window, without its status bar,
// scaled to the preview's 155 x 105. The window is never shown and leaves the settings
// file alone (no placement, no deal number).
template <class TForm>
QImage PreviewPicture() {
  const int previous = TCard::GetCardSize();
  const bool threeD = TCard::IsThreeD(), aged = TCard::IsAged();
  TCard::SetCardSize(CS_LARGE, threeD, aged);
  QImage picture;
  {
    TForm form;
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
  SetPreviewPicture(CastleIndex, PreviewPicture<TCastleForm>());
  SetPreviewPicture(BakersDozenIndex, PreviewPicture<TBakersDozenForm>());
  SetPreviewPicture(SeaTowersIndex, PreviewPicture<TSeaHavenForm>());
  SetPreviewPicture(FlowerGardenIndex, PreviewPicture<TFlowerGardenForm>());
  SetPreviewPicture(LucieIndex, PreviewPicture<TLucieForm>());
}
