#include "editor/grid_editors.h"

#include <QAbstractItemView>
#include <algorithm>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStylePainter>
#include <QTimer>
#include <QToolTip>

#include "gui/widgets/input_filter_qt.h"
#include "model/tab_rules.h"

namespace kestrin {

namespace {

const QColor kEditorYellow(255, 255, 0);
const QColor kLightYellow(255, 255, 150);

bool EndsEditing(const QFocusEvent* e) {
  return e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason;
}

bool IsCloseKey(const QKeyEvent* e) {
  return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Escape;
}

// Items of a drop-down list: the name before "|" on yellow, the focused
// item on the highlight colour with white text, fixed height.
class ListItemDelegate : public QStyledItemDelegate {
 public:
  ListItemDelegate(const int* height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
  void paint(QPainter* p, const QStyleOptionViewItem& opt, const QModelIndex& index) const override {
    const bool focused = (opt.state & QStyle::State_Selected) || (opt.state & QStyle::State_MouseOver);
    p->save();
    p->fillRect(opt.rect, focused ? opt.palette.color(QPalette::Highlight) : kEditorYellow);
    p->setPen(focused ? QColor(Qt::white) : opt.palette.color(QPalette::WindowText));
    p->setFont(opt.font);
    p->drawText(opt.rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                ItemName(index.data(Qt::DisplayRole).toString()));
    p->restore();
  }
  QSize sizeHint(const QStyleOptionViewItem& opt, const QModelIndex& index) const override {
    // Only the name is drawn, so only the name sets the list's width.
    const QString name = ItemName(index.data(Qt::DisplayRole).toString());
    return QSize(opt.fontMetrics.horizontalAdvance(name) + 8, *height_);
  }

 private:
  const int* height_;
};

void PaintYellow(QWidget* editor) {
  QPalette pal = editor->palette();
  pal.setColor(QPalette::Base, kEditorYellow);
  pal.setColor(QPalette::Button, kEditorYellow);
  pal.setColor(QPalette::Window, kEditorYellow);
  editor->setPalette(pal);
}

void StyleEditor(QWidget* editor, const QWidget* grid, bool bold) {
  PaintYellow(editor);
  editor->setAutoFillBackground(true);
  editor->setProperty("gridCellEditor", true);
  QFont f = grid->font();
  if (bold) f.setBold(true);
  editor->setFont(f);
  editor->hide();
}

}  // namespace

QString ItemName(const QString& text) {
  const auto bar = text.indexOf(QLatin1Char('|'));
  return bar < 0 ? text : text.left(bar);
}

QString ItemHelp(const QString& text) {
  const auto bar = text.indexOf(QLatin1Char('|'));
  return bar < 0 ? QString() : text.mid(bar + 1);
}

// ---- GridEditor ----

// While its editor is open every mouse press of the application passes here
// first, as if the editor held the mouse capture: a press outside the editor
// closes it, storing its value, and does nothing else (the press and its
// release never reach what was under the pointer).
class GridEditor::OutsideClicks : public QObject {
 public:
  explicit OutsideClicks(GridEditor* editor) : editor_(editor) {}
  ~OutsideClicks() override { Remove(); }
  void Arm() {
    if (!installed_) qApp->installEventFilter(this);
    installed_ = armed_ = true;
    closing_ = false;
    doubleClick_.invalidate();
  }
  // The editor lost the focus to a mouse press, which is still on its way.
  void ExpectPress() { closing_ = true; }
  void Disarm() {
    armed_ = false;
    if (!closing_) Remove();
  }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (!o->isWidgetType()) return false;
    const QEvent::Type type = e->type();
    if (!armed_) {
      // The press that took the focus away ends here; the grid has it back.
      if (type == QEvent::MouseButtonPress && closing_ && !doubleClick_.isValid()) {
        doubleClick_.start();
        if (editor_->Grid()->isVisible()) editor_->Grid()->setFocus(Qt::OtherFocusReason);
        return true;
      }
      // What follows the closing press: its release, and the second half
      // of a double click.
      if (type == QEvent::MouseButtonRelease) return true;
      if (type == QEvent::MouseButtonDblClick && doubleClick_.isValid() &&
          doubleClick_.elapsed() <= QApplication::doubleClickInterval()) {
        return true;
      }
      if (type == QEvent::MouseButtonPress) Remove();
      return false;
    }
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
      auto* w = static_cast<QWidget*>(o);
      QWidget* ed = editor_->Widget();
      // A drop-down list closes itself through its own popup.
      const bool list = editor_->Kind() == EditorKind::List;
      if (!list && w != ed && !ed->isAncestorOf(w)) {
        closing_ = true;
        doubleClick_.start();
        editor_->Finish(true);
        return true;
      }
    }
    return false;
  }

