#pragma once
// The siren's one-cell grid as a view: the cell shows the siren's partitions
// as stored in the model, and its partition list edits them through a
// delegate.
#include <QAbstractTableModel>
#include <QPointer>
#include <QStyledItemDelegate>

#include "model/device.h"
#include "model/partition_set.h"

namespace kestrin {

class GridCheckList;
class StringGrid;

// One editable cell: the siren's partitions as ranges ("1-3,5").
class SirenPartsModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  SirenPartsModel(T_Command_DEVICE& model, QObject* parent);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // EditRole: a PartitionSet, stored into the model.
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  // The model may have changed behind the view: tells it when the text did.
  void Refresh();

 private:
  T_Command_DEVICE& model_;
  PartitionSet told_ = 0;
};

// Paints the cell (the focus colour while in use) and hands the cell to the
// tab's partition list, which lays itself over the cell and closes itself
// (Enter, Esc, a click elsewhere: each stores, there is no cancel).
class SirenPartsDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  explicit SirenPartsDelegate(StringGrid* grid);
  ~SirenPartsDelegate() override;
  // The list the cell opens (made with the tab's other editors; none before).
  void SetList(GridCheckList* list);
  void paint(QPainter* p, const QStyleOptionViewItem& opt, const QModelIndex& index) const override;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& opt, const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& opt, const QModelIndex& index) const override;
  void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  StringGrid* grid_;
  QPointer<GridCheckList> list_;  // the tab's: it may outlive the grid
};

}  // namespace kestrin
