#pragma once
// The folder tree "Выбор папки для размещения файлов конфигурации": one root
// per drive (Linux: per mounted filesystem), subfolders read anew at every
// expansion, hidden and system folders left out.
#include <QDialog>
#include <memory>

#include "files/drive_list.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kestrin {

class TFormSelectPathTree : public QDialog {
  Q_OBJECT
 public:
  // The roots are made here, once. drives must outlive the constructor call;
  // null means the system's drives.
  explicit TFormSelectPathTree(const DriveList* drives = nullptr, QWidget* parent = nullptr);
  ~TFormSelectPathTree() override;

  // In: set by the caller before showing (kept, not preselected).
  // Out: the chosen folder after "Применить" ("<none>" when no node was chosen).
  QString SelectedPath() const { return selectedPath_; }
  void SetSelectedPath(const QString& path) { selectedPath_ = path; }

  // Replaces a node's children by its subfolders.
  void FillFolderChildren(QTreeWidgetItem* node);
  // The node's folder with a trailing delimiter.
  QString NodePath(const QTreeWidgetItem* node) const;

  static QString NoneText() { return QStringLiteral("<none>"); }

 private:
  void TV_PathExpanding(QTreeWidgetItem* node);
  void TV_PathChange(QTreeWidgetItem* node);
  void BtnOKClick();

  QString selectedPath_;
  QTreeWidget* TV_Path;
  QLabel* StaticText_TempPath;
  QPushButton* BtnOK;
  QPushButton* BtnCancel;
};

}  // namespace kestrin
