#include "gui/widgets/focus_colours.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace kestrin {
namespace {

void SendFocus(QWidget* w, QEvent::Type type) {
  QFocusEvent event(type, Qt::TabFocusReason);
  QApplication::sendEvent(w, &event);
}

TEST(FocusColours, TrackedControlAndItsLabelsFollowTheFocus) {
  QWidget form;
  auto* edit = new QLineEdit(&form);
  auto* label1 = new QLabel(QStringLiteral("Зона"), &form);
  auto* label2 = new QLabel(QStringLiteral("сек"), &form);
  const QPalette untouched = label1->palette();

  TrackFocusColour(edit, {label1, label2});
  // Nothing is painted until the focus moves.
  EXPECT_EQ(label1->palette(), untouched);
  EXPECT_FALSE(label1->autoFillBackground());

  SendFocus(edit, QEvent::FocusIn);
  EXPECT_EQ(BackgroundColour(edit), FocusColour());
  EXPECT_EQ(BackgroundColour(label1), FocusColour());
  EXPECT_EQ(BackgroundColour(label2), FocusColour());

  SendFocus(edit, QEvent::FocusOut);
  EXPECT_EQ(BackgroundColour(edit), WindowColour());
  EXPECT_EQ(BackgroundColour(label1), ButtonFaceColour());
  EXPECT_EQ(BackgroundColour(label2), ButtonFaceColour());

  // A read-only field returns to the button face, not the window colour.
  edit->setReadOnly(true);
  SendFocus(edit, QEvent::FocusIn);
  SendFocus(edit, QEvent::FocusOut);
  EXPECT_EQ(BackgroundColour(edit), ButtonFaceColour());
}

TEST(FocusColours, KindsWithoutAFocusColourAreLeftAlone) {
  QPushButton button;
  const QPalette before = button.palette();
  TrackFocusColour(&button);
  SendFocus(&button, QEvent::FocusIn);
  EXPECT_EQ(button.palette(), before);
  EXPECT_FALSE(BackgroundColour(&button).isValid());
  TrackFocusColour(nullptr);  // no control: nothing to follow
}

}  // namespace
}  // namespace kestrin
