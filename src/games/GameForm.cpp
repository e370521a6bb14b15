// The game-window template: construction, dealing, score and status texts, layout.

#include "games/GameForm.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QMenu>
#include <QResizeEvent>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>

#include "engine/Animate.h"
#include "engine/Card.h"
#include "engine/CardUndo.h"
#include "engine/Background.h"
#include "engine/Sounds.h"
#include "engine/WastePileView.h"
#include "games/CardRules.h"
#include "games/GameShell.h"
#include "platform/Metrics.h"
#include "platform/Random.h"
#include "shell/Preferences.h"
#include "shell/Profile.h"
#include "widgets/FormPlacement.h"
#include "widgets/wkStatusBar.h"

TGameForm::TGameForm(const TGameSpec& spec, const TFormLayout& layout, QWidget* owner)
    : QWidget(owner, Qt::Window), FSpec(spec), FLayout(layout) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(QLatin1String(spec.Section));
  setWindowTitle(QLatin1String(spec.Name));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(layout.FontHeight);
  setFont(font);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, ToQColor(layout.Color));
  setPalette(palette);
  setAutoFillBackground(true);
  setMouseTracking(false);
  resize(layout.ClientWidth, layout.ClientHeight);

  Profile1 = std::make_unique<TProfile>(QLatin1String(spec.Section));
  Profile1->SetFileName(GameShell::IniPath());
  FormPlacement1 = new TFormPlacement(this);
  FormPlacement1->setObjectName(QStringLiteral("FormPlacement1"));
  FormPlacement1->SetIniFileName(GameShell::IniPath());
  FormPlacement1->SetIniSection(QLatin1String(layout.PlacementPrefix) + QLatin1String(spec.Section));
  zBackground1 = new TzBackground(this);
  zBackground1->setObjectName(QStringLiteral("zBackground1"));

  BuildMenu();
  BuildStatusBar();
  FSavedDeck = std::make_unique<TCardPile>();
  FUndo = std::make_unique<TCardUndo>(Undo1, UndoSpeedButton, Redo1, RedoSpeedButton);
  FUndo->Clear();
}

TGameForm::~TGameForm() {
  if (FGameOver || FClosing) GameShell::WinAnimation()->Stop();
  FUndo->Clear();
  for (TCardPileView* view : AllPiles())
    if (view) view->FCards->Empty(false);
  FDealPile.Empty(false);
  FSavedDeck->Empty(true);
}

void TGameForm::Init() {
  if (FInitDone) return;
  FInitDone = true;
  THandlerTable handlers;
  BindHandlers(handlers);
  FComponents = FormBuilder::Build(this, FLayout, handlers);
  for (const TBuiltComponent& c : FComponents) c.View->stackUnder(GameStatusBar);
  TDragController::For(this)->OnDragOver = handlers.DragOver.value(QStringLiteral("FormDragOver"));

  AddGameMenuItems(PopupMenu1);
  InitPiles();
  ApplySpacing();
  zBackground1->Loaded();
  ApplyBackground();

  Profile1->SetEntry(QStringLiteral("Autoplay"));
  FAutoplay = Profile1->Text() != Profile1->DefaultText() && Profile1->State();
  Autoplay1->setChecked(FAutoplay);
  AutoPlayCheckBox->setChecked(FAutoplay);
  Profile1->SetEntry(QStringLiteral("ShowStatusBar"));
  if (Profile1->Text() != Profile1->DefaultText()) FShowStatusBar = Profile1->State();
  ShowStatusBar1->setChecked(FShowStatusBar);
  GameStatusBar->setVisible(FShowStatusBar);
  ReadOptions();
  InitPanels();

  FVegasBalance = CardRules::VegasStartBalance;
  FRandomDeal = true;
  // Centred on the screen until a stored placement says otherwise (when it is shown).
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  LayoutStatusBar();
  LayoutPiles();
  ApplyMinimumSize();
  Deal(true, true);
}

TCardPileView* TGameForm::View(const QString& name) const {
  for (const TBuiltComponent& c : FComponents)
    if (c.View->objectName() == name) return c.View;
  return nullptr;
}

