#pragma once
// A string grid: row 0 is its header (the Qt horizontal header), rows 1..
// are data rows (Qt rows 0..), column 0 is the number column. Each cell has
// a slot naming the editor that serves it (see grid_editors.h).
#include <QTableWidget>
#include <functional>
#include <initializer_list>
#include <vector>

namespace kestrin {

class GridEditor;

// Draws a grid cell: the owning tab decides colours and text placement.
using CellPainter = std::function<void(QPainter*, const QRect&, int col, int row, bool inUse)>;

class StringGrid : public QTableWidget {
  Q_OBJECT
 public:
  // rows counts the header row, as the grid's row numbers do.
  StringGrid(int rows, int cols, const QString& name, QWidget* parent);
  ~StringGrid() override;

  int Rows() const { return rowCount() + 1; }
  QString Cell(int col, int row) const;
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

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  std::vector<std::vector<GridEditor*>> columnEditors_;
  std::vector<GridEditor*> slots_;
};

}  // namespace kestrin
