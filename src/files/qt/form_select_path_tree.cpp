#include "files/qt/form_select_path_tree.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "files/program_settings.h"
#include "files/qt/dialog_buttons.h"
#include "files/qt/dialog_focus.h"

namespace kestrin {

namespace {

constexpr int kPathRole = Qt::UserRole;
// Hidden and system entries are not listed (no QDir::Hidden / QDir::System).
constexpr QDir::Filters kFolders = QDir::Dirs | QDir::NoDotAndDotDot;

QIcon StdIcon(QStyle::StandardPixmap which) {
  return QApplication::style()->standardIcon(which);
}

QIcon DriveIcon(DriveKind kind) {
  switch (kind) {
    case DriveKind::Removable: return StdIcon(QStyle::SP_DriveFDIcon);
    case DriveKind::Fixed: return StdIcon(QStyle::SP_DriveHDIcon);
    case DriveKind::Remote: return StdIcon(QStyle::SP_DriveNetIcon);
    case DriveKind::CdRom: return StdIcon(QStyle::SP_DriveCDIcon);
    default: return StdIcon(QStyle::SP_ComputerIcon);
  }
}

// Closed folder normally, open folder while selected.
QIcon FolderIcon() {
  static const QIcon icon = [] {
    QIcon i;
    i.addPixmap(StdIcon(QStyle::SP_DirClosedIcon).pixmap(16, 16), QIcon::Normal);
    i.addPixmap(StdIcon(QStyle::SP_DirOpenIcon).pixmap(16, 16), QIcon::Selected);
    return i;
  }();
  return icon;
}

bool HasSubfolder(const QString& path) {
  QDirIterator it(path, kFolders);
  return it.hasNext();
}

}  // namespace

TFormSelectPathTree::TFormSelectPathTree(const DriveList* drives, QWidget* parent)
    : QDialog(parent), selectedPath_(NoneText()) {
  setObjectName(QStringLiteral("FormSelectPathTree"));
  setWindowTitle(QStringLiteral("Выбор папки для размещения файлов конфигурации"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  TV_Path = new QTreeWidget(this);
  TV_Path->setObjectName(QStringLiteral("TV_Path"));
  TV_Path->setHeaderHidden(true);
  TV_Path->setColumnCount(1);
  TV_Path->setIndentation(19);
  TV_Path->setIconSize(QSize(16, 16));
  TV_Path->setEditTriggers(QAbstractItemView::NoEditTriggers);
  TV_Path->setSelectionMode(QAbstractItemView::SingleSelection);
  TV_Path->setSortingEnabled(true);
  TV_Path->sortByColumn(0, Qt::AscendingOrder);
  TV_Path->setMinimumSize(460, 320);
  FollowFocusColour(TV_Path);

  StaticText_TempPath = new QLabel(NoneText(), this);
  StaticText_TempPath->setObjectName(QStringLiteral("StaticText_TempPath"));
  StaticText_TempPath->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  StaticText_TempPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
  StaticText_TempPath->setMinimumHeight(24);

  const OkCancelButtons buttons = MakeOkCancelButtons(this, QStringLiteral("Применить"));
  BtnOK = buttons.ok;
  BtnCancel = buttons.cancel;
  BtnOK->setToolTip(QStringLiteral("Применить сделанные настройки"));
  BtnCancel->setToolTip(QStringLiteral("Отменить изменения настроек"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(TV_Path);
  layout->addWidget(StaticText_TempPath);
  layout->addLayout(buttons.row);

  // Roots are made once; a drive is not read until its node is expanded.
  std::unique_ptr<DriveList> own;
  if (!drives) {
    own = std::make_unique<SystemDriveList>();
    drives = own.get();
  }
  for (const auto& d : drives->Drives()) {
    if (d.kind == DriveKind::NoRoot) continue;
    auto* root = new QTreeWidgetItem(TV_Path, {QString::fromStdString(d.name)});
    root->setIcon(0, DriveIcon(d.kind));
    root->setData(0, kPathRole, QString::fromStdString(WithTrailingDelimiter(d.root)));
    root->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
  }

  connect(TV_Path, &QTreeWidget::itemExpanded, this,
          [this](QTreeWidgetItem* node) { TV_PathExpanding(node); });
  // Selection, not the current item: the view makes its first row current
  // when it gets the focus, which is no choice of the user.
  connect(TV_Path, &QTreeWidget::itemSelectionChanged, this, [this] {
    const auto selected = TV_Path->selectedItems();
    if (!selected.isEmpty()) TV_PathChange(selected.first());
  });
  connect(BtnOK, &QPushButton::clicked, this, [this] { BtnOKClick(); });
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
  EnterPressesFocusedButtonOnly(this);
}

TFormSelectPathTree::~TFormSelectPathTree() = default;

QString TFormSelectPathTree::NodePath(const QTreeWidgetItem* node) const {
  return node ? node->data(0, kPathRole).toString() : QString();
}

void TFormSelectPathTree::TV_PathExpanding(QTreeWidgetItem* node) { FillFolderChildren(node); }

void TFormSelectPathTree::FillFolderChildren(QTreeWidgetItem* node) {
  if (!node) return;
  const bool wasCurrentBelow = [&] {
    for (auto* i = TV_Path->currentItem(); i; i = i->parent())
      if (i->parent() == node) return true;
    return false;
  }();
  qDeleteAll(node->takeChildren());
  if (wasCurrentBelow) TV_Path->setCurrentItem(node);

  const QString path = NodePath(node);
  const QStringList names = QDir(path).entryList(kFolders, QDir::NoSort);
  if (names.isEmpty()) {
    node->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
    return;
  }
  const bool sorting = TV_Path->isSortingEnabled();
  TV_Path->setSortingEnabled(false);
  for (const QString& name : names) {
    auto* child = new QTreeWidgetItem(node, {name});
    child->setIcon(0, FolderIcon());
    const QString childPath = path + name + QLatin1Char(kPathDelimiter);
    child->setData(0, kPathRole, childPath);
    child->setChildIndicatorPolicy(HasSubfolder(childPath)
                                       ? QTreeWidgetItem::ShowIndicator
                                       : QTreeWidgetItem::DontShowIndicator);
  }
  node->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
  TV_Path->setSortingEnabled(sorting);
}

void TFormSelectPathTree::TV_PathChange(QTreeWidgetItem* node) {
  if (node) StaticText_TempPath->setText(NodePath(node));
}

void TFormSelectPathTree::BtnOKClick() {
  selectedPath_ = StaticText_TempPath->text();
  accept();
}

}  // namespace kestrin
