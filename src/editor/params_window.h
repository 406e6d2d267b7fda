#pragma once
// "Все параметры": every parameter of the edited configuration with its
// default, filtered as typed. Activating a row (double click, Enter) asks the
// main window to bring that parameter's control forward.
#include <QWidget>
#include <vector>

#include "model/config_diff.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace kestrin {

class ParamsModel;

class ParamsWindow : public QWidget {
  Q_OBJECT
 public:
  explicit ParamsWindow(QWidget* parent = nullptr);

  // Replaces the list; the find text and the check box stay.
  void ShowParameters(std::vector<ConfigParameter> parameters);

  QLineEdit* FindField() const { return find_; }
  QCheckBox* ChangedOnly() const { return changedOnly_; }
  QTableView* Table() const { return table_; }
  QLabel* Count() const { return count_; }
  ParamsModel* Model() const { return model_; }

 signals:
  void parameterActivated(const kestrin::DiffLocator& locator);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Refilter();
  void Activate(int row);

  QLineEdit* find_ = nullptr;
  QCheckBox* changedOnly_ = nullptr;
  QTableView* table_ = nullptr;
  QLabel* count_ = nullptr;
  ParamsModel* model_ = nullptr;
};

}  // namespace kestrin
