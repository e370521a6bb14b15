// The undo history: every kind of step undoes and redoes to the exact previous table,
// and the Undo/Redo menu items and buttons follow what can be done.

#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QWidget>
#include <memory>
#include <vector>

#include "engine/CardPileView.h"
#include "engine/CardUndo.h"

namespace {

using TTable = std::vector<std::vector<TCard*>>;

class CardUndoTest : public ::testing::Test {
protected:
  void SetUp() override {
    for (int i = 0; i < 3; ++i) FViews.push_back(new TCardPileView(&FWindow));
    for (int i = 0; i < 12; ++i) {
      FCards.push_back(std::make_unique<TCard>(static_cast<_CardSuit>(i % 4),
                                               static_cast<_CardValue>(i), 1));
      FViews[static_cast<std::size_t>(i / 4)]->FCards->AddCard(FCards.back().get());
    }
    FUndo = std::make_unique<TCardUndo>(&FUndoItem, &FUndoButton, &FRedoItem, &FRedoButton);
    FUndo->Clear();
  }

  TTable Table() const {
    TTable table;
    for (const TCardPileView* view : FViews) table.push_back(view->FCards->FList);
    return table;
  }

  // What a game's drag does: the top n cards of one view onto another, recorded.
  void Move(int from, int to, int n) {
    TCardPile moved;
    TCardPile* source = FViews[from]->FCards;
    for (int i = source->Count() - n; i < source->Count(); ++i) moved.AddCard(source->FList[i]);
    for (TCard* card : moved.FList) source->RemoveCard(card);
    FViews[to]->FCards->AddPile(&moved);
    FUndo->AddMove(FViews[from], FViews[to], &moved);
    moved.Empty(false);
  }

  void ExpectEnabled(bool undo, bool redo) {
    EXPECT_EQ(FUndoItem.isEnabled(), undo);
    EXPECT_EQ(FUndoButton.isEnabled(), undo);
    EXPECT_EQ(FRedoItem.isEnabled(), redo);
    EXPECT_EQ(FRedoButton.isEnabled(), redo);
  }

