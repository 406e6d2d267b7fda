#pragma once
// The message service over the program's real dialogs.
#include <QPointer>
#include <memory>

#include "gui/dialogs/form_dialog_set_key_config.h"
#include "gui/dialogs/form_error_message.h"
#include "gui/dialogs/form_ok_message.h"
#include "gui/dialogs/form_save_changes.h"
#include "gui/dialogs/message_service.h"

namespace kestrin {

class DialogMessageService : public MessageService {
 public:
  // Makes the three dialogs, owned by (and centred on) owner; without an
  // owner the service owns them and they centre on the active window.
  explicit DialogMessageService(QWidget* owner = nullptr);
  // Over dialogs made elsewhere (they must outlive the service); the
  // save-changes question is its own.
  DialogMessageService(TFormErrorMessage& error, TFormOkMessage& ok,
                       TFormDialogSetKeyConfig& key);
  ~DialogMessageService() override;

  int Error(const QString& message, const QString& recommendation, bool showFix,
            bool showContinue) override;
  int ErrorContinue(const QString& message, const QString& recommendation,
                    bool offerDefault) override;
  int Confirm(const QString& message, const QString& secondLine, bool ask) override;
  SaveChangesAnswer AskSaveChanges() override;
  QString KeyText() const override;
  void SetKeyText(const QString& text) override;
  void PrepareKeyForOpening() override;
  void SetWrongKeyVisible(bool visible) override;
  bool AskKey() override;

  TFormErrorMessage& ErrorDialog() const { return *error_; }
  TFormOkMessage& OkDialog() const { return *ok_; }
  TFormDialogSetKeyConfig& KeyDialog() const { return *key_; }
  TFormSaveChanges& SaveChangesDialog() const { return *saveChanges_; }

 private:
  // Set only when the service made the dialogs without an owner.
  std::unique_ptr<TFormErrorMessage> ownError_;
  std::unique_ptr<TFormOkMessage> ownOk_;
  std::unique_ptr<TFormDialogSetKeyConfig> ownKey_;
  std::unique_ptr<TFormSaveChanges> ownSaveChanges_;
  QPointer<TFormErrorMessage> error_;
  QPointer<TFormOkMessage> ok_;
  QPointer<TFormDialogSetKeyConfig> key_;
  QPointer<TFormSaveChanges> saveChanges_;
};

}  // namespace kestrin
