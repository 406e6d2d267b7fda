#include "files/edit_history.h"

#include <gtest/gtest.h>

#include "model/type_codes.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

using test::W;

T_Command_DEVICE Defaults() {
  T_Command_DEVICE m;
  m.SetDefaults();
  return m;
}

TEST(EditHistory, UndoAndRedoRestoreWholeStatesAndNameTheChange) {
  EditHistory history;
  T_Command_DEVICE m = Defaults();
  history.Start(m);
  EXPECT_FALSE(history.Record(m));  // nothing changed: no step
  EXPECT_FALSE(history.CanUndo());

  m.SetLoopName(2, W("Холл"));
  EXPECT_TRUE(history.Record(m));
  // A row save that changes several cells is one step.
  m.SetLoopType(5, Code(LoopType::kDelayed));
  m.SetLoopDelay(5, 90);
  m.SetLoopType(3, Code(LoopType::kDelayed));
  m.SetLoopDelay(3, 999);  // an out of range value comes back too
  EXPECT_TRUE(history.Record(m));

  EditHistory::Move back = history.Undo();
  ASSERT_NE(back.state, nullptr);
  EXPECT_EQ(back.state->GetLoopType(5), Defaults().GetLoopType(5));
  EXPECT_EQ(back.state->GetLoopType(3), Defaults().GetLoopType(3));
  EXPECT_EQ(back.state->GetLoopName(2), W("Холл"));
  ASSERT_TRUE(back.at);
  EXPECT_STREQ(back.at->control, "SG_Shleifs");
  EXPECT_EQ(back.at->row, 3);  // the first changed cell, top to bottom
  EXPECT_EQ(back.at->column, 1);

  back = history.Undo();
  ASSERT_NE(back.state, nullptr);
  EXPECT_EQ(back.state->GetLoopName(2), "");
  EXPECT_EQ(back.at->row, 2);
  EXPECT_EQ(history.Undo().state, nullptr);

  EditHistory::Move again = history.Redo();
  EXPECT_EQ(again.state->GetLoopName(2), W("Холл"));
  again = history.Redo();
  EXPECT_EQ(again.state->GetLoopDelay(3), 999);
  EXPECT_EQ(history.Redo().state, nullptr);

  // A new edit after an undo drops what could be redone.
  history.Undo();
  T_Command_DEVICE other = *history.Undo().state;
  other.SetFileKey("K2");
  EXPECT_TRUE(history.Record(other));
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(history.Undo().state->GetFileKey(), "");

  history.Start(m);
  EXPECT_FALSE(history.CanUndo());
  EXPECT_FALSE(history.CanRedo());
}

TEST(EditHistory, KeepsTheLastHundredSteps) {
  EditHistory history;
  T_Command_DEVICE m = Defaults();
  history.Start(m);
  for (int i = 1; i <= 150; ++i) {
    m.SetKeyName(1 + i % 250, std::to_string(i));
    ASSERT_TRUE(history.Record(m));
  }
  EXPECT_EQ(history.StepCount(), EditHistory::kDefaultLimit + 1);
  int undone = 0;
  const T_Command_DEVICE* last = nullptr;
  while (const T_Command_DEVICE* state = history.Undo().state) {
    last = state;
    ++undone;
  }
  EXPECT_EQ(undone, 100);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->GetKeyName(51), "50");  // the state after the 50th edit
}

}  // namespace
}  // namespace kestrin
