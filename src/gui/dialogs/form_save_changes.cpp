#include "gui/dialogs/form_save_changes.h"

#include <QLabel>
#include <QPushButton>

#include "gui/dialogs/dialog_common.h"

namespace kestrin {

using dialogs::MakeResultButton;
using dialogs::MakeText;
using dialogs::TextLook;

TFormSaveChanges::TFormSaveChanges(QWidget* parent) : CentredDialog(parent, kResultCancel) {
  dialogs::MakeConfirmationWindow(this, "FormSaveChanges");

  message_ = MakeText(this, "StaticTextMessage",
                      QStringLiteral("Конфигурация изменена. Сохранить изменения?"),
                      // Narrow enough to break after the first sentence.
                      TextLook{27, true, true, false, Qt::black}, QRect(108, 64, 401, 110),
                      Qt::AlignHCenter | Qt::AlignTop);

  // Pictures: a tick to save, a cross to throw the edits away, the pencil of
  // "Исправить" to go back to editing.
  save_ = MakeResultButton(this, "BitBtnSave", QStringLiteral("Сохранить"), 2,
                           QRect(13, 224, 190, 49), kResultSave);
  discard_ = MakeResultButton(this, "BitBtnDiscard", QStringLiteral("Не сохранять"), 1,
                              QRect(213, 224, 190, 49), kResultDiscard);
  cancel_ = MakeResultButton(this, "BitBtnCancel", QStringLiteral("Отменить"), 3,
                             QRect(413, 224, 190, 49), kResultCancel);
  // No fixed default: Enter presses whichever button has the focus.
  for (QPushButton* b : {save_, discard_, cancel_}) b->setAutoDefault(true);
}

QString TFormSaveChanges::Message() const { return message_->text(); }

QWidget* TFormSaveChanges::FirstFocus() const { return save_; }

}  // namespace kestrin
