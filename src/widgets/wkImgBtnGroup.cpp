// The image button's down state and its groups: buttons of one parent with the same
// non-zero GroupIndex latch down one at a time, like radio buttons.

#include "widgets/wkImgBtn.h"

void TwkImageBtn::SetDownState(bool value, bool repaint, bool notifyGroup) {
  if (value != FDown) {
    FDown = value;
    if (ChangesOutline()) ApplyRegion();
    if (notifyGroup) NotifyGroup();
    if (FGroupIndex != 0 && OnSelChange) OnSelChange();
    if (repaint) update();
  }
  if (FGroupIndex != 0 && (FOptions & boAutoBold) && font().bold() != FDown) {
    QFont bold = font();
    bold.setBold(FDown);
    setFont(bold);
  }
}

std::vector<TwkImageBtn*> TwkImageBtn::GroupSiblings() const {
  std::vector<TwkImageBtn*> siblings;
  if (FGroupIndex == 0 || !parentWidget()) return siblings;
  for (QObject* child : parentWidget()->children()) {
    auto* button = dynamic_cast<TwkImageBtn*>(child);
    if (button && button != this && button->FGroupIndex == FGroupIndex)
      siblings.push_back(button);
  }
  return siblings;
}

void TwkImageBtn::NotifyGroup() {
  for (TwkImageBtn* sibling : GroupSiblings()) sibling->CMButtonPressed(FGroupIndex, this);
}

void TwkImageBtn::CMButtonPressed(int groupIndex, TwkImageBtn* sender) {
  if (!sender || sender == this || groupIndex != FGroupIndex || FGroupIndex == 0) return;
  // The group shares one AllowAllUp.
  FAllowAllUp = sender->FAllowAllUp;
  if (sender->FDown && FDown) SetDownState(false, true, false);
}

void TwkImageBtn::SetGroupIndex(int index) {
  if (index == FGroupIndex) return;
  FGroupIndex = index;
  NotifyGroup();
  update();
}

void TwkImageBtn::SetAllowAllUp(bool value) {
  if (value == FAllowAllUp) return;
  FAllowAllUp = value;
  NotifyGroup();
  update();
}

void TwkImageBtn::SetDitherColor(TColor color) {
  if (color == FDitherColor) return;
  FDitherColor = color;
  update();
}

void TwkImageBtn::SetDitherStyle(TwkDitherStyle style) {
  if (style == FDitherStyle) return;
  FDitherStyle = style;
  update();
}

bool TwkImageBtn::Dithered(bool down) const {
  return down && FGroupIndex > 0 && FDitherColor != clNone && GetImage(true).Empty();
}
