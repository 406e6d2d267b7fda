#pragma once
// The configuration being edited: the model the tabs show, the scratch model
// the file list parses into, the text between a file and the reader, where it
// came from, and the text as last loaded, saved, written or reset (the
// baseline against which a change is seen). The window owns one; nothing
// else in the program holds this state.
#include <string>

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
  // true when the model (tabs unloaded first) writes another text than the baseline.
  bool IsChanged() const;

 private:
  void TakeBaseline();

  std::string loadedPath_;
  std::string baseline_;
  bool readOnly_ = false;
};

}  // namespace kestrin
