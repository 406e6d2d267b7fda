#include "files/qt/list_file_config.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QShowEvent>
#include <QHideEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/widgets/button_face.h"
#include "gui/widgets/focus_colours.h"
#include "model/codec.h"

namespace kestrin {

namespace {

constexpr int kColumnWidths[kListColumnCount] = {25, 140, 185, 780};

QPixmap DrawImage(int index) {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing, true);
  if (index == 0 || index == 1) {
    // A sheet of paper; a container gets a padlock on it.
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 0.5, 11, 15));
    p.setPen(QPen(QColor(120, 140, 200), 1));
    for (int y = 4; y <= 12; y += 3) p.drawLine(QPointF(5, y + 0.5), QPointF(11, y + 0.5));
    if (index == 1) {
      p.setPen(QPen(QColor(110, 80, 0), 1.5));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(6, 5, 6, 7), 0, 180 * 16);
      p.setPen(QPen(QColor(110, 80, 0), 1));
      p.setBrush(QColor(230, 180, 30));
      p.drawRect(QRectF(5.5, 8.5, 7, 6));
    }
  } else {
    QPainterPath path;
    if (index == kHeaderAscending) {
      path.moveTo(8, 4);
      path.lineTo(13, 11);
      path.lineTo(3, 11);
    } else if (index == kHeaderDescending) {
      path.moveTo(3, 5);
      path.lineTo(13, 5);
      path.lineTo(8, 12);
    } else {
      path.addEllipse(QPointF(8, 8), 2, 2);
    }
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.fillPath(path, index == kHeaderNeutral ? QColor(170, 170, 170) : QColor(40, 40, 40));
  }
  return pm;
}

}  // namespace

QIcon ListFileConfigImage(int index) {
  if (index < 0 || index > 4) return QIcon();
  return QIcon(DrawImage(index));
}

// ---- model ----------------------------------------------------------------

FileListModel::FileListModel(FileList& list, QObject* parent) : QAbstractTableModel(parent), list_(list) {
  for (int i = 0; i < static_cast<int>(images_.size()); ++i) images_[i] = ListFileConfigImage(i);
}

QIcon FileListModel::Image(int index) const {
  return index >= 0 && index < static_cast<int>(images_.size()) ? images_[index] : QIcon();
}

int FileListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(list_.Rows().size());
}

int FileListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kListColumnCount; }

QVariant FileListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const FileListRow& r = list_.Rows()[static_cast<size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      switch (index.column()) {
        case kListColumnAlias: return QString::fromStdString(Cp1251ToUtf8(r.alias));
        case kListColumnId: return QString::fromStdString(r.identifier);
        case kListColumnFile: return QString::fromStdString(r.fileName);
        default: return {};
      }
    case Qt::DecorationRole:
      if (index.column() == kListColumnKind) return Image(static_cast<int>(r.kind));
      return {};
    case Qt::TextAlignmentRole:
      if (index.column() == kListColumnId) return int(Qt::AlignCenter);
      return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::UserRole:  // state index: 0 tested, -1 not yet
      return r.tested ? 0 : -1;
    default:
      return {};
  }
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kListColumnCount) return {};
  if (role == Qt::DisplayRole) {
    switch (section) {
      case kListColumnAlias: return QStringLiteral("Псевдоним");
      case kListColumnId: return QStringLiteral("Идентификатор");
      case kListColumnFile: return QStringLiteral("Файл");
      default: return QString();
    }
  }
  if (role == Qt::DecorationRole) return Image(list_.HeaderImage(section));
  if (role == Qt::TextAlignmentRole && section == kListColumnId) return int(Qt::AlignCenter);
  return {};
}

void FileListModel::Reset() {
  beginResetModel();
  endResetModel();
  emit headerDataChanged(Qt::Horizontal, 0, kListColumnCount - 1);
}

void FileListModel::RowsChanged(const std::vector<size_t>& rows) {
  for (size_t r : rows) {
    const int row = static_cast<int>(r);
    emit dataChanged(index(row, 0), index(row, kListColumnCount - 1));
  }
}

// ---- view -----------------------------------------------------------------

ListFileConfigView::ListFileConfigView(QWidget* parent) : QTableView(parent) {}

void ListFileConfigView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    emit enterPressed();
    return;
  }
  QTableView::keyPressEvent(event);
}

// ---- panel ----------------------------------------------------------------

