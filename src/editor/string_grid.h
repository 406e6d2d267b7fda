#pragma once
// A string grid: row 0 is its header (the Qt horizontal header), rows 1..
// are data rows (Qt rows 0..), column 0 is the number column. Each cell has
// a slot naming the editor that serves it (see grid_editors.h). The grid is
// a view over a table of its cells' texts.
#include <QAbstractTableModel>
#include <QTableView>
#include <functional>
#include <initializer_list>
#include <vector>

namespace kestrin {

class GridEditor;

// The texts of a grid: its header row and its data cells, and which cells
// have an editor (ItemIsEditable; the grid's own editors do the editing).
// The number column cannot be selected.
class GridCells : public QAbstractTableModel {
  Q_OBJECT
 public:
  GridCells(int rows, int cols, QObject* parent);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  const QString& Text(int row, int col) const { return cells_[static_cast<size_t>(row * cols_ + col)]; }
  // A changed text is announced (dataChanged); the same text is not.
  void SetText(int row, int col, const QString& text);
  const QString& Header(int col) const { return headers_[static_cast<size_t>(col)]; }
  void SetHeader(int col, const QString& text);
  void SetEditable(int row, int col, bool editable);

 private:
  int rows_;
  int cols_;
  std::vector<QString> cells_;
  std::vector<QString> headers_;
  std::vector<bool> editable_;
};

// Draws a grid cell: the owning tab decides colours and text placement.
using CellPainter = std::function<void(QPainter*, const QRect&, int col, int row, bool inUse)>;

class StringGrid : public QTableView {
  Q_OBJECT
 public:
  // rows counts the header row, as the grid's row numbers do.
  StringGrid(int rows, int cols, const QString& name, QWidget* parent);
  ~StringGrid() override;

  // Qt's counts and current cell (data rows from 0).
  int rowCount() const { return model()->rowCount(); }
  int columnCount() const { return model()->columnCount(); }
  int currentRow() const { return currentIndex().row(); }
  int currentColumn() const { return currentIndex().column(); }
  void setCurrentCell(int row, int col) { setCurrentIndex(model()->index(row, col)); }
  GridCells* Cells() const { return cells_; }
  // Shows a table model of the grid's own instead of its cell texts (the
  // header row stays the grid's); its changes are told as cellTextChanged.
  void UseModel(QAbstractItemModel* table);

  int Rows() const { return rowCount() + 1; }
  QString Cell(int col, int row) const;  // the shown text
  void SetCell(int col, int row, const QString& text);
  int Row() const;  // current row, 0 when none
  int Col() const;
  void SetCurrent(int col, int row);
  // The cell's rectangle in the coordinates of `in` (an ancestor of the
  // grid; the grid's parent when none is given).
  QRect CellRect(int col, int row, const QWidget* in = nullptr) const;
  // Whether the cell is drawn as the cell in use (selected, current, focused).
  bool InUse(int col, int row) const;

  // Column widths from column 0 and the height of every row; returns the
  // width the columns take together.
  int SetColumnWidths(std::initializer_list<int> widths, int rowHeight);
  // The same, and a fixed size that shows exactly those columns and
  // visibleRows rows below the header.
  void FixColumns(std::initializer_list<int> widths, int rowHeight, int visibleRows);
  // The header row's texts (from column 0) and the numbers 1..rows in column 0.
  void SetHeaderRow(std::initializer_list<const char*> headers, int rows);

  int tag = 0;
  std::function<QString(GridEditor*, int col, int row)> tune;
  std::function<void()> beforeOpen;
  CellPainter painter;

  // Editor registry.
  std::vector<GridEditor*>& ColumnEditors(int col) { return columnEditors_[static_cast<size_t>(col)]; }
  GridEditor* Slot(int col, int row) const;
  void SetSlot(int col, int row, GridEditor* e);
  GridEditor* OpenEditor() const;

  // Draws text before "|" the usual way: centred, or from half an "8" when left.
  static void DrawCellText(QPainter* p, const QRect& r, const QString& text, bool left);

 signals:
  // A data cell shows another text (row from 1, as the grid counts).
  void cellTextChanged(int col, int row);
  // Another cell became current.
  void currentCellChanged();

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  void WatchModel();
  GridCells* cells_;
  QMetaObject::Connection currentWatch_;
  QMetaObject::Connection dataWatch_;
  std::vector<std::vector<GridEditor*>> columnEditors_;
  std::vector<GridEditor*> slots_;
};

}  // namespace kestrin
