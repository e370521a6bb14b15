#include "games/GamePreview.h"

#include "engine/Card.h"
#include "widgets/FormPlacement.h"

QImage RenderGamePreview(const std::function<std::unique_ptr<TGameForm>()>& make) {
  const int previous = TCard::GetCardSize();
  const bool threeD = TCard::IsThreeD(), aged = TCard::IsAged();
  TCard::SetCardSize(CS_LARGE, threeD, aged);
  QImage picture;
  {
    // Never shown, and it leaves the settings file alone (no placement, no deal number).
    const std::unique_ptr<TGameForm> form = make();
    form->FormPlacement1->Active = false;
    form->Init();
    const int tableHeight = form->height() - form->FormLayout().StatusBarHeight;
    const QImage table = form->grab(QRect(0, 0, form->width(), tableHeight)).toImage();
    picture = table.scaled(155, 105, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                  .convertToFormat(QImage::Format_RGB32);
    form->FormClose(form.get());
  }
  if (previous >= CS_SMALL && previous <= CS_HUGE)
    TCard::SetCardSize(static_cast<_CardSize>(previous), threeD, aged);
  return picture;
}
