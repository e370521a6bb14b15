#include "engine/CardPileView.h"

void TCardPileView::LoadPileBitmaps() {}
void TCardPileView::FreePileBitmaps() {}
