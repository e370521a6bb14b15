#pragma once
// Double Klondike's window at the three card sizes.

#include "games/klondike/KlondikeLayouts.h"

namespace DblKlondikeLayouts {

using KlondikeLayouts::FoundationEvents;
using KlondikeLayouts::FoundationProps;
using KlondikeLayouts::Pile;
using KlondikeLayouts::StockEvents;
using KlondikeLayouts::TableauEvents;
using KlondikeLayouts::TableauProps;
using KlondikeLayouts::Top;
using KlondikeLayouts::TopBottom;
using KlondikeLayouts::WasteEvents;
using KlondikeLayouts::WasteProps;

// The stock keeps these steps throughout: the whole 104 cards, as a new deal starts,
// drawn as a block that fits its place.
inline constexpr TPileProps LargeStockProps{.ShowHint = true, .XOffset = 0.47f, .YOffset = 0.19f};
inline constexpr TPileProps SmallStockProps{.ShowHint = true, .XOffset = 0.37f, .YOffset = 0.16f};
inline constexpr TPileProps HugeStockProps{.ShowHint = true, .XOffset = 0.58f, .YOffset = 0.31f};

// Large cards, 80 x 125.
inline constexpr TComponentLayout LargeComponents[] = {
    {"DeckPileView", Pile, 8, 8, 129, 145, Top, LargeStockProps, StockEvents},
    {"DiscardPileView", TComponentKind::WastePileView, 144, 8, 129, 131, Top, WasteProps, WasteEvents},
    {"FoundationPile1", Pile, 280, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile2", Pile, 368, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile3", Pile, 456, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile4", Pile, 544, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile5", Pile, 632, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile6", Pile, 720, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile7", Pile, 808, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile8", Pile, 896, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"TableauPileView1", Pile, 72, 160, 80, 417, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 168, 160, 80, 417, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 264, 160, 80, 417, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 360, 160, 80, 417, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 456, 160, 80, 417, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 552, 160, 80, 417, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 648, 160, 80, 417, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView8", Pile, 744, 160, 80, 417, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView9", Pile, 840, 160, 80, 417, TopBottom, TableauProps, TableauEvents},
};
inline constexpr TPanelLayout LargePanels[] = {
    {"SpeedPanel", 210}, {"DrawPanel", 55}, {"AutoPlayPanel", 80, 0, 5, 2},
    {"GameNumPanel", 130, 1}, {"StockPanel", 70}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 986, .ClientHeight = 582,
                                   .MinWidth = 986, .MinHeight = 550, .StatusBarHeight = 26,
                                   .Components = LargeComponents, .Panels = LargePanels};

// Small cards, 61 x 95.
inline constexpr TComponentLayout SmallComponents[] = {
    {"DeckPileView", Pile, 8, 8, 100, 112, Top, SmallStockProps, StockEvents},
    {"DiscardPileView", TComponentKind::WastePileView, 112, 8, 105, 101, Top, WasteProps, WasteEvents},
    {"FoundationPile1", Pile, 220, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile2", Pile, 287, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile3", Pile, 354, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile4", Pile, 421, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile5", Pile, 488, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile6", Pile, 555, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile7", Pile, 622, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile8", Pile, 689, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"TableauPileView1", Pile, 58, 124, 61, 343, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 130, 124, 61, 343, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 202, 124, 61, 343, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 274, 124, 61, 343, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 346, 124, 61, 343, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 418, 124, 61, 343, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 490, 124, 61, 343, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView8", Pile, 562, 124, 61, 343, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView9", Pile, 634, 124, 61, 343, TopBottom, TableauProps, TableauEvents},
};
inline constexpr TPanelLayout SmallPanels[] = {
    {"SpeedPanel", 170}, {"DrawPanel", 55}, {"AutoPlayPanel", 80, 0, 5, 2},
    {"GameNumPanel", 130, 1}, {"StockPanel", 70}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 756, .ClientHeight = 489,
                                   .MinWidth = 756, .MinHeight = 300, .FontHeight = 11,
                                   .StatusBarHeight = 22, .PlacementPrefix = "s",
                                   .Components = SmallComponents, .Panels = SmallPanels};

// Huge cards, 120 x 188.
inline constexpr TComponentLayout HugeComponents[] = {
    {"DeckPileView", Pile, 8, 8, 180, 220, Top, HugeStockProps, StockEvents},
    {"DiscardPileView", TComponentKind::WastePileView, 196, 8, 177, 194, Top, WasteProps, WasteEvents},
    {"FoundationPile1", Pile, 380, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile2", Pile, 512, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile3", Pile, 644, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile4", Pile, 776, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile5", Pile, 908, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile6", Pile, 1040, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile7", Pile, 1172, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile8", Pile, 1304, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"TableauPileView1", Pile, 42, 236, 120, 589, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 192, 236, 120, 589, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 342, 236, 120, 589, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 492, 236, 120, 589, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 642, 236, 120, 589, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 792, 236, 120, 589, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 942, 236, 120, 589, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView8", Pile, 1092, 236, 120, 589, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView9", Pile, 1242, 236, 120, 589, TopBottom, TableauProps, TableauEvents},
};
inline constexpr TPanelLayout HugePanels[] = {
    {"SpeedPanel", 306}, {"DrawPanel", 70}, {"AutoPlayPanel", 100, 0, 5, 2},
    {"GameNumPanel", 180, 1}, {"StockPanel", 90}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 1434, .ClientHeight = 861,
                                  .MinWidth = 1380, .MinHeight = 700, .StatusBarHeight = 36,
                                  .PlacementPrefix = "h", .Components = HugeComponents,
                                  .Panels = HugePanels};

}  // namespace DblKlondikeLayouts
