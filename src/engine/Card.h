#pragma once
// One playing card, and the look every card shares (size, 3-D pips, aged outline, back).

#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <cstdint>

class QPainter;

enum _CardSuit : std::uint8_t { CS_CLUBS = 0, CS_DIAMONDS = 1, CS_HEARTS = 2, CS_SPADES = 3 };

enum _CardValue : std::uint8_t {
  CS_ACE = 0, CS_TWO, CS_THREE, CS_FOUR, CS_FIVE, CS_SIX, CS_SEVEN, CS_EIGHT, CS_NINE, CS_TEN,
  CS_JACK, CS_QUEEN, CS_KING
};

enum _CardSize : int { CS_SMALL = 0, CS_LARGE = 1, CS_HUGE = 2 };

// Pictures of one size kept side by side and drawn by number (the image-list mode of the
// card pictures). Images are stored with the key colour 0xFF00FF already transparent.
class TCardImageList {
public:
  explicit TCardImageList(QSize size) : FSize(size) {}
  QSize Size() const { return FSize; }
  int Count() const { return int(FImages.size()); }
  // Adds a picture masked with the key colour; returns its number.
  int Add(const QImage& picture);
  void Replace(int index, const QImage& picture);
  // Draws image index at the point; selected blends it half with the highlight colour.
  // An index outside the list draws nothing.
  void Draw(QPainter* canvas, QPoint at, int index, bool selected) const;

private:
  QSize FSize;
  QList<QImage> FImages;
  mutable QList<QImage> FSelected;  // made on first use
};

class TCard {
public:
  TCard() = default;
  TCard(_CardSuit suit, _CardValue value) : FSuit(suit), FValue(value) {}
  TCard(_CardSuit suit, _CardValue value, int faceUp) : FSuit(suit), FValue(value), FFaceUp(faceUp != 0) {}
  virtual ~TCard() = default;

  // Stores the position and its triangular row (row r starts at r(r+1)/2).
  virtual void SetPos(int pos);
  // 1 for diamonds and hearts, 0 for clubs and spades; cached in FColor.
  int GetCardColor();
  void Flip() { FFaceUp = !FFaceUp; }

  // Index of this card's face in the face table.
  int FaceIndex() const { return FSuit * 13 + FValue; }

  _CardSuit FSuit = CS_CLUBS;
  _CardValue FValue = CS_ACE;
  std::uint8_t FColor = 0;
  bool FFaceUp = false;
  bool FSelected = false;
  int FRow = 0;
  int FPos = 0;
  float FY = 0;
  float FX = 0;

  // Drawing (the card pictures). As it lies: the current back, or the face (highlighted
  // when selected). DrawBitmapOnCanvas always draws the plain face.
  void DrawCardOnCanvas(QPoint at, QPainter* canvas) const;
  void DrawBitmapOnCanvas(QPoint at, QPainter* canvas) const;
  const QImage& GetCardBitmap() const;

  // Class-wide look. The picture tables and their loaders live with the card pictures.
  static void SetCardSize(_CardSize size, bool threeD, bool aged);
  static void FreeCardBitmaps();
  // Compose the picture set of one size (nothing when a set is loaded).
  static void LoadCardBitmaps(bool threeD, bool aged);
  static void LoadSmallCardBitmaps(bool threeD, bool aged);
  static void LoadHugeCardBitmaps(bool threeD, bool aged);
  static void LoadImageLists();
  static TCardImageList* GetFaceImageList();
  static TCardImageList* GetBackImageList();
  // The user's picture for back 9, drawn into the card outline of the current size and
  // look; kept here so that every reload of the card pictures rebuilds back 9 with it.
  // A null picture makes back 9 a plain outline again.
  static void SetCustomBackPicture(const QImage& picture);
  static QImage CustomBackPicture();
  // Entry of the back table (0..8 built in, 9 the custom back); null when not loaded.
  static QImage* GetBackImage(int index);
  // Pixel size of a card of the given size.
  static QSize CardPixelSize(int size);
  static int GetCardSize() { return FCardSize; }
  static bool IsAged() { return FAged; }
  static bool IsThreeD() { return FThreeD; }
  static void SetBackIndex(int index) { FBackIndex = index; }
  static int GetBackIndex() { return FBackIndex; }
  static void UseImageLists(bool use) { FUseImageLists = use; }
  static bool UsingImageLists() { return FUseImageLists; }
  static bool BitmapsLoaded() { return FLoaded; }

protected:
  // 3 means no picture set is loaded, so the first size change always loads.
  static inline int FCardSize = 3;
  static inline bool FThreeD = false;
  static inline bool FAged = false;
  static inline int FBackIndex = 0;
  static inline bool FUseImageLists = false;
  static inline bool FLoaded = false;

private:
  static void LoadPictureSet(int size, bool threeD, bool aged);
};
