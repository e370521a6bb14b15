// The image button's outline: built from the picture, kept as a rectangle-list block that
// can be handed out and given back, and applied as the widget's mask.

#include <QCursor>
#include <QtEndian>

#include "widgets/wkImgBtn.h"

namespace {

constexpr int HeaderSize = 32;  // dwSize, iType, nCount, nRgnSize, rcBound
constexpr int RectBytes = 16;
constexpr quint32 RectanglesType = 1;

void PutInt(QByteArray& data, qint32 value) {
  char bytes[4];
  qToLittleEndian<qint32>(value, bytes);
  data.append(bytes, 4);
}

qint32 IntAt(const QByteArray& data, int offset) {
  return qFromLittleEndian<qint32>(data.constData() + offset);
}

// The region as a block of rectangles in bands from top to bottom, left to right within
// a band (the order QRegion keeps them in).
QByteArray RegionToBlock(const QRegion& region) {
  QByteArray block;
  const int count = region.rectCount();
  const QRect bound = region.boundingRect();
  PutInt(block, HeaderSize);
  PutInt(block, RectanglesType);
  PutInt(block, count);
  PutInt(block, count * RectBytes);
  PutInt(block, count ? bound.left() : 0);
  PutInt(block, count ? bound.top() : 0);
  PutInt(block, count ? bound.right() + 1 : 0);
  PutInt(block, count ? bound.bottom() + 1 : 0);
  for (const QRect& r : region) {
    PutInt(block, r.left());
    PutInt(block, r.top());
    PutInt(block, r.right() + 1);
    PutInt(block, r.bottom() + 1);
  }
  return block;
}

// The region a block describes, by its header's counts; none when the header is not one
// of a rectangle list. A header that claims more rectangles than the block holds is cut
// to the rectangles present, so a damaged block is never read past its end.
std::optional<QRegion> BlockToRegion(const QByteArray& block) {
  if (block.size() < HeaderSize) return std::nullopt;
  const qint32 size = IntAt(block, 0);
  const qint32 type = IntAt(block, 4);
  const qint32 count = IntAt(block, 8);
  if (size != HeaderSize || type != static_cast<qint32>(RectanglesType) || count < 0)
    return std::nullopt;
  const int present = (block.size() - HeaderSize) / RectBytes;
  const int used = std::min(count, present);
  QRegion region;
  for (int i = 0; i < used; ++i) {
    const int at = HeaderSize + i * RectBytes;
    const QRect r(QPoint(IntAt(block, at), IntAt(block, at + 4)),
                  QPoint(IntAt(block, at + 8) - 1, IntAt(block, at + 12) - 1));
    if (r.isValid()) region += r;
  }
  return region;
}

}  // namespace

// ---- stored blocks ----

QByteArray TwkImageBtn::StreamedBlock(const QByteArray& block) {
  QByteArray data;
  PutInt(data, block.size());
  return data + block;
}

void TwkImageBtn::ReadBlock(QByteArray& block, const QByteArray& data) {
  // A length of 0 stores nothing; a block shorter than its length is refused whole.
  if (data.size() < 4) return;
  const qint64 length = static_cast<quint32>(IntAt(data, 0));
  if (length == 0 || data.size() - 4 < length) return;
  block = data.mid(4, static_cast<int>(length));
  ApplyRegion();
  update();
}

void TwkImageBtn::SaveRegion(const QRegion& region, bool down) {
  (down ? FDownRegionData : FRegionData) = RegionToBlock(region);
}

void TwkImageBtn::DiscardRegionBlocks() {
  FRegionData.clear();
  FDownRegionData.clear();
}

// ---- outline ----

TColor TwkImageBtn::GetTransparentColor(bool down) const {
  if (FTransparentColor == clNullColor) return clNullColor;
  if (FTransparentColor != clNone) return ColorToRGB(FTransparentColor);
  const TwkBitmap& downPicture = GetImage(true);
  const TwkBitmap& picture = (down && !downPicture.Empty()) ? downPicture : GetImage(false);
  return picture.Empty() ? clNone : picture.Pixel(0, 0);
}

bool TwkImageBtn::ChangesOutline() const {
  return FTransparentColor != clNullColor &&
         (FShadeStyle == fbsRaised || (!GetImage(false).Empty() && !GetImage(true).Empty()));
}

std::optional<QRegion> TwkImageBtn::CreateRegion(bool build, bool down) {
  if (FTransparentColor == clNullColor) return std::nullopt;
  const QByteArray& stored = down ? FDownRegionData : FRegionData;
  if (!stored.isEmpty()) return BlockToRegion(stored);  // the stored block wins
  const TwkBitmap& up = GetImage(false);
  if (!build || up.Empty()) return std::nullopt;
  const TwkBitmap& downPicture = GetImage(true);
  const TwkBitmap& picture = (down && !downPicture.Empty()) ? downPicture : up;
  TwkBitmap temp;
  RenderImage(picture, temp, FShadeStyle, true, down);
  if (temp.Empty()) return std::nullopt;
  QRegion region = RegionFromBitmap(temp.Canvas(), GetTransparentColor(down));
  if (FShadeStyle == fbsRaised) {
    const QRegion shifted = region.translated(2, 2);
    region = down ? shifted : region.united(shifted);
  }
  SaveRegion(region, down);
  return region;
}

void TwkImageBtn::ApplyRegion() {
  if (FDestroying) return;
  if (FTransparentColor == clNullColor) {
    FRegionCopy.reset();
    clearMask();
    return;
  }
  const bool state = FDown;
  const std::optional<QRegion> region = CreateRegion(true, state);
  if (ChangesOutline()) {
    // What the old outline covered and the new one does not must be repainted behind.
    if (FRegionCopy && region && parentWidget())
      parentWidget()->update(FRegionCopy->xored(*region).translated(pos()));
    FRegionCopy = region;
  } else {
    FRegionCopy.reset();
  }
  if (!region) {
    clearMask();
  } else if (region->isEmpty()) {
    // A picture that is all transparent colour leaves no shape at all: nothing shows and
    // nothing takes clicks. An empty mask would mean "no mask", so the mask is a pixel
    // outside the button instead.
    setMask(QRegion(-1, -1, 1, 1));
  } else {
    setMask(*region);
  }
  if (ChangesOutline() && parentWidget()) InvalidateChildrenOver(parentWidget(), this);
}

bool TwkImageBtn::IsMouseInButton(QPoint pos, bool requirePressed) {
  // Windows behind a modal one get no input from Qt, and a click must not depend on how
  // soon the window manager activates the window it lands on; only the hot look asks
  // for the active window (MouseOverShape).
  if (pos == QPoint(-1, -1)) pos = mapFromGlobal(QCursor::pos());
  bool inside;
  if (ChangesOutline()) {
    const std::optional<QRegion> other = CreateRegion(true, !FDown);
    QRegion both = other ? *other : QRegion(rect());
    both += FRegionCopy ? *FRegionCopy : QRegion(rect());
    inside = both.contains(pos);
  } else if (parentWidget()) {
    // The topmost child there: over a cut-away corner that is whatever lies behind.
    inside = parentWidget()->childAt(mapToParent(pos)) == this;
  } else {
    inside = rect().contains(pos) && (mask().isEmpty() || mask().contains(pos));
  }
  if (requirePressed && !FTracking) return false;
  return inside;
}
