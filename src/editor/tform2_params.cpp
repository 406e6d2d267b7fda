// "Все параметры": the parameter list of the edited configuration.
#include <QAction>
#include <QLineEdit>

#include "editor/params_window.h"
#include "editor/tab_keys.h"
#include "editor/tform2.h"
#include "model/config_diff.h"

namespace kestrin {

void TForm2::CreateParamsCommand() {
  auto* params = new QAction(QStringLiteral("Все параметры"), this);
  params->setObjectName(QStringLiteral("A_Params"));
  params->setShortcut(CommandShortcut(params->objectName()));
  params->setShortcutContext(Qt::WindowShortcut);
  addAction(params);
  connect(params, &QAction::triggered, this, [this] {
    if (shown_) ShowAllParameters();
  });
}

void TForm2::ShowAllParameters() {
  // What the tabs show, an open cell editor and fields not yet left included;
  // looking applies no rule.
  FinishCellEditing();
  DiffOptions options;
  options.showCodes = Tab_Keys->ShowCodes();
  if (!paramsWindow_) {
    paramsWindow_ = new ParamsWindow(this);
    connect(paramsWindow_, &ParamsWindow::parameterActivated, this, &TForm2::GotoDifference);
  }
  paramsWindow_->ShowParameters(ListParameters(doc_.AsShown(), options));
  paramsWindow_->show();
  paramsWindow_->raise();
  paramsWindow_->activateWindow();
  paramsWindow_->FindField()->setFocus(Qt::OtherFocusReason);
}

}  // namespace kestrin