ListFileConfigPanel::ListFileConfigPanel(T_Command_DEVICE& scratch, TextBuffer* text, QWidget* parent)
    : QWidget(parent), list_(scratch, text) {
  setObjectName(QStringLiteral("P_ListFileConfig"));
  model_ = new FileListModel(list_, this);

  view_ = new ListFileConfigView(this);
  view_->setObjectName(QStringLiteral("ListFileConfig"));
  view_->setModel(model_);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setShowGrid(true);
  view_->setWordWrap(false);
  view_->setTabKeyNavigation(false);
  view_->verticalHeader()->hide();
  QFont listFont(QStringLiteral("Courier New"));
  listFont.setBold(true);
  view_->setFont(listFont);
  // Fixed row height keeps large folders fast.
  view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view_->verticalHeader()->setDefaultSectionSize(QFontMetrics(listFont).height() + 6);
  QHeaderView* header = view_->horizontalHeader();
  header->setSectionsClickable(true);
  header->setSectionsMovable(false);
  header->setStretchLastSection(false);
  header->setSectionResizeMode(QHeaderView::Fixed);
  header->setHighlightSections(false);
  header->setMinimumSectionSize(16);  // the image column is narrower than the default minimum
  for (int c = 0; c < kListColumnCount; ++c) header->resizeSection(c, kColumnWidths[c]);

  counter_ = new QLabel(this);
  counter_->setObjectName(QStringLiteral("LabelPozList"));
  QFont counterFont(QStringLiteral("Arial"), 16);
  counterFont.setBold(true);
  counter_->setFont(counterFont);
  counter_->setAlignment(Qt::AlignCenter);

  cancel_ = new QPushButton(this);
  cancel_->setObjectName(QStringLiteral("B_CancelOpenList"));
  cancel_->setToolTip(QStringLiteral("отменить выбор файла"));
  cancel_->setShortcut(QKeySequence(Qt::Key_Escape));
  open_ = new QPushButton(this);
  open_->setObjectName(QStringLiteral("B_OpenLIst"));
  open_->setToolTip(QStringLiteral("Открыть выбранный файл"));
  open_->setEnabled(false);
  directly_ = new QPushButton(this);
  directly_->setObjectName(QStringLiteral("B_OpenDirectly"));
  directly_->setToolTip(QStringLiteral("Открыть файл конфигурации с использованием стандартного диалога выбора"));
  // Faces from the caption table, as every command button of the window has.
  const std::pair<QPushButton*, int> tagged[] = {{cancel_, 8}, {open_, 9}, {directly_, 10}};
  for (const auto& [b, tag] : tagged) {
    b->setAutoDefault(false);
    SetButtonTag(b, tag);
    b->setAccessibleName(MainButtonCaption(tag));
    b->setMinimumSize(140, 62);
    AttachButtonFace(b, MainButtonImages(), MainButtonCaption(tag), GlyphLayout::Top);
  }
  // Where the keyboard is while a key is asked for a row.
  TrackFocusColour(view_);

  timer_ = new QTimer(this);
  timer_->setObjectName(QStringLiteral("TimerTestListConfig"));
  timer_->setInterval(kListTickMs);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(cancel_);
  bottom->addWidget(open_);
  bottom->addWidget(counter_, 1);
  bottom->addWidget(directly_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_, 1);
  layout->addLayout(bottom);

  connect(timer_, &QTimer::timeout, this, [this] { TimerTestListConfigTimer(); });
  connect(header, &QHeaderView::sectionClicked, this, &ListFileConfigPanel::ListFileConfigColumnClick);
  connect(view_, &QAbstractItemView::doubleClicked, this, [this] { ListFileConfigDblClick(); });
  connect(view_, &ListFileConfigView::enterPressed, this, &ListFileConfigPanel::ListFileConfigDblClick);
  connect(open_, &QPushButton::clicked, this, &ListFileConfigPanel::ListFileConfigDblClick);
  connect(cancel_, &QPushButton::clicked, this, &ListFileConfigPanel::B_CancelOpenListClick);
  connect(directly_, &QPushButton::clicked, this, &ListFileConfigPanel::B_OpenDirectlyClick);
  connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { ListFileConfigSelectItem(); });

  rowMenu_ = new QMenu(this);
  rowMenu_->setObjectName(QStringLiteral("PM_ListFileConfig"));
  QAction* compare = rowMenu_->addAction(QStringLiteral("Сравнить с текущей"));
  compare->setObjectName(QStringLiteral("N_CompareWithCurrent"));
  connect(compare, &QAction::triggered, this, &ListFileConfigPanel::CompareSelectedRow);
  view_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(view_, &QWidget::customContextMenuRequested, this, &ListFileConfigPanel::ShowRowMenu);

  SetCounterColour(NormalColour());
  UpdateCounterText();
}

