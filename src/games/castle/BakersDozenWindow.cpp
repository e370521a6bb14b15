#include "games/castle/BakersDozenWindow.h"

#include "games/GameVariants.h"
#include "games/castle/CastleRules.h"

TBakersDozenForm* BakersDozenForm = nullptr;
TsBakersDozenForm* sBakersDozenForm = nullptr;
ThBakersDozenForm* hBakersDozenForm = nullptr;

const TGameSpec TBakersDozenForm::Spec{.Name = "Baker's Dozen",
                                       .Section = "BakersDozen",
                                       .Decks = 1,
                                       .CardsToWin = CastleRules::CardsToWin,
                                       .Threshold = 5,
                                       .Vegas = false,
                                       .HelpTopic = 1027,
                                       .NumberPanel = CastleLayouts::NumberPanel,
                                       .ScorePanel = CastleLayouts::ScorePanel};

TBakersDozenForm::TBakersDozenForm(QWidget* owner)
    : TBakersDozenForm(BakersDozenLayouts::Large, BakersDozenLayouts::LargeRows, owner) {}

TBakersDozenForm::TBakersDozenForm(const TFormLayout& layout, const BakersDozenLayouts::TRowRule& rows,
                                   QWidget* owner)
    : TCastleForm(Spec, layout, owner), FRows(rows) {}

TBakersDozenForm::~TBakersDozenForm() { ForgetGameWindow(BakersDozenForm, this); }

void TBakersDozenForm::FormResize(QObject*) {
  if (FTableau.size() != CastleRules::BakersDozenPiles) return;
  const int clientHeight = height();
  const int d = (clientHeight - FRows.Base) / 2;  // truncated toward zero
  for (std::size_t i = 0; i < FTableau.size(); ++i) {
    TCardPileView* view = FTableau[i];
    if (i < 7) {
      view->resize(view->width(), FRows.UpperHeight + d);
    } else {
      const int top = FRows.LowerTop + d;
      view->setGeometry(view->x(), top, view->width(), clientHeight - top);
    }
  }
}

void TBakersDozenForm::DealLayout(bool animate) {
  TCardPile* piles[CastleRules::BakersDozenPiles];
  for (int i = 0; i < CastleRules::BakersDozenPiles; ++i) piles[i] = FTableau[std::size_t(i)]->FCards;
  CastleRules::DealBakersDozen(StockPile(), piles, [&](CastleRules::TDealEvent event, int pile) {
    if (event == CastleRules::TDealEvent::Tableau) ShowDealt(FTableau[std::size_t(pile)], animate);
    else if (event == CastleRules::TDealEvent::PassEnd) DealPassDone(animate);
  });
  for (TCardPileView* view : FFoundations) view->repaint();
}

// ---- card-size variants --------------------------------------------------------------------

TsBakersDozenForm::TsBakersDozenForm(QWidget* owner)
    : TBakersDozenForm(BakersDozenLayouts::Small, BakersDozenLayouts::SmallRows, owner) {}
TsBakersDozenForm::~TsBakersDozenForm() { ForgetGameWindow(sBakersDozenForm, this); }

ThBakersDozenForm::ThBakersDozenForm(QWidget* owner)
    : TBakersDozenForm(BakersDozenLayouts::Huge, BakersDozenLayouts::HugeRows, owner) {}
ThBakersDozenForm::~ThBakersDozenForm() { ForgetGameWindow(hBakersDozenForm, this); }

TBakersDozenForm* CreateBakersDozenWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sBakersDozenForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hBakersDozenForm, owner);
  return CreateGameWindow(BakersDozenForm, owner);
}
