#include "editor/params_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include "editor/params_model.h"
#include "gui/widgets/focus_colours.h"

namespace kestrin {

ParamsWindow::ParamsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("FormParams"));
  setWindowTitle(QStringLiteral("Все параметры"));

  auto* findLabel = new QLabel(QStringLiteral("Найти:"), this);
  findLabel->setObjectName(QStringLiteral("L_Params_Find"));
  find_ = new QLineEdit(this);
  find_->setObjectName(QStringLiteral("E_Params_Find"));
  findLabel->setBuddy(find_);
  changedOnly_ = new QCheckBox(QStringLiteral("Только отличные от значений по умолчанию"), this);
  changedOnly_->setObjectName(QStringLiteral("CB_Params_Changed"));

  model_ = new ParamsModel(this);
  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("SG_Params"));
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setAlternatingRowColors(true);
  table_->setWordWrap(false);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setColumnWidth(0, 90);
  table_->setColumnWidth(1, 320);
  table_->setColumnWidth(2, 300);

  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("L_Params_Count"));

  TrackFocusColour(find_, {findLabel});
  TrackFocusColour(changedOnly_);

  auto* findRow = new QHBoxLayout;
  findRow->addWidget(findLabel);
  findRow->addWidget(find_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(findRow);
  layout->addWidget(changedOnly_);
  layout->addWidget(table_, 1);
  layout->addWidget(count_);

  connect(find_, &QLineEdit::textChanged, this, &ParamsWindow::Refilter);
  connect(changedOnly_, &QCheckBox::toggled, this, &ParamsWindow::Refilter);
  connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { Activate(i.row()); });
  // Enter in the table or in the find field goes to the current row's control.
  table_->installEventFilter(this);
  find_->installEventFilter(this);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  resize(980, 640);
}

void ParamsWindow::ShowParameters(std::vector<ConfigParameter> parameters) {
  model_->SetParameters(std::move(parameters));
  Refilter();
}

void ParamsWindow::Refilter() {
  const int current = table_->currentIndex().row();
  const ConfigParameter* was = model_->At(current);
  const std::string name = was ? was->parameter : std::string();
  model_->SetFilter(find_->text(), changedOnly_->isChecked());
  // The row that was current stays current when it is still shown.
  int row = 0;
  for (int r = 0; r < model_->ShownCount() && !name.empty(); ++r) {
    if (model_->At(r)->parameter == name) {
      row = r;
      break;
    }
  }
  if (model_->ShownCount() > 0) table_->setCurrentIndex(model_->index(row, 0));
  count_->setText(QStringLiteral("Показано: %1 из %2").arg(model_->ShownCount()).arg(model_->TotalCount()));
}

void ParamsWindow::Activate(int row) {
  if (const ConfigParameter* p = model_->At(row)) emit parameterActivated(p->locator);
}

bool ParamsWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && key->modifiers() == Qt::NoModifier) {
      Activate(table_->currentIndex().row());
      return true;
    }
    // Up and down in the find field move through the rows, as in a search box.
    if (watched == find_ && (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up)) {
      QApplication::sendEvent(table_, event);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace kestrin
