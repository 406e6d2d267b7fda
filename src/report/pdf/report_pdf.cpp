#include "report/pdf/report_pdf.h"

#include <QBuffer>
#include <QDate>
#include <QFontMetrics>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "files/file_bytes.h"
#include "model/codec.h"
#include "report/report_layout.h"

namespace kestrin {

namespace {

QString FromW1251(const std::string& text) { return QString::fromStdString(Cp1251ToUtf8(text)); }

// Printers keep a few millimetres they cannot reach; the PDF pretends to be
// such a printer so the layout keeps the same margins on paper.
constexpr qreal kPdfOffsetMm = 6.0;
constexpr int kPdfResolution = 600;

QString DateOrToday(const QString& date) { return date.isEmpty() ? ReportToday() : date; }

}  // namespace

QtReportCanvas::QtReportCanvas(QPainter& painter, QPagedPaintDevice& device)
    : painter_(painter), device_(device) {
  painter_.setBackgroundMode(Qt::TransparentMode);
}

ReportDevice QtReportCanvas::Device() const {
  ReportDevice d;
  d.pageWidth = device_.width();
  d.pageHeight = device_.height();
  d.dpiX = device_.logicalDpiX();
  d.dpiY = device_.logicalDpiY();
  QRect paint = device_.pageLayout().paintRectPixels(d.dpiX);
  d.offsetX = paint.left();
  d.offsetY = paint.top();
  return d;
}

void QtReportCanvas::SetFont(const std::string& family, int points) {
  font_ = QFont(QString::fromStdString(family));
  // Where the family is missing, any fixed-pitch face keeps the columns.
  font_.setStyleHint(QFont::TypeWriter);
  font_.setFixedPitch(true);
  font_.setPointSize(points);
  font_.setKerning(false);
}

QFont QtReportCanvas::StyledFont(ReportStyle style) const {
  QFont f(font_, &device_);
  f.setBold(style != ReportStyle::Regular);
  f.setUnderline(style == ReportStyle::BoldUnderline);
  return f;
}

int QtReportCanvas::TextWidth(const std::string& text, ReportStyle style) {
  return QFontMetrics(StyledFont(style), &device_).horizontalAdvance(FromW1251(text));
}

int QtReportCanvas::TextHeight(const std::string&, ReportStyle style) {
  return QFontMetrics(StyledFont(style), &device_).height();
}

void QtReportCanvas::Text(int x, int bottom, const std::string& text, ReportStyle style, int fitWidth) {
  QFont f = StyledFont(style);
  QFontMetrics fm(f, &device_);
  QString s = FromW1251(text);
  int baseline = bottom - fm.descent();
  painter_.setFont(f);
  painter_.setPen(Qt::black);
  int width = fitWidth > 0 ? fm.horizontalAdvance(s) : 0;
  if (fitWidth > 0 && width > fitWidth) {
    painter_.save();
    painter_.translate(x, baseline);
    painter_.scale(static_cast<qreal>(fitWidth) / width, 1.0);
    painter_.drawText(0, 0, s);
    painter_.restore();
    return;
  }
  painter_.drawText(x, baseline, s);
}

void QtReportCanvas::Line(int x1, int y1, int x2, int y2, int penWidth) {
  painter_.setPen(QPen(Qt::black, penWidth, Qt::SolidLine, Qt::SquareCap));
  painter_.drawLine(x1, y1, x2, y2);
}

void QtReportCanvas::FillBox(int x1, int y1, int x2, int y2, ReportColor fill) {
  painter_.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), QColor(fill.red, fill.green, fill.blue));
}

void QtReportCanvas::FrameBox(int x1, int y1, int x2, int y2, int penWidth) {
  painter_.setPen(QPen(Qt::black, penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(QRect(x1, y1, x2 - x1, y2 - y1));
}

void QtReportCanvas::NewPage() { device_.newPage(); }

QString ShortDateText(const QDate& date) {
  QLocale locale = QLocale::system();
  if (locale.language() == QLocale::C) locale = QLocale(QLocale::Russian, QLocale::Russia);
  return locale.toString(date, QLocale::ShortFormat);
}

QString ReportToday() { return ShortDateText(QDate::currentDate()); }

int RenderReport(QPagedPaintDevice& device, const T_Command_DEVICE& model, const QString& printDate) {
  QPainter painter(&device);
  if (!painter.isActive()) return 0;
  QtReportCanvas canvas(painter, device);
  ConfigReport report(canvas, model, Utf8ToCp1251(DateOrToday(printDate).toStdString()));
  report.ReportPageSetup();
  report.PrintConfigReport();
  painter.end();
  return report.Pages();
}

QByteArray ReportPdfBytes(const T_Command_DEVICE& model, const QString& printDate) {
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(QString::fromUtf8(kReportJobTitle));
    writer.setCreator(QStringLiteral("kestrin"));
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kPdfOffsetMm, kPdfOffsetMm, kPdfOffsetMm, kPdfOffsetMm),
                                     QPageLayout::Millimeter));
    if (RenderReport(writer, model, printDate) == 0) return {};
  }
  return bytes;
}

bool ExportReportPdf(const QString& path, const T_Command_DEVICE& model, const QString& printDate) {
  QByteArray pdf = ReportPdfBytes(model, printDate);
  if (pdf.isEmpty()) return false;
  return WriteFileAtomic(path.toStdString(), pdf.toStdString());
}

}  // namespace kestrin
