// The tab framework of the main window: data exchange in the fixed orders,
// the remembered control of each tab, focus colouring, label and up-down
// clicks, the jump to a control and the tooltips of tab headers and grid columns.
#include <QAbstractItemView>
#include <QHeaderView>
#include <QLabel>
#include <QTabBar>
#include <QMouseEvent>
#include <QTabWidget>
#include <QToolTip>

#include "gui/widgets/focus_colours.h"
#include "editor/grid_editors.h"
#include "gui/widgets/hints.h"
#include "editor/tab_common.h"
#include "editor/tab_gprs.h"
#include "editor/tab_gsm.h"
#include "editor/tab_indic.h"
#include "editor/tab_keys.h"
#include "editor/tab_lan.h"
#include "editor/tab_mode.h"
#include "editor/tab_parts.h"
#include "editor/tab_pk4.h"
#include "editor/tab_rele.h"
#include "editor/tab_shleifs.h"
#include "editor/tab_sms.h"
#include "editor/tab_smsk.h"
#include "editor/tform2.h"

namespace kestrin {

void TForm2::Redraw_All() {
  for (TabSheet* tab : std::initializer_list<TabSheet*>{Tab_Common, Tab_Mode, Tab_Indic,
                                                        Tab_Parts, Tab_Shleifs, Tab_Rele,
                                                        Tab_Keys}) {
    tab->Redraw();
  }
}

void TForm2::UnLoad_All() {
  // Grid list editors may have recoloured the tooltip window for their help.
  QToolTip::setPalette(toolTipPalette_);
  UnLoadTabs();
}

void TForm2::UnLoadTabs() {
  for (TabSheet* tab : std::initializer_list<TabSheet*>{Tab_Mode, Tab_Indic, Tab_Shleifs,
                                                        Tab_Rele, Tab_Keys, Tab_Common}) {
    tab->UnLoad();
  }
}

int TForm2::SlotOf(QWidget* tab) const {
  if (tab == Tab_Common) return kSlotCommon;
  if (tab == Tab_Mode) return kSlotMode;
  if (tab == Tab_Indic) return kSlotIndic;
  if (tab == Tab_Shleifs) return kSlotShleifs;
  if (tab == Tab_Rele) return kSlotRele;
  if (tab == Tab_Keys) return kSlotKeys;
  if (tab == Tab_SMS) return kSlotSMS;
  if (tab == Tab_SMSK) return kSlotSMSK;
  if (tab == Tab_GSM) return kSlotGSM;
  if (tab == Tab_PK4) return kSlotPK4;
  if (tab == Tab_GPRS) return kSlotGPRS;
  return -1;  // Partitions, Ethernet and the text tab remember nothing
}

TabSheet* TForm2::SheetByName(const std::string& name) const {
  QString wanted = QString::fromStdString(name);
  for (QWidget* sheet : sheets_) {
    if (sheet->objectName() == wanted) return qobject_cast<TabSheet*>(sheet);
  }
  return nullptr;
}

QWidget* TForm2::RememberedControl(TabSlot slot) const {
  return slot >= 0 && slot < kSlotCount ? slots_[slot] : nullptr;
}

void TForm2::RestoreTabFocus(TabSlot slot) {
  if (slot < 0 || slot >= kSlotCount || !slots_[slot]) return;
  QWidget* control = slots_[slot];
  if (control->focusPolicy() != Qt::NoFocus && control->isEnabled() && control->isVisibleTo(this)) {
    control->setFocus(Qt::OtherFocusReason);
  } else {
    slots_[slot] = nullptr;
  }
}

void TForm2::PagesParamChange(int index) {
  int slot = SlotOf(PagesParam->widget(index));
  if (slot >= 0) RestoreTabFocus(static_cast<TabSlot>(slot));
}

void TForm2::GotoItem(QWidget* tab, QWidget* control) {
  int target = tab ? PagesParam->indexOf(tab) : -1;
  // Only a shown tab can be reached; anything else would never end the walk.
  if (target >= 0 && PagesParam->isTabVisible(target)) {
    const int count = PagesParam->count();
    while (PagesParam->currentIndex() != target) {
      int next = PagesParam->currentIndex();
      do {
        next = (next + 1) % count;
      } while (!PagesParam->isTabVisible(next));
      PagesParam->setCurrentIndex(next);
    }
  }
  if (control) control->setFocus(Qt::OtherFocusReason);
}

namespace {

// A control of the tabs' own window that is not inside a grid.
bool IsTabControl(QWidget* pages, QWidget* w) {
  if (!pages->isAncestorOf(w)) return false;
  for (QWidget* p = w->parentWidget(); p && p != pages; p = p->parentWidget()) {
    if (qobject_cast<QAbstractItemView*>(p)) return false;
  }
  return true;
}

}  // namespace

void TForm2::ConnectFocusTracking() {
  for (QWidget* sheet : sheets_) {
    auto* tab = qobject_cast<TabSheet*>(sheet);
    if (!tab) continue;
    int slot = SlotOf(tab);
    connect(tab, &TabSheet::controlEntered, this, [this, slot](QWidget* control) {
      if (slot >= 0) slots_[slot] = control;
    });
  }
  // Every control of the tabs shows the focus colour; the tabs name the
  // labels that go with some of them; what lives inside a grid is the grid's.
  for (QWidget* w : PagesParam->findChildren<QWidget*>()) {
    if (w->focusPolicy() != Qt::NoFocus && IsTabControl(PagesParam, w)) TrackFocusColour(w);
  }
  // Labels that name a field, the up-down arrows and the grids' viewports.
  for (QLabel* label : PagesParam->findChildren<QLabel*>()) {
    if (label->buddy()) label->installEventFilter(this);
  }
  // The arrows of an up-down are its children: they receive the press.
  for (QWidget* w : PagesParam->findChildren<QWidget*>()) {
    if (!w->objectName().startsWith(QLatin1String("UD_"))) continue;
    w->installEventFilter(this);
    for (QWidget* arrow : w->findChildren<QWidget*>()) arrow->installEventFilter(this);
  }
}

void TForm2::Event_LabelClick(QWidget* widget) {
  auto* label = qobject_cast<QLabel*>(widget);
  if (!label) return;
  QWidget* field = label->buddy();
  if (field && field->focusPolicy() != Qt::NoFocus && field->isEnabled() && field->isVisible()) {
    field->setFocus(Qt::MouseFocusReason);
  }
}

void TForm2::Event_UpDownMouseDown(QWidget* upDown) {
  // "UD_Indic_Sirena" goes with the field "E_Indic_Sirena".
  QString name = upDown->objectName();
  if (!name.startsWith(QLatin1String("UD_"))) return;
  auto* field = PagesParam->findChild<QWidget*>(QStringLiteral("E_") + name.mid(3));
  if (field && field->focusPolicy() != Qt::NoFocus && field->isEnabled() && field->isVisible()) {
    field->setFocus(Qt::MouseFocusReason);
  }
}

bool TForm2::My_onShowHint(QWidget* control, const QPoint& pos, QString& text, QRect& area) {
  // Tab headers: the hint of the sheet under the cursor (hidden sheets have no header).
  if (auto* bar = qobject_cast<QTabBar*>(control); bar && bar == PagesParam->tabBar()) {
    int index = bar->tabAt(pos);
    if (index < 0) return false;
    text = PagesParam->tabToolTip(index);
    area = bar->tabRect(index);
    return !text.isEmpty();
  }
  // Grids: the hint of the editor of the column under the cursor.
  StringGrid* grid = qobject_cast<StringGrid*>(control);
  QPoint at = pos;
  if (!grid && control && control->parentWidget()) {
    grid = qobject_cast<StringGrid*>(control->parentWidget());
    if (grid && control != grid->viewport()) grid = nullptr;
  } else if (grid) {
    at = grid->viewport()->mapFrom(grid, pos);
  }
  if (grid) {
    int column = grid->columnAt(at.x());
    QString hint;
    if (column >= 0 && column < grid->columnCount()) {
      // The column's editors: a list of them shows the hint of its last one.
      const std::vector<GridEditor*>& editors = grid->ColumnEditors(column);
      if (!editors.empty() && editors.back()->Widget()) hint = editors.back()->Widget()->toolTip();
    }
    if (!hint.isEmpty()) {
      text = hint;
      QRect cells(grid->columnViewportPosition(column), 0, grid->columnWidth(column),
                  grid->viewport()->height());
      area = control == grid ? QRect(grid->viewport()->mapTo(grid, cells.topLeft()), cells.size())
                             : cells;
    }
  }
  return true;
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget && event->type() == QEvent::MouseButtonPress) {
    if (qobject_cast<QLabel*>(widget)) {
      Event_LabelClick(widget);
    } else {
      for (QWidget* w = widget; w && w != PagesParam; w = w->parentWidget()) {
        if (w->objectName().startsWith(QLatin1String("UD_"))) {
          Event_UpDownMouseDown(w);
          break;
        }
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TForm2::RedrawTab(const std::string& tabName) {
  if (TabSheet* tab = SheetByName(tabName)) tab->Redraw();
}

void TForm2::AdoptModeGroups() { Tab_Common->AdoptModeGroups(*Tab_Mode); }

void TForm2::GotoCheckTarget(const std::string& tab, const std::string& control, int row,
                             int column) {
  QWidget* sheet = SheetByName(tab);
  QWidget* target = control.empty()
                        ? nullptr
                        : findChild<QWidget*>(QString::fromStdString(control));
  GotoItem(sheet, target);
  auto* grid = qobject_cast<StringGrid*>(target);
  if (grid && row > 0) grid->setCurrentCell(row - 1, column);
}

}  // namespace kestrin
