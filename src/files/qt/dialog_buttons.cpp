#include "files/qt/dialog_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>

#include "gui/widgets/button_face.h"

namespace kestrin {

OkCancelButtons MakeOkCancelButtons(QWidget* dialog, const QString& okCaption) {
  auto* ok = new QPushButton(okCaption, dialog);
  ok->setObjectName(QStringLiteral("BtnOK"));
  ok->setAutoDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Отказаться"), dialog);
  cancel->setObjectName(QStringLiteral("BtnCancel"));
  cancel->setAutoDefault(true);
  for (QPushButton* b : {ok, cancel}) b->setFixedSize(170, 34);
  SetButtonTag(ok, 2);
  SetButtonTag(cancel, 1);
  AttachButtonFace(ok, DialogButtonImages(), okCaption, GlyphLayout::Left);
  AttachButtonFace(cancel, DialogButtonImages(), QStringLiteral("Отказаться"), GlyphLayout::Left);

  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(ok);
  row->addSpacing(16);
  row->addWidget(cancel);
  row->addStretch();
  return {ok, cancel, row};
}

namespace {

// A focused auto-default button clicks itself on Enter and keeps the event;
// Enter arriving at the dialog therefore came from some other control.
class DropEnterFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    event->accept();
    return true;
  }
};

}  // namespace

void EnterPressesFocusedButtonOnly(QDialog* dialog) {
  for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
    b->setDefault(false);
    b->setAutoDefault(true);
  }
  dialog->installEventFilter(new DropEnterFilter(dialog));
}

}  // namespace kestrin