 private:
  void Remove() {
    if (installed_) qApp->removeEventFilter(this);
    installed_ = armed_ = closing_ = false;
    doubleClick_.invalidate();
  }

  GridEditor* editor_;
  bool installed_ = false;
  bool armed_ = false;
  bool closing_ = false;  // closed by a press: its release is still to come
  QElapsedTimer doubleClick_;
};

GridEditor::GridEditor(EditorKind kind, StringGrid* grid)
    : kind_(kind), grid_(grid), outsideClicks_(std::make_unique<OutsideClicks>(this)) {}

GridEditor::~GridEditor() = default;

void GridEditor::Open(const QString& tunedText) {
  StringGrid* g = grid_;
  const int col = g->Col();
  const int row = g->Row();
  QRect r = g->CellRect(col, row, Widget()->parentWidget());
  r.setSize(r.size() + QSize(1, 1));
  placed_ = true;
  open_ = true;
  openedRow_ = row;
  // Focus colouring elsewhere may have repainted the editor since last time.
  PaintYellow(Widget());
  OpenOver(r, g->Cell(col, row), tunedText);
  Widget()->raise();
  outsideClicks_->Arm();
}

void GridEditor::FinishOnFocusOut(const QFocusEvent* e) {
  if (e->reason() == Qt::MouseFocusReason) outsideClicks_->ExpectPress();
  Finish(false);
}

void GridEditor::Finish(bool refocusGrid) {
  if (!open_ || finishing_) return;
  finishing_ = true;
  open_ = false;
  outsideClicks_->Disarm();
  if (refocusGrid && grid_->isVisible()) grid_->setFocus(Qt::OtherFocusReason);
  if (onExit) onExit(this);
  placed_ = false;
  Widget()->hide();
  AfterHide();
  finishing_ = false;
}

// ---- GridLineEdit ----

GridLineEdit::GridLineEdit(EditorKind kind, StringGrid* grid)
    : QLineEdit(grid->parentWidget()), GridEditor(kind, grid) {
  StyleEditor(this, grid, true);
  setFrame(false);
  // Text comes in by keys and by the filtered paste only.
  setContextMenuPolicy(Qt::NoContextMenu);
  setAcceptDrops(false);
  switch (kind) {
    case EditorKind::Digit:
      filter_ = InputFilter::Digital;
      InstallChangeFilter(this, InputFilter::Digital);
      break;
    case EditorKind::Hex:
      filter_ = InputFilter::Hex;
      // Hex editors show upper-case letters only.
      connect(this, &QLineEdit::textEdited, this, [this](const QString& t) {
        const QString up = t.toUpper();
        if (up != t) {
          const int pos = cursorPosition();
          setText(up);
          setCursorPosition(pos);
        }
      });
      break;
    default:
      filter_ = InputFilter::Text;
      break;
  }
}

void GridLineEdit::SetKeyFilter(InputFilter filter) { filter_ = filter; }