void TGameForm::InitPiles() {
  for (const TBuiltComponent& c : FComponents) {
    const QString name = c.View->objectName();
    if (name.startsWith(QLatin1String("TableauPileView"))) FTableau.push_back(c.View);
    else if (name.startsWith(QLatin1String("FoundationPile"))) FFoundations.push_back(c.View);
    else if (name == QLatin1String("DeckPileView")) DeckPileView = c.View;
    else if (name == QLatin1String("DiscardPileView")) DiscardPileView = qobject_cast<TWastePileView*>(c.View);
  }
}

std::vector<TCardPileView*> TGameForm::AllPiles() const {
  std::vector<TCardPileView*> piles;
  for (const TBuiltComponent& c : FComponents) piles.push_back(c.View);
  return piles;
}

std::vector<TCardPileView*> TGameForm::AutoplaySources() const {
  std::vector<TCardPileView*> sources = FTableau;
  if (DiscardPileView) sources.push_back(DiscardPileView);
  return sources;
}

int TGameForm::TableauSpacing() const {
  const int size = TCard::GetCardSize();
  if (!PreferencesDlg) return size == CS_SMALL ? 22 : size == CS_HUGE ? 42 : 28;
  if (size == CS_SMALL) return PreferencesDlg->FSmallCardSpacing;
  if (size == CS_HUGE) return PreferencesDlg->FHugeCardSpacing;
  return PreferencesDlg->FCardSpacing;
}

void TGameForm::ApplySpacing() {
  for (TCardPileView* view : FTableau) view->YOffset = static_cast<float>(TableauSpacing());
}

// ---- menu, tool bar, status bar ----------------------------------------------------------

QAction* TGameForm::AddMenuItem(const QString& name, const QString& caption, const QKeySequence& shortcut,
                                void (TGameForm::*handler)(QObject*), QAction* before) {
  auto* item = new QAction(caption, this);
  item->setObjectName(name);
  if (!shortcut.isEmpty()) item->setShortcut(shortcut);
  PopupMenu1->insertAction(before, item);
  addAction(item);  // shortcuts work while the menu is closed
  if (handler) connect(item, &QAction::triggered, this, [this, item, handler] { (this->*handler)(item); });
  return item;
}

void TGameForm::BuildMenu() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  Undo1 = AddMenuItem("Undo1", "&Undo", QKeySequence("Ctrl+Z"), &TGameForm::Undo1Click);
  Redo1 = AddMenuItem("Redo1", "&Redo", QKeySequence("Ctrl+R"), &TGameForm::Redo1Click);
  PopupMenu1->addSeparator();
  Autoplay1 = AddMenuItem("Autoplay1", "&Autoplay", QKeySequence("Ctrl+A"), &TGameForm::Autoplay1Click);
  Autoplay1->setCheckable(true);
  PopupMenu1->addSeparator();
  NewGame1 = AddMenuItem("NewGame1", "&New Game", QKeySequence("Ctrl+N"), &TGameForm::NewGame1Click);
  SelectGame1 = AddMenuItem("SelectGame1", "Select &Game...", QKeySequence("Ctrl+G"), &TGameForm::SelectGame1Click);
  Restart1 = AddMenuItem("Restart1", "R&estart", QKeySequence("Ctrl+Y"), &TGameForm::NewGame1Click);
  PopupMenu1->addSeparator();
  Preferences1 = AddMenuItem("Preferences1", "&Options...", QKeySequence("Ctrl+O"), &TGameForm::Preferences1Click);
  About1 = AddMenuItem("About1", "&Help / Rules...", QKeySequence(Qt::Key_F1), &TGameForm::About1Click);
  About1->setShortcutContext(Qt::WidgetShortcut);  // F1 is a key of the window (FormKeyDown)
  Statistics1 = AddMenuItem("Statistics1", "&Statistics...", QKeySequence("Ctrl+S"), &TGameForm::Statistics1Click);
  PopupMenu1->addSeparator();
  ShowStatusBar1 = AddMenuItem("ShowStatusBar1", "Show Status &Bar", QKeySequence(Qt::Key_F5),
                               &TGameForm::ShowStatusBar1Click);
  ShowStatusBar1->setCheckable(true);
  ShowStatusBar1->setChecked(true);
  Undo1->setEnabled(false);
  Redo1->setEnabled(false);
}

