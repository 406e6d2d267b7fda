#pragma once
// List mode of the main window: the file list of the list folder in place of
// the tabs, with its own buttons and counter.
#include <QString>
#include <QWidget>

namespace kestrin {

class ListModePanel : public QWidget {
  Q_OBJECT
 public:
  explicit ListModePanel(QWidget* parent = nullptr);

  // Rebuilds the list from the folder and selects the first row.
  void Open(const QString& folder);
  void FocusList();

 signals:
  // A row was chosen: its full path, and whether it is a container.
  void openRequested(const QString& path, bool container);
  void cancelled();
  void manualRequested();

 private:
  QWidget* list_ = nullptr;
};

}  // namespace kestrin
