#include "editor/string_grid.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include "editor/grid_editors.h"

namespace kestrin {

namespace {

class GridCellDelegate : public QStyledItemDelegate {
 public:
  explicit GridCellDelegate(StringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}
  void paint(QPainter* p, const QStyleOptionViewItem& opt, const QModelIndex& index) const override {
    const int col = index.column();
    const int row = index.row() + 1;
    const bool inUse = grid_->InUse(col, row);
    p->save();
    p->setFont(opt.font);
    if (grid_->painter) {
      grid_->painter(p, opt.rect, col, row, inUse);
    } else {
      p->fillRect(opt.rect, inUse ? QColor(255, 255, 150) : opt.palette.color(QPalette::Base));
      p->setPen(opt.palette.color(QPalette::WindowText));
      StringGrid::DrawCellText(p, opt.rect, index.data().toString(), false);
    }
    p->restore();
  }

 private:
  StringGrid* grid_;
};

}  // namespace

GridCells::GridCells(int rows, int cols, QObject* parent)
    : QAbstractTableModel(parent),
      rows_(rows),
      cols_(cols),
      cells_(static_cast<size_t>(rows * cols)),
      headers_(static_cast<size_t>(cols)),
      editable_(static_cast<size_t>(rows * cols), false) {}

int GridCells::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int GridCells::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_; }

QVariant GridCells::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  return Text(index.row(), index.column());
}

QVariant GridCells::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || section < 0) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return section < cols_ ? QVariant(Header(section)) : QVariant();
}

Qt::ItemFlags GridCells::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  const bool editable = editable_[static_cast<size_t>(index.row() * cols_ + index.column())];
  const Qt::ItemFlags edit = editable ? Qt::ItemIsEditable : Qt::NoItemFlags;
  return (index.column() == 0 ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable) | edit;
}

void GridCells::SetEditable(int row, int col, bool editable) {
  editable_[static_cast<size_t>(row * cols_ + col)] = editable;
}

void GridCells::SetText(int row, int col, const QString& text) {
  QString& cell = cells_[static_cast<size_t>(row * cols_ + col)];
  if (cell == text) return;
  cell = text;
  const QModelIndex at = index(row, col);
  emit dataChanged(at, at, {Qt::DisplayRole, Qt::EditRole});
}

void GridCells::SetHeader(int col, const QString& text) {
  headers_[static_cast<size_t>(col)] = text;
  emit headerDataChanged(Qt::Horizontal, col, col);
}

StringGrid::StringGrid(int rows, int cols, const QString& name, QWidget* parent)
    : QTableView(parent), cells_(new GridCells(rows - 1, cols, this)) {
  setObjectName(name);
  setModel(cells_);
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setSectionsClickable(false);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setTabKeyNavigation(false);
  setWordWrap(false);
  QFont f = font();
  f.setBold(true);
  setFont(f);
  columnEditors_.resize(static_cast<size_t>(cols));
  slots_.assign(static_cast<size_t>(rows * cols), nullptr);
  setItemDelegate(new GridCellDelegate(this));
  WatchModel();
  connect(this, &StringGrid::currentCellChanged, this, [this] { SG_SelectCell(this); });
  // An editor lies over its cell: scrolling the grid away closes it, storing.
  auto closeOnScroll = [this] {
    if (GridEditor* open = OpenEditor()) open->Finish(true);
  };
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, closeOnScroll);
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, closeOnScroll);
}

void StringGrid::WatchModel() {
  // Told by the grid itself, so that blocking the grid's signals keeps it quiet.
  currentWatch_ = connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
                          [this] { emit currentCellChanged(); });
  dataWatch_ = connect(model(), &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& at) {
    emit cellTextChanged(at.column(), at.row() + 1);
  });
}

void StringGrid::UseModel(QAbstractItemModel* table) {
  disconnect(currentWatch_);
  disconnect(dataWatch_);
  setModel(table);
  WatchModel();
}

StringGrid::~StringGrid() {
  // The editors serve this grid only; they go with it.
  for (auto& list : columnEditors_) {
    for (GridEditor* e : list) {
      e->onExit = nullptr;
      delete e->Widget();
    }
    list.clear();
  }
}

QString StringGrid::Cell(int col, int row) const {
  if (col < 0 || col >= columnCount() || row < 0 || row > rowCount()) return {};
  return row == 0 ? cells_->Header(col) : model()->index(row - 1, col).data().toString();
}

