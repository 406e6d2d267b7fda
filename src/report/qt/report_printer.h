#pragma once
// The configuration report on a printer, in the print preview and as PDF.
#include <QFont>
#include <QString>
#include <functional>

#include "model/device.h"
#include "report/report_canvas.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QPrintPreviewDialog;
class QWidget;

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

// Native dialogs, replaceable in tests.
struct ReportDialogs {
  // Asks for a printer; false when cancelled. Empty: the standard print dialog.
  std::function<bool(QPrinter& printer, QWidget* parent)> askPrinter;
  // Asks for a PDF file name; empty when cancelled. Empty: a save dialog.
  std::function<QString(QWidget* parent)> askPdfPath;
  // Shows a message pair (what happened, what to do). Empty: a message box.
  std::function<void(QWidget* parent, const QString& what, const QString& todo)> showError;
};

// Today's date in the system's short format.
QString ReportToday();

// Runs the set-up and the whole report on an open device; returns the page
// count. An empty date means today.
int RenderReport(QPagedPaintDevice& device, const T_Command_DEVICE& model, const QString& printDate = {});

// The print command: the print dialog (cancel prints nothing), a job titled
// with the device name, the report, the end of the job. The caller unloads
// the tabs into the model first. True when a report was printed.
bool PrintReport(QWidget* parent, const T_Command_DEVICE& model, const QString& printDate = {},
                 const ReportDialogs& dialogs = {});

// The preview dialog with a "Сохранить в PDF..." action (objectName
// A_SaveReportPdf). The caller owns the dialog, which keeps a copy of the model.
QPrintPreviewDialog* CreateReportPreview(QWidget* parent, const T_Command_DEVICE& model,
                                         const QString& printDate = {}, const ReportDialogs& dialogs = {});
// Shows the preview modally.
void PreviewReport(QWidget* parent, const T_Command_DEVICE& model, const QString& printDate = {},
                   const ReportDialogs& dialogs = {});

// The report as an A4 PDF. The file is replaced atomically; false when it
// cannot be written.
bool ExportReportPdf(const QString& path, const T_Command_DEVICE& model, const QString& printDate = {});
// The same PDF as bytes.
QByteArray ReportPdfBytes(const T_Command_DEVICE& model, const QString& printDate = {});

}  // namespace kestrin
