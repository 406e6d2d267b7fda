#pragma once
// String grids with in-place cell editors. Row 0 of a grid is its header
// (the Qt horizontal header); rows 1.. are data rows (Qt rows 0..). Column 0
// is the number column. Every cell has a slot naming the editor that serves
// it; an empty slot means the cell is not editable.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QStyledItemDelegate>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "model/input_filters.h"
#include "model/partition_set.h"
#include "editor/string_grid.h"

class QFocusEvent;
class QLabel;

namespace kestrin {

enum class EditorKind { Text, Digit, Hex, List, CheckList };

// What every cell editor shares: its kind, its grid, whether it is laid over
// a cell, and the exit handler the tab attaches (called once per opening,
// before the editor is hidden; there is no cancel).
class GridEditor {
 public:
  GridEditor(EditorKind kind, StringGrid* grid);
  virtual ~GridEditor();
  GridEditor(const GridEditor&) = delete;
  GridEditor& operator=(const GridEditor&) = delete;

  EditorKind Kind() const { return kind_; }
  StringGrid* Grid() const { return grid_; }
  bool Placed() const { return placed_; }
  bool IsOpen() const { return open_; }
  // The grid row the editor was laid over (0 before the first opening): the
  // current cell may have moved on by the time the editor closes.
  int OpenedRow() const { return openedRow_; }
  virtual QWidget* Widget() = 0;

  std::function<void(GridEditor*)> onExit;

  // Lays the editor over the grid's current cell and shows it.
  void Open(const QString& tunedText);
  // Stores through the exit handler and hides. refocusGrid gives the grid
  // the focus back (Enter, Esc, a choice, a click elsewhere).
  void Finish(bool refocusGrid);

 protected:
  // Finish for a focus lost to another control of the window; a mouse press
  // that took the focus goes no further.
  void FinishOnFocusOut(const QFocusEvent* e);
  virtual void OpenOver(const QRect& cellRect, const QString& cellText, const QString& tunedText) = 0;
  virtual void AfterHide() {}

 private:
  class OutsideClicks;

  EditorKind kind_;
  StringGrid* grid_;
  bool placed_ = false;
  bool open_ = false;
  int openedRow_ = 0;
  bool finishing_ = false;
  std::unique_ptr<OutsideClicks> outsideClicks_;
};

class GridLineEdit : public QLineEdit, public GridEditor {
  Q_OBJECT
 public:
  GridLineEdit(EditorKind kind, StringGrid* grid);
  QWidget* Widget() override { return this; }
  // Replaces the key filter of the kind (the keys grid's code editor).
  void SetKeyFilter(InputFilter filter);

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void OpenOver(const QRect& cellRect, const QString& cellText, const QString& tunedText) override;

 private:
  std::optional<InputFilter> filter_;
  int nominalMax_ = 32767;
  int liftedTo_ = -1;
};

class GridComboBox : public QComboBox, public GridEditor {
  Q_OBJECT
 public:
  explicit GridComboBox(StringGrid* grid);
  QWidget* Widget() override { return this; }
  void SetItemHeight(int h);
  void hidePopup() override;
  // The help window beside the open list (null while none is shown).
  QLabel* HelpWindow() const;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void OpenOver(const QRect& cellRect, const QString& cellText, const QString& tunedText) override;
  void AfterHide() override;

 private:
  void ShowHelp(int index);
  int itemHeight_ = 22;
  QPointer<QLabel> help_;
};

// A list of check boxes; item k (from 1) stands for partition k.
class GridCheckList : public QListWidget, public GridEditor {
  Q_OBJECT
 public:
  GridCheckList(StringGrid* grid, int items, const QString& prefix);
  QWidget* Widget() override { return this; }
  PartitionSet Ticked() const;
  void Tick(PartitionSet set);
  int ItemHeight() const;
  // A fixed number of columns (the siren list has three); 0 chooses one or
  // two by the room below the cell.
  void SetColumns(int columns) { columns_ = columns; }

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void OpenOver(const QRect& cellRect, const QString& cellText, const QString& tunedText) override;

 private:
  int columns_ = 0;
};

// Registry operations.
std::vector<GridEditor*>* SG_Create_ObjectList(StringGrid* grid, int col);
GridComboBox* SG_Create_ComboBox(StringGrid* grid, std::vector<GridEditor*>* list, int col);
GridCheckList* SG_Create_CheckListBox(StringGrid* grid, std::vector<GridEditor*>* list, int col,
                                      int items = 8, const QString& prefix = QStringLiteral("Раздел "));
GridLineEdit* SG_Create_TextEdit(StringGrid* grid, int col);
GridLineEdit* SG_Create_DigitEdit(StringGrid* grid, int col);
GridLineEdit* SG_Create_HexEdit(StringGrid* grid, int col);
void SG_Edit_Enable(std::optional<EditorKind> kind, StringGrid* grid, int row, int col);
void SG_Open_Edit(StringGrid* grid);
void SG_SelectCell(StringGrid* grid);

// Exit handlers that store the edited cell back: store gets the row of the
// cell the editor was laid over, and nothing is stored when it was not laid
// over a cell. A drop-down list also passes the chosen item (from 0) and
// stores nothing when no item is chosen.
void OnStore(GridEditor* editor, std::function<void(int row)> store);
void OnChoice(GridComboBox* list, std::function<void(int row, int item)> store);
// A number editor's text as a number; an empty field counts as 0.
int EditedNumber(const QLineEdit* edit);

// Text of a list item before "|" (what is drawn) and after it (the help).
QString ItemName(const QString& text);
QString ItemHelp(const QString& text);

}  // namespace kestrin
