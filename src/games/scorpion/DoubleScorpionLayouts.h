#pragma once
// Double Scorpion's window at the three card sizes: ten tall tableau piles, no stock.

#include "games/scorpion/ScorpionLayouts.h"

namespace DoubleScorpionLayouts {

using namespace ScorpionLayouts;

#define DOUBLE_TABLEAU(n, left, top, w, h) {"TableauPile" #n, Pile, left, top, w, h, TopBottom, TableauProps, TableauEvents}

// Large cards, 80 x 125.
inline constexpr TComponentLayout LargeComponents[] = {
    DOUBLE_TABLEAU(1, 8, 9, 80, 590),   DOUBLE_TABLEAU(2, 99, 9, 80, 590),  DOUBLE_TABLEAU(3, 195, 9, 80, 590),
    DOUBLE_TABLEAU(4, 291, 9, 80, 590), DOUBLE_TABLEAU(5, 387, 9, 80, 590), DOUBLE_TABLEAU(6, 483, 9, 80, 590),
    DOUBLE_TABLEAU(7, 579, 9, 80, 590), DOUBLE_TABLEAU(8, 675, 9, 80, 590), DOUBLE_TABLEAU(9, 771, 9, 80, 590),
    DOUBLE_TABLEAU(10, 867, 9, 80, 590),
};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 960, .ClientHeight = 600,
                                   .MinWidth = 960, .MinHeight = 600, .StatusBarHeight = 26,
                                   .Components = LargeComponents, .Panels = LargePanels};

// Small cards, 61 x 95.
inline constexpr TComponentLayout SmallComponents[] = {
    DOUBLE_TABLEAU(1, 8, 8, 61, 490),   DOUBLE_TABLEAU(2, 78, 8, 61, 490),  DOUBLE_TABLEAU(3, 149, 8, 61, 490),
    DOUBLE_TABLEAU(4, 220, 8, 61, 490), DOUBLE_TABLEAU(5, 291, 8, 61, 490), DOUBLE_TABLEAU(6, 362, 8, 61, 490),
    DOUBLE_TABLEAU(7, 433, 8, 61, 490), DOUBLE_TABLEAU(8, 504, 8, 61, 490), DOUBLE_TABLEAU(9, 575, 8, 61, 490),
    DOUBLE_TABLEAU(10, 646, 8, 61, 490),
};
inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 729, .ClientHeight = 500,
                                   .MinWidth = 729, .MinHeight = 500, .FontHeight = 11,
                                   .StatusBarHeight = 22, .PlacementPrefix = "s",
                                   .Components = SmallComponents, .Panels = SmallPanels};

// Huge cards, 120 x 188.
inline constexpr TComponentLayout HugeComponents[] = {
    DOUBLE_TABLEAU(1, 8, 10, 120, 850),    DOUBLE_TABLEAU(2, 150, 10, 120, 850),
    DOUBLE_TABLEAU(3, 290, 10, 120, 850),  DOUBLE_TABLEAU(4, 430, 10, 120, 850),
    DOUBLE_TABLEAU(5, 570, 10, 120, 850),  DOUBLE_TABLEAU(6, 710, 10, 120, 850),
    DOUBLE_TABLEAU(7, 850, 10, 120, 850),  DOUBLE_TABLEAU(8, 990, 10, 120, 850),
    DOUBLE_TABLEAU(9, 1130, 10, 120, 850), DOUBLE_TABLEAU(10, 1270, 10, 120, 850),
};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 1424, .ClientHeight = 861,
                                  .MinWidth = 1260, .MinHeight = 680, .StatusBarHeight = 36,
                                  .PlacementPrefix = "h", .Components = HugeComponents,
                                  .Panels = HugePanels};

#undef DOUBLE_TABLEAU

}  // namespace DoubleScorpionLayouts
