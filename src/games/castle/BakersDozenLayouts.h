#pragma once
// Baker's Dozen's window at the three card sizes: seven piles in a top row, six in a
// second row, the foundations in a column at the right. The rows are stretched by the
// window's FormResize, so their heights here are those of the design size.

#include "games/castle/CastleLayouts.h"

namespace BakersDozenLayouts {

using CastleLayouts::FoundationEvents;
using CastleLayouts::FoundationProps;
using CastleLayouts::Pile;
using CastleLayouts::TableauEvents;
using CastleLayouts::Top;
inline constexpr TPileProps TableauProps{.AllowDrag = true};

// The rows' rule for a client height: d = (height - Base) / 2 truncated toward zero; the
// upper piles are UpperHeight + d high, the lower piles start at LowerTop + d.
struct TRowRule {
  int Base, UpperHeight, LowerTop;
};
inline constexpr TRowRule SmallRows{430, 200, 209};
inline constexpr TRowRule LargeRows{623, 300, 312};
inline constexpr TRowRule HugeRows{955, 450, 472};

inline constexpr TComponentLayout SmallComponents[] = {
    {"TableauPileView1", Pile, 10, 8, 61, 202, Top, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 82, 8, 61, 202, Top, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 154, 8, 61, 202, Top, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 226, 8, 61, 202, Top, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 298, 8, 61, 202, Top, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 370, 8, 61, 202, Top, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 442, 8, 61, 202, Top, TableauProps, TableauEvents},
    {"TableauPileView8", Pile, 10, 211, 61, 223, Top, TableauProps, TableauEvents},
    {"TableauPileView9", Pile, 82, 211, 61, 223, Top, TableauProps, TableauEvents},
    {"TableauPileView10", Pile, 154, 211, 61, 223, Top, TableauProps, TableauEvents},
    {"TableauPileView11", Pile, 226, 211, 61, 223, Top, TableauProps, TableauEvents},
    {"TableauPileView12", Pile, 298, 211, 61, 223, Top, TableauProps, TableauEvents},
    {"TableauPileView13", Pile, 370, 211, 61, 223, Top, TableauProps, TableauEvents},
    {"FoundationPileView1", Pile, 511, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView2", Pile, 511, 107, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView3", Pile, 511, 206, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView4", Pile, 511, 305, 61, 95, Top, FoundationProps, FoundationEvents},
};
inline constexpr TComponentLayout LargeComponents[] = {
    {"TableauPileView1", Pile, 19, 8, 80, 300, Top, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 115, 8, 80, 300, Top, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 211, 8, 80, 300, Top, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 307, 8, 80, 300, Top, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 403, 8, 80, 300, Top, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 499, 8, 80, 300, Top, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 595, 8, 80, 300, Top, TableauProps, TableauEvents},
    {"TableauPileView8", Pile, 19, 312, 80, 311, Top, TableauProps, TableauEvents},
    {"TableauPileView9", Pile, 115, 312, 80, 311, Top, TableauProps, TableauEvents},
    {"TableauPileView10", Pile, 211, 312, 80, 311, Top, TableauProps, TableauEvents},
    {"TableauPileView11", Pile, 307, 312, 80, 311, Top, TableauProps, TableauEvents},
    {"TableauPileView12", Pile, 403, 312, 80, 311, Top, TableauProps, TableauEvents},
    {"TableauPileView13", Pile, 499, 312, 80, 311, Top, TableauProps, TableauEvents},
    {"FoundationPileView1", Pile, 703, 32, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView2", Pile, 703, 168, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView3", Pile, 703, 304, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView4", Pile, 703, 440, 80, 125, Top, FoundationProps, FoundationEvents},
};
inline constexpr TComponentLayout HugeComponents[] = {
    {"TableauPileView1", Pile, 15, 8, 120, 431, Top, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 153, 8, 120, 431, Top, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 291, 8, 120, 431, Top, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 429, 8, 120, 431, Top, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 567, 8, 120, 431, Top, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 705, 8, 120, 431, Top, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 843, 8, 120, 431, Top, TableauProps, TableauEvents},
    {"TableauPileView8", Pile, 15, 453, 120, 463, Top, TableauProps, TableauEvents},
    {"TableauPileView9", Pile, 153, 453, 120, 463, Top, TableauProps, TableauEvents},
    {"TableauPileView10", Pile, 291, 453, 120, 463, Top, TableauProps, TableauEvents},
    {"TableauPileView11", Pile, 429, 453, 120, 463, Top, TableauProps, TableauEvents},
    {"TableauPileView12", Pile, 567, 453, 120, 463, Top, TableauProps, TableauEvents},
    {"TableauPileView13", Pile, 705, 453, 120, 463, Top, TableauProps, TableauEvents},
    {"FoundationPileView1", Pile, 999, 16, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView2", Pile, 999, 220, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView3", Pile, 999, 424, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView4", Pile, 999, 628, 120, 188, Top, FoundationProps, FoundationEvents},
};

// Castle's panels, with a wider Autoplay panel with large cards.
inline constexpr TPanelLayout LargePanels[] = {
    {"SpeedPanel", 210}, {"AutoPlayPanel", 90, 0, 5, 2}, {"GameNumPanel", 140, 1}, {"ScorePanel", 80, 2}};

inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 580, .ClientHeight = 434,
                                   .MinWidth = 580, .MinHeight = 465, .FontHeight = 11,
                                   .StatusBarHeight = 22, .PlacementPrefix = "s",
                                   .Components = SmallComponents, .Panels = CastleLayouts::SmallPanels};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 798, .ClientHeight = 623,
                                   .MinWidth = 798, .MinHeight = 650, .StatusBarHeight = 26,
                                   .Components = LargeComponents, .Panels = LargePanels};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 1134, .ClientHeight = 916,
                                  .MinWidth = 1150, .MinHeight = 900, .StatusBarHeight = 36,
                                  .PlacementPrefix = "h", .Components = HugeComponents,
                                  .Panels = CastleLayouts::HugePanels};

}  // namespace BakersDozenLayouts
