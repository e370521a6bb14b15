// The class-wide card pictures: composing the 52 faces and the backs of one size from the
// artwork, and drawing a card. Faces are composed once per size or look change; drawing
// only copies finished pictures.

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <array>
#include <memory>

#include "art/CardArt.h"
#include "engine/Card.h"
#include "engine/CardPileView.h"

namespace {

constexpr QRgb KeyColor = 0xFF00FF;

// Where the pieces of a face come from and go to, for one card size.
struct TFaceGeometry {
  const char* Letter;    // size letter of the artwork names
  QSize Card;
  int IndexW, IndexH, IndexStep;
  int RedShift;
  QPoint IndexAt;
  int TurnedIndexTop;
  QPoint TurnedIndexAt;
  int SymbolW, SymbolH, SymbolTop;
  QPoint SymbolAt, AceSymbolAt;
  int TurnedSymbolShift;
  QPoint TurnedSymbolAt, AceTurnedSymbolAt;
  int PipW, PipH, PipTop;
  int TurnedPipShift;
  QRect CourtSource;     // empty: the whole picture
  QPoint CourtAt;
  QRect BackSource;
  QPoint BackAt;
  QRect CustomBackInner;  // where the user's back picture is stretched
  std::array<QPoint, 17> Slots;
};

const TFaceGeometry Geometry[3] = {
    // small
    {"s", {61, 95}, 8, 14, 16, 8, {2, 3}, 15, {51, 78}, 10, 12, 52, {2, 17}, {11, 4}, 40, {50, 64},
     {41, 79}, 20, 21, 30, 80, QRect(), {10, 10}, {0, 0, 51, 87}, {5, 4}, QRect(4, 4, 53, 87),
     {{{9, 9}, {21, 9}, {33, 9}, {21, 19}, {21, 24}, {9, 29}, {33, 29}, {9, 38}, {21, 38}, {33, 38},
       {9, 47}, {33, 47}, {21, 52}, {21, 57}, {9, 66}, {21, 66}, {33, 66}}}},
    // large
    {"", {80, 125}, 8, 14, 16, 8, {3, 6}, 15, {69, 106}, 10, 12, 52, {2, 20}, {12, 7}, 40, {69, 92},
     {60, 107}, 20, 21, 30, 80, {0, 0, 56, 102}, {12, 11}, {0, 0, 68, 115}, {6, 5},
     QRect(5, 5, 70, 115),
     {{{13, 13}, {30, 13}, {47, 13}, {30, 26}, {30, 33}, {13, 40}, {47, 40}, {13, 52}, {30, 52},
       {47, 52}, {13, 65}, {47, 65}, {30, 72}, {30, 79}, {13, 91}, {30, 91}, {47, 91}}}},
    // huge
    {"h", {120, 188}, 12, 21, 24, 12, {5, 9}, 23, {104, 159}, 15, 18, 78, {3, 30}, {18, 11}, 60,
     {104, 138}, {90, 161}, 30, 32, 45, 120, {0, 0, 84, 153}, {18, 18}, {0, 0, 102, 173}, {9, 8},
     QRect(8, 8, 104, 172),
     {{{20, 20}, {45, 20}, {71, 20}, {45, 39}, {45, 50}, {20, 60}, {71, 60}, {20, 77}, {45, 77},
       {71, 77}, {20, 98}, {71, 98}, {45, 108}, {45, 119}, {20, 137}, {45, 137}, {71, 137}}}},
};

// Pip slots of Ace .. Ten; -1 ends a list.
constexpr int PipLists[10][11] = {
    {8, -1},
    {1, 15, -1},
    {1, 8, 15, -1},
    {0, 2, 14, 16, -1},
    {0, 2, 8, 14, 16, -1},
    {0, 2, 7, 9, 14, 16, -1},
    {0, 2, 4, 7, 9, 14, 16, -1},
    {0, 2, 4, 7, 9, 12, 14, 16, -1},
    {0, 2, 5, 6, 8, 10, 11, 14, 16, -1},
    {0, 2, 3, 5, 6, 10, 11, 13, 14, 16, -1},
};

const char* const CourtNames[3] = {"JACK", "QUEEN", "KING"};
const char SuitLetters[4] = {'C', 'D', 'H', 'S'};

struct TPictureSet {
  int Size = -1;
  std::array<QImage, 52> Faces;
  std::array<QImage, 52> SelectedFaces;  // made on first use
  std::array<QImage, 10> Backs;
  QImage SelectionBrush;
  QImage Outline;  // of the loaded look, for the custom back
  std::array<QRect, 17> PipSlots;
  std::unique_ptr<TCardImageList> FaceList;
  std::unique_ptr<TCardImageList> BackList;
};

TPictureSet& Pictures() {
  static TPictureSet set;
  return set;
}

QImage& CustomPicture() {
  static QImage picture;
  return picture;
}

const QImage& NoImage() {
  static const QImage none;
  return none;
}

QImage Art(const QString& name) {
  QImage image = CardArtBitmap(name);
  if (image.format() != QImage::Format_RGB32) image = image.convertToFormat(QImage::Format_RGB32);
  return image;
}

// AND the source rectangle of piece onto target at the point (both RGB32), clipped to both.
void AndPiece(QImage& target, QPoint at, const QImage& piece, QRect source) {
  if (piece.isNull()) return;
  if (source.isNull()) source = piece.rect();
  source &= piece.rect();
  QRect dest(at, source.size());
  const QRect clipped = dest & target.rect();
  if (clipped.isEmpty()) return;
  source.translate(clipped.topLeft() - dest.topLeft());
  for (int y = 0; y < clipped.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(piece.constScanLine(source.top() + y)) + source.left();
    QRgb* out = reinterpret_cast<QRgb*>(target.scanLine(clipped.top() + y)) + clipped.left();
    for (int x = 0; x < clipped.width(); ++x) out[x] &= in[x];
  }
}

// Turns pixels of the key colour transparent (by default the bottom-left pixel's colour);
// the result is ready to draw.
QImage MadeTransparent(const QImage& composed, int keyColor = -1) {
  QImage result(composed.size(), QImage::Format_ARGB32_Premultiplied);
  if (composed.isNull()) return result;
  const QRgb key = keyColor >= 0 ? QRgb(keyColor) : composed.pixel(0, composed.height() - 1) & 0xFFFFFF;
  for (int y = 0; y < composed.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(composed.constScanLine(y));
    QRgb* out = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < composed.width(); ++x) {
      const QRgb p = in[x] & 0xFFFFFF;
      out[x] = p == key ? 0 : (p | 0xFF000000u);
    }
  }
  return result;
}

