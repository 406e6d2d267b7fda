#pragma once
// Undo and redo over whole configurations: each step is the configuration as
// it stood after one stored edit, so that a step restores everything of that
// moment, a row save that changed several cells included.
#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "model/config_diff.h"
#include "model/device.h"

namespace kestrin {

class EditHistory {
 public:
  // Steps kept besides the current one; older ones are dropped.
  static constexpr size_t kDefaultLimit = 100;
  explicit EditHistory(size_t limit = kDefaultLimit) : limit_(limit) {}

  // A new history that starts at state (opening, defaults, list mode).
  void Start(const T_Command_DEVICE& state);
  // The configuration after a stored edit: a new step when it writes another
  // text than the current step (the steps that could be redone are dropped).
  // True when recorded.
  bool Record(const T_Command_DEVICE& state);

  bool CanUndo() const { return current_ > 0; }
  bool CanRedo() const { return current_ + 1 < steps_.size(); }

  struct Move {
    const T_Command_DEVICE* state = nullptr;  // null: nothing to undo or redo
    std::optional<DiffLocator> at;            // the first parameter that changes back or again
  };
  Move Undo();
  Move Redo();

  size_t StepCount() const { return steps_.size(); }
  size_t CurrentStep() const { return current_; }

 private:
  struct Step {
    T_Command_DEVICE model;
    std::string text;  // the writer's text, to tell an edit from none
  };
  Move MoveTo(size_t step);

  size_t limit_;
  std::deque<Step> steps_;
  size_t current_ = 0;
};

}  // namespace kestrin
