#pragma once
// The parameter list as a table: tab, parameter, value, default; the rows
// shown are those the find text and the changed filter let through.
#include <QAbstractTableModel>
#include <vector>

#include "model/config_diff.h"

namespace kestrin {

class ParamsModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  static QString ColumnTitle(int column);

  // Replaces the list and shows what the filter lets through.
  void SetParameters(std::vector<ConfigParameter> parameters);
  // findText as typed (UTF-8 is taken from it).
  void SetFilter(const QString& findText, bool changedOnly);

  int ShownCount() const { return static_cast<int>(shown_.size()); }
  int TotalCount() const { return static_cast<int>(all_.size()); }
  const ConfigParameter* At(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  void Refilter();

  std::vector<ConfigParameter> all_;
  std::vector<int> shown_;  // indices into all_
  QString findText_;
  bool changedOnly_ = false;
};

}  // namespace kestrin