// Back 9: the outline of the loaded look, with the user's picture stretched into its
// inner rectangle, or the bare outline without one.
void ComposeCustomBack() {
  TPictureSet& set = Pictures();
  if (set.Size < 0 || set.Outline.isNull()) return;
  QImage back = set.Outline.copy();
  const QImage& picture = CustomPicture();
  if (!picture.isNull()) {
    QPainter p(&back);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(Geometry[set.Size].CustomBackInner, picture);
  }
  set.Backs[9] = MadeTransparent(back);
  if (set.BackList) {
    if (picture.isNull()) return;
    if (set.BackList->Count() == 9)
      set.BackList->Add(set.Backs[9]);
    else
      set.BackList->Replace(9, set.Backs[9]);
  }
}

int UsableBackIndex(int index) { return (index >= 0 && index <= 9) ? index : 0; }

const QImage& SelectedFace(int faceIndex) {
  TPictureSet& set = Pictures();
  QImage& selected = set.SelectedFaces[faceIndex];
  if (!selected.isNull()) return selected;
  const QImage& face = set.Faces[faceIndex];
  if (face.isNull() || set.SelectionBrush.isNull()) return face;
  // The face AND-ed onto the tiled brush; what lies outside the card stays transparent.
  selected = QImage(face.size(), QImage::Format_ARGB32_Premultiplied);
  const QImage& brush = set.SelectionBrush;
  for (int y = 0; y < face.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(face.constScanLine(y));
    const QRgb* pattern = reinterpret_cast<const QRgb*>(brush.constScanLine(y % brush.height()));
    QRgb* out = reinterpret_cast<QRgb*>(selected.scanLine(y));
    for (int x = 0; x < face.width(); ++x)
      out[x] = qAlpha(in[x]) == 0 ? 0 : (in[x] & pattern[x % brush.width()]) | 0xFF000000u;
  }
  return selected;
}

}  // namespace

// ---- TCardImageList --------------------------------------------------------------------

// A picture that has transparency already is kept as it is; an opaque one is masked with
// the key colour.
static QImage Masked(const QImage& picture) {
  if (picture.hasAlphaChannel()) return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  return MadeTransparent(picture.convertToFormat(QImage::Format_RGB32), KeyColor);
}

int TCardImageList::Add(const QImage& picture) {
  FImages.append(Masked(picture));
  FSelected.append(QImage());
  return int(FImages.size()) - 1;
}

void TCardImageList::Replace(int index, const QImage& picture) {
  if (index < 0 || index >= FImages.size()) return;
  FImages[index] = Masked(picture);
  FSelected[index] = QImage();
}

