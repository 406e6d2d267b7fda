#include "files/edit_history.h"

#include "model/writer.h"

namespace kestrin {

void EditHistory::Start(const T_Command_DEVICE& state) {
  steps_.clear();
  steps_.push_back({state, WriteConfigTextCrLf(state)});
  current_ = 0;
}

bool EditHistory::Record(const T_Command_DEVICE& state) {
  std::string text = WriteConfigTextCrLf(state);
  if (!steps_.empty() && steps_[current_].text == text) return false;
  if (!steps_.empty()) steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(current_) + 1, steps_.end());
  steps_.push_back({state, std::move(text)});
  while (steps_.size() > limit_ + 1) steps_.pop_front();
  current_ = steps_.size() - 1;
  return true;
}

EditHistory::Move EditHistory::Undo() { return CanUndo() ? MoveTo(current_ - 1) : Move{}; }

EditHistory::Move EditHistory::Redo() { return CanRedo() ? MoveTo(current_ + 1) : Move{}; }

EditHistory::Move EditHistory::MoveTo(size_t step) {
  const T_Command_DEVICE& left = steps_[current_].model;
  current_ = step;
  Move move;
  move.state = &steps_[current_].model;
  const std::vector<ConfigDifference> changed = DiffConfigurations(left, *move.state, {true});
  if (!changed.empty()) move.at = changed.front().locator;
  return move;
}

}  // namespace kestrin
