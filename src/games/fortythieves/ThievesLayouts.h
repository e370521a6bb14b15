#pragma once
// The table shared by Forty Thieves and Indian Patience at the three card sizes: the
// stock at the top left with the wide waste beside it, ten tableau piles below, and the
// eight foundations in a row along the bottom edge. Each game's layouts file gives its
// own window values around these components. The stock is as wide as a card and the
// edges of a full stock (74 cards in Indian Patience), one pixel apart.

#include "games/Layout.h"

namespace ThievesLayouts {

// FormResize: with s the status bar's height while it shows (else 0), every tableau
// pile's height is ClientHeight + TableauExtra - (Base + s) and every foundation's top is
// ClientHeight + FoundationExtra - (Base + s).
struct TThievesMetrics {
  int TableauExtra, FoundationExtra, Base;
};

inline constexpr TEventBindings TableauEvents{{{"OnDragOver", "TableauPile1DragOver"},
                                              {"OnStartDrag", "TableauPile1StartDrag"},
                                              {"OnEndDrag", "TableauPile1EndDrag"},
                                              {"OnMouseDown", "TableauPile1MouseDown"},
                                              {"OnDblClick", "DiscardPileViewDblClick"}}};
inline constexpr TEventBindings WasteEvents{{{"OnDragOver", "FormDragOver"},
                                             {"OnStartDrag", "TableauPile1StartDrag"},
                                             {"OnEndDrag", "TableauPile1EndDrag"},
                                             {"OnMouseDown", "TableauPile1MouseDown"},
                                             {"OnDblClick", "DiscardPileViewDblClick"}}};
// Cards on the foundations stay there.
inline constexpr TEventBindings FoundationEvents{{{"OnDragOver", "FoundPile1DragOver"},
                                                 {"OnMouseDown", "FormMouseDown"}}};
inline constexpr TEventBindings StockEvents{{{"OnDragOver", "FormDragOver"},
                                             {"OnMouseDown", "FormMouseDown"},
                                             {"OnClick", "DeckPileViewClick"}}};

inline constexpr TPileProps FoundationProps{.IsBordered = true, .Label = "A"};
inline constexpr TPileProps TableauProps{.AllowDrag = true};
inline constexpr TPileProps StockProps{.ShowHint = true};
// The waste fans its cards to the right, so the turned cards stay in sight.
inline constexpr TPileProps SmallWasteProps{.AllowDrag = true, .XOffset = 12, .SideFan = true};
inline constexpr TPileProps LargeWasteProps{.AllowDrag = true, .XOffset = 16, .SideFan = true};
inline constexpr TPileProps HugeWasteProps{.AllowDrag = true, .XOffset = 24, .SideFan = true};

inline constexpr std::uint8_t Top = akLeft | akTop;
inline constexpr std::uint8_t TopWide = akLeft | akTop | akRight;
inline constexpr auto Pile = TComponentKind::PileView;

// Large cards, 80 x 125: columns 88 apart, the foundations under columns 2 to 9.
inline constexpr TComponentLayout LargeComponents[] = {
    {"DeckPileView", Pile, 8, 8, 156, 145, Top, StockProps, StockEvents},
    {"DiscardPileView", Pile, 170, 8, 711, 125, TopWide, LargeWasteProps, WasteEvents},
    {"TableauPile1", Pile, 8, 160, 80, 377, Top, TableauProps, TableauEvents},
    {"TableauPile2", Pile, 96, 160, 80, 377, Top, TableauProps, TableauEvents},
    {"TableauPile3", Pile, 184, 160, 80, 377, Top, TableauProps, TableauEvents},
    {"TableauPile4", Pile, 272, 160, 80, 377, Top, TableauProps, TableauEvents},
    {"TableauPile5", Pile, 360, 160, 80, 377, Top, TableauProps, TableauEvents},
    {"TableauPile6", Pile, 448, 160, 80, 377, Top, TableauProps, TableauEvents},
    {"TableauPile7", Pile, 536, 160, 80, 377, Top, TableauProps, TableauEvents},
    {"TableauPile8", Pile, 624, 160, 80, 377, Top, TableauProps, TableauEvents},
    {"TableauPile9", Pile, 712, 160, 80, 377, Top, TableauProps, TableauEvents},
    {"TableauPile10", Pile, 800, 160, 80, 377, Top, TableauProps, TableauEvents},
    {"FoundPile1", Pile, 96, 546, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundPile2", Pile, 184, 546, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundPile3", Pile, 272, 546, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundPile4", Pile, 360, 546, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundPile5", Pile, 448, 546, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundPile6", Pile, 536, 546, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundPile7", Pile, 624, 546, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundPile8", Pile, 712, 546, 80, 125, Top, FoundationProps, FoundationEvents},
};
inline constexpr TPanelLayout LargePanels[] = {{"SpeedPanel", 210}, {"AutoPlayPanel", 80, 0, 5, 2},
                                               {"GameNumPanel", 140, 1}, {"StockPanel", 80},
                                               {"ScorePanel", 80, 2}};

// Small cards, 61 x 95: columns 72 apart.
inline constexpr TComponentLayout SmallComponents[] = {
    {"DeckPileView", Pile, 8, 8, 137, 110, Top, StockProps, StockEvents},
    {"DiscardPileView", Pile, 151, 8, 570, 95, TopWide, SmallWasteProps, WasteEvents},
    {"TableauPile1", Pile, 8, 122, 61, 289, Top, TableauProps, TableauEvents},
    {"TableauPile2", Pile, 80, 122, 61, 289, Top, TableauProps, TableauEvents},
    {"TableauPile3", Pile, 152, 122, 61, 289, Top, TableauProps, TableauEvents},
    {"TableauPile4", Pile, 224, 122, 61, 289, Top, TableauProps, TableauEvents},
    {"TableauPile5", Pile, 296, 122, 61, 289, Top, TableauProps, TableauEvents},
    {"TableauPile6", Pile, 368, 122, 61, 289, Top, TableauProps, TableauEvents},
    {"TableauPile7", Pile, 440, 122, 61, 289, Top, TableauProps, TableauEvents},
    {"TableauPile8", Pile, 512, 122, 61, 289, Top, TableauProps, TableauEvents},
    {"TableauPile9", Pile, 584, 122, 61, 289, Top, TableauProps, TableauEvents},
    {"TableauPile10", Pile, 656, 122, 61, 289, Top, TableauProps, TableauEvents},
    {"FoundPile1", Pile, 80, 418, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundPile2", Pile, 152, 418, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundPile3", Pile, 224, 418, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundPile4", Pile, 296, 418, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundPile5", Pile, 368, 418, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundPile6", Pile, 440, 418, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundPile7", Pile, 512, 418, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundPile8", Pile, 584, 418, 61, 95, Top, FoundationProps, FoundationEvents},
};
inline constexpr TPanelLayout SmallPanels[] = {{"SpeedPanel", 170}, {"AutoPlayPanel", 80, 0, 5, 2},
                                               {"GameNumPanel", 140, 1}, {"StockPanel", 70},
                                               {"ScorePanel", 80, 2}};

// Huge cards, 120 x 188: columns 138 apart.
inline constexpr TComponentLayout HugeComponents[] = {
    {"DeckPileView", Pile, 16, 8, 196, 210, Top, StockProps, StockEvents},
    {"DiscardPileView", Pile, 218, 8, 1169, 188, TopWide, HugeWasteProps, WasteEvents},
    {"TableauPile1", Pile, 16, 226, 120, 462, Top, TableauProps, TableauEvents},
    {"TableauPile2", Pile, 154, 226, 120, 462, Top, TableauProps, TableauEvents},
    {"TableauPile3", Pile, 292, 226, 120, 462, Top, TableauProps, TableauEvents},
    {"TableauPile4", Pile, 430, 226, 120, 462, Top, TableauProps, TableauEvents},
    {"TableauPile5", Pile, 568, 226, 120, 462, Top, TableauProps, TableauEvents},
    {"TableauPile6", Pile, 706, 226, 120, 462, Top, TableauProps, TableauEvents},
    {"TableauPile7", Pile, 844, 226, 120, 462, Top, TableauProps, TableauEvents},
    {"TableauPile8", Pile, 982, 226, 120, 462, Top, TableauProps, TableauEvents},
    {"TableauPile9", Pile, 1120, 226, 120, 462, Top, TableauProps, TableauEvents},
    {"TableauPile10", Pile, 1258, 226, 120, 462, Top, TableauProps, TableauEvents},
    {"FoundPile1", Pile, 154, 700, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPile2", Pile, 292, 700, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPile3", Pile, 430, 700, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPile4", Pile, 568, 700, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPile5", Pile, 706, 700, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPile6", Pile, 844, 700, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPile7", Pile, 982, 700, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPile8", Pile, 1120, 700, 120, 188, Top, FoundationProps, FoundationEvents},
};
inline constexpr TPanelLayout HugePanels[] = {{"SpeedPanel", 306}, {"AutoPlayPanel", 100, 0, 5, 2},
                                              {"GameNumPanel", 180, 1}, {"StockPanel", 90},
                                              {"ScorePanel", 80, 2}};

}  // namespace ThievesLayouts