void GridLineEdit::keyPressEvent(QKeyEvent* e) {
  if (IsCloseKey(e)) {
    e->accept();
    Finish(true);
    return;
  }
  // Pasted text is filtered before the length limit cuts it.
  if (e->matches(QKeySequence::Paste) && filter_) {
    e->accept();
    insert(FilterQString(*filter_, QGuiApplication::clipboard()->text()));
    return;
  }
  // The key filter judges the typed character only: what the cell already
  // holds stays as it is.
  const QString typed = e->text();
  if (filter_ && typed.size() == 1 && typed.at(0).isPrint() && !FilterAllowsChar(*filter_, typed.at(0))) {
    e->accept();
    return;
  }
  QLineEdit::keyPressEvent(e);
}

void GridLineEdit::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  if (IsOpen() && EndsEditing(e)) FinishOnFocusOut(e);
}

void GridLineEdit::OpenOver(const QRect& cellRect, const QString& cellText, const QString& tunedText) {
  Grid()->SetSlot(Grid()->Col(), Grid()->Row(), this);
  setGeometry(cellRect);
  // The length limit bounds typing; a longer stored text opens whole.
  if (maxLength() != liftedTo_) nominalMax_ = maxLength();
  const QString text = tunedText.isEmpty() ? cellText : tunedText;
  liftedTo_ = std::max(nominalMax_, static_cast<int>(text.size()));
  setMaxLength(liftedTo_);
  // A stored text is shown as it is; the filters judge what is typed.
  const QValidator* filter = validator();
  setValidator(nullptr);
  setText(text);
  setValidator(filter);
  show();
  setFocus(Qt::OtherFocusReason);
  selectAll();
}

// ---- GridComboBox ----

GridComboBox::GridComboBox(StringGrid* grid) : QComboBox(grid->parentWidget()), GridEditor(EditorKind::List, grid) {
  StyleEditor(this, grid, false);
  setMaxVisibleItems(20);
  setItemDelegate(new ListItemDelegate(&itemHeight_, this));
  setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
  connect(this, qOverload<int>(&QComboBox::highlighted), this, &GridComboBox::ShowHelp);
  connect(this, qOverload<int>(&QComboBox::activated), this, [this] { Finish(true); });
}

void GridComboBox::SetItemHeight(int h) { itemHeight_ = h > 8 ? h : 8; }

QLabel* GridComboBox::HelpWindow() const { return help_ && help_->isVisible() ? help_.data() : nullptr; }

void GridComboBox::ShowHelp(int index) {
  const QString text = ItemHelp(itemText(index));
  QWidget* popup = view()->window();
  if (text.isEmpty() || !popup->isVisible()) {
    if (help_) help_->hide();
    return;
  }
  if (!help_) {
    help_ = new QLabel(this, Qt::ToolTip);
    help_->setObjectName(QStringLiteral("ListItemHelp"));
    help_->setWordWrap(true);
    help_->setMargin(3);
    help_->setPalette(QToolTip::palette());
    help_->setFont(QToolTip::font());
    help_->setAutoFillBackground(true);
  }
  QString shown = text;
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  help_->setText(shown);
  const int listWidth = popup->width();
  help_->setMaximumWidth(4 * listWidth);
  help_->resize(help_->sizeHint());
  help_->adjustSize();
  // Beside the list, level with the focused item.
  const QRect item = view()->visualRect(view()->model()->index(index, 0));
  const QPoint at = view()->viewport()->mapToGlobal(QPoint(listWidth, item.top()));
  help_->move(at);
  help_->show();
  help_->raise();
}

void GridComboBox::hidePopup() {
  QComboBox::hidePopup();
  if (help_) help_->hide();
  // The list reports the chosen item only after closing up; a choice closes
  // the editor from activated(), Esc or a click elsewhere from here.
  if (IsOpen()) QTimer::singleShot(0, this, [this] { Finish(true); });
}

void GridComboBox::AfterHide() {
  if (help_) help_->hide();
}

void GridComboBox::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionComboBox opt;
  initStyleOption(&opt);
  opt.palette.setColor(QPalette::Button, kLightYellow);
  opt.palette.setColor(QPalette::Base, kLightYellow);
  p.fillRect(rect(), kLightYellow);
  p.drawComplexControl(QStyle::CC_ComboBox, opt);
  opt.currentText = ItemName(opt.currentText);
  p.drawControl(QStyle::CE_ComboBoxLabel, opt);
}

