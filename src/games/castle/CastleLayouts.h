#pragma once
// Beleaguered Castle's window at the three card sizes: two columns of four rows fanned to
// the right with the foundations between them. The family's event bindings are shared
// with Baker's Dozen.

#include "games/Layout.h"

namespace CastleLayouts {

inline constexpr TEventBindings TableauEvents{{{"OnDragOver", "TableauPileView1DragOver"},
                                              {"OnStartDrag", "TableauPileView1StartDrag"},
                                              {"OnEndDrag", "TableauPileView1EndDrag"},
                                              {"OnMouseDown", "TableauPileView1MouseDown"},
                                              {"OnDblClick", "TableauPileView1DblClick"}}};
inline constexpr TEventBindings FoundationEvents{{{"OnDragOver", "FoundationPileView1DragOver"}}};

inline constexpr TPileProps FoundationProps{.IsBordered = true, .Label = "A"};
inline constexpr TPileProps SmallRowProps{.AllowDrag = true, .XOffset = 10, .SideFan = true};
inline constexpr TPileProps RowProps{.AllowDrag = true, .XOffset = 12, .SideFan = true};
inline constexpr TPileProps HugeRowProps{.AllowDrag = true, .XOffset = 18, .SideFan = true};

inline constexpr std::uint8_t Top = akLeft | akTop;
inline constexpr std::uint8_t TopRight = akRight | akTop;
inline constexpr auto Pile = TComponentKind::PileView;

// The status panels of the family.
inline constexpr int NumberPanel = 2;
inline constexpr int ScorePanel = 3;
inline constexpr TPanelLayout SmallPanels[] = {
    {"SpeedPanel", 170}, {"AutoPlayPanel", 80, 0, 5, 2}, {"GameNumPanel", 140, 1}, {"ScorePanel", 80, 2}};
inline constexpr TPanelLayout LargePanels[] = {
    {"SpeedPanel", 210}, {"AutoPlayPanel", 80, 0, 5, 2}, {"GameNumPanel", 140, 1}, {"ScorePanel", 80, 2}};
inline constexpr TPanelLayout HugePanels[] = {
    {"SpeedPanel", 306}, {"AutoPlayPanel", 100, 0, 5, 2}, {"GameNumPanel", 180, 1}, {"ScorePanel", 80, 2}};

inline constexpr TComponentLayout SmallComponents[] = {
    {"TableauPileView1", Pile, 8, 8, 232, 95, Top, SmallRowProps, TableauEvents},
    {"TableauPileView2", Pile, 8, 111, 232, 95, Top, SmallRowProps, TableauEvents},
    {"TableauPileView3", Pile, 8, 214, 232, 95, Top, SmallRowProps, TableauEvents},
    {"TableauPileView4", Pile, 8, 317, 232, 95, Top, SmallRowProps, TableauEvents},
    {"TableauPileView5", Pile, 323, 8, 232, 95, TopRight, SmallRowProps, TableauEvents},
    {"TableauPileView6", Pile, 323, 111, 232, 95, TopRight, SmallRowProps, TableauEvents},
    {"TableauPileView7", Pile, 323, 214, 232, 95, TopRight, SmallRowProps, TableauEvents},
    {"TableauPileView8", Pile, 323, 317, 232, 95, TopRight, SmallRowProps, TableauEvents},
    {"FoundationPileView1", Pile, 251, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView2", Pile, 251, 111, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView3", Pile, 251, 214, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView4", Pile, 251, 317, 61, 95, Top, FoundationProps, FoundationEvents},
};
inline constexpr TComponentLayout LargeComponents[] = {
    {"TableauPileView1", Pile, 16, 8, 305, 125, Top, RowProps, TableauEvents},
    {"TableauPileView2", Pile, 16, 144, 305, 125, Top, RowProps, TableauEvents},
    {"TableauPileView3", Pile, 16, 280, 305, 125, Top, RowProps, TableauEvents},
    {"TableauPileView4", Pile, 16, 416, 305, 125, Top, RowProps, TableauEvents},
    {"TableauPileView5", Pile, 432, 8, 305, 125, TopRight, RowProps, TableauEvents},
    {"TableauPileView6", Pile, 432, 144, 305, 125, TopRight, RowProps, TableauEvents},
    {"TableauPileView7", Pile, 432, 280, 305, 125, TopRight, RowProps, TableauEvents},
    {"TableauPileView8", Pile, 432, 416, 305, 125, TopRight, RowProps, TableauEvents},
    {"FoundationPileView1", Pile, 336, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView2", Pile, 336, 144, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView3", Pile, 336, 280, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView4", Pile, 336, 416, 80, 125, Top, FoundationProps, FoundationEvents},
};
inline constexpr TComponentLayout HugeComponents[] = {
    {"TableauPileView1", Pile, 16, 8, 460, 188, Top, HugeRowProps, TableauEvents},
    {"TableauPileView2", Pile, 16, 202, 460, 188, Top, HugeRowProps, TableauEvents},
    {"TableauPileView3", Pile, 16, 396, 460, 188, Top, HugeRowProps, TableauEvents},
    {"TableauPileView4", Pile, 16, 590, 460, 188, Top, HugeRowProps, TableauEvents},
    {"TableauPileView5", Pile, 620, 8, 460, 188, TopRight, HugeRowProps, TableauEvents},
    {"TableauPileView6", Pile, 620, 202, 460, 188, TopRight, HugeRowProps, TableauEvents},
    {"TableauPileView7", Pile, 620, 396, 460, 188, TopRight, HugeRowProps, TableauEvents},
    {"TableauPileView8", Pile, 620, 590, 460, 188, TopRight, HugeRowProps, TableauEvents},
    {"FoundationPileView1", Pile, 488, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView2", Pile, 488, 202, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView3", Pile, 488, 396, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView4", Pile, 488, 590, 120, 188, Top, FoundationProps, FoundationEvents},
};

inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 563, .ClientHeight = 446,
                                   .MinWidth = 561, .MinHeight = 446, .MinHeightHasFrame = true,
                                   .MinHeightLessBar = true, .FontHeight = 11, .StatusBarHeight = 22,
                                   .PlacementPrefix = "s", .Components = SmallComponents,
                                   .Panels = SmallPanels};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 750, .ClientHeight = 573,
                                   .MinWidth = 750, .MinHeight = 573, .MinHeightHasFrame = true,
                                   .MinHeightLessBar = true, .StatusBarHeight = 26,
                                   .Components = LargeComponents, .Panels = LargePanels};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 1096, .ClientHeight = 828,
                                  .MinWidth = 1096, .MinHeight = 828, .MinHeightHasFrame = true,
                                  .MinHeightLessBar = true, .StatusBarHeight = 36,
                                  .PlacementPrefix = "h", .Components = HugeComponents,
                                  .Panels = HugePanels};

}  // namespace CastleLayouts
