#include "report/qt/report_printer.h"

#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>
#include <memory>

#include "model/messages.h"
#include "report/report_layout.h"

namespace kestrin {

namespace {

QString DateOrToday(const QString& date) { return date.isEmpty() ? ReportToday() : date; }

void ShowWriteError(QWidget* parent, const ReportDialogs& dialogs) {
  const QString what = QString::fromUtf8(kMsgCannotCreate.message);
  const QString todo = QString::fromUtf8(kMsgCannotCreate.recommendation);
  if (dialogs.showError) {
    dialogs.showError(parent, what, todo);
  } else {
    QMessageBox::warning(parent, QStringLiteral("Ошибка"), what + QLatin1Char('\n') + todo);
  }
}

}  // namespace

bool PrintReport(QWidget* parent, const T_Command_DEVICE& model, const QString& printDate,
                 const ReportDialogs& dialogs) {
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
                                         const QString& printDate, const ReportDialogs& dialogs) {
  auto* preview = new QPrintPreviewDialog(parent);
  preview->printer()->setDocName(QString::fromUtf8(kReportJobTitle));
  // The preview lives on after the caller's model may have changed: keep a copy.
  auto snapshot = std::make_shared<T_Command_DEVICE>(model);
  QString date = DateOrToday(printDate);
  QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview,
                   [snapshot, date](QPrinter* printer) { RenderReport(*printer, *snapshot, date); });

  auto* save = new QAction(QStringLiteral("Сохранить в PDF..."), preview);
  save->setObjectName(QStringLiteral("A_SaveReportPdf"));
  QObject::connect(save, &QAction::triggered, preview, [preview, snapshot, date, dialogs]() {
    QString path = dialogs.askPdfPath
                       ? dialogs.askPdfPath(preview)
                       : QFileDialog::getSaveFileName(preview, QStringLiteral("Сохранить в PDF"), QString(),
                                                      QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    if (!ExportReportPdf(path, *snapshot, date)) ShowWriteError(preview, dialogs);
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
                   const ReportDialogs& dialogs) {
  std::unique_ptr<QPrintPreviewDialog> preview(CreateReportPreview(parent, model, printDate, dialogs));
  preview->exec();
}

}  // namespace kestrin