void GridComboBox::focusOutEvent(QFocusEvent* e) {
  QComboBox::focusOutEvent(e);
  if (IsOpen() && EndsEditing(e) && !view()->isVisible()) FinishOnFocusOut(e);
}

void GridComboBox::OpenOver(const QRect& cellRect, const QString& cellText, const QString&) {
  setGeometry(cellRect);
  SetItemHeight(cellRect.height() - 1);
  setCurrentIndex(findText(cellText, Qt::MatchExactly | Qt::MatchCaseSensitive));
  show();
  setFocus(Qt::OtherFocusReason);
  showPopup();
  // The list is as wide as the cell, or as its widest name.
  QWidget* popup = view()->window();
  const int wanted = std::max(width(), view()->sizeHintForColumn(0) + 2 * view()->frameWidth() +
                                           view()->verticalScrollBar()->sizeHint().width());
  if (popup->width() > wanted) popup->resize(wanted, popup->height());
  if (currentIndex() >= 0) ShowHelp(currentIndex());
}

// ---- GridCheckList ----

GridCheckList::GridCheckList(StringGrid* grid, int items, const QString& prefix)
    : QListWidget(grid->parentWidget()), GridEditor(EditorKind::CheckList, grid) {
  StyleEditor(this, grid, false);
  setFlow(QListView::TopToBottom);
  setResizeMode(QListView::Adjust);
  setUniformItemSizes(true);
  for (int k = 1; k <= items; ++k) {
    auto* item = new QListWidgetItem(prefix + QString::number(k), this);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    item->setSizeHint(QSize(0, ItemHeight()));
  }
}

int GridCheckList::ItemHeight() const { return fontMetrics().height() + 4; }

PartitionSet GridCheckList::Ticked() const {
  PartitionSet set = 0;
  for (int k = 1; k <= count() && k <= kPartitionCount; ++k) {
    if (item(k - 1)->checkState() == Qt::Checked) set |= PartitionBit(k);
  }
  return set;
}

void GridCheckList::Tick(PartitionSet set) {
  for (int k = 1; k <= count(); ++k) item(k - 1)->setCheckState(HasPartition(set, k) ? Qt::Checked : Qt::Unchecked);
}

void GridCheckList::keyPressEvent(QKeyEvent* e) {
  if (IsCloseKey(e)) {
    e->accept();
    Finish(true);
    return;
  }
  QListWidget::keyPressEvent(e);
}

