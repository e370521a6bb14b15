#pragma once
// Sea Towers' window at the three card sizes: ten tableau piles under a row of two
// foundations, four free cells and two more foundations.

#include "games/Layout.h"

namespace SeaTowersLayouts {

inline constexpr TEventBindings TableauEvents{{{"OnDragOver", "TableauPileView1DragOver"},
                                              {"OnStartDrag", "TableauPileView1StartDrag"},
                                              {"OnEndDrag", "TableauPileView1EndDrag"},
                                              {"OnMouseDown", "TableauPileView1MouseDown"},
                                              {"OnDblClick", "TableauPileView1DblClick"}}};
inline constexpr TEventBindings FreeCellEvents{{{"OnDragOver", "FreePileView1DragOver"},
                                               {"OnStartDrag", "TableauPileView1StartDrag"},
                                               {"OnEndDrag", "TableauPileView1EndDrag"},
                                               {"OnMouseDown", "FreePileView1MouseDown"},
                                               {"OnDblClick", "TableauPileView1DblClick"}}};
inline constexpr TEventBindings FoundationEvents{{{"OnDragOver", "FoundPileView1DragOver"}}};

inline constexpr TPileProps TableauProps{.AllowDrag = true};
inline constexpr TPileProps FreeCellProps{.IsBordered = true, .AllowDrag = true};
inline constexpr TPileProps FoundationProps{.IsBordered = true, .Label = "A"};

inline constexpr std::uint8_t Top = akLeft | akTop;
inline constexpr std::uint8_t TopBottom = akLeft | akTop | akBottom;
inline constexpr auto Pile = TComponentKind::PileView;

inline constexpr int NumberPanel = 2;
inline constexpr int ScorePanel = 3;
inline constexpr TPanelLayout SmallPanels[] = {
    {"SpeedPanel", 170}, {"AutoPlayPanel", 80, 0, 5, 2}, {"GameNumPanel", 140, 1}, {"ScorePanel", 80, 2}};
inline constexpr TPanelLayout LargePanels[] = {
    {"SpeedPanel", 210}, {"AutoPlayPanel", 80, 0, 5, 2}, {"GameNumPanel", 140, 1}, {"ScorePanel", 80, 2}};
inline constexpr TPanelLayout HugePanels[] = {
    {"SpeedPanel", 306}, {"AutoPlayPanel", 100, 0, 5, 2}, {"GameNumPanel", 180, 1}, {"ScorePanel", 80, 2}};

inline constexpr TComponentLayout SmallComponents[] = {
    {"TableauPileView1", Pile, 8, 111, 61, 367, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 80, 111, 61, 367, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 152, 111, 61, 367, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 224, 111, 61, 367, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 296, 111, 61, 367, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 368, 111, 61, 367, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 440, 111, 61, 367, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView8", Pile, 512, 111, 61, 367, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView9", Pile, 584, 111, 61, 367, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView10", Pile, 656, 111, 61, 367, TopBottom, TableauProps, TableauEvents},
    {"FreePileView1", Pile, 224, 8, 61, 95, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView2", Pile, 296, 8, 61, 95, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView3", Pile, 368, 8, 61, 95, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView4", Pile, 440, 8, 61, 95, Top, FreeCellProps, FreeCellEvents},
    {"FoundPileView1", Pile, 8, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundPileView2", Pile, 80, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundPileView3", Pile, 584, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundPileView4", Pile, 656, 8, 61, 95, Top, FoundationProps, FoundationEvents},
};
inline constexpr TComponentLayout LargeComponents[] = {
    {"TableauPileView1", Pile, 8, 140, 80, 429, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 96, 140, 80, 429, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 184, 140, 80, 429, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 272, 140, 80, 429, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 360, 140, 80, 429, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 448, 140, 80, 429, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 536, 140, 80, 429, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView8", Pile, 624, 140, 80, 429, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView9", Pile, 712, 140, 80, 429, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView10", Pile, 800, 140, 80, 429, TopBottom, TableauProps, TableauEvents},
    {"FreePileView1", Pile, 272, 8, 80, 125, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView2", Pile, 360, 8, 80, 125, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView3", Pile, 448, 8, 80, 125, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView4", Pile, 536, 8, 80, 125, Top, FreeCellProps, FreeCellEvents},
    {"FoundPileView1", Pile, 8, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundPileView2", Pile, 96, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundPileView3", Pile, 712, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundPileView4", Pile, 800, 8, 80, 125, Top, FoundationProps, FoundationEvents},
};
inline constexpr TComponentLayout HugeComponents[] = {
    {"TableauPileView1", Pile, 8, 204, 120, 588, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 133, 204, 120, 588, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 258, 204, 120, 588, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 383, 204, 120, 588, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 508, 204, 120, 588, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 633, 204, 120, 588, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 758, 204, 120, 588, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView8", Pile, 883, 204, 120, 588, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView9", Pile, 1008, 204, 120, 588, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView10", Pile, 1133, 204, 120, 588, TopBottom, TableauProps, TableauEvents},
    {"FreePileView1", Pile, 383, 8, 120, 188, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView2", Pile, 508, 8, 120, 188, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView3", Pile, 633, 8, 120, 188, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView4", Pile, 758, 8, 120, 188, Top, FreeCellProps, FreeCellEvents},
    {"FoundPileView1", Pile, 8, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPileView2", Pile, 133, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPileView3", Pile, 1008, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPileView4", Pile, 1133, 8, 120, 188, Top, FoundationProps, FoundationEvents},
};

inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 725, .ClientHeight = 480,
                                   .MinWidth = 725, .MinHeight = 360, .FontHeight = 11,
                                   .StatusBarHeight = 22, .PlacementPrefix = "s",
                                   .Components = SmallComponents, .Panels = SmallPanels};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 887, .ClientHeight = 571,
                                   .MinWidth = 887, .MinHeight = 480, .StatusBarHeight = 26,
                                   .Components = LargeComponents, .Panels = LargePanels};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 1264, .ClientHeight = 794,
                                  .MinWidth = 1250, .MinHeight = 700, .StatusBarHeight = 36,
                                  .PlacementPrefix = "h", .Components = HugeComponents,
                                  .Panels = HugePanels};

}  // namespace SeaTowersLayouts