QAction* TGameForm::AddToolButton(const QString& name, int image, const QString& hint,
                                  void (TGameForm::*handler)(QObject*)) {
  QIcon icon;
  if (image < int(FPictures.Normal.size())) icon.addPixmap(FPictures.Normal[image], QIcon::Normal);
  if (image < int(FPictures.Hot.size())) icon.addPixmap(FPictures.Hot[image], QIcon::Active);
  if (image < int(FPictures.Disabled.size())) icon.addPixmap(FPictures.Disabled[image], QIcon::Disabled);
  auto* button = new QAction(icon, icon.isNull() ? hint.left(1) : QString(), this);
  button->setObjectName(name);
  button->setToolTip(hint);
  SpeedBar->addAction(button);
  connect(button, &QAction::triggered, this, [this, button, handler] { (this->*handler)(button); });
  return button;
}

void TGameForm::BuildStatusBar() {
  const int size = std::clamp(FLayout.CardSize, 0, 2);
  const TToolBarMetrics& bar = ToolBarMetrics[size];
  GameStatusBar = new TwkStatusBar(this);
  GameStatusBar->setObjectName(QStringLiteral("GameStatusBar"));
  GameStatusBar->setAutoFillBackground(true);
  QPalette palette = GameStatusBar->palette();
  palette.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
  GameStatusBar->setPalette(palette);

  SpeedBar = new QToolBar(this);
  SpeedBar->setObjectName(QStringLiteral("SpeedBar"));
  FPictures = GameShell::ToolBarPictures(size);
  SpeedBar->setIconSize(QSize(FPictures.Size, FPictures.Size));
  SpeedBar->setMovable(false);
  SpeedBar->setFloatable(false);
  SpeedBar->setContentsMargins(0, 0, 0, 0);
  SpeedBar->setStyleSheet(QStringLiteral("QToolBar { border: 0px; spacing: 0px; padding: 0px; } "
                                         "QToolBar::separator { width: 4px; }"));
  UndoSpeedButton = AddToolButton("UndoSpeedButton", 0, "Undo", &TGameForm::Undo1Click);
  RedoSpeedButton = AddToolButton("RedoSpeedButton", 1, "Redo", &TGameForm::Redo1Click);
  SpeedBar->addSeparator();
  NewGameSpeedButton = AddToolButton("NewGameSpeedButton", 2, "New Game", &TGameForm::NewGameSpeedButtonClick);
  SelectGameSpeedButton = AddToolButton("SelectGameSpeedButton", 3, "Select Game...", &TGameForm::SelectGame1Click);
  RestartSpeedButton = AddToolButton("RestartSpeedButton", 4, "Restart Game", &TGameForm::RestartSpeedButtonClick);
  SpeedBar->addSeparator();
  PreferencesSpeedButton = AddToolButton("PreferencesSpeedButton", 5, "Options...", &TGameForm::Preferences1Click);
  RulesSpeedButton = AddToolButton("RulesSpeedButton", 6, "Rules...", &TGameForm::About1Click);
  StatsSpeedButton = AddToolButton("StatsSpeedButton", 7, "Statistics...", &TGameForm::Statistics1Click);
  UndoSpeedButton->setEnabled(false);
  for (QAction* action : SpeedBar->actions())
    if (QWidget* button = SpeedBar->widgetForAction(action); button && !action->isSeparator())
      button->setFixedSize(bar.ButtonWidth, bar.ButtonHeight);

  AutoPlayCheckBox = new QCheckBox(QStringLiteral("Autoplay"), this);
  AutoPlayCheckBox->setObjectName(QStringLiteral("AutoPlayCheckBox"));
  AutoPlayCheckBox->setFocusPolicy(Qt::NoFocus);
  AutoPlayCheckBox->setFont(Metrics::ArialFont(PanelFontHeights[size]));
  connect(AutoPlayCheckBox, &QCheckBox::clicked, this, [this] { AutoPlayCheckBoxClick(AutoPlayCheckBox); });

  TwkStatusPanels& panels = GameStatusBar->Panels();
  panels.BeginUpdate();
  for (const TPanelLayout& layout : FLayout.Panels) {
    TwkStatusPanel* panel = panels.Add();
    panel->SetName(QLatin1String(layout.Name));
    panel->SetWidth(QString::number(layout.Width));
    panel->TextOptions().SetAlignment(layout.Alignment == 1   ? taCenter
                                      : layout.Alignment == 2 ? taRightJustify
                                                              : taLeftJustify);
    panel->SetIndent(layout.Indent);
    panel->SetMargin(layout.Margin);
    panel->SetFont(Metrics::ArialFont(PanelFontHeights[size]));
  }
  panels.EndUpdate();
  for (int i = 0; i < int(FLayout.Panels.size()); ++i) {
    const QString name = QLatin1String(FLayout.Panels[static_cast<std::size_t>(i)].Name);
    TwkStatusPanel* panel = panels.Items(i);
    if (name == QLatin1String("SpeedPanel")) {
      panel->SetBevel(pbNone);
      panel->SetComponent(SpeedBar);
    } else if (name == QLatin1String("AutoPlayPanel")) {
      panel->SetComponent(AutoPlayCheckBox);
    }
  }
}

