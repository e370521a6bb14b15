#include "games/spider/SpiderFamilyFactories.h"

#include "art/ShellArt.h"
#include "engine/Card.h"
#include "games/scorpion/DoubleScorpionWindow.h"
#include "games/scorpion/Scorpion2Window.h"
#include "games/scorpion/ScorpionWindow.h"
#include "games/scorpion/SimpleSimonWindow.h"
#include "games/spider/SpiderWindow.h"
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

QImage SpiderFamilyPreviewPicture(int listIndex) {
  switch (listIndex) {
    case SpiderListIndex: return PreviewOf<TSpiderForm>();
    case ScorpionListIndex: return PreviewOf<TScorpionForm>();
    case Scorpion2ListIndex: return PreviewOf<TScorpion2Form>();
    case SimpleSimonListIndex: return PreviewOf<TSimpleSimonForm>();
    case DoubleScorpionListIndex: return PreviewOf<TDoubleScorpionForm>();
    default: return {};
  }
}

void RegisterSpiderFamilyWindows() {
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    GameWindows::SetFactory(SpiderListIndex, size, [size] { return CreateSpiderWindow(size); });
    GameWindows::SetFactory(ScorpionListIndex, size, [size] { return CreateScorpionWindow(size); });
    GameWindows::SetFactory(Scorpion2ListIndex, size, [size] { return CreateScorpion2Window(size); });
    GameWindows::SetFactory(SimpleSimonListIndex, size, [size] { return CreateSimpleSimonWindow(size); });
    GameWindows::SetFactory(DoubleScorpionListIndex, size, [size] { return CreateDoubleScorpionWindow(size); });
  }
  for (int index : {SpiderListIndex, ScorpionListIndex, Scorpion2ListIndex, SimpleSimonListIndex,
                    DoubleScorpionListIndex})
    SetPreviewRenderer(index, [index] { return SpiderFamilyPreviewPicture(index); });
}
