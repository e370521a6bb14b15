#pragma once
// The windows of the Yukon family at the three card sizes: Yukon, Russian Pellamy,
// Australian Patience (with a stock and waste) and Double Yukon.

#include "games/klondike/KlondikeLayouts.h"

namespace YukonFamilyLayouts {

using KlondikeLayouts::FoundationEvents;
using KlondikeLayouts::FoundationProps;
using KlondikeLayouts::Pile;
using KlondikeLayouts::StockEvents;
using KlondikeLayouts::StockProps;
using KlondikeLayouts::TableauProps;
using KlondikeLayouts::Top;
using KlondikeLayouts::TopBottom;
using KlondikeLayouts::WasteEvents;
using KlondikeLayouts::WasteProps;
inline constexpr auto Waste = TComponentKind::WastePileView;

inline constexpr TEventBindings TableauEvents{{{"OnDragOver", "TableauPileView1DragOver"},
                                              {"OnStartDrag", "TableauPileView1StartDrag"},
                                              {"OnEndDrag", "TableauPileView1EndDrag"},
                                              {"OnMouseDown", "TableauPileView1MouseDown"},
                                              {"OnDblClick", "TableauPileView1DblClick"}}};

}  // namespace YukonFamilyLayouts

// Yukon: large cards 80 x 125, small 61 x 95, huge 120 x 188.
namespace YukonLayouts {
using namespace YukonFamilyLayouts;

inline constexpr TComponentLayout LargeComponents[] = {
    {"FoundationPile1", Pile, 296, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile2", Pile, 392, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile3", Pile, 488, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile4", Pile, 584, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"TableauPileView1", Pile, 8, 144, 80, 433, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 104, 144, 80, 433, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 200, 144, 80, 433, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 296, 144, 80, 433, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 392, 144, 80, 433, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 488, 144, 80, 433, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 584, 144, 80, 433, TopBottom, TableauProps, TableauEvents},
};
inline constexpr TPanelLayout LargePanels[] = {
    {"SpeedPanel", 210}, {"AutoPlayPanel", 80, 0, 5, 2}, {"GameNumPanel", 140, 1},
    {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 672, .ClientHeight = 580,
                              .MinWidth = 672, .MinHeight = 480, .StatusBarHeight = 26,
                              .Components = LargeComponents, .Panels = LargePanels};

inline constexpr TComponentLayout SmallComponents[] = {
    {"FoundationPile1", Pile, 249, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile2", Pile, 321, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile3", Pile, 393, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile4", Pile, 465, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"TableauPileView1", Pile, 33, 112, 61, 316, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 105, 112, 61, 316, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 177, 112, 61, 316, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 249, 112, 61, 316, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 321, 112, 61, 316, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 393, 112, 61, 316, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 465, 112, 61, 316, TopBottom, TableauProps, TableauEvents},
};
inline constexpr TPanelLayout SmallPanels[] = {
    {"SpeedPanel", 170}, {"AutoPlayPanel", 80, 0, 5, 2}, {"GameNumPanel", 140, 1},
    {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 560, .ClientHeight = 450,
                              .MinWidth = 560, .MinHeight = 300, .FontHeight = 11,
                              .StatusBarHeight = 22, .PlacementPrefix = "s",
                              .Components = SmallComponents, .Panels = SmallPanels};

inline constexpr TComponentLayout HugeComponents[] = {
    {"FoundationPile1", Pile, 442, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile2", Pile, 580, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile3", Pile, 718, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile4", Pile, 856, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"TableauPileView1", Pile, 28, 208, 120, 505, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 166, 208, 120, 505, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 304, 208, 120, 505, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 442, 208, 120, 505, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 580, 208, 120, 505, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 718, 208, 120, 505, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 856, 208, 120, 505, TopBottom, TableauProps, TableauEvents},
};
inline constexpr TPanelLayout HugePanels[] = {
    {"SpeedPanel", 306}, {"AutoPlayPanel", 100, 0, 5, 2}, {"GameNumPanel", 180, 1},
    {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 1005, .ClientHeight = 749,
                              .MinWidth = 900, .MinHeight = 650, .StatusBarHeight = 36,
                              .PlacementPrefix = "h",
                              .Components = HugeComponents, .Panels = HugePanels};

}  // namespace YukonLayouts

// Russian Pellamy: large cards 80 x 125, small 61 x 95, huge 120 x 188.
namespace RussianLayouts {
using namespace YukonFamilyLayouts;

// The large and small tables are Yukon's; only the huge window differs.
inline constexpr const TFormLayout& Large = YukonLayouts::Large;
inline constexpr const TFormLayout& Small = YukonLayouts::Small;

inline constexpr TComponentLayout HugeComponents[] = {
    {"FoundationPile1", Pile, 424, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile2", Pile, 562, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile3", Pile, 700, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile4", Pile, 838, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"TableauPileView1", Pile, 10, 208, 120, 484, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 148, 208, 120, 484, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 286, 208, 120, 484, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 424, 208, 120, 484, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 562, 208, 120, 484, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 700, 208, 120, 484, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 838, 208, 120, 484, TopBottom, TableauProps, TableauEvents},
};
inline constexpr TPanelLayout HugePanels[] = {
    {"SpeedPanel", 306}, {"AutoPlayPanel", 100, 0, 5, 2}, {"GameNumPanel", 180, 1},
    {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 969, .ClientHeight = 728,
                              .MinWidth = 900, .MinHeight = 650, .StatusBarHeight = 36,
                              .PlacementPrefix = "h",
                              .Components = HugeComponents, .Panels = HugePanels};

}  // namespace RussianLayouts

// Australian Patience: large cards 80 x 125, small 61 x 95, huge 120 x 188.
namespace AustralianLayouts {
using namespace YukonFamilyLayouts;

inline constexpr TComponentLayout LargeComponents[] = {
    {"DeckPileView", Pile, 8, 8, 121, 130, Top, StockProps, StockEvents},  // the 52-card block
    {"DiscardPileView", Waste, 144, 8, 137, 130, Top, WasteProps, WasteEvents},
    {"FoundationPile1", Pile, 296, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile2", Pile, 392, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile3", Pile, 488, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile4", Pile, 584, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"TableauPileView1", Pile, 8, 152, 80, 425, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 104, 152, 80, 425, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 200, 152, 80, 425, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 296, 152, 80, 425, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 392, 152, 80, 425, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 488, 152, 80, 425, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 584, 152, 80, 425, TopBottom, TableauProps, TableauEvents},
};
inline constexpr TPanelLayout LargePanels[] = {
    {"SpeedPanel", 210}, {"AutoPlayPanel", 84, 0, 5, 2}, {"GameNumPanel", 146, 1},
    {"StockPanel", 70}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 672, .ClientHeight = 580,
                              .MinWidth = 672, .MinHeight = 480, .StatusBarHeight = 26,
                              .Components = LargeComponents, .Panels = LargePanels};

inline constexpr TComponentLayout SmallComponents[] = {
    {"DeckPileView", Pile, 33, 8, 102, 100, Top, StockProps, StockEvents},
    {"DiscardPileView", Waste, 138, 8, 108, 100, Top, WasteProps, WasteEvents},
    {"FoundationPile1", Pile, 249, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile2", Pile, 321, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile3", Pile, 393, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile4", Pile, 465, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"TableauPileView1", Pile, 33, 120, 61, 318, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 105, 120, 61, 318, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 177, 120, 61, 318, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 249, 120, 61, 318, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 321, 120, 61, 318, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 393, 120, 61, 318, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 465, 120, 61, 318, TopBottom, TableauProps, TableauEvents},
};
inline constexpr TPanelLayout SmallPanels[] = {
    {"SpeedPanel", 170}, {"AutoPlayPanel", 80, 0, 5, 2}, {"GameNumPanel", 140, 1},
    {"StockPanel", 70}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 560, .ClientHeight = 460,
                              .MinWidth = 560, .MinHeight = 300, .FontHeight = 11,
                              .StatusBarHeight = 22, .PlacementPrefix = "s",
                              .Components = SmallComponents, .Panels = SmallPanels};

inline constexpr TComponentLayout HugeComponents[] = {
    {"DeckPileView", Pile, 32, 8, 161, 194, Top, StockProps, StockEvents},
    {"DiscardPileView", Waste, 200, 8, 177, 194, Top, WasteProps, WasteEvents},
    {"FoundationPile1", Pile, 467, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile2", Pile, 612, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile3", Pile, 757, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile4", Pile, 902, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"TableauPileView1", Pile, 32, 208, 120, 520, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 177, 208, 120, 520, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 322, 208, 120, 520, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 467, 208, 120, 520, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 612, 208, 120, 520, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 757, 208, 120, 520, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 902, 208, 120, 520, TopBottom, TableauProps, TableauEvents},
};
inline constexpr TPanelLayout HugePanels[] = {
    {"SpeedPanel", 306}, {"AutoPlayPanel", 100, 0, 5, 2}, {"GameNumPanel", 180, 1},
    {"StockPanel", 90}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 1055, .ClientHeight = 764,
                              .MinWidth = 1000, .MinHeight = 500, .StatusBarHeight = 36,
                              .PlacementPrefix = "h",
                              .Components = HugeComponents, .Panels = HugePanels};

}  // namespace AustralianLayouts

// Double Yukon: large cards 80 x 125, small 61 x 95, huge 120 x 188.
namespace DoubleYukonLayouts {
using namespace YukonFamilyLayouts;

inline constexpr TComponentLayout LargeComponents[] = {
    {"FoundationPile1", Pile, 104, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile2", Pile, 200, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile3", Pile, 296, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile4", Pile, 392, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile5", Pile, 488, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile6", Pile, 584, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile7", Pile, 680, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile8", Pile, 776, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"TableauPileView1", Pile, 8, 144, 80, 473, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 104, 144, 80, 473, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 200, 144, 80, 473, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 296, 144, 80, 473, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 392, 144, 80, 473, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 488, 144, 80, 473, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 584, 144, 80, 473, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView8", Pile, 680, 144, 80, 473, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView9", Pile, 776, 144, 80, 473, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView10", Pile, 872, 144, 80, 473, TopBottom, TableauProps, TableauEvents},
};
inline constexpr TPanelLayout LargePanels[] = {
    {"SpeedPanel", 210}, {"AutoPlayPanel", 80, 0, 5, 2}, {"GameNumPanel", 140, 1},
    {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 960, .ClientHeight = 620,
                              .MinWidth = 960, .MinHeight = 480, .StatusBarHeight = 26,
                              .Components = LargeComponents, .Panels = LargePanels};

inline constexpr TComponentLayout SmallComponents[] = {
    {"FoundationPile1", Pile, 80, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile2", Pile, 152, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile3", Pile, 224, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile4", Pile, 296, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile5", Pile, 368, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile6", Pile, 440, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile7", Pile, 512, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile8", Pile, 584, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"TableauPileView1", Pile, 8, 112, 61, 370, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 80, 112, 61, 370, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 152, 112, 61, 370, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 224, 112, 61, 370, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 296, 112, 61, 370, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 368, 112, 61, 370, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 440, 112, 61, 370, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView8", Pile, 512, 112, 61, 370, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView9", Pile, 584, 112, 61, 370, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView10", Pile, 656, 112, 61, 370, TopBottom, TableauProps, TableauEvents},
};
inline constexpr TPanelLayout SmallPanels[] = {
    {"SpeedPanel", 170}, {"AutoPlayPanel", 80, 0, 5, 2}, {"GameNumPanel", 140, 1},
    {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 725, .ClientHeight = 504,
                              .MinWidth = 725, .MinHeight = 480, .FontHeight = 11,
                              .StatusBarHeight = 22, .PlacementPrefix = "s",
                              .Components = SmallComponents, .Panels = SmallPanels};

inline constexpr TComponentLayout HugeComponents[] = {
    {"FoundationPile1", Pile, 162, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile2", Pile, 302, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile3", Pile, 442, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile4", Pile, 582, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile5", Pile, 722, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile6", Pile, 862, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile7", Pile, 1002, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile8", Pile, 1142, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"TableauPileView1", Pile, 22, 208, 120, 617, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 162, 208, 120, 617, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 302, 208, 120, 617, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 442, 208, 120, 617, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 582, 208, 120, 617, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 722, 208, 120, 617, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 862, 208, 120, 617, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView8", Pile, 1002, 208, 120, 617, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView9", Pile, 1142, 208, 120, 617, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView10", Pile, 1282, 208, 120, 617, TopBottom, TableauProps, TableauEvents},
};
inline constexpr TPanelLayout HugePanels[] = {
    {"SpeedPanel", 306}, {"AutoPlayPanel", 100, 0, 5, 2}, {"GameNumPanel", 180, 1},
    {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 1424, .ClientHeight = 861,
                              .MinWidth = 1260, .MinHeight = 680, .StatusBarHeight = 36,
                              .PlacementPrefix = "h",
                              .Components = HugeComponents, .Panels = HugePanels};

}  // namespace DoubleYukonLayouts