void TCardImageList::Draw(QPainter* canvas, QPoint at, int index, bool selected) const {
  if (!canvas || index < 0 || index >= FImages.size()) return;
  if (!selected) {
    canvas->drawImage(at, FImages[index]);
    return;
  }
  QImage& blended = FSelected[index];
  if (blended.isNull()) {
    blended = FImages[index].copy();
    QPainter p(&blended);
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    QColor highlight = QGuiApplication::palette().color(QPalette::Highlight);
    highlight.setAlpha(128);
    p.fillRect(blended.rect(), highlight);
  }
  canvas->drawImage(at, blended);
}

// ---- TCard: class-wide look ------------------------------------------------------------

QSize TCard::CardPixelSize(int size) {
  return Geometry[(size >= 0 && size <= 2) ? size : CS_LARGE].Card;
}

void TCard::SetCardSize(_CardSize size, bool threeD, bool aged) {
  // Also reload when the pictures were freed meanwhile, or nothing would be drawn.
  if (FLoaded && size == FCardSize && threeD == FThreeD && aged == FAged) return;
  FreeCardBitmaps();
  FAged = aged;
  FThreeD = threeD;
  FCardSize = size;
  switch (size) {
    case CS_SMALL: LoadSmallCardBitmaps(threeD, aged); break;
    case CS_HUGE: LoadHugeCardBitmaps(threeD, aged); break;
    default: LoadCardBitmaps(threeD, aged); break;
  }
  TCardPileView::LoadPileBitmaps();
}

void TCard::FreeCardBitmaps() {
  TPictureSet& set = Pictures();
  set.SelectionBrush = QImage();
  set.Outline = QImage();
  for (QImage& back : set.Backs) back = QImage();
  for (QImage& face : set.Faces) face = QImage();
  for (QImage& face : set.SelectedFaces) face = QImage();
  set.FaceList.reset();
  set.BackList.reset();
  set.Size = -1;
  FLoaded = false;
  TCardPileView::FreePileBitmaps();
}

void TCard::LoadCardBitmaps(bool threeD, bool aged) { LoadPictureSet(CS_LARGE, threeD, aged); }
void TCard::LoadSmallCardBitmaps(bool threeD, bool aged) { LoadPictureSet(CS_SMALL, threeD, aged); }
void TCard::LoadHugeCardBitmaps(bool threeD, bool aged) { LoadPictureSet(CS_HUGE, threeD, aged); }

void TCard::LoadPictureSet(int size, bool threeD, bool aged) {
  if (FLoaded) return;
  TPictureSet& set = Pictures();
  const TFaceGeometry& g = Geometry[size];
  const QString letter = QString::fromLatin1(g.Letter);
  const QString look = threeD ? QStringLiteral("3D") : QString();

  set.SelectionBrush = Art(QStringLiteral("CS_SELECTED"));
  for (int i = 0; i < 17; ++i) set.PipSlots[i] = QRect(g.Slots[i], QSize(g.PipW, g.PipH));

  QString outlineName;
  if (threeD && aged)
    outlineName = QStringLiteral("CS_3DAGED_%1BORDER").arg(letter);
  else if (aged)
    outlineName = QStringLiteral("CS_AGED_%1BORDER").arg(letter);
  else
    outlineName = QStringLiteral("CS_%1%2BORDER").arg(letter, look);
  set.Outline = Art(outlineName);
  if (set.Outline.size() != g.Card) {
    // Never compose on a picture of the wrong size: a blank card with a transparent
    // corner keeps every later step well defined.
    set.Outline = QImage(g.Card, QImage::Format_RGB32);
    set.Outline.fill(Qt::white);
    set.Outline.setPixel(0, g.Card.height() - 1, KeyColor);
  }
  set.Size = size;

  const QImage strip = Art(QStringLiteral("CS_%1%2SYMBOLS").arg(letter, look));
  QImage face(g.Card, QImage::Format_RGB32);
  for (int s = 0; s < 4; ++s) {
    for (int v = 0; v < 13; ++v) {
      face = set.Outline.copy();
      const bool red = s == CS_DIAMONDS || s == CS_HEARTS;
      const bool aceOfSpades = v == CS_ACE && s == CS_SPADES;
      const int indexLeft = v * g.IndexStep + (red ? g.RedShift : 0);
      AndPiece(face, g.IndexAt, strip, QRect(indexLeft, 0, g.IndexW, g.IndexH));
      AndPiece(face, g.TurnedIndexAt, strip, QRect(indexLeft, g.TurnedIndexTop, g.IndexW, g.IndexH));

      const QRect symbol(s * g.SymbolW, g.SymbolTop, g.SymbolW, g.SymbolH);
      const QRect turnedSymbol = symbol.translated(g.TurnedSymbolShift, 0);
      AndPiece(face, g.SymbolAt, strip, symbol);
      AndPiece(face, g.TurnedSymbolAt, strip, turnedSymbol);
      if (v == CS_ACE && !aceOfSpades) {
        AndPiece(face, g.AceSymbolAt, strip, symbol);
        AndPiece(face, g.AceTurnedSymbolAt, strip, turnedSymbol);
      }

      if (v <= CS_TEN && !aceOfSpades) {
        const QRect pip(s * g.PipW, g.PipTop, g.PipW, g.PipH);
        for (const int* slot = PipLists[v]; *slot >= 0; ++slot) {
          const QRect source = *slot >= 10 ? pip.translated(g.TurnedPipShift, 0) : pip;
          AndPiece(face, set.PipSlots[*slot].topLeft(), strip, source);
        }
      } else {
        const QString picture =
            aceOfSpades ? QStringLiteral("CS_%1%2ACES").arg(letter, look)
                        : QStringLiteral("CS_%1%2%3%4")
                              .arg(letter, look, QLatin1String(CourtNames[v - CS_JACK]))
                              .arg(QLatin1Char(SuitLetters[s]));
        AndPiece(face, g.CourtAt, Art(picture), g.CourtSource);
      }
      set.Faces[s * 13 + v] = MadeTransparent(face);
      set.SelectedFaces[s * 13 + v] = QImage();
    }
  }

  for (int i = 0; i < 9; ++i) {
    QImage back = set.Outline.copy();
    AndPiece(back, g.BackAt, Art(QStringLiteral("CS_%1BACK%2").arg(letter).arg(i + 1)), g.BackSource);
    set.Backs[i] = MadeTransparent(back);
  }
  ComposeCustomBack();

  FLoaded = true;
  if (FUseImageLists) LoadImageLists();
}

