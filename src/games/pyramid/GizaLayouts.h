#pragma once
// Giza's window at the three card sizes: the pyramid (its rows closer together than in
// Pyramid) with the removed cards at its top right, and the eight piles of three below.

#include "games/Layout.h"
#include "games/pyramid/PyramidLayouts.h"

namespace GizaLayouts {

using PyramidLayouts::DiscardEvents;
using PyramidLayouts::PairEvents;

inline constexpr TPileProps PileProps{.AllowDrag = true};
inline constexpr TPileProps DiscardProps{.IsBordered = true};

inline constexpr std::uint8_t Top = akLeft | akTop;
inline constexpr auto Pile = TComponentKind::PileView;
inline constexpr auto Pyramid = TComponentKind::PyramidPileView;

// Large cards, 80 x 125.
inline constexpr TComponentLayout LargeComponents[] = {
    {"PyramidPileView", Pyramid, 68, 8, 584, 435, Top, {.AllowDrag = true, .XOffset = 4, .YOffset = -12},
     PairEvents},
    {"DiscardPileView", Pile, 633, 8, 80, 125, Top, DiscardProps, DiscardEvents},
    {"TableauPileView1", Pile, 12, 450, 80, 182, Top, PileProps, PairEvents},
    {"TableauPileView2", Pile, 100, 450, 80, 182, Top, PileProps, PairEvents},
    {"TableauPileView3", Pile, 188, 450, 80, 182, Top, PileProps, PairEvents},
    {"TableauPileView4", Pile, 276, 450, 80, 182, Top, PileProps, PairEvents},
    {"TableauPileView5", Pile, 364, 450, 80, 182, Top, PileProps, PairEvents},
    {"TableauPileView6", Pile, 452, 450, 80, 182, Top, PileProps, PairEvents},
    {"TableauPileView7", Pile, 540, 450, 80, 182, Top, PileProps, PairEvents},
    {"TableauPileView8", Pile, 628, 450, 80, 182, Top, PileProps, PairEvents},
};
inline constexpr TPanelLayout LargePanels[] = {{"SpeedPanel", 210}, {"GameNumPanel", 140, 1}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 721, .ClientHeight = 662,
                                   .MinWidth = 723, .MinHeight = 600, .StatusBarHeight = 26,
                                   .Components = LargeComponents, .Panels = LargePanels};

// Small cards, 61 x 95.
inline constexpr TComponentLayout SmallComponents[] = {
    {"PyramidPileView", Pyramid, 73, 8, 445, 328, Top, {.AllowDrag = true, .XOffset = 3, .YOffset = -9},
     PairEvents},
    {"DiscardPileView", Pile, 522, 8, 61, 95, Top, DiscardProps, DiscardEvents},
    {"TableauPileView1", Pile, 16, 344, 61, 140, Top, PileProps, PairEvents},
    {"TableauPileView2", Pile, 87, 344, 61, 140, Top, PileProps, PairEvents},
    {"TableauPileView3", Pile, 158, 344, 61, 140, Top, PileProps, PairEvents},
    {"TableauPileView4", Pile, 229, 344, 61, 140, Top, PileProps, PairEvents},
    {"TableauPileView5", Pile, 300, 344, 61, 140, Top, PileProps, PairEvents},
    {"TableauPileView6", Pile, 371, 344, 61, 140, Top, PileProps, PairEvents},
    {"TableauPileView7", Pile, 442, 344, 61, 140, Top, PileProps, PairEvents},
    {"TableauPileView8", Pile, 513, 344, 61, 140, Top, PileProps, PairEvents},
};
inline constexpr TPanelLayout SmallPanels[] = {{"SpeedPanel", 170}, {"GameNumPanel", 140, 1}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 591, .ClientHeight = 523,
                                   .MinWidth = 593, .MinHeight = 450, .FontHeight = 11,
                                   .StatusBarHeight = 22, .PlacementPrefix = "s",
                                   .Components = SmallComponents, .Panels = SmallPanels};

// Huge cards, 120 x 188.
inline constexpr TComponentLayout HugeComponents[] = {
    {"PyramidPileView", Pyramid, 103, 8, 876, 647, Top, {.AllowDrag = true, .XOffset = 6, .YOffset = -20},
     PairEvents},
    {"DiscardPileView", Pile, 954, 8, 120, 188, Top, DiscardProps, DiscardEvents},
    {"TableauPileView1", Pile, 26, 665, 120, 274, Top, PileProps, PairEvents},
    {"TableauPileView2", Pile, 156, 665, 120, 274, Top, PileProps, PairEvents},
    {"TableauPileView3", Pile, 286, 665, 120, 274, Top, PileProps, PairEvents},
    {"TableauPileView4", Pile, 416, 665, 120, 274, Top, PileProps, PairEvents},
    {"TableauPileView5", Pile, 546, 665, 120, 274, Top, PileProps, PairEvents},
    {"TableauPileView6", Pile, 676, 665, 120, 274, Top, PileProps, PairEvents},
    {"TableauPileView7", Pile, 806, 665, 120, 274, Top, PileProps, PairEvents},
    {"TableauPileView8", Pile, 936, 665, 120, 274, Top, PileProps, PairEvents},
};
inline constexpr TPanelLayout HugePanels[] = {{"SpeedPanel", 306}, {"GameNumPanel", 180, 1}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 1082, .ClientHeight = 993,
                                  .MinWidth = 1082, .MinHeight = 900, .StatusBarHeight = 36,
                                  .PlacementPrefix = "h", .Components = HugeComponents,
                                  .Panels = HugePanels};

}  // namespace GizaLayouts