void TGameForm::LayoutStatusBar() {
  const int height = FLayout.StatusBarHeight;
  GameStatusBar->setGeometry(0, this->height() - height, width(), height);
  GameStatusBar->raise();
}

void TGameForm::SetPanelText(int index, const QString& text) {
  if (index < 0 || index >= GameStatusBar->Panels().Count()) return;
  GameStatusBar->Panels().Items(index)->SetText(text);
}

QString TGameForm::PanelText(int index) const {
  if (index < 0 || index >= GameStatusBar->Panels().Count()) return QString();
  return GameStatusBar->Panels().Items(index)->Text();
}

// ---- size ----------------------------------------------------------------------------

QSize TGameForm::WMGetMinMaxInfo() const {
  if (isMaximized()) return QSize();
  int height = FLayout.MinHeight;
  if (FLayout.MinHeightHasFrame) height += Metrics::CaptionHeight + 2 * Metrics::FrameHeight;
  if (FLayout.MinHeightLessBar && !FShowStatusBar) height -= FLayout.StatusBarHeight;
  return QSize(FLayout.MinWidth + 2 * Metrics::FrameWidth, height);
}

void TGameForm::ApplyMinimumSize() {
  const QSize outer = WMGetMinMaxInfo();
  if (!outer.isValid()) {
    setMinimumSize(0, 0);
    return;
  }
  // The window manager adds the frame and caption to the client area.
  setMinimumSize(std::max(0, outer.width() - 2 * Metrics::FrameWidth),
                 std::max(0, outer.height() - Metrics::CaptionHeight - 2 * Metrics::FrameHeight));
}

void TGameForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayoutStatusBar();
  LayoutPiles();
}

void TGameForm::LayoutPiles() {
  FormBuilder::ApplyAnchors(FComponents, QSize(FLayout.ClientWidth, FLayout.ClientHeight), size());
  FormResize(this);
  // No view runs under the status bar, so a column fans within what the player sees.
  const int table = FShowStatusBar ? GameStatusBar->geometry().top() : height();
  for (const TBuiltComponent& c : FComponents)
    if (c.View->y() + c.View->height() > table) c.View->resize(c.View->width(), std::max(0, table - c.View->y()));
}

void TGameForm::FormResize(QObject*) {}

// ---- dealing -------------------------------------------------------------------------

TCardPile* TGameForm::StockPile() { return DeckPileView ? DeckPileView->FCards : &FDealPile; }

