#include "files/config_document.h"

#include "files/workflow.h"
#include "model/tab_rules.h"
#include "model/writer.h"

namespace kestrin {

ConfigDocument::ConfigDocument() { Reset(); }

void ConfigDocument::LoadFormFromFile(const std::string& key) {
  LoadModelFromText(edited, text, lexPipe, scratchElement, key);
}

void ConfigDocument::Reset() {
  edited.SetDefaults();
  loadedPath_.clear();
  TakeBaseline();
}

void ConfigDocument::Loaded(const std::string& path) {
  loadedPath_ = path;
  TakeBaseline();
}

void ConfigDocument::Stored() { TakeBaseline(); }

T_Command_DEVICE ConfigDocument::AsShown() const {
  T_Command_DEVICE copy = edited;
  if (pendingEdits_) pendingEdits_(copy);
  return copy;
}

T_Command_DEVICE ConfigDocument::AsWritten() const {
  T_Command_DEVICE copy = AsShown();
  EnforceRowRules(copy);
  return copy;
}

bool ConfigDocument::IsChanged() const {
  return WriteConfigTextCrLf(AsWritten()) != baselineWritten_;
}

void ConfigDocument::Touched() const {
  for (const auto& observer : observers_) observer();
}

void ConfigDocument::TakeBaseline() {
  // Taken before the views show the model: what they hold is not looked at.
  baseline_ = WriteConfigTextCrLf(edited);
  T_Command_DEVICE copy = edited;
  EnforceRowRules(copy);
  baselineWritten_ = WriteConfigTextCrLf(copy);
  Touched();
}

}  // namespace kestrin
