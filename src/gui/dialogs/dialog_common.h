#pragma once
// Building blocks shared by the three message dialogs.
#include <QColor>
#include <QRect>
#include <QString>

class QDialog;
class QLabel;
class QPushButton;
class QWidget;

namespace kestrin::dialogs {

struct TextLook {
  int pixelSize;
  bool bold;
  bool italic;
  bool underline;
  QColor colour;
  QString family = QStringLiteral("Arial");
};

// A label; with a non-empty rect it has that fixed size and wraps its text,
// otherwise it sizes itself to the text.
QLabel* MakeText(QWidget* parent, const char* name, const QString& text, const TextLook& look,
                 const QRect& rect = QRect(), Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);

// Gives a fixed-size, wrapping label text at pixelSize, or the largest
// smaller size at which the whole text fits the label (a long second line is
// made smaller rather than cut off).
void FitText(QLabel* label, const QString& text, int pixelSize);

// A command button that draws its own face from the dialog image list.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int tag,
                        const QRect& rect);

// A command button that ends the dialog with result when clicked.
QPushButton* MakeResultButton(QDialog* dialog, const char* name, const QString& caption, int tag,
                              const QRect& rect, int result);

void SetBackground(QWidget* window, const QColor& colour);

// A modal window of a fixed size with a title bar and a close button only;
// kind is Qt::Dialog or Qt::Tool.
void MakeFixedWindow(QDialog* dialog, const char* name, const QString& title, Qt::WindowType kind,
                     const QSize& size);

// The green, fixed-size, modal window of the confirmation dialogs.
void MakeConfirmationWindow(QDialog* dialog, const char* name);

// Moves the dialog to the centre of owner (or of the active window, or of
// the screen).
void Centre(QDialog* dialog, QWidget* owner);

}  // namespace kestrin::dialogs
