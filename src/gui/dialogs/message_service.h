#pragma once
// The messages and questions the window's operations put to the user: the
// error dialog, the confirmation dialog and the key dialog behind one
// interface, so that the operations run without a window and tests may
// answer them.
#include <QString>

namespace kestrin {

// The answers to "Конфигурация изменена. Сохранить изменения?".
enum class SaveChangesAnswer { Save, Discard, Cancel };

class MessageService {
 public:
  virtual ~MessageService() = default;

  // The error dialog with both texts; answers with TFormErrorMessage's results.
  virtual int Error(const QString& message, const QString& recommendation, bool showFix,
                    bool showContinue) = 0;
  // The error dialog in its check layout ("Исправить", maybe the default button).
  virtual int ErrorContinue(const QString& message, const QString& recommendation,
                            bool offerDefault) = 0;
  // The confirmation dialog; answers with TFormOkMessage's results.
  virtual int Confirm(const QString& message, const QString& secondLine, bool ask) = 0;

  // The question before unsaved edits would be lost.
  virtual SaveChangesAnswer AskSaveChanges() = 0;

  // The key dialog. Its text stays from one question to the next.
  virtual QString KeyText() const = 0;
  virtual void SetKeyText(const QString& text) = 0;
  // The layout for the key of a file being opened.
  virtual void PrepareKeyForOpening() = 0;
  // "(текущий ключ не верный)"
  virtual void SetWrongKeyVisible(bool visible) = 0;
  // Shows the key dialog; true for "Применить".
  virtual bool AskKey() = 0;
};

}  // namespace kestrin
