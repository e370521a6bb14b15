#pragma once
// Simple Simon's window at the three card sizes: ten tableau piles and no stock.

#include "games/scorpion/ScorpionLayouts.h"

namespace SimpleSimonLayouts {

using namespace ScorpionLayouts;

#define SIMON_TABLEAU(n, left, top, w, h) {"TableauPile" #n, Pile, left, top, w, h, TopBottom, TableauProps, TableauEvents}

// Large cards, 80 x 125.
inline constexpr TComponentLayout LargeComponents[] = {
    SIMON_TABLEAU(1, 11, 9, 80, 490),  SIMON_TABLEAU(2, 107, 9, 80, 490), SIMON_TABLEAU(3, 203, 9, 80, 490),
    SIMON_TABLEAU(4, 299, 9, 80, 490), SIMON_TABLEAU(5, 395, 9, 80, 490), SIMON_TABLEAU(6, 491, 9, 80, 490),
    SIMON_TABLEAU(7, 587, 9, 80, 490), SIMON_TABLEAU(8, 683, 9, 80, 490), SIMON_TABLEAU(9, 779, 9, 80, 490),
    SIMON_TABLEAU(10, 875, 9, 80, 490),
};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 969, .ClientHeight = 500,
                                   .MinWidth = 969, .MinHeight = 400, .StatusBarHeight = 26,
                                   .Components = LargeComponents, .Panels = LargePanels};

// Small cards, 61 x 95.
inline constexpr TComponentLayout SmallComponents[] = {
    SIMON_TABLEAU(1, 11, 8, 61, 410),  SIMON_TABLEAU(2, 82, 8, 61, 410),  SIMON_TABLEAU(3, 153, 8, 61, 410),
    SIMON_TABLEAU(4, 224, 8, 61, 410), SIMON_TABLEAU(5, 295, 8, 61, 410), SIMON_TABLEAU(6, 366, 8, 61, 410),
    SIMON_TABLEAU(7, 437, 8, 61, 410), SIMON_TABLEAU(8, 508, 8, 61, 410), SIMON_TABLEAU(9, 579, 8, 61, 410),
    SIMON_TABLEAU(10, 650, 8, 61, 410),
};
inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 730, .ClientHeight = 420,
                                   .MinWidth = 730, .MinHeight = 300, .FontHeight = 11,
                                   .StatusBarHeight = 22, .PlacementPrefix = "s",
                                   .Components = SmallComponents, .Panels = SmallPanels};

// Huge cards, 120 x 188.
inline constexpr TComponentLayout HugeComponents[] = {
    SIMON_TABLEAU(1, 8, 10, 120, 742),   SIMON_TABLEAU(2, 131, 10, 120, 742), SIMON_TABLEAU(3, 254, 10, 120, 742),
    SIMON_TABLEAU(4, 377, 10, 120, 742), SIMON_TABLEAU(5, 500, 10, 120, 742), SIMON_TABLEAU(6, 623, 10, 120, 742),
    SIMON_TABLEAU(7, 746, 10, 120, 742), SIMON_TABLEAU(8, 869, 10, 120, 742), SIMON_TABLEAU(9, 992, 10, 120, 742),
    SIMON_TABLEAU(10, 1115, 10, 120, 742),
};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 1244, .ClientHeight = 754,
                                  .MinWidth = 1250, .MinHeight = 700, .StatusBarHeight = 36,
                                  .PlacementPrefix = "h", .Components = HugeComponents,
                                  .Panels = HugePanels};

#undef SIMON_TABLEAU

}  // namespace SimpleSimonLayouts
