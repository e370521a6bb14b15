#pragma once
// One playing card, and the look every card shares (size, 3-D pips, aged outline, back).

#include <QImage>
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
};
