#include "gui/widgets/button_face.h"

#include <algorithm>
#include <functional>
#include <iterator>

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVariant>

#include "gui/widgets/focus_colours.h"

namespace kestrin {

namespace {

constexpr int kImageWidth = 24;
constexpr int kImageHeight = 22;
// The images' background: their top-left pixel, so it frames the face and is left out.
const QColor kImageBackground(128, 128, 128);
const char* const kTagProperty = "tag";

QImage BlankImage() {
  QImage image(kImageWidth, kImageHeight, QImage::Format_RGB32);
  image.fill(kImageBackground);
  return image;
}

// Every picture is drawn with a few strokes on the grey background.
QImage Picture(const std::function<void(QPainter&)>& draw) {
  QImage image = BlankImage();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, false);
  draw(p);
  p.end();
  image.setPixelColor(0, 0, kImageBackground);
  return image;
}

QImage CrossImage() {
  return Picture([](QPainter& p) {
    p.setPen(QPen(QColor(220, 0, 0), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(6, 4, 18, 17);
    p.drawLine(18, 4, 6, 17);
  });
}

QImage TickImage() {
  return Picture([](QPainter& p) {
    p.setPen(QPen(QColor(0, 150, 0), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygon({QPoint(4, 11), QPoint(10, 17), QPoint(20, 4)}));
  });
}

QImage PencilImage() {
  return Picture([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 0));
    p.drawPolygon(QPolygon({QPoint(15, 3), QPoint(20, 8), QPoint(9, 19), QPoint(4, 14)}));
    p.setBrush(QColor(60, 60, 60));
    p.drawPolygon(QPolygon({QPoint(4, 14), QPoint(9, 19), QPoint(3, 20)}));
    p.setBrush(QColor(230, 80, 80));
    p.drawPolygon(QPolygon({QPoint(15, 3), QPoint(17, 1), QPoint(22, 6), QPoint(20, 8)}));
  });
}

QImage FolderImage(bool withSheet) {
  return Picture([withSheet](QPainter& p) {
    p.setPen(QColor(90, 60, 0));
    if (withSheet) {
      p.setBrush(Qt::white);
      p.drawRect(7, 2, 10, 12);
    }
    p.setBrush(QColor(240, 200, 60));
    p.drawPolygon(QPolygon({QPoint(2, 6), QPoint(8, 6), QPoint(10, 8), QPoint(21, 8),
                            QPoint(21, 19), QPoint(2, 19)}));
  });
}

QImage PrinterImage() {
  return Picture([](QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(7, 2, 10, 7);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(2, 9, 20, 8);
    p.setBrush(Qt::white);
    p.drawRect(6, 14, 12, 6);
  });
}

QImage DeviceImage() {
  return Picture([](QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(QColor(40, 90, 200));
    p.drawRect(11, 3, 10, 16);
    p.setBrush(QColor(0, 220, 0));
    p.drawRect(14, 6, 4, 3);
    p.setPen(QPen(QColor(200, 0, 0), 2));
    p.drawLine(2, 11, 9, 11);
    p.drawLine(6, 8, 9, 11);
    p.drawLine(6, 14, 9, 11);
  });
}

QImage DiskImage() {
  return Picture([](QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(QColor(40, 60, 160));
    p.drawRect(3, 2, 18, 18);
    p.setBrush(Qt::white);
    p.drawRect(7, 2, 10, 7);
    p.setBrush(QColor(180, 180, 180));
    p.drawRect(6, 13, 12, 7);
  });
}

QImage LinkImage() {
  return Picture([](QPainter& p) {
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(3, 7, 10, 8);
    p.drawEllipse(11, 7, 10, 8);
  });
}

QImage ResetImage() {
  return Picture([](QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(0, 0, 160), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(4, 3, 16, 16), 60 * 16, 270 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 160));
    p.drawPolygon(QPolygon({QPoint(14, 1), QPoint(20, 5), QPoint(13, 8)}));
  });
}

QImage GearImage() {
  return Picture([](QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(60, 60, 60), 3));
    for (int i = 0; i < 4; ++i) {
      p.save();
      p.translate(12, 11);
      p.rotate(45.0 * i);
      p.drawLine(0, -9, 0, 9);
      p.restore();
    }
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(170, 170, 170));
    p.drawEllipse(QPointF(12, 11), 6, 6);
    p.setBrush(kImageBackground);
    p.drawEllipse(QPointF(12, 11), 2, 2);
  });
}

QImage Transparented(const QImage& image) {
  QImage out = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = image.pixel(0, 0);
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      if ((line[x] & 0xFFFFFFu) == (key & 0xFFFFFFu)) line[x] = 0;
    }
  }
  return out;
}

// Keeps a button's face in step with its focus.
class FaceKeeper : public QObject {
 public:
  FaceKeeper(QPushButton* button, const ButtonImageList& images, QString caption,
             GlyphLayout layout)
      : QObject(button), button_(button), images_(images), caption_(std::move(caption)),
        layout_(layout) {
    setObjectName(QStringLiteral("kestrinButtonFace"));
    button->installEventFilter(this);
  }