void StringGrid::SetCell(int col, int row, const QString& text) {
  if (col < 0 || col >= columnCount() || row < 0 || row > rowCount()) return;
  if (row == 0) {
    cells_->SetHeader(col, text);
    return;
  }
  cells_->SetText(row - 1, col, text);
}

int StringGrid::Row() const { return currentRow() + 1; }
int StringGrid::Col() const { return currentColumn(); }

void StringGrid::SetCurrent(int col, int row) {
  if (row >= 1 && row <= rowCount()) setCurrentCell(row - 1, col);
}

QRect StringGrid::CellRect(int col, int row, const QWidget* in) const {
  const QRect vr = visualRect(model()->index(row - 1, col));
  const QPoint tl = viewport()->mapTo(in ? in : parentWidget(), vr.topLeft());
  return QRect(tl, vr.size());
}

bool StringGrid::InUse(int col, int row) const {
  return hasFocus() && row >= 1 && currentRow() == row - 1 && currentColumn() == col &&
         selectionModel()->isSelected(model()->index(row - 1, col));
}

int StringGrid::SetColumnWidths(std::initializer_list<int> widths, int rowHeight) {
  int c = 0;
  int total = 0;
  for (int w : widths) {
    setColumnWidth(c++, w);
    total += w;
  }
  verticalHeader()->setDefaultSectionSize(rowHeight);
  return total;
}

void StringGrid::FixColumns(std::initializer_list<int> widths, int rowHeight, int visibleRows) {
  const int total = SetColumnWidths(widths, rowHeight);
  setFixedWidth(total + 2 * frameWidth());
  setFixedHeight(horizontalHeader()->sizeHint().height() + visibleRows * rowHeight + 2 * frameWidth());
}

void StringGrid::SetHeaderRow(std::initializer_list<const char*> headers, int rows) {
  int c = 0;
  for (const char* h : headers) SetCell(c++, 0, QString::fromUtf8(h));
  for (int r = 1; r <= rows; ++r) SetCell(0, r, QString::number(r));
}

GridEditor* StringGrid::Slot(int col, int row) const {
  const int i = row * columnCount() + col;
  if (col < 0 || col >= columnCount() || row < 1 || i >= static_cast<int>(slots_.size())) return nullptr;
  return slots_[static_cast<size_t>(i)];
}

void StringGrid::SetSlot(int col, int row, GridEditor* e) {
  const int i = row * columnCount() + col;
  if (col < 0 || col >= columnCount() || row < 1 || i >= static_cast<int>(slots_.size())) return;
  slots_[static_cast<size_t>(i)] = e;
  cells_->SetEditable(row - 1, col, e != nullptr);
}

GridEditor* StringGrid::OpenEditor() const {
  for (const auto& list : columnEditors_)
    for (GridEditor* e : list)
      if (e->IsOpen()) return e;
  return nullptr;
}

void StringGrid::DrawCellText(QPainter* p, const QRect& r, const QString& text, bool left) {
  const QString name = ItemName(text);
  if (left) {
    const int x = r.left() + p->fontMetrics().horizontalAdvance(QLatin1Char('8')) / 2;
    p->drawText(QRect(x, r.top() + 2, r.right() - x, r.height() - 2), Qt::AlignLeft | Qt::AlignTop, name);
  } else {
    p->drawText(r.adjusted(0, 2, 0, 0), Qt::AlignHCenter | Qt::AlignTop, name);
  }
}

void StringGrid::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space) {
    e->accept();
    SG_Open_Edit(this);
    return;
  }
  // Typed characters do not search the grid; only the editors take text.
  if (!e->text().isEmpty() && e->text().at(0).isPrint() && !(e->modifiers() & Qt::ControlModifier)) {
    e->accept();
    return;
  }
  QTableView::keyPressEvent(e);
}

void StringGrid::mouseDoubleClickEvent(QMouseEvent* e) {
  QTableView::mouseDoubleClickEvent(e);
  if (indexAt(e->position().toPoint()).isValid()) SG_Open_Edit(this);
}

void StringGrid::focusInEvent(QFocusEvent* e) {
  QTableView::focusInEvent(e);
  viewport()->update();
}

void StringGrid::focusOutEvent(QFocusEvent* e) {
  QTableView::focusOutEvent(e);
  viewport()->update();
}

}  // namespace kestrin
