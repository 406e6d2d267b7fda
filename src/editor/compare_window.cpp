#include "editor/compare_window.h"

#include <algorithm>

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kestrin {

namespace {

constexpr int kColumnCount = 3;

}  // namespace

QString CompareWindow::ColumnTitle(int column) {
  switch (column) {
    case 0: return QStringLiteral("Параметр");
    case 1: return QStringLiteral("Текущая");
    case 2: return QStringLiteral("В файле");
    default: return QString();
  }
}

QString CompareWindow::SameText() { return QStringLiteral("Конфигурации совпадают"); }

CompareWindow::CompareWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("FormCompare"));
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("LabelCompareSummary"));
  QFont bold = summary_->font();
  bold.setBold(true);
  summary_->setFont(bold);

  tree_ = new QTreeWidget(this);
  tree_->setObjectName(QStringLiteral("TreeDifferences"));
  tree_->setColumnCount(kColumnCount);
  QStringList titles;
  for (int c = 0; c < kColumnCount; ++c) titles << ColumnTitle(c);
  tree_->setHeaderLabels(titles);
  tree_->setRootIsDecorated(true);
  tree_->setUniformRowHeights(true);
  tree_->setAlternatingRowColors(true);
  tree_->setSelectionMode(QAbstractItemView::SingleSelection);
  tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tree_->header()->setStretchLastSection(true);
  tree_->setColumnWidth(0, 300);
  tree_->setColumnWidth(1, 220);

  auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
  close->setObjectName(QStringLiteral("B_CloseCompare"));
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(tree_, 1);
  layout->addLayout(bottom);

  // Double click and Enter both activate a line.
  connect(tree_, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item, int) { Activated(item); });
  resize(980, 600);
}

void CompareWindow::ShowDifferences(const QString& path,
                                    const std::vector<ConfigDifference>& differences) {
  setWindowTitle(QStringLiteral("Сравнение с файлом ") + QDir::toNativeSeparators(path));
  tree_->clear();
  locators_.clear();
  locators_.reserve(differences.size() + 8);

  QTreeWidgetItem* group = nullptr;
  int groupCount = 0;
  auto closeGroup = [&] {
    if (group) group->setText(0, group->text(0) + QStringLiteral(" (%1)").arg(groupCount));
  };
  for (const ConfigDifference& d : differences) {
    if (!group || locators_[group->data(0, Qt::UserRole).toInt()].tab != d.tab) {
      closeGroup();
      DiffLocator heading = d.locator;
      heading.control = "";  // the tab only
      heading.row = heading.column = -1;
      locators_.push_back(heading);
      group = new QTreeWidgetItem(tree_, QStringList{QString::fromUtf8(d.tabName)});
      group->setData(0, Qt::UserRole, static_cast<int>(locators_.size() - 1));
      QFont font = group->font(0);
      font.setBold(true);
      group->setFont(0, font);
      group->setFirstColumnSpanned(true);
      groupCount = 0;
    }
    locators_.push_back(d.locator);
    auto* line = new QTreeWidgetItem(
        group, QStringList{QString::fromStdString(d.parameter), QString::fromStdString(d.valueA),
                           QString::fromStdString(d.valueB)});
    line->setData(0, Qt::UserRole, static_cast<int>(locators_.size() - 1));
    for (int c = 0; c < kColumnCount; ++c) line->setToolTip(c, line->text(c));
    ++groupCount;
  }
  closeGroup();
  tree_->expandAll();
  // Whole parameter names where the window allows; long values keep their tooltip.
  for (int c = 0; c < kColumnCount - 1; ++c) {
    tree_->resizeColumnToContents(c);
    tree_->setColumnWidth(c, std::min(tree_->columnWidth(c), c == 0 ? 460 : 260));
  }

  const bool same = differences.empty();
  summary_->setText(same ? SameText()
                         : QStringLiteral("Различий: %1").arg(static_cast<int>(differences.size())));
  tree_->setVisible(!same);
  // Alone in the window, the verdict stands in its middle.
  summary_->setAlignment(same ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
  static_cast<QVBoxLayout*>(layout())->setStretchFactor(summary_, same ? 1 : 0);
  if (!same) {
    tree_->setCurrentItem(tree_->topLevelItem(0)->child(0));
    tree_->setFocus(Qt::OtherFocusReason);
  }
}

void CompareWindow::Activated(QTreeWidgetItem* item) {
  if (!item) return;
  bool ok = false;
  const int index = item->data(0, Qt::UserRole).toInt(&ok);
  if (!ok || index < 0 || static_cast<size_t>(index) >= locators_.size()) return;
  emit differenceActivated(locators_[static_cast<size_t>(index)]);
}

}  // namespace kestrin