  QWidget FWindow;
  std::vector<TCardPileView*> FViews;
  std::vector<std::unique_ptr<TCard>> FCards;
  QAction FUndoItem{"&Undo"};
  QPushButton FUndoButton;
  QAction FRedoItem{"&Redo"};
  QAction FRedoButton{"Redo"};  // a tool-bar action serves as a button too
  std::unique_ptr<TCardUndo> FUndo;
};

TEST_F(CardUndoTest, UndoAtTheStartChangesNothingAndDisablesUndo) {
  const TTable start = Table();
  FUndoItem.setEnabled(true);
  FUndo->Undo();
  EXPECT_EQ(Table(), start);
  EXPECT_EQ(FUndo->FFromView, nullptr);
  EXPECT_EQ(FUndo->FCards, nullptr);
  EXPECT_FALSE(FUndoItem.isEnabled());
  FUndo->Redo();
  EXPECT_EQ(Table(), start);
  EXPECT_FALSE(FRedoItem.isEnabled());
}

TEST_F(CardUndoTest, MovesUndoAndRedoToTheExactTables) {
  std::vector<TTable> tables{Table()};
  Move(0, 1, 3);
  tables.push_back(Table());
  Move(1, 2, 2);
  tables.push_back(Table());
  Move(2, 0, 1);
  tables.push_back(Table());
  ExpectEnabled(true, false);
  EXPECT_EQ(FUndo->FPosition, 3);

  for (int step = 3; step > 0; --step) {
    FUndo->PeekUndo();
    EXPECT_EQ(FUndo->FCards->Count(), step == 3 ? 1 : step == 2 ? 2 : 3);
    FUndo->Undo();
    FUndo->AfterUndo();
    EXPECT_EQ(Table(), tables[static_cast<std::size_t>(step - 1)]) << "undo to " << step - 1;
  }
  ExpectEnabled(false, true);
  for (int step = 1; step <= 3; ++step) {
    FUndo->PeekRedo();
    EXPECT_EQ(FUndo->FFromView, FViews[static_cast<std::size_t>(step - 1)]);
    FUndo->Redo();
    FUndo->AfterRedo();
    EXPECT_EQ(Table(), tables[static_cast<std::size_t>(step)]) << "redo to " << step;
    ExpectEnabled(true, step < 3);
  }
}

TEST_F(CardUndoTest, ThreeCardMoveComesBackInItsOldOrder) {
  const TTable start = Table();
  Move(0, 2, 3);
  FUndo->Undo();
  FUndo->AfterUndo();
  EXPECT_EQ(Table(), start);
}

TEST_F(CardUndoTest, TurnUpStepMovesNothing) {
  TCard* card = FViews[1]->FCards->CardAt(TopOfPile);
  card->FFaceUp = false;
  Move(0, 2, 1);
  card->FFaceUp = true;  // the game turns the exposed card up and records it
  FUndo->AddCardMove(FViews[1], FViews[1], card);
  const TTable after = Table();
  FUndo->PeekUndo();
  ASSERT_EQ(FUndo->FFromView, FUndo->FToView);
  FUndo->Undo();
  EXPECT_EQ(Table(), after);
  card->FFaceUp = false;
  FUndo->AfterUndo();
  FUndo->Undo();
  FUndo->AfterUndo();
  FUndo->Redo();
  FUndo->AfterRedo();
  FUndo->Redo();
  FUndo->AfterRedo();
  EXPECT_EQ(Table(), after);
  EXPECT_EQ(FViews[1]->FCards->CardAt(TopOfPile), card);
}

TEST_F(CardUndoTest, SlotStepsRestoreTheEmptyPosition) {
  // View 0 as a pyramid row: card 1 leaves its slot for view 2.
  TCardPile* row = FViews[0]->FCards;
  for (int i = 0; i < row->Count(); ++i) row->FList[i]->SetPos(i);
  TCard* card = row->FList[1];
  row->SetToNull(1);
  FViews[2]->FCards->AddCard(card);
  FUndo->AddCardMove(FViews[0], FViews[2], card);
  const TTable after = Table();
  FUndo->UndoSlot();
  FUndo->AfterUndo();
  EXPECT_EQ(row->FList[1], card);
  EXPECT_EQ(row->Count(), 4);
  EXPECT_EQ(FViews[2]->FCards->Count(), 4);
  FUndo->RedoSlot();
  FUndo->AfterRedo();
  EXPECT_EQ(Table(), after);
}

TEST_F(CardUndoTest, InsertStepPutsCardsBackAtTheirIndex) {
  TCardPile* reserve = FViews[0]->FCards;
  for (int i = 0; i < reserve->Count(); ++i) reserve->FList[i]->SetPos(i);
  const TTable start = Table();
  TCard* card = reserve->FList[2];
  reserve->RemoveCard(card);
  FViews[1]->FCards->AddCard(card);
  FUndo->AddCardMove(FViews[0], FViews[1], card);
  FUndo->UndoInsert();
  FUndo->AfterUndo();
  EXPECT_EQ(Table(), start);
}

TEST_F(CardUndoTest, NewMoveAfterUndosDropsTheRedoTail) {
  Move(0, 1, 1);
  Move(0, 1, 1);
  Move(0, 1, 1);
  FUndo->Undo();
  FUndo->AfterUndo();
  FUndo->Undo();
  FUndo->AfterUndo();
  ExpectEnabled(true, true);
  Move(2, 0, 2);
  ExpectEnabled(true, false);
  EXPECT_EQ(FUndo->FPosition, 2);
  EXPECT_EQ(FUndo->StepCount(), 2);
  EXPECT_EQ(FUndo->FFromViews.size(), 2u);
  EXPECT_EQ(FUndo->FToViews.size(), 2u);
  FUndo->PeekRedo();
  EXPECT_EQ(FUndo->FCards, nullptr);
  FUndo->PeekUndo();
  EXPECT_EQ(FUndo->FFromView, FViews[2]);
}

TEST_F(CardUndoTest, ClearAfterARedoTailDisablesEverything) {
  Move(0, 1, 1);
  Move(1, 2, 1);
  FUndo->Undo();
  FUndo->AfterUndo();
  ExpectEnabled(true, true);
  FUndo->Clear();
  ExpectEnabled(false, false);
  EXPECT_EQ(FUndo->FPosition, 0);
  EXPECT_EQ(FUndo->StepCount(), 0);
  const TTable after = Table();
  FUndo->Undo();
  FUndo->Redo();
  EXPECT_EQ(Table(), after);
}

TEST_F(CardUndoTest, StepKeepsItsOwnCopyOfTheMovedCards) {
  TCardPile dragPile;
  dragPile.AddCard(FViews[0]->FCards->CardAt(TopOfPile));
  FViews[1]->FCards->AddCard(FViews[0]->FCards->CardAt(TopOfPile));
  FViews[0]->FCards->RemoveCard(dragPile.FList[0]);
  FUndo->AddMove(FViews[0], FViews[1], &dragPile);
  dragPile.Empty(false);  // the next drag reuses the view's drag pile
  FUndo->PeekUndo();
  EXPECT_EQ(FUndo->FCards->Count(), 1);
  FUndo->Undo();
  EXPECT_EQ(FViews[0]->FCards->Count(), 4);
  EXPECT_EQ(FViews[1]->FCards->Count(), 4);
}

TEST_F(CardUndoTest, ControlsThatGoAwayAreForgotten) {
  auto button = std::make_unique<QPushButton>();
  FUndo->FUndoButton = button.get();
  button.reset();
  Move(0, 1, 1);  // must not touch the deleted button
  EXPECT_TRUE(FUndoItem.isEnabled());
}

}  // namespace
