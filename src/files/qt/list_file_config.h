#pragma once
// List mode: the configuration files of one folder in a report-style list
// (`ListFileConfig`) with the counter and the three list buttons. The main
// window shows this panel in place of its tabs, connects the three signals and
// loads the file itself: a successful load hides the panel (which stops the
// test timer); a failed one leaves the panel as it is.
#include <QAbstractTableModel>
#include <QIcon>
#include <QString>
#include <QTableView>
#include <QWidget>
#include <array>

#include "files/file_list.h"

class QLabel;
class QMenu;
class QPushButton;
class QTimer;

namespace kestrin {

// The rows of a FileList as a table model: column 0 the kind image, 1 alias,
// 2 identifier (centred), 3 file name; header images by sort state.
class FileListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit FileListModel(FileList& list, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  // After the core list was rebuilt or sorted.
  void Reset();
  // After rows were tested.
  void RowsChanged(const std::vector<size_t>& rows);

 private:
  QIcon Image(int index) const;

  FileList& list_;
  std::array<QIcon, 5> images_;  // drawn once per list
};

// Images of ImageListConfigFile: 0 plain file, 1 container, 2 neutral
// header, 3 sorted with direction +1, 4 sorted with direction -1.
QIcon ListFileConfigImage(int index);

// The list itself; Enter opens the current row.
class ListFileConfigView : public QTableView {
  Q_OBJECT
 public:
  explicit ListFileConfigView(QWidget* parent = nullptr);

 signals:
  void enterPressed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

class ListFileConfigPanel : public QWidget {
  Q_OBJECT
 public:
  // Plain files are tested by parsing them into scratch; text (optional)
  // keeps the text of the last file tested. Both must outlive the panel.
  explicit ListFileConfigPanel(T_Command_DEVICE& scratch, TextBuffer* text = nullptr, QWidget* parent = nullptr);

  // OpenFileList, then select the first row, focus the list, start the timer.
  void Open(const QString& folder);
  void FocusList();

  // One tick of the test timer: tests up to two rows; stops the timer and
  // gives the counter its normal colour when fewer than two were left.
  // Returns whether the timer keeps running.
  bool TimerTestListConfigTimer();

  // Column click (also the header's click handler).
  void ListFileConfigColumnClick(int column);
  // Double click, "Открыть файл", Enter: emits openRequested for the selected row.
  void ListFileConfigDblClick();
  void B_CancelOpenListClick();
  void B_OpenDirectlyClick();
  // The list's context menu: "Сравнить с текущей" emits compareRequested for
  // the selected row.
  QMenu* RowMenu() const { return rowMenu_; }
  void CompareSelectedRow();

  int SelectedRow() const;  // -1 when none
  // Sends signal with the selected row's path and whether it is a container;
  // nothing without a selected row.
  void EmitSelectedFile(void (ListFileConfigPanel::*signal)(const QString&, bool));
  void SelectRow(int row);
  QString Folder() const;
  FileList& Core() { return list_; }
  QTableView* List() const { return view_; }
  QLabel* Counter() const { return counter_; }
  QTimer* Timer() const { return timer_; }
  // The counter's colour while rows remain untested, and its normal colour.
  static QColor PendingColour();
  QColor NormalColour() const;

 signals:
  // A row was chosen: its full path, and whether it is a container.
  void openRequested(const QString& path, bool container);
  void cancelled();
  void manualRequested();
  // The row's file is to be compared with the edited configuration.
  void compareRequested(const QString& path, bool container);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void ListFileConfigSelectItem();
  void UpdateCounterText();
  void SetCounterColour(const QColor& c);
  void ShowRowMenu(const QPoint& pos);

  FileList list_;
  FileListModel* model_ = nullptr;
  ListFileConfigView* view_ = nullptr;
  QLabel* counter_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* open_ = nullptr;
  QPushButton* directly_ = nullptr;
  QTimer* timer_ = nullptr;
  QMenu* rowMenu_ = nullptr;
};

}  // namespace kestrin
