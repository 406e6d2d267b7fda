#include "files/config_document.h"

#include "files/workflow.h"
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

bool ConfigDocument::IsChanged() const { return WriteConfigTextCrLf(edited) != baseline_; }

void ConfigDocument::TakeBaseline() { baseline_ = WriteConfigTextCrLf(edited); }

}  // namespace kestrin
