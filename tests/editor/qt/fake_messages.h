#pragma once
// A message service that answers from a script and records what it was
// asked, one line each: "error: <message> / <second text>", "ok: ...", "key".
#include <QString>
#include <QStringList>
#include <deque>

#include "gui/dialogs/form_dialog_set_key_config.h"
#include "gui/dialogs/form_error_message.h"
#include "gui/dialogs/form_ok_message.h"
#include "gui/dialogs/message_service.h"
#include "recorded_messages.h"

namespace kestrin::test {

class FakeMessages : public MessageService {
 public:
  QStringList seen;
  std::deque<int> answers;       // dialog results, in turn; none left: cancel
  std::deque<QString> keyTyped;  // a text per key question; none left: given up
  std::deque<SaveChangesAnswer> saveChanges;  // none left: cancel
  QString keyText;
  bool wrongKeyVisible = false;

  int Error(const QString& message, const QString& recommendation, bool, bool) override {
    seen << QStringLiteral("error: ") + message + QStringLiteral(" / ") + recommendation;
    return Next(TFormErrorMessage::kResultClosed);
  }
  int ErrorContinue(const QString& message, const QString& recommendation, bool) override {
    seen << QStringLiteral("error: ") + message + QStringLiteral(" / ") + recommendation;
    return Next(TFormErrorMessage::kResultClosed);
  }
  int Confirm(const QString& message, const QString& secondLine, bool) override {
    seen << QStringLiteral("ok: ") + message + QStringLiteral(" / ") + secondLine;
    return Next(TFormOkMessage::kResultCancel);
  }
  SaveChangesAnswer AskSaveChanges() override {
    seen << QStringLiteral("save changes?");
    if (saveChanges.empty()) return SaveChangesAnswer::Cancel;
    const SaveChangesAnswer answer = saveChanges.front();
    saveChanges.pop_front();
    return answer;
  }
  QString KeyText() const override { return keyText; }
  void SetKeyText(const QString& text) override { keyText = text; }
  void PrepareKeyForOpening() override {}
  void SetWrongKeyVisible(bool visible) override { wrongKeyVisible = visible; }
  bool AskKey() override {
    seen << QStringLiteral("key");
    if (keyTyped.empty()) return false;
    keyText = keyTyped.front();
    keyTyped.pop_front();
    return true;
  }

 private:
  int Next(int otherwise) {
    if (answers.empty()) return otherwise;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace kestrin::test
