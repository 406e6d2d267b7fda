#include "gui/dialogs/form_save_changes.h"

#include <QLabel>
#include <QPushButton>

#include "gui/dialogs/dialog_common.h"

namespace kestrin {

using dialogs::MakeButton;
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
  save_ = MakeButton(this, "BitBtnSave", QStringLiteral("Сохранить"), 2, QRect(13, 224, 190, 49));
  discard_ = MakeButton(this, "BitBtnDiscard", QStringLiteral("Не сохранять"), 1,
                        QRect(213, 224, 190, 49));
  cancel_ = MakeButton(this, "BitBtnCancel", QStringLiteral("Отменить"), 3,
                       QRect(413, 224, 190, 49));
  // No fixed default: Enter presses whichever button has the focus.
  for (QPushButton* b : {save_, discard_, cancel_}) b->setAutoDefault(true);

  connect(save_, &QPushButton::clicked, this, [this] { done(kResultSave); });
  connect(discard_, &QPushButton::clicked, this, [this] { done(kResultDiscard); });
  connect(cancel_, &QPushButton::clicked, this, [this] { done(kResultCancel); });
}

QString TFormSaveChanges::Message() const { return message_->text(); }

QWidget* TFormSaveChanges::FirstFocus() const { return save_; }

}  // namespace kestrin
