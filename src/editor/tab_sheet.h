#pragma once
// Base of every parameter tab: a view of the edited model. Create is the
// one-time set-up, Redraw fills the controls from the model, UnLoad stores
// them back. Grid cells store themselves when their editor closes; the other
// controls are ahead of the model until unloaded, and FieldsInto tells what
// they hold without storing them.
#include <QWidget>

#include "model/device.h"

namespace kestrin {

class TabSheet : public QWidget {
  Q_OBJECT
 public:
  TabSheet(T_Command_DEVICE& model, const QString& objectName, QWidget* parent = nullptr)
      : QWidget(parent), model_(model) {
    setObjectName(objectName);
  }
  virtual void Create() {}
  virtual void Redraw() {}
  // The unload operation: the fields into the model (and, for the typed
  // rows, their type rules, which redraw those rows).
  virtual void UnLoad() { FieldsInto(Model()); }
  // The values of the controls that are not grid cells, into m; nothing is shown.
  virtual void FieldsInto(T_Command_DEVICE& m) const {}
  T_Command_DEVICE& Model() const { return model_; }

 signals:
  // A control of this tab received the focus (for the tab's remembered-control slot).
  void controlEntered(QWidget* control);

 private:
  T_Command_DEVICE& model_;
};

}  // namespace kestrin
