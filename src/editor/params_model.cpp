#include "editor/params_model.h"

#include <QFont>

namespace kestrin {

QString ParamsModel::ColumnTitle(int column) {
  switch (column) {
    case 0: return QStringLiteral("Вкладка");
    case 1: return QStringLiteral("Параметр");
    case 2: return QStringLiteral("Значение");
    case 3: return QStringLiteral("По умолчанию");
    default: return QString();
  }
}

void ParamsModel::SetParameters(std::vector<ConfigParameter> parameters) {
  beginResetModel();
  all_ = std::move(parameters);
  Refilter();
  endResetModel();
}

void ParamsModel::SetFilter(const QString& findText, bool changedOnly) {
  beginResetModel();
  findText_ = findText;
  changedOnly_ = changedOnly;
  Refilter();
  endResetModel();
}

void ParamsModel::Refilter() {
  shown_.clear();
  const ParameterFilter filter(findText_.toStdString());
  for (size_t i = 0; i < all_.size(); ++i) {
    if ((!changedOnly_ || all_[i].changed) && filter.Matches(all_[i])) shown_.push_back(static_cast<int>(i));
  }
}

const ConfigParameter* ParamsModel::At(int row) const {
  if (row < 0 || row >= ShownCount()) return nullptr;
  return &all_[static_cast<size_t>(shown_[static_cast<size_t>(row)])];
}

int ParamsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ShownCount(); }

int ParamsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 4; }

QVariant ParamsModel::data(const QModelIndex& index, int role) const {
  const ConfigParameter* p = At(index.row());
  if (!p) return {};
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
    switch (index.column()) {
      case 0: return QString::fromUtf8(p->tabName);
      case 1: return QString::fromStdString(p->parameter);
      case 2: return QString::fromStdString(p->value);
      case 3: return QString::fromStdString(p->defaultValue);
      default: return {};
    }
  }
  // What this panel was set up to do stands out.
  if (role == Qt::FontRole && p->changed) {
    QFont bold;
    bold.setBold(true);
    return bold;
  }
  return {};
}

QVariant ParamsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return ColumnTitle(section);
  return {};
}

Qt::ItemFlags ParamsModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace kestrin
