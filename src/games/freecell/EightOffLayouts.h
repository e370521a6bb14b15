#pragma once
// Eight Off's window at the three card sizes: eight free cells over eight columns, the
// foundations in a column at the right.

#include "games/freecell/FreeCellLayouts.h"

namespace EightOffLayouts {

using namespace FreeCellLayouts;

// Large cards, 80 x 125.
inline constexpr TComponentLayout LargeComponents[] = {
    {"FreePileView1", Pile, 24, 8, 80, 125, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView2", Pile, 112, 8, 80, 125, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView3", Pile, 200, 8, 80, 125, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView4", Pile, 288, 8, 80, 125, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView5", Pile, 376, 8, 80, 125, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView6", Pile, 464, 8, 80, 125, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView7", Pile, 552, 8, 80, 125, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView8", Pile, 640, 8, 80, 125, Top, FreeCellProps, FreeCellEvents},
    {"FoundPileView1", Pile, 740, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundPileView2", Pile, 740, 144, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundPileView3", Pile, 740, 280, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundPileView4", Pile, 740, 416, 80, 125, Top, FoundationProps, FoundationEvents},
    {"TableauPileView1", Pile, 24, 140, 80, 430, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 112, 140, 80, 430, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 200, 140, 80, 430, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 288, 140, 80, 430, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 376, 140, 80, 430, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 464, 140, 80, 430, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 552, 140, 80, 430, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView8", Pile, 640, 140, 80, 430, TopBottom, TableauProps, TableauEvents},
};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 838, .ClientHeight = 570,
                                   .MinWidth = 838, .MinHeight = 600, .StatusBarHeight = 26,
                                   .Components = LargeComponents, .Panels = LargePanels};

// Small cards, 61 x 95.
inline constexpr TComponentLayout SmallComponents[] = {
    {"FreePileView1", Pile, 16, 8, 61, 95, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView2", Pile, 86, 8, 61, 95, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView3", Pile, 156, 8, 61, 95, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView4", Pile, 226, 8, 61, 95, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView5", Pile, 296, 8, 61, 95, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView6", Pile, 366, 8, 61, 95, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView7", Pile, 436, 8, 61, 95, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView8", Pile, 506, 8, 61, 95, Top, FreeCellProps, FreeCellEvents},
    {"FoundPileView1", Pile, 603, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundPileView2", Pile, 603, 111, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundPileView3", Pile, 603, 214, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundPileView4", Pile, 603, 317, 61, 95, Top, FoundationProps, FoundationEvents},
    {"TableauPileView1", Pile, 16, 111, 61, 335, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 86, 111, 61, 335, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 156, 111, 61, 335, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 226, 111, 61, 335, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 296, 111, 61, 335, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 366, 111, 61, 335, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 436, 111, 61, 335, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView8", Pile, 506, 111, 61, 335, TopBottom, TableauProps, TableauEvents},
};
inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 680, .ClientHeight = 446,
                                   .MinWidth = 680, .MinHeight = 476, .FontHeight = 11,
                                   .StatusBarHeight = 22, .PlacementPrefix = "s",
                                   .Components = SmallComponents, .Panels = SmallPanels};

// Huge cards, 120 x 188.
inline constexpr TComponentLayout HugeComponents[] = {
    {"FreePileView1", Pile, 16, 12, 120, 188, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView2", Pile, 144, 12, 120, 188, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView3", Pile, 272, 12, 120, 188, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView4", Pile, 400, 12, 120, 188, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView5", Pile, 528, 12, 120, 188, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView6", Pile, 656, 12, 120, 188, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView7", Pile, 784, 12, 120, 188, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView8", Pile, 912, 12, 120, 188, Top, FreeCellProps, FreeCellEvents},
    {"FoundPileView1", Pile, 1048, 12, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPileView2", Pile, 1048, 212, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPileView3", Pile, 1048, 412, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPileView4", Pile, 1048, 612, 120, 188, Top, FoundationProps, FoundationEvents},
    {"TableauPileView1", Pile, 16, 212, 120, 670, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 144, 212, 120, 670, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 272, 212, 120, 670, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 400, 212, 120, 670, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 528, 212, 120, 670, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 656, 212, 120, 670, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 784, 212, 120, 670, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView8", Pile, 912, 212, 120, 670, TopBottom, TableauProps, TableauEvents},
};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 1184, .ClientHeight = 882,
                                  .MinWidth = 1160, .MinHeight = 740, .StatusBarHeight = 36,
                                  .PlacementPrefix = "h", .Components = HugeComponents,
                                  .Panels = HugePanels};

}  // namespace EightOffLayouts
