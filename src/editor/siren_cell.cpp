#include "editor/siren_cell.h"

#include <QPainter>

#include "editor/grid_editors.h"
#include "gui/widgets/focus_colours.h"
#include "gui/widgets/qt_text.h"

namespace kestrin {

SirenPartsModel::SirenPartsModel(T_Command_DEVICE& model, QObject* parent)
    : QAbstractTableModel(parent), model_(model), told_(model.GetSirenPartitions()) {}

int SirenPartsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 1; }

int SirenPartsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 1; }

QVariant SirenPartsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  return ToQ(FormatPartitionRanges(model_.GetSirenPartitions()));
}

Qt::ItemFlags SirenPartsModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable : Qt::NoItemFlags;
}

bool SirenPartsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  model_.SetSirenPartitions(static_cast<PartitionSet>(value.toUInt()));
  Refresh();
  return true;
}

void SirenPartsModel::Refresh() {
  // Only a changed text is told, as a grid tells its cell texts.
  const PartitionSet now = model_.GetSirenPartitions();
  if (now == told_) return;
  told_ = now;
  const QModelIndex at = index(0, 0);
  emit dataChanged(at, at, {Qt::DisplayRole, Qt::EditRole});
}

SirenPartsDelegate::SirenPartsDelegate(StringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

SirenPartsDelegate::~SirenPartsDelegate() {
  if (list_) list_->onExit = nullptr;
}

void SirenPartsDelegate::SetList(GridCheckList* list) {
  list_ = list;
  list_->onExit = [this](GridEditor*) {
    emit commitData(list_);
    emit closeEditor(list_);
  };
}

void SirenPartsDelegate::paint(QPainter* p, const QStyleOptionViewItem& opt, const QModelIndex& index) const {
  const bool inUse = grid_->InUse(index.column(), index.row() + 1);
  p->save();
  p->setFont(opt.font);
  p->fillRect(opt.rect, inUse ? FocusColour() : WindowColour());
  p->setPen(grid_->palette().color(QPalette::WindowText));
  StringGrid::DrawCellText(p, opt.rect, index.data().toString(), false);
  p->restore();
}

QWidget* SirenPartsDelegate::createEditor(QWidget*, const QStyleOptionViewItem&, const QModelIndex& index) const {
  return list_ && (index.flags() & Qt::ItemIsEditable) ? list_.data() : nullptr;
}

void SirenPartsDelegate::setEditorData(QWidget*, const QModelIndex&) const {
  // Laid over the cell once per opening; a change told while it closes is its own.
  if (!list_->Placed()) list_->Open(QString());
}

void SirenPartsDelegate::setModelData(QWidget*, QAbstractItemModel* model, const QModelIndex& index) const {
  model->setData(index, static_cast<uint>(list_->Ticked()), Qt::EditRole);
}

// The list places itself: it reaches beyond the cell, below the group.
void SirenPartsDelegate::updateEditorGeometry(QWidget*, const QStyleOptionViewItem&, const QModelIndex&) const {}

// The list belongs to the tab and serves every opening.
void SirenPartsDelegate::destroyEditor(QWidget*, const QModelIndex&) const {}

// The list handles its own keys and focus: Esc stores too.
bool SirenPartsDelegate::eventFilter(QObject*, QEvent*) { return false; }

}  // namespace kestrin
