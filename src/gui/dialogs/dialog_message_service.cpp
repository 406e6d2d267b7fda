#include "gui/dialogs/dialog_message_service.h"

#include "gui/dialogs/form_dialog_set_key_config.h"
#include "gui/dialogs/form_error_message.h"
#include "gui/dialogs/form_ok_message.h"

namespace kestrin {

namespace {

template <class Dialog>
Dialog* Make(QWidget* owner, std::unique_ptr<Dialog>& own) {
  if (!owner) {
    own = std::make_unique<Dialog>(nullptr);
    return own.get();
  }
  auto* dialog = new Dialog(owner);
  dialog->SetCentreOn(owner);
  return dialog;
}

}  // namespace

DialogMessageService::DialogMessageService(QWidget* owner)
    : error_(Make(owner, ownError_)),
      ok_(Make(owner, ownOk_)),
      key_(Make(owner, ownKey_)),
      saveChanges_(Make(owner, ownSaveChanges_)) {}

DialogMessageService::DialogMessageService(TFormErrorMessage& error, TFormOkMessage& ok,
                                           TFormDialogSetKeyConfig& key)
    : error_(&error), ok_(&ok), key_(&key), saveChanges_(Make(nullptr, ownSaveChanges_)) {}

DialogMessageService::~DialogMessageService() = default;

int DialogMessageService::Error(const QString& message, const QString& recommendation,
                                bool showFix, bool showContinue) {
  error_->SetMessages(message, recommendation, showFix, showContinue);
  return error_->exec();
}

int DialogMessageService::ErrorContinue(const QString& message, const QString& recommendation,
                                        bool offerDefault) {
  error_->SetErrorContinue(message, recommendation, offerDefault);
  return error_->exec();
}

int DialogMessageService::Confirm(const QString& message, const QString& secondLine, bool ask) {
  ok_->SetMessages(message, secondLine, ask);
  return ok_->exec();
}

SaveChangesAnswer DialogMessageService::AskSaveChanges() {
  switch (saveChanges_->exec()) {
    case TFormSaveChanges::kResultSave:
      return SaveChangesAnswer::Save;
    case TFormSaveChanges::kResultDiscard:
      return SaveChangesAnswer::Discard;
    default:
      return SaveChangesAnswer::Cancel;
  }
}

QString DialogMessageService::KeyText() const { return key_->KeyText(); }

void DialogMessageService::SetKeyText(const QString& text) { key_->SetKeyText(text); }

void DialogMessageService::PrepareKeyForOpening() { key_->SetOpeningLayout(); }

void DialogMessageService::SetWrongKeyVisible(bool visible) { key_->SetErrorKeyVisible(visible); }

bool DialogMessageService::AskKey() {
  return key_->exec() == TFormDialogSetKeyConfig::kResultApply;
}

}  // namespace kestrin
