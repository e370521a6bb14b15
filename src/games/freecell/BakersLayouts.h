#pragma once
// Baker's Game's window at the three card sizes: Free Cell's with small and large cards,
// a narrower one of its own with huge cards.

#include "games/freecell/FreeCellLayouts.h"

namespace BakersLayouts {

using namespace FreeCellLayouts;

inline constexpr const TFormLayout& Small = FreeCellLayouts::Small;
inline constexpr const TFormLayout& Large = FreeCellLayouts::Large;

// Huge cards, 120 x 188.
inline constexpr TComponentLayout HugeComponents[] = {
    {"FreePileView1", Pile, 12, 12, 120, 188, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView2", Pile, 142, 12, 120, 188, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView3", Pile, 272, 12, 120, 188, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView4", Pile, 402, 12, 120, 188, Top, FreeCellProps, FreeCellEvents},
    {"FoundPileView1", Pile, 562, 12, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPileView2", Pile, 692, 12, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPileView3", Pile, 822, 12, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPileView4", Pile, 952, 12, 120, 188, Top, FoundationProps, FoundationEvents},
    {"TableauPileView1", Pile, 20, 212, 120, 549, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 152, 212, 120, 549, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 284, 212, 120, 549, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 416, 212, 120, 549, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 548, 212, 120, 549, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 680, 212, 120, 549, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 812, 212, 120, 549, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView8", Pile, 944, 212, 120, 549, TopBottom, TableauProps, TableauEvents},
};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 1084, .ClientHeight = 761,
                                  .MinWidth = 1100, .MinHeight = 600, .StatusBarHeight = 36,
                                  .PlacementPrefix = "h", .Components = HugeComponents,
                                  .Panels = HugePanels};

}  // namespace BakersLayouts