void TGameForm::NewDeck(TCardPile* pile) {
  for (int i = 0; i < FSpec.Decks; ++i) pile->AddDeck();
}

int TGameForm::NextRandomDealNumber() {
  // Random::Next gives 15 bits; three draws make the 31-bit value the deal number is cut from.
  const unsigned r = (static_cast<unsigned>(Random::Next()) << 16) |
                     (static_cast<unsigned>(Random::Next()) << 1) |
                     (static_cast<unsigned>(Random::Next()) & 1u);
  return CardRules::RandomDealNumber(r);
}

void TGameForm::SetStockBlock(bool block) {
  if (!DeckPileView) return;
  DeckPileView->XOffset = block ? 0.4f : 1.0f;
  DeckPileView->YOffset = block ? 0.1f : 0.2f;
  DeckPileView->repaint();
}

void TGameForm::Deal(bool quiet, bool newShuffle) {
  if (FGameOver) {
    FGameOver = false;
    FVegasBalance = CardRules::VegasAfterWin(FVegasBalance);
  }
  TCardPile* stock = StockPile();
  if (newShuffle) {
    NewDealStarted();
    NewDeck(stock);
    if (FRandomDeal) {
      FGameNumber = NextRandomDealNumber();
    } else {
      FGameNumber = FChosenNumber;
      Profile1->SetEntry(QStringLiteral("GameNumber"));
      Profile1->SetValue(FGameNumber);
    }
    SeedShuffleRandom(static_cast<unsigned>(FGameNumber));
    FRandomDeal = true;
    UpdateScore(true);
    ShuffleDeck(stock);
    FSavedDeck->Empty(true);
    stock->CopyPileTo(FSavedDeck.get());
    SetStockBlock(true);
    if (!quiet && SoundManager) SoundManager->PlayShuffle();
  } else {
    FSavedDeck->CopyPileTo(stock);
    for (TCard* card : stock->FList)
      if (card) card->FFaceUp = false;
    SetStockBlock(true);
    if (SoundManager) SoundManager->PlayRestart();
  }
  if (!FSpec.Vegas) UpdateScore(true);
  DealLayout(!quiet && PreferencesDlg && PreferencesDlg->FDoAnimation);
  SetStockBlock(false);
  UpdateStockStatus();
  for (TCardPileView* view : FTableau) view->repaint();
  FMoveCount = 0;
  FUndo->Clear();
  Restart1->setEnabled(true);
  RestartSpeedButton->setEnabled(true);
  UpdateScore(false);
}

void TGameForm::DealCardTo(TCardPileView* view, bool faceUp, bool animate) {
  TCardPile* stock = StockPile();
  TCard* card = stock->CardAt(TopOfPile);
  if (!card) return;
  stock->RemoveCard(card);
  card->FFaceUp = faceUp;
  view->FCards->AddCard(card);
  if (animate) view->repaint();
}

void TGameForm::DealPassDone(bool animate) {
  if (!animate) return;
  if (DeckPileView) DeckPileView->repaint();
  if (SoundManager) SoundManager->PlayDeal();
}

void TGameForm::RepaintViews() {
  for (const TBuiltComponent& c : FComponents) c.View->repaint();
}

// ---- score and caption ---------------------------------------------------------------

bool TGameForm::VegasShown() const {
  return FSpec.Vegas && PreferencesDlg && PreferencesDlg->FVegasScoring;
}

int TGameForm::UpdateScore(bool reset) {
  FScore = 0;
  if (!reset)
    for (TCardPileView* view : FFoundations) FScore += view->FCards->Count();
  const CardRules::TScoreTexts texts =
      CardRules::ScoreTexts(QLatin1String(FSpec.Name), FGameNumber, FScore, VegasShown(),
                            CardRules::VegasMoney(FScore, FVegasBalance), FShowStatusBar);
  setWindowTitle(texts.Caption);
  if (FShowStatusBar) {
    SetPanelText(FSpec.ScorePanel, texts.ScorePanel);
    SetPanelText(FSpec.NumberPanel, texts.NumberPanel);
  }
  return FScore;
}