void GridCheckList::mouseDoubleClickEvent(QMouseEvent* e) {
  if (QListWidgetItem* it = itemAt(e->position().toPoint())) {
    setCurrentItem(it);
    it->setCheckState(it->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
  }
  e->accept();
}

void GridCheckList::focusOutEvent(QFocusEvent* e) {
  QListWidget::focusOutEvent(e);
  if (IsOpen() && EndsEditing(e)) FinishOnFocusOut(e);
}

void GridCheckList::OpenOver(const QRect& cellRect, const QString& cellText, const QString&) {
  const int parentHeight = parentWidget() ? parentWidget()->height() : cellRect.bottom() + 1;
  int height = count() * ItemHeight() + 4;
  const int half = (parentHeight - cellRect.height()) / 2;
  int columns = height > half ? 2 : 1;
  // Two columns never hide an item, even where half the window is too low.
  if (columns == 2) height = std::max(half, (count() + 1) / 2 * ItemHeight() + 4);
  if (columns_ > 0) {
    columns = columns_;
    // The columns fit the width; a scroll bar would only steal a row's room.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Room for the frame and the wrapping margin, so each column holds its share.
    height = (count() + columns - 1) / columns * ItemHeight() + 2 * frameWidth() + 8;
  }
  int top = cellRect.top();
  // Near the parent's bottom the list opens upward, its bottom at the cell's.
  if (top + height > parentHeight) top = cellRect.top() + cellRect.height() - height;
  if (top < 0) top = 0;
  setGeometry(cellRect.left(), top, cellRect.width(), height);
  setWrapping(columns > 1);
  setGridSize(columns > 1 ? QSize((cellRect.width() - 6) / columns, ItemHeight()) : QSize());
  Tick(ParseRangesText(cellText.toStdString(), count()));
  setCurrentRow(0);
  show();
  setFocus(Qt::OtherFocusReason);
}

// ---- registry operations ----

std::vector<GridEditor*>* SG_Create_ObjectList(StringGrid* grid, int col) {
  auto& list = grid->ColumnEditors(col);
  return &list;
}

namespace {
template <class E>
E* AddEditor(StringGrid* grid, std::vector<GridEditor*>* list, int col, E* e) {
  if (list) {
    list->push_back(e);
  } else {
    auto& own = grid->ColumnEditors(col);
    for (GridEditor* old : own) delete old->Widget();
    own.assign(1, e);
  }
  return e;
}
}  // namespace

GridComboBox* SG_Create_ComboBox(StringGrid* grid, std::vector<GridEditor*>* list, int col) {
  return AddEditor(grid, list, col, new GridComboBox(grid));
}

GridCheckList* SG_Create_CheckListBox(StringGrid* grid, std::vector<GridEditor*>* list, int col, int items,
                                      const QString& prefix) {
  return AddEditor(grid, list, col, new GridCheckList(grid, items, prefix));
}

GridLineEdit* SG_Create_TextEdit(StringGrid* grid, int col) {
  return AddEditor(grid, nullptr, col, new GridLineEdit(EditorKind::Text, grid));
}

GridLineEdit* SG_Create_DigitEdit(StringGrid* grid, int col) {
  return AddEditor(grid, nullptr, col, new GridLineEdit(EditorKind::Digit, grid));
}

GridLineEdit* SG_Create_HexEdit(StringGrid* grid, int col) {
  return AddEditor(grid, nullptr, col, new GridLineEdit(EditorKind::Hex, grid));
}

void SG_Edit_Enable(std::optional<EditorKind> kind, StringGrid* grid, int row, int col) {
  grid->SetSlot(col, row, nullptr);
  if (!kind) return;
  for (GridEditor* e : grid->ColumnEditors(col)) {
    if (e->Kind() == *kind) {
      grid->SetSlot(col, row, e);
      return;
    }
  }
}

void SG_Open_Edit(StringGrid* grid) {
  if (grid->beforeOpen) grid->beforeOpen();
  const int row = grid->Row();
  const int col = grid->Col();
  if (row < 1) return;
  // Only a cell the grid's model calls editable has an editor.
  if (!(grid->currentIndex().flags() & Qt::ItemIsEditable)) return;
  GridEditor* e = grid->Slot(col, row);
  if (!e || e->IsOpen()) return;
  grid->scrollTo(grid->currentIndex());
  const QString tuned = grid->tune ? grid->tune(e, col, row) : QString();
  e->Open(tuned);
}

void OnStore(GridEditor* editor, std::function<void(int row)> store) {
  editor->onExit = [store = std::move(store)](GridEditor* e) {
    if (e->Placed()) store(e->OpenedRow());
  };
}

void OnChoice(GridComboBox* list, std::function<void(int row, int item)> store) {
  OnStore(list, [list, store = std::move(store)](int row) {
    if (list->currentIndex() >= 0) store(row, list->currentIndex());
  });
}

int EditedNumber(const QLineEdit* edit) {
  const QString t = edit->text().isEmpty() ? QStringLiteral("0") : edit->text();
  return FieldNumber(t.toStdString());
}

void SG_SelectCell(StringGrid* grid) {
  if (GridEditor* open = grid->OpenEditor()) open->Finish(true);
  if (grid->isVisible() && !grid->hasFocus()) grid->setFocus(Qt::OtherFocusReason);
}

}  // namespace kestrin
