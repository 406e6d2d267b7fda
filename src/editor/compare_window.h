#pragma once
// The differences between the edited configuration and a file, grouped by
// tab. The window only shows them; activating a line (double click, Enter)
// asks the main window to bring that parameter's control forward.
#include <QString>
#include <QWidget>
#include <vector>

#include "model/config_diff.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace kestrin {

class CompareWindow : public QWidget {
  Q_OBJECT
 public:
  explicit CompareWindow(QWidget* parent = nullptr);

  // Replaces the shown differences; path names the compared file (UTF-8).
  void ShowDifferences(const QString& path, const std::vector<ConfigDifference>& differences);

  QTreeWidget* Tree() const { return tree_; }
  QLabel* Summary() const { return summary_; }

  // Column titles and the text shown when nothing differs.
  static QString ColumnTitle(int column);
  static QString SameText();

 signals:
  // A line (or a tab's heading: control empty) was activated.
  void differenceActivated(const kestrin::DiffLocator& locator);

 private:
  void Activated(QTreeWidgetItem* item);

  QLabel* summary_ = nullptr;
  QTreeWidget* tree_ = nullptr;
  std::vector<DiffLocator> locators_;  // indexed by the items' Qt::UserRole
};

}  // namespace kestrin