  void Draw() {
    DrawButtonFace(button_, images_, button_->hasFocus() ? FocusColour() : ButtonFaceColour(),
                   caption_, layout_);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // While the button is being destroyed only its QWidget part is left (the
    // focus still moves away from it then): qobject_cast sees that.
    if (watched == button_ && qobject_cast<QPushButton*>(watched)) {
      switch (event->type()) {
        case QEvent::FocusIn:
          DrawButtonFace(button_, images_, FocusColour(), caption_, layout_);
          break;
        case QEvent::FocusOut:
          DrawButtonFace(button_, images_, ButtonFaceColour(), caption_, layout_);
          break;
        case QEvent::Resize:
        case QEvent::FontChange:
          Draw();
          break;
        default:
          break;
      }
    }
    return false;
  }

 private:
  QPushButton* button_;
  const ButtonImageList& images_;
  QString caption_;
  GlyphLayout layout_;
};

}  // namespace

const ButtonImageList& DialogButtonImages() {
  static const ButtonImageList images{CrossImage(), TickImage(), PencilImage()};
  return images;
}

const ButtonImageList& MainButtonImages() {
  static const ButtonImageList images{FolderImage(false), PrinterImage(), DeviceImage(),
                                      DiskImage(),        LinkImage(),    ResetImage(),
                                      GearImage(),        CrossImage(),   FolderImage(true),
                                      // "в ручную" opens through the file dialog, as "Открыть" does
                                      FolderImage(false)};
  return images;
}

QString MainButtonCaption(int tag) {
  static const char* const kCaptions[] = {
      "Открыть",      "Печать",       "В устройство...",           "Сохранить",
      "Связь",        "По-умолчанию", "Настройки",                 "Отменить",
      "Открыть файл", "Выбрать файл \"в ручную\"", "Генерация ключа", "Очистка ключа"};
  if (tag < 0) tag = -tag;
  if (tag < 1 || tag > static_cast<int>(std::size(kCaptions))) return {};
  return QString::fromUtf8(kCaptions[tag - 1]);
}

void SetButtonTag(QPushButton* button, int tag) {
  if (button) button->setProperty(kTagProperty, tag);
}

int ButtonTag(const QPushButton* button) {
  return button ? button->property(kTagProperty).toInt() : 0;
}

QImage RenderButtonFace(const QPushButton* button, const ButtonImageList& images,
                        const QColor& stateColour, const QString& text, GlyphLayout layout) {
  const QSize size(std::max(1, button->width() - 6), std::max(1, button->height() - 6));
  QImage face(size, QImage::Format_ARGB32);
  const int tag = ButtonTag(button);
  const bool hasImage = tag > 0 && tag <= static_cast<int>(images.size());
  const QImage* image = hasImage ? &images[static_cast<size_t>(tag - 1)] : nullptr;
  const QColor frame = image ? image->pixelColor(0, 0) : QColor(Qt::red);
  face.fill(frame);

  QPainter p(&face);
  p.fillRect(QRect(2, 2, size.width() - 4, size.height() - 4), stateColour);

  QRect textArea(2, 2, size.width() - 4, size.height() - 4);
  if (image) {
    QPoint at;
    if (text.isEmpty()) {
      at = QPoint((size.width() - image->width()) / 2, (size.height() - image->height()) / 2);
    } else if (layout == GlyphLayout::Left || layout == GlyphLayout::Right) {
      const int x = layout == GlyphLayout::Left ? 4 : size.width() - 4 - image->width();
      at = QPoint(x, (size.height() - image->height()) / 2);
      if (layout == GlyphLayout::Left)
        textArea.setLeft(at.x() + image->width() + 2);
      else
        textArea.setRight(at.x() - 2);
    } else {
      const int y = layout == GlyphLayout::Top ? 6 : size.height() - 6 - image->height();
      at = QPoint((size.width() - image->width()) / 2, y);
      if (layout == GlyphLayout::Top)
        textArea.setTop(at.y() + image->height());
      else
        textArea.setBottom(at.y() - 1);
    }
    p.drawImage(at, Transparented(*image));
  }
  if (!text.isEmpty()) {
    p.setFont(button->font());
    p.setPen(button->palette().color(QPalette::ButtonText));
    p.drawText(textArea, Qt::AlignCenter | Qt::TextWordWrap, text);
  }
  p.end();
  return face;
}

void DrawButtonFace(QPushButton* button, const ButtonImageList& images, const QColor& stateColour,
                    const QString& text, GlyphLayout layout) {
  if (!button) return;
  const QImage face = RenderButtonFace(button, images, stateColour, text, layout);
  QWidget* window = button->window();
  const bool updates = window->updatesEnabled();
  window->setUpdatesEnabled(false);
  button->setText(QString());
  button->setIcon(QIcon(QPixmap::fromImage(face)));
  button->setIconSize(face.size());
  button->setProperty("faceColour", stateColour);
  window->setUpdatesEnabled(updates);
}

void AttachButtonFace(QPushButton* button, const ButtonImageList& images, const QString& caption,
                      GlyphLayout layout) {
  if (!button) return;
  for (QObject* child : button->children()) {
    if (auto* old = dynamic_cast<FaceKeeper*>(child)) {
      button->removeEventFilter(old);
      delete old;
      break;
    }
  }
  button->setAccessibleName(caption);
  auto* keeper = new FaceKeeper(button, images, caption, layout);
  keeper->Draw();
}

void DrawAllButtonFaces(QWidget* window) {
  if (!window) return;
  for (QObject* child : window->findChildren<QObject*>(QStringLiteral("kestrinButtonFace"))) {
    if (auto* keeper = dynamic_cast<FaceKeeper*>(child)) keeper->Draw();
  }
}

}  // namespace kestrin
