#pragma once
// Base of every parameter tab: a view of the edited model. Create is the
// one-time set-up, Redraw fills the controls from the model, UnLoad stores
// them back. Grid cells store themselves when their editor closes.
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
  virtual void UnLoad() {}
  T_Command_DEVICE& Model() const { return model_; }

 signals:
  // A control of this tab received the focus (for the tab's remembered-control slot).
  void controlEntered(QWidget* control);

 private:
  T_Command_DEVICE& model_;
};

}  // namespace kestrin
