#include "editor/tab_util.h"

#include <QEvent>
#include <QVariant>
#include <algorithm>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/widgets/focus_colours.h"
#include "editor/tab_sheet.h"
#include "model/tab_rules.h"

namespace kestrin {

EnterTracker::EnterTracker(TabSheet* tab) : QObject(tab), tab_(tab) {}

void EnterTracker::Track(QWidget* control, std::vector<QWidget*> labels) {
  TrackFocusColour(control, std::move(labels));
  control->installEventFilter(this);
}

bool EnterTracker::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::FocusIn) emit tab_->controlEntered(static_cast<QWidget*>(o));
  return false;
}

UpDown::UpDown(QLineEdit* field, int min, int max, const QString& name, QWidget* parent)
    : QWidget(parent), field_(field), min_(min), max_(max), position_(min) {
  setObjectName(name);
  auto* box = new QVBoxLayout(this);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(0);
  auto make = [&](Qt::ArrowType arrow, int delta, const char* id) {
    auto* b = new QToolButton(this);
    b->setObjectName(name + QLatin1String(id));
    b->setArrowType(arrow);
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedSize(17, 11);
    // A press on an arrow focuses the field, so it is coloured and remembered.
    connect(b, &QToolButton::pressed, this, [this] { field_->setFocus(Qt::MouseFocusReason); });
    connect(b, &QToolButton::clicked, this, [this, delta] { Step(delta); });
    box->addWidget(b);
  };
  make(Qt::UpArrow, 1, "_Up");
  make(Qt::DownArrow, -1, "_Down");
  setFixedSize(17, 22);
  // The position follows what is typed, as the field's associated arrows do.
  connect(field_, &QLineEdit::textChanged, this, [this](const QString& t) {
    const int v = FieldNumber(t.toStdString());
    position_ = v < min_ ? min_ : (v > max_ ? max_ : v);
  });
}

void UpDown::SetPosition(int v) { position_ = v < min_ ? min_ : (v > max_ ? max_ : v); }

void UpDown::Step(int delta) {
  SetPosition(position_ + delta);
  field_->setText(QString::number(position_));
}

void SetTextUnfiltered(QLineEdit* field, const QString& text) {
  // The length limit bounds typing only; a longer stored value is shown whole.
  QVariant limit = field->property("typingMaxLength");
  if (!limit.isValid()) {
    limit = field->maxLength();
    field->setProperty("typingMaxLength", limit);
  }
  field->setMaxLength(std::max(limit.toInt(), static_cast<int>(text.size())));
  const QValidator* filter = field->validator();
  field->setValidator(nullptr);
  field->setText(text);
  field->setValidator(filter);
}

void HideOwnTab(QWidget* page) {
  for (QWidget* w = page->parentWidget(); w; w = w->parentWidget()) {
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      const int i = tabs->indexOf(page);
      if (i >= 0) tabs->setTabVisible(i, false);
      return;
    }
  }
}

CellPainter TypeRowPainter(const QWidget* tab, const StringGrid* grid, std::function<QColor(int row)> colourOf) {
  return [tab, grid, colourOf = std::move(colourOf)](QPainter* p, const QRect& r, int col, int row, bool inUse) {
    p->fillRect(r, inUse ? SelectedRowColour() : colourOf(row));
    p->setPen(tab->palette().color(QPalette::WindowText));
    StringGrid::DrawCellText(p, r, grid->Cell(col, row), col == 1);
  };
}

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  return l;
}

QFont FixedBoldFont() {
  QFont f(QStringLiteral("Courier New"));
  f.setStyleHint(QFont::Monospace);
  f.setFixedPitch(true);
  f.setBold(true);
  return f;
}

}  // namespace kestrin
