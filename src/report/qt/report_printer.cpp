#include "report/qt/report_printer.h"

#include <QAction>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QToolBar>
#include <memory>
#include <string_view>

#include "files/atomic_file.h"
#include "gui/dialogs/form_error_message.h"
#include "model/messages.h"
#include "report/report_layout.h"

namespace kestrin {

namespace {

QString DateOrToday(const QString& date) { return date.isEmpty() ? ReportToday() : date; }

void ShowFailure(QWidget* parent, const ReportDialogs& dialogs, const MessagePair& pair) {
  const QString what = QString::fromUtf8(pair.message);
  const QString todo = QString::fromUtf8(pair.recommendation);
  if (dialogs.showError) {
    dialogs.showError(parent, what, todo);
    return;
  }
  TFormErrorMessage dialog(parent);
  dialog.SetMessages(what, todo, true, false);
  dialog.exec();
}

// The PDF goes through the same replacing routine as every saved file, so a
// failure keeps the old file and names the same cause as a failed save.
void SavePdf(QWidget* parent, const QString& path, const T_Command_DEVICE& model,
             const QString& date, const ReportDialogs& dialogs, const FileWriter& writer) {
  const QByteArray pdf = ReportPdfBytes(model, date);
  if (pdf.isEmpty()) {
    ShowFailure(parent, dialogs, kMsgReportNotBuilt);
    return;
  }
  const WriteResult r =
      writer.Replace(path.toStdString(), std::string_view(pdf.constData(), pdf.size()));
  if (r != WriteResult::Ok) ShowFailure(parent, dialogs, WriteFailurePair(r));
}

// Qt's own print dialog on Linux can print to a PDF file; the Windows one
// offers only the installed printers, and with none shows nothing.
bool NoPrinterToChoose(const ReportDialogs& dialogs) {
#ifdef _WIN32
  // A dialog given in place of the system's decides for itself.
  if (!dialogs.printers && dialogs.askPrinter) return false;
  const QStringList names =
      dialogs.printers ? dialogs.printers() : QPrinterInfo::availablePrinterNames();
  return names.isEmpty();
#else
  (void)dialogs;
  return false;
#endif
}

}  // namespace

bool PrintReport(QWidget* parent, const T_Command_DEVICE& model, const QString& printDate,
                 const ReportDialogs& dialogs) {
  if (NoPrinterToChoose(dialogs)) {
    ShowFailure(parent, dialogs, kMsgNoPrinter);
    return false;
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QString::fromUtf8(kReportJobTitle));
  bool accepted = false;
  if (dialogs.askPrinter) {
    accepted = dialogs.askPrinter(printer, parent);
  } else {
    QPrintDialog dialog(&printer, parent);
    accepted = dialog.exec() == QDialog::Accepted;
  }
  if (!accepted) return false;
  return RenderReport(printer, model, printDate) > 0;
}

QPrintPreviewDialog* CreateReportPreview(QWidget* parent, const T_Command_DEVICE& model,
                                         const QString& printDate, const ReportDialogs& dialogs,
                                         const FileWriter& writer) {
  auto* preview = new QPrintPreviewDialog(parent);
  preview->printer()->setDocName(QString::fromUtf8(kReportJobTitle));
  // The preview lives on after the caller's model may have changed: keep a copy.
  auto snapshot = std::make_shared<T_Command_DEVICE>(model);
  QString date = DateOrToday(printDate);
  QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview,
                   [snapshot, date](QPrinter* printer) { RenderReport(*printer, *snapshot, date); });

  auto* save = new QAction(QStringLiteral("Сохранить в PDF..."), preview);
  save->setObjectName(QStringLiteral("A_SaveReportPdf"));
  QObject::connect(save, &QAction::triggered, preview, [preview, snapshot, date, dialogs, writer]() {
    QString path = dialogs.askPdfPath
                       ? dialogs.askPdfPath(preview)
                       : QFileDialog::getSaveFileName(preview, QStringLiteral("Сохранить в PDF"), QString(),
                                                      QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    SavePdf(preview, path, *snapshot, date, dialogs, writer);
  });
  if (auto* toolbar = preview->findChild<QToolBar*>()) {
    toolbar->addSeparator();
    toolbar->addAction(save);
  } else {
    preview->addAction(save);
  }
  return preview;
}

void PreviewReport(QWidget* parent, const T_Command_DEVICE& model, const QString& printDate,
                   const ReportDialogs& dialogs, const FileWriter& writer) {
  std::unique_ptr<QPrintPreviewDialog> preview(
      CreateReportPreview(parent, model, printDate, dialogs, writer));
  preview->exec();
}

}  // namespace kestrin
