#include "gui/dialogs/dialog_common.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "gui/widgets/button_face.h"

namespace kestrin::dialogs {

QLabel* MakeText(QWidget* parent, const char* name, const QString& text, const TextLook& look,
                 const QRect& rect, Qt::Alignment align) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  QFont font(look.family);
  font.setPixelSize(look.pixelSize);
  font.setBold(look.bold);
  font.setItalic(look.italic);
  font.setUnderline(look.underline);
  label->setFont(font);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, look.colour);
  label->setPalette(pal);
  label->setAlignment(align);
  if (rect.isValid()) {
    label->setGeometry(rect);
    label->setWordWrap(true);
  } else {
    label->adjustSize();
  }
  return label;
}

void FitText(QLabel* label, const QString& text, int pixelSize) {
  QFont font = label->font();
  constexpr int kSmallest = 12;
  for (; pixelSize > kSmallest; --pixelSize) {
    font.setPixelSize(pixelSize);
    const QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, label->width(), 100000),
                                                         Qt::TextWordWrap | label->alignment(), text);
    if (needed.height() <= label->height() && needed.width() <= label->width()) break;
  }
  font.setPixelSize(pixelSize);
  label->setFont(font);
  label->setText(text);
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int tag,
                        const QRect& rect) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(16);
  font.setBold(true);
  button->setFont(font);
  button->setGeometry(rect);
  // Enter presses the button that has the focus.
  button->setAutoDefault(true);
  SetButtonTag(button, tag);
  AttachButtonFace(button, DialogButtonImages(), caption, GlyphLayout::Left);
  return button;
}

QPushButton* MakeResultButton(QDialog* dialog, const char* name, const QString& caption, int tag,
                              const QRect& rect, int result) {
  QPushButton* button = MakeButton(dialog, name, caption, tag, rect);
  QObject::connect(button, &QPushButton::clicked, dialog, [dialog, result] { dialog->done(result); });
  return button;
}

void SetBackground(QWidget* window, const QColor& colour) {
  QPalette pal = window->palette();
  pal.setColor(QPalette::Window, colour);
  window->setPalette(pal);
  window->setAutoFillBackground(true);
}

void MakeFixedWindow(QDialog* dialog, const char* name, const QString& title, Qt::WindowType kind,
                     const QSize& size) {
  dialog->setObjectName(QString::fromLatin1(name));
  dialog->setWindowTitle(title);
  dialog->setWindowFlags(kind | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint);
  dialog->setFixedSize(size);
  dialog->setModal(true);
}

void MakeConfirmationWindow(QDialog* dialog, const char* name) {
  MakeFixedWindow(dialog, name, QString(), Qt::Tool, QSize(617, 282));
  SetBackground(dialog, QColor(0, 255, 0));
}

void Centre(QDialog* dialog, QWidget* owner) {
  if (!owner) {
    QWidget* active = QApplication::activeWindow();
    if (active && active != dialog && active->isVisible()) owner = active->window();
  }
  QRect area;
  if (owner && owner->isVisible()) {
    area = owner->frameGeometry();
  } else if (QScreen* screen = dialog->screen() ? dialog->screen() : QApplication::primaryScreen()) {
    area = screen->availableGeometry();
  }
  if (!area.isValid()) return;
  const QSize size = dialog->frameGeometry().size();
  dialog->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

}  // namespace kestrin::dialogs
