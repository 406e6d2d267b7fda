#include "files/qt/dialog_buttons.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "gui/widgets/button_face.h"

namespace kestrin {

OkCancelButtons MakeOkCancelButtons(QWidget* dialog, const QString& okCaption) {
  auto* ok = new QPushButton(okCaption, dialog);
  ok->setObjectName(QStringLiteral("BtnOK"));
  ok->setDefault(true);
  ok->setAutoDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Отказаться"), dialog);
  cancel->setObjectName(QStringLiteral("BtnCancel"));
  cancel->setAutoDefault(false);
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

}  // namespace kestrin
