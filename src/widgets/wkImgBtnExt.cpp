// Pictures taken from another image button or an imager, and copying one button's look
// onto another.

#include <algorithm>

#include "widgets/wkImager.h"
#include "widgets/wkImgBtn.h"

TwkBitmap* TwkImageBtn::ExtPicture(const TExtSource& ext, bool down) const {
  if (!ext.Source) return nullptr;
  if (ext.SourceButton) return down ? &ext.SourceButton->FImageDown : &ext.SourceButton->FImage;
  // An imager renders its picture again first when its effects changed.
  return &static_cast<TwkCustomImager*>(ext.Source.data())->Bitmap();
}

TwkBitmap& TwkImageBtn::GetImage(bool down) {
  if (TwkBitmap* ext = ExtPicture(down ? FExtImageDown : FExtImage, down)) return *ext;
  return down ? FImageDown : FImage;
}

const TwkBitmap& TwkImageBtn::GetImage(bool down) const {
  if (TwkBitmap* ext = ExtPicture(down ? FExtImageDown : FExtImage, down)) return *ext;
  return down ? FImageDown : FImage;
}

void TwkImageBtn::DropExtSource(TExtSource& ext) {
  if (ext.Source && ext.Link) {
    TwkBitmap* linked = ExtPicture(ext, &ext == &FExtImageDown);
    if (linked) linked->RemoveChangeLink(ext.Link);
  }
  QObject::disconnect(ext.Gone);
  if (TwkImageBtn* button = ext.SourceButton) {
    const bool stillUsed = (&ext != &FExtImage && FExtImage.SourceButton == button) ||
                           (&ext != &FExtImageDown && FExtImageDown.SourceButton == button);
    if (!stillUsed)
      std::erase_if(button->FExtUsers, [this](const QPointer<TwkImageBtn>& user) {
        return !user || user == this;
      });
  }
  ext.Source = nullptr;
  ext.SourceButton = nullptr;
  ext.Link = 0;
}

void TwkImageBtn::SetExtSource(TExtSource& ext, QWidget* source, bool down) {
  auto* button = dynamic_cast<TwkImageBtn*>(source);
  auto* imager = dynamic_cast<TwkCustomImager*>(source);
  if (button == this || (!button && !imager)) source = nullptr, button = nullptr;
  if (source == ext.Source) return;
  DropExtSource(ext);
  if (source) {
    ext.Source = source;
    ext.SourceButton = button;
    TwkBitmap* picture = ExtPicture(ext, down);
    ext.Link = picture->AddChangeLink([this, down] { PictureChanged(down); });
    if (button) button->FExtUsers.push_back(this);
    // An imager tells of its end only here; a button tells its users from its destructor,
    // while its pictures still exist.
    ext.Gone = connect(source, &QObject::destroyed, this, [this, &ext, down] {
      ext.Source = nullptr;
      ext.SourceButton = nullptr;
      ext.Link = 0;
      PictureChanged(down);
    });
  }
  PictureChanged(down);
}

void TwkImageBtn::Assign(const TwkImageBtn& source) {
  if (&source == this) return;
  FDitherColor = source.FDitherColor;
  FDitherStyle = source.FDitherStyle;
  FOffsets = source.FOffsets;
  SetTransparentColor(source.FTransparentColor);
  auto* from = const_cast<TwkImageBtn*>(&source);
  SetExtImage(from);
  SetExtImageDown(from);
  // What every button of the kit shares.
  FColor = source.FColor;
  FLayout = source.FLayout;
  FMargin = source.FMargin;
  FNumGlyphs = source.FNumGlyphs;
  SetOptions(source.FOptions);
  FShadeColors = source.FShadeColors;
  FSpacing = source.FSpacing;
  setFocusPolicy(source.focusPolicy());
  FTextOptions.Assign(source.FTextOptions);
  update();
}
