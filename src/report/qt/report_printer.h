#pragma once
// The configuration report on a printer and in the print preview (the
// window's side; the painting itself is in report/pdf/report_pdf.h).
#include <QString>
#include <QStringList>
#include <functional>

#include "files/atomic_file.h"
#include "model/device.h"
#include "report/pdf/report_pdf.h"

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace kestrin {

// Native dialogs, replaceable in tests.
struct ReportDialogs {
  // The names of the installed printers. Empty: the system's list.
  std::function<QStringList()> printers;
  // Asks for a printer; false when cancelled. Empty: the standard print dialog.
  std::function<bool(QPrinter& printer, QWidget* parent)> askPrinter;
  // Asks for a PDF file name; empty when cancelled. Empty: a save dialog.
  std::function<QString(QWidget* parent)> askPdfPath;
  // Shows a message pair (what happened, what to do). Empty: the error dialog.
  std::function<void(QWidget* parent, const QString& what, const QString& todo)> showError;
};

// The print command: the print dialog (cancel prints nothing), a job titled
// with the device name, the report, the end of the job. The caller unloads
// the tabs into the model first. True when a report was printed. Where the
// print dialog cannot print to a file (Windows), no printer installed is an
// error message instead of a dialog with nothing to choose.
bool PrintReport(QWidget* parent, const T_Command_DEVICE& model, const QString& printDate = {},
                 const ReportDialogs& dialogs = {});

// The preview dialog with a "Сохранить в PDF..." action (objectName
// A_SaveReportPdf), whose file goes through writer. The caller owns the
// dialog, which keeps a copy of the model and of the writer.
QPrintPreviewDialog* CreateReportPreview(QWidget* parent, const T_Command_DEVICE& model,
                                         const QString& printDate = {}, const ReportDialogs& dialogs = {},
                                         const FileWriter& writer = FileWriter());
// Shows the preview modally.
void PreviewReport(QWidget* parent, const T_Command_DEVICE& model, const QString& printDate = {},
                   const ReportDialogs& dialogs = {}, const FileWriter& writer = FileWriter());

}  // namespace kestrin
