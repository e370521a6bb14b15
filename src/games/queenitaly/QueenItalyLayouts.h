#pragma once
// Queen of Italy's window at the three card sizes: the eight foundations along the top, the
// terrace fanned below them, the nine tableau piles fanned downwards, the stock and the
// wide discard pile at the bottom. The tableau grows and the stock and discard pile move
// with the window's height (TQueenItalyMetrics).

#include "games/Layout.h"

namespace QueenItalyLayouts {

// FormResize: with s the status bar's height while it shows (else 0), each tableau pile's
// height is ClientHeight + TableauExtra - (Base + s) and the tops of the stock and the
// discard pile are ClientHeight + StockExtra - (Base + s).
struct TQueenItalyMetrics {
  int TableauExtra, StockExtra, Base;
};
inline constexpr TQueenItalyMetrics SmallMetrics{207, 424, 540};
inline constexpr TQueenItalyMetrics LargeMetrics{273, 552, 700};
inline constexpr TQueenItalyMetrics HugeMetrics{356, 759, 985};

inline constexpr TEventBindings FoundationEvents{{{"OnDragOver", "FoundationPile1DragOver"},
                                                 {"OnMouseDown", "FormMouseDown"}}};
inline constexpr TEventBindings TableauEvents{{{"OnDragOver", "TableauPileView1DragOver"},
                                              {"OnStartDrag", "TableauPileView1StartDrag"},
                                              {"OnEndDrag", "TableauPileView1EndDrag"},
                                              {"OnMouseDown", "TableauPileView1MouseDown"},
                                              {"OnDblClick", "DiscardPileViewDblClick"}}};
// The terrace and the discard pile: only their top card is taken.
inline constexpr TEventBindings WasteEvents{{{"OnDragOver", "FormDragOver"},
                                             {"OnStartDrag", "TableauPileView1StartDrag"},
                                             {"OnEndDrag", "TableauPileView1EndDrag"},
                                             {"OnMouseDown", "DiscardPileViewMouseDown"},
                                             {"OnDblClick", "DiscardPileViewDblClick"}}};
inline constexpr TEventBindings StockEvents{{{"OnDragOver", "FormDragOver"},
                                             {"OnMouseDown", "FormMouseDown"},
                                             {"OnClick", "DeckPileViewClick"}}};

inline constexpr TPileProps FoundationProps{.IsBordered = true};
inline constexpr TPileProps TableauProps{.AllowDrag = true};
inline constexpr TPileProps StockProps{.ShowHint = true};
inline constexpr TPileProps SmallTerraceProps{.AllowDrag = true, .XOffset = 15, .SideFan = true};
inline constexpr TPileProps LargeTerraceProps{.AllowDrag = true, .XOffset = 20, .SideFan = true};
inline constexpr TPileProps HugeTerraceProps{.AllowDrag = true, .XOffset = 30, .SideFan = true};
inline constexpr TPileProps SmallDiscardProps{.AllowDrag = true, .XOffset = 12, .SideFan = true};
inline constexpr TPileProps LargeDiscardProps{.AllowDrag = true, .XOffset = 16, .SideFan = true};
inline constexpr TPileProps HugeDiscardProps{.AllowDrag = true, .XOffset = 24, .SideFan = true};

inline constexpr std::uint8_t Top = akLeft | akTop;
inline constexpr auto Pile = TComponentKind::PileView;

// Large cards, 80 x 125.
inline constexpr TComponentLayout LargeComponents[] = {
    {"FoundPile1", Pile, 8, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundPile2", Pile, 104, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundPile3", Pile, 200, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundPile4", Pile, 296, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundPile5", Pile, 392, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundPile6", Pile, 488, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundPile7", Pile, 584, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundPile8", Pile, 680, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"TerracePileView", Pile, 8, 141, 288, 125, Top, LargeTerraceProps, WasteEvents},
    {"TableauPileView1", Pile, 8, 274, 80, 251, Top, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 104, 274, 80, 251, Top, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 200, 274, 80, 251, Top, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 296, 274, 80, 251, Top, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 392, 274, 80, 251, Top, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 488, 274, 80, 251, Top, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 584, 274, 80, 251, Top, TableauProps, TableauEvents},
    {"TableauPileView8", Pile, 680, 274, 80, 251, Top, TableauProps, TableauEvents},
    {"TableauPileView9", Pile, 776, 274, 80, 251, Top, TableauProps, TableauEvents},
    {"DeckPileView", Pile, 8, 530, 172, 146, Top, StockProps, StockEvents},
    {"DiscardPileView", Pile, 192, 530, 400, 146, Top, LargeDiscardProps, WasteEvents},
};
inline constexpr TPanelLayout LargePanels[] = {{"SpeedPanel", 210}, {"AutoPlayPanel", 80, 0, 5, 2},
                                              {"GameNumPanel", 140, 1}, {"StockPanel", 70},
                                              {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 884, .ClientHeight = 704,
                                   .MinWidth = 882, .MinHeight = 600, .StatusBarHeight = 26,
                                   .Components = LargeComponents, .Panels = LargePanels};

// Small cards, 61 x 95.
inline constexpr TComponentLayout SmallComponents[] = {
    {"FoundPile1", Pile, 8, 6, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundPile2", Pile, 80, 6, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundPile3", Pile, 152, 6, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundPile4", Pile, 224, 6, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundPile5", Pile, 296, 6, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundPile6", Pile, 368, 6, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundPile7", Pile, 440, 6, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundPile8", Pile, 512, 6, 61, 95, Top, FoundationProps, FoundationEvents},
    {"TerracePileView", Pile, 8, 107, 219, 95, Top, SmallTerraceProps, WasteEvents},
    {"TableauPileView1", Pile, 8, 208, 61, 188, Top, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 80, 208, 61, 188, Top, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 152, 208, 61, 188, Top, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 224, 208, 61, 188, Top, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 296, 208, 61, 188, Top, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 368, 208, 61, 188, Top, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 440, 208, 61, 188, Top, TableauProps, TableauEvents},
    {"TableauPileView8", Pile, 512, 208, 61, 188, Top, TableauProps, TableauEvents},
    {"TableauPileView9", Pile, 584, 208, 61, 188, Top, TableauProps, TableauEvents},
    {"DeckPileView", Pile, 8, 405, 151, 114, Top, StockProps, StockEvents},
    {"DiscardPileView", Pile, 171, 405, 320, 114, Top, SmallDiscardProps, WasteEvents},
};
inline constexpr TPanelLayout SmallPanels[] = {{"SpeedPanel", 170}, {"AutoPlayPanel", 80, 0, 5, 2},
                                              {"GameNumPanel", 140, 1}, {"StockPanel", 70},
                                              {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 672, .ClientHeight = 543,
                                   .MinWidth = 670, .MinHeight = 480, .FontHeight = 11,
                                   .StatusBarHeight = 22, .PlacementPrefix = "s",
                                   .Components = SmallComponents, .Panels = SmallPanels};

// Huge cards, 120 x 188.
inline constexpr TComponentLayout HugeComponents[] = {
    {"FoundPile1", Pile, 8, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPile2", Pile, 138, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPile3", Pile, 268, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPile4", Pile, 398, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPile5", Pile, 528, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPile6", Pile, 658, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPile7", Pile, 788, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPile8", Pile, 918, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"TerracePileView", Pile, 8, 204, 428, 188, Top, HugeTerraceProps, WasteEvents},
    {"TableauPileView1", Pile, 8, 398, 120, 320, Top, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 138, 398, 120, 320, Top, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 268, 398, 120, 320, Top, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 398, 398, 120, 320, Top, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 528, 398, 120, 320, Top, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 658, 398, 120, 320, Top, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 788, 398, 120, 320, Top, TableauProps, TableauEvents},
    {"TableauPileView8", Pile, 918, 398, 120, 320, Top, TableauProps, TableauEvents},
    {"TableauPileView9", Pile, 1048, 398, 120, 320, Top, TableauProps, TableauEvents},
    {"DeckPileView", Pile, 8, 723, 210, 208, Top, StockProps, StockEvents},
    {"DiscardPileView", Pile, 230, 723, 600, 208, Top, HugeDiscardProps, WasteEvents},
};
inline constexpr TPanelLayout HugePanels[] = {{"SpeedPanel", 306}, {"AutoPlayPanel", 100, 0, 5, 2},
                                             {"GameNumPanel", 180, 1}, {"StockPanel", 80},
                                             {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 1196, .ClientHeight = 985,
                                  .MinWidth = 1180, .MinHeight = 900, .StatusBarHeight = 36,
                                  .PlacementPrefix = "h", .Components = HugeComponents,
                                  .Panels = HugePanels};

}  // namespace QueenItalyLayouts