void TCard::LoadImageLists() {
  TPictureSet& set = Pictures();
  if (set.Size < 0) return;
  const QSize card = Geometry[set.Size].Card;
  set.FaceList = std::make_unique<TCardImageList>(card);
  for (const QImage& face : set.Faces) set.FaceList->Add(face);
  set.BackList = std::make_unique<TCardImageList>(card);
  for (int i = 0; i < 9; ++i) set.BackList->Add(set.Backs[i]);
  if (!CustomPicture().isNull()) set.BackList->Add(set.Backs[9]);
}

TCardImageList* TCard::GetFaceImageList() { return Pictures().FaceList.get(); }
TCardImageList* TCard::GetBackImageList() { return Pictures().BackList.get(); }

QImage* TCard::GetBackImage(int index) {
  TPictureSet& set = Pictures();
  if (index < 0 || index > 9 || set.Backs[index].isNull()) return nullptr;
  return &set.Backs[index];
}

void TCard::SetCustomBackPicture(const QImage& picture) {
  CustomPicture() = picture;
  ComposeCustomBack();
}

QImage TCard::CustomBackPicture() { return CustomPicture(); }

// ---- TCard: drawing --------------------------------------------------------------------

const QImage& TCard::GetCardBitmap() const {
  const int index = FaceIndex();
  return (index >= 0 && index < 52) ? Pictures().Faces[index] : NoImage();
}

void TCard::DrawBitmapOnCanvas(QPoint at, QPainter* canvas) const {
  const QImage& face = GetCardBitmap();
  if (canvas && !face.isNull()) canvas->drawImage(at, face);
}

void TCard::DrawCardOnCanvas(QPoint at, QPainter* canvas) const {
  if (!canvas) return;
  TPictureSet& set = Pictures();
  const int backIndex = UsableBackIndex(FBackIndex);
  const int faceIndex = FaceIndex();
  if (faceIndex < 0 || faceIndex >= 52) return;
  if (FUseImageLists && set.FaceList && set.BackList) {
    if (FFaceUp)
      set.FaceList->Draw(canvas, at, faceIndex, FSelected);
    else if (backIndex < set.BackList->Count())
      set.BackList->Draw(canvas, at, backIndex, false);
    else if (!set.Backs[backIndex].isNull())
      canvas->drawImage(at, set.Backs[backIndex]);
    return;
  }
  const QImage& picture = !FFaceUp ? set.Backs[backIndex]
                          : FSelected ? SelectedFace(faceIndex)
                                      : set.Faces[faceIndex];
  if (!picture.isNull()) canvas->drawImage(at, picture);
}
