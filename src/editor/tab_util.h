#pragma once
// Small pieces shared by the parameter tabs: focus tracking for the
// remembered-control slots, the up-down arrows of numeric fields, hiding a
// tab's own header, and builders for labelled controls.
#include <QLabel>
#include <QObject>
#include <QWidget>
#include <functional>
#include <vector>

#include "editor/string_grid.h"

class QLineEdit;
class QToolButton;

namespace kestrin {

class TabSheet;

// Colours a control (and the labels that belong to it) while it has the
// focus, through TrackFocusColour, and tells its tab that it was entered.
class EnterTracker : public QObject {
  Q_OBJECT
 public:
  explicit EnterTracker(TabSheet* tab);
  void Track(QWidget* control, std::vector<QWidget*> labels = {});

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  TabSheet* tab_;
};

// Up and down arrows bound to a numeric edit field. The arrows step the
// field's number within the limits; pressing one gives the field the focus.
class UpDown : public QWidget {
  Q_OBJECT
 public:
  UpDown(QLineEdit* field, int min, int max, const QString& name, QWidget* parent);
  void SetPosition(int v);
  void Step(int delta);

 private:
  QLineEdit* field_;
  int min_;
  int max_;
  int position_;
};

// Shows a stored value as it is: the field's input filter judges what the
// user types or pastes, never the value the model already holds.
void SetTextUnfiltered(QLineEdit* field, const QString& text);

// Hides the page's header in the tab widget that holds it, if any.
void HideOwnTab(QWidget* page);

// Paints each row of a grid of typed rows (loops, relays) in the colour of
// its type, the cell in use in the selection colour, and the type's name in
// column 1 from the left.
CellPainter TypeRowPainter(const QWidget* tab, const StringGrid* grid, std::function<QColor(int row)> colourOf);

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent);
// A fixed-pitch bold font for key and password fields.
QFont FixedBoldFont();

}  // namespace kestrin
