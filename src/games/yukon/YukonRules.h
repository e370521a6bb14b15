#pragma once
// The Yukon family and Double Klondike apart from drawing: their deal layouts as steps
// over the tableau, and the in-suit tableau build of Russian Pellamy and Australian
// Patience.

#include <vector>

#include "engine/CardPile.h"
#include "games/klondike/KlondikeRules.h"

namespace YukonRules {

using KlondikeRules::TDealStep;

// The triangle: pass r gives piles r..n-1 a card each, face up only on pile r.
std::vector<TDealStep> TriangleSteps(int piles);
// Yukon: the triangle over seven piles, then four passes of face-up cards to piles 2..7.
const std::vector<TDealStep>& YukonSteps();
// Australian Patience: four passes of face-up cards over the seven piles.
const std::vector<TDealStep>& AustralianSteps();
// Double Yukon: the triangle over ten piles, then five passes of face-up cards to all
// ten, the fifth skipping pile 1.
const std::vector<TDealStep>& DoubleYukonSteps();
// Double Klondike: the triangle over nine piles.
const std::vector<TDealStep>& DoubleKlondikeSteps();

// A run headed by bottom may go onto the pile: the same suit one value higher, or a King
// onto an empty pile.
bool CanDropInSuit(const TCardPile* target, const TCard* bottom);

}  // namespace YukonRules
