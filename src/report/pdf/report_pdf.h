#pragma once
// The configuration report painted on a paged device (a printer or a PDF
// writer) and as PDF. Qt Gui only: the print dialog and the preview live in
// report/qt/report_printer.h.
#include <QDate>
#include <QFont>
#include <QString>
#include <functional>

#include "model/device.h"
#include "report/report_canvas.h"

class QPagedPaintDevice;
class QPainter;

namespace kestrin {

// A ReportCanvas over a painter that is active on a paged device (a printer
// or a PDF writer). Texts arrive as Windows-1251 and are converted here.
class QtReportCanvas : public ReportCanvas {
 public:
  QtReportCanvas(QPainter& painter, QPagedPaintDevice& device);

  ReportDevice Device() const override;
  void SetFont(const std::string& family, int points) override;
  int TextWidth(const std::string& text, ReportStyle style) override;
  int TextHeight(const std::string& text, ReportStyle style) override;
  void Text(int x, int bottom, const std::string& text, ReportStyle style, int fitWidth) override;
  void Line(int x1, int y1, int x2, int y2, int penWidth) override;
  void FillBox(int x1, int y1, int x2, int y2, ReportColor fill) override;
  void FrameBox(int x1, int y1, int x2, int y2, int penWidth) override;
  void NewPage() override;

 private:
  QFont StyledFont(ReportStyle style) const;

  QPainter& painter_;
  QPagedPaintDevice& device_;
  QFont font_;
};

// A date in the system's short format; with no system locale (LANG=C) in
// the Russian short form, "10.12.2026", as every text the user reads is Russian.
QString ShortDateText(const QDate& date);

// Today's date in the system's short format (ShortDateText).
QString ReportToday();

// Runs the set-up and the whole report on an open device; returns the page
// count. An empty date means today.
int RenderReport(QPagedPaintDevice& device, const T_Command_DEVICE& model, const QString& printDate = {});

// The report as an A4 PDF. The file is replaced atomically; false when it
// cannot be written.
bool ExportReportPdf(const QString& path, const T_Command_DEVICE& model, const QString& printDate = {});
// The same PDF as bytes.
QByteArray ReportPdfBytes(const T_Command_DEVICE& model, const QString& printDate = {});

}  // namespace kestrin
