#include "gui/dialogs/form_ok_message.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "gui/dialogs/dialog_common.h"

namespace kestrin {

using dialogs::MakeResultButton;
using dialogs::MakeText;
using dialogs::TextLook;

TFormOkMessage::TFormOkMessage(QWidget* parent) : CentredDialog(parent, kResultCancel) {
  dialogs::MakeConfirmationWindow(this, "FormOkMessage");

  const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
  message_ = MakeText(this, "StaticTextMessage", QString(),
                      TextLook{27, true, true, false, Qt::black}, QRect(8, 40, 601, 73), centred);
  secondLine_ = MakeText(this, "StaticTextRecomendation", QString(),
                         TextLook{24, true, true, false, QColor(128, 0, 0)},
                         QRect(8, 128, 601, 73), centred);

  continue_ = MakeResultButton(this, "BitBtnContinue", QStringLiteral("Продолжить"), 2,
                               QRect(184, 224, 200, 49), kResultContinue);
  cancel_ = MakeResultButton(this, "BitBtnCancel", QStringLiteral("Отказаться"), 1,
                             QRect(48, 224, 200, 49), kResultCancel);
  cancel_->setDefault(true);

  SetMessages(QString(), QString(), false);
}

void TFormOkMessage::SetMessages(const QString& message, const QString& secondLine, bool ask) {
  dialogs::FitText(message_, message, 27);
  dialogs::FitText(secondLine_, secondLine, 24);
  cancel_->setVisible(ask);
  continue_->move(ask ? 328 : 184, 224);
}

QString TFormOkMessage::Message() const { return message_->text(); }
QString TFormOkMessage::SecondLine() const { return secondLine_->text(); }

QWidget* TFormOkMessage::FirstFocus() const { return continue_; }

void TFormOkMessage::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    done(kResultCancel);
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace kestrin
