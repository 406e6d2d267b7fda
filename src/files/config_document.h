#pragma once
// The configuration being edited: the model the tabs show, the scratch model
// the file list parses into, the text between a file and the reader, where it
// came from, and the text as last loaded, saved, written or reset (the
// baseline against which a change is seen). The window owns one; nothing
// else in the program holds this state. Its views learn of every change
// through the observers; none of them is asked whether anything changed.
#include <functional>
#include <string>
#include <vector>

#include "model/command.h"
#include "model/device.h"
#include "model/lexer.h"
#include "model/text_buffer.h"

namespace kestrin {

class ConfigDocument {
 public:
  ConfigDocument();

  T_Command_DEVICE edited;
  T_Command_DEVICE scratch;
  TextBuffer text;
  TLexPipe lexPipe;
  T_Command scratchElement;
  std::string lastAppliedKey;  // Windows-1251, as typed
  bool debug = false;          // "-debug" on the command line

  // The file shown (UTF-8, absolute); empty for the defaults.
  const std::string& LoadedPath() const { return loadedPath_; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

  // The text buffer into the edited model (defaults first), its empty key
  // fields completed from key.
  void LoadFormFromFile(const std::string& key);
  // The default configuration and no file (the text buffer is left alone).
  void Reset();
  // The model now matches the file at path (UTF-8; empty: no file).
  void Loaded(const std::string& path);
  // The model was saved to a file or written to the panel.
  void Stored();

  // The model's text as last loaded, saved, written or reset.
  const std::string& BaselineText() const { return baseline_; }
  // The model as the views show it, on a copy: the values edited but not yet
  // stored put in.
  T_Command_DEVICE AsShown() const;
  // The model as a save would write it, on a copy: the values edited but not
  // yet stored put in, then the unload rules (EnforceRowRules).
  T_Command_DEVICE AsWritten() const;
  // true when AsWritten writes another text than the baseline model would
  // with the unload rules applied.
  bool IsChanged() const;

  // Values the views hold ahead of the model (the tabs' fields until they
  // are unloaded): written into the copy AsWritten makes, never into the model.
  void SetPendingEdits(std::function<void(T_Command_DEVICE&)> into) { pendingEdits_ = std::move(into); }

  // Called after every change of the model or of what is pending: an edit,
  // a load, a reset, a save or a panel write.
  void AddObserver(std::function<void()> observer) { observers_.push_back(std::move(observer)); }
  // The model or a pending value was edited.
  void Touched() const;

 private:
  void TakeBaseline();

  std::string loadedPath_;
  std::string baseline_;
  std::string baselineWritten_;  // the baseline model after the unload rules
  bool readOnly_ = false;
  std::function<void(T_Command_DEVICE&)> pendingEdits_;
  std::vector<std::function<void()>> observers_;
};

}  // namespace kestrin
