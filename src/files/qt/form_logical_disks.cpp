#include "files/qt/form_logical_disks.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/qt/dialog_buttons.h"
#include "files/qt/dialog_focus.h"

namespace kestrin {

TFormLogicalDisks::TFormLogicalDisks(const DriveList* drives, QWidget* parent)
    : QDialog(parent), drives_(drives) {
  if (!drives_) {
    ownDrives_ = std::make_unique<SystemDriveList>();
    drives_ = ownDrives_.get();
  }
  setObjectName(QStringLiteral("FormLogicalDisks"));
  setWindowTitle(QStringLiteral("Выбор диска устройства:"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  ListBoxDisks = new QListWidget(this);
  ListBoxDisks->setObjectName(QStringLiteral("ListBoxDisks"));
  ListBoxDisks->setSelectionMode(QAbstractItemView::SingleSelection);
  ListBoxDisks->setMinimumSize(360, 140);
  FollowFocusColour(ListBoxDisks);

  const OkCancelButtons buttons = MakeOkCancelButtons(this, QStringLiteral("Выбрать"));
  BtnOK = buttons.ok;
  BtnCancel = buttons.cancel;
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListBoxDisks);
  layout->addLayout(buttons.row);

  connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(BtnCancel, &QPushButton::clicked, this, [this] { BtnCancelClick(); });
  connect(ListBoxDisks, &QListWidget::itemDoubleClicked, this, [this] {
    if (BtnOK->isEnabled()) accept();
  });
  // "Выбрать" writes onto the panel: only a deliberate press on it may.
  EnterPressesFocusedButtonOnly(this);
}

TFormLogicalDisks::~TFormLogicalDisks() = default;

void TFormLogicalDisks::FormShow() {
  ListBoxDisks->clear();
  rows_ = RemovableDrives(*drives_);
  for (const auto& d : rows_) ListBoxDisks->addItem(QString::fromStdString(DiskRowText(d)));
  BtnOK->setEnabled(!rows_.empty());
  if (!rows_.empty()) ListBoxDisks->setCurrentRow(0);
  BtnCancel->setFocus();
}

void TFormLogicalDisks::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TFormLogicalDisks::BtnCancelClick() { reject(); }

// Every way of leaving without "Выбрать" (button, Esc, title bar) yields no drive.
void TFormLogicalDisks::reject() {
  ListBoxDisks->setCurrentRow(-1);
  ListBoxDisks->clearSelection();
  QDialog::reject();
}

std::optional<DriveInfo> TFormLogicalDisks::SelectedDrive() const {
  const int row = ListBoxDisks->currentRow();
  if (row < 0 || row >= static_cast<int>(rows_.size()) ||
      !ListBoxDisks->item(row)->isSelected())
    return std::nullopt;
  return rows_[row];
}

QString TFormLogicalDisks::SelectedDiskLetter() const {
  const auto d = SelectedDrive();
  return d ? QString::fromStdString(d->name) : QString();
}

QString TFormLogicalDisks::SelectedDiskRoot() const {
  const auto d = SelectedDrive();
  return d ? QString::fromStdString(d->root) : QString();
}

}  // namespace kestrin
