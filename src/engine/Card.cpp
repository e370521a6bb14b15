#include "engine/Card.h"

void TCard::SetPos(int pos) {
  FPos = pos;
  int row = 0;
  int remaining = pos;
  while (remaining - row > 0) {
    row = row + 1;
    remaining = remaining - row;
  }
  FRow = row;
}

int TCard::GetCardColor() {
  FColor = (FSuit == CS_DIAMONDS || FSuit == CS_HEARTS) ? 1 : 0;
  return FColor;
}
