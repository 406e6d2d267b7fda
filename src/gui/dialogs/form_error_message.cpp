#include "gui/dialogs/form_error_message.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "gui/dialogs/dialog_common.h"

namespace kestrin {

using dialogs::MakeResultButton;
using dialogs::MakeText;
using dialogs::TextLook;

TFormErrorMessage::TFormErrorMessage(QWidget* parent) : CentredDialog(parent, kResultClosed) {
  dialogs::MakeFixedWindow(this, "FormErrorMessage", QStringLiteral("Ошибка"), Qt::Dialog,
                           QSize(615, 282));

  const QColor red(255, 0, 0), green(0, 128, 0), maroon(128, 0, 0);
  MakeText(this, "L_Error", QStringLiteral("Ошибка:"), TextLook{21, true, false, true, red})
      ->move(8, 8);
  message_ = MakeText(this, "ST_Message", QString(),
                      TextLook{19, true, true, false, Qt::black}, QRect(8, 40, 601, 73));
  MakeText(this, "L_Recom", QStringLiteral("Рекомендация:"),
           TextLook{21, true, false, true, green})
      ->move(8, 112);
  recommendation_ = MakeText(this, "ST_Recomendation", QString(),
                             TextLook{19, true, true, false, maroon}, QRect(8, 144, 601, 73));

  continue_ = MakeResultButton(this, "B_Continue", QStringLiteral("Продолжить"), 2,
                               QRect(16, 224, 250, 49), kResultContinue);
  default_ = MakeResultButton(this, "B_Default", QStringLiteral("Установить \"по-умолчанию\""), 1,
                              QRect(16, 224, 369, 49), kResultContinue);
  cancel_ = MakeResultButton(this, "B_Cancel", QStringLiteral("Исправить"), 3,
                             QRect(408, 224, 194, 49), kResultFix);
  cancel_->setDefault(true);

  SetMessages(QString(), QString(), true, false);
}

void TFormErrorMessage::SetMessages(const QString& message, const QString& recommendation,
                                    bool showFix, bool showContinue) {
  message_->setText(message);
  recommendation_->setText(recommendation);
  default_->setVisible(false);
  cancel_->setVisible(showFix);
  continue_->setVisible(showContinue);
}

void TFormErrorMessage::SetErrorContinue(const QString& message, const QString& recommendation,
                                         bool offerDefault) {
  message_->setText(message);
  recommendation_->setText(recommendation);
  cancel_->setVisible(true);
  continue_->setVisible(false);
  default_->setVisible(offerDefault);
}

QString TFormErrorMessage::Message() const { return message_->text(); }
QString TFormErrorMessage::Recommendation() const { return recommendation_->text(); }

void TFormErrorMessage::showEvent(QShowEvent* event) {
  dialogs::SetBackground(this, QColor(255, 255, 150));
  CentredDialog::showEvent(event);
}

QWidget* TFormErrorMessage::FirstFocus() const {
  for (QPushButton* b : {cancel_, continue_, default_}) {
    if (!b->isHidden()) return b;
  }
  return nullptr;
}

void TFormErrorMessage::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  // Enter and Esc both mean "Исправить" while it is offered; a focused
  // button takes Enter itself before the dialog sees it. Without
  // "Исправить", Esc closes the dialog as its title bar would.
  if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (!cancel_->isHidden()) {
      cancel_->click();
    } else if (key == Qt::Key_Escape) {
      reject();
    }
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace kestrin