QColor ListFileConfigPanel::PendingColour() { return QColor(255, 0, 0); }

// The system's hot-light colour is the palette's link colour.
QColor ListFileConfigPanel::NormalColour() const { return palette().color(QPalette::Link); }

void ListFileConfigPanel::SetCounterColour(const QColor& c) {
  QPalette pal = counter_->palette();
  pal.setColor(QPalette::WindowText, c);
  counter_->setPalette(pal);
}

QString ListFileConfigPanel::Folder() const { return QString::fromStdString(list_.Folder()); }

void ListFileConfigPanel::Open(const QString& folder) {
  timer_->stop();
  list_.Open(folder.toStdString());
  model_->Reset();
  UpdateCounterText();
  SetCounterColour(list_.HasUntested() ? PendingColour() : NormalColour());
  if (!list_.Rows().empty()) SelectRow(0);
  ListFileConfigSelectItem();
  FocusList();
  timer_->start();
}

void ListFileConfigPanel::FocusList() { view_->setFocus(Qt::OtherFocusReason); }

bool ListFileConfigPanel::TimerTestListConfigTimer() {
  const std::vector<size_t> tested = list_.Tick();
  model_->RowsChanged(tested);
  if (tested.size() < static_cast<size_t>(kListTestsPerTick)) {
    timer_->stop();
    SetCounterColour(NormalColour());
    return false;
  }
  return true;
}

int ListFileConfigPanel::SelectedRow() const {
  const QModelIndexList rows = view_->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

void ListFileConfigPanel::SelectRow(int row) {
  if (row < 0 || row >= model_->rowCount()) {
    view_->clearSelection();
    return;
  }
  const QModelIndex idx = model_->index(row, kListColumnAlias);
  view_->selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  // Scroll by the kind column so the row comes into view without hiding the images.
  view_->scrollTo(model_->index(row, kListColumnKind));
}

void ListFileConfigPanel::UpdateCounterText() {
  counter_->setText(QString::fromStdString(ListCounterText(SelectedRow(), list_.Rows().size())));
}

void ListFileConfigPanel::ListFileConfigSelectItem() {
  UpdateCounterText();
  open_->setEnabled(SelectedRow() >= 0);
}

void ListFileConfigPanel::ListFileConfigColumnClick(int column) {
  // The selected file stays selected after the rows move.
  const int selected = SelectedRow();
  const size_t found = selected >= 0 ? list_.Rows()[static_cast<size_t>(selected)].found : 0;
  list_.Sort(column);
  model_->Reset();
  if (selected >= 0) SelectRow(list_.IndexOfFound(found));
  ListFileConfigSelectItem();
}

void ListFileConfigPanel::EmitSelectedFile(void (ListFileConfigPanel::*signal)(const QString&, bool)) {
  const int row = SelectedRow();
  if (row < 0) return;
  const FileListRow& r = list_.Rows()[static_cast<size_t>(row)];
  emit(this->*signal)(QString::fromStdString(list_.PathOf(static_cast<size_t>(row))),
                      r.kind == FileKind::Container);
}

void ListFileConfigPanel::ListFileConfigDblClick() { EmitSelectedFile(&ListFileConfigPanel::openRequested); }

void ListFileConfigPanel::ShowRowMenu(const QPoint& pos) {
  // The menu is about the row under the cursor (the keyboard's menu key: the selected row).
  const QModelIndex at = view_->indexAt(pos);
  if (at.isValid()) SelectRow(at.row());
  if (SelectedRow() < 0) return;
  rowMenu_->popup(view_->viewport()->mapToGlobal(pos));
}

void ListFileConfigPanel::CompareSelectedRow() { EmitSelectedFile(&ListFileConfigPanel::compareRequested); }

void ListFileConfigPanel::B_CancelOpenListClick() {
  timer_->stop();
  emit cancelled();
}

void ListFileConfigPanel::B_OpenDirectlyClick() {
  timer_->stop();
  emit manualRequested();
}

void ListFileConfigPanel::keyPressEvent(QKeyEvent* event) {
  // Reached when the Esc shortcut could not fire (window not active).
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    B_CancelOpenListClick();
    return;
  }
  QWidget::keyPressEvent(event);
}

void ListFileConfigPanel::hideEvent(QHideEvent* event) {
  // The test timer runs only in list mode; minimising the window is no reason to stop.
  if (!event->spontaneous()) timer_->stop();
  QWidget::hideEvent(event);
}

void ListFileConfigPanel::showEvent(QShowEvent* event) {
  if (list_.HasUntested() && !timer_->isActive()) timer_->start();
  QWidget::showEvent(event);
}

}  // namespace kestrin
