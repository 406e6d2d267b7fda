#pragma once
// The drive chooser "Выбор диска устройства:": lists the removable drives,
// one of which is the panel's own disk while it is connected by USB.
#include <QDialog>
#include <optional>
#include <vector>

#include "files/drive_list.h"

class QListWidget;
class QPushButton;

namespace kestrin {

class TFormLogicalDisks : public QDialog {
  Q_OBJECT
 public:
  // drives must outlive the dialog; null means the system's drives.
  explicit TFormLogicalDisks(const DriveList* drives = nullptr, QWidget* parent = nullptr);
  ~TFormLogicalDisks() override;

  // The drive of the selected row after the dialog closed with "Выбрать";
  // nothing after "Отказаться", Esc or closing the window.
  std::optional<DriveInfo> SelectedDrive() const;
  // The chosen drive's name ("E:" on Windows, the mount point on Linux), or empty.
  QString SelectedDiskLetter() const;
  // The chosen drive's root, where files go (trailing delimiter), or empty.
  QString SelectedDiskRoot() const;

  // Refills the list; runs on every showing.
  void FormShow();

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BtnCancelClick();

  const DriveList* drives_;
  std::unique_ptr<DriveList> ownDrives_;
  std::vector<DriveInfo> rows_;
  QListWidget* ListBoxDisks;
  QPushButton* BtnOK;
  QPushButton* BtnCancel;
};

}  // namespace kestrin
