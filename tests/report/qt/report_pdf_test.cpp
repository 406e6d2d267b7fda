#include <QAction>
#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

#include "model/codec.h"
#include "report/qt/report_printer.h"
#include "report/report_layout.h"
#include "support/pdf_text.h"

namespace kestrin {
namespace {

T_Command_DEVICE Sample() {
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetFileKey("FILE-KEY-7");
  m.SetAlarmRepeats(0);
  m.SetLoopType(1, 1);
  m.SetLoopDelay(1, 30);
  m.SetKeyMode(2, 2);
  m.SetKeyCode(2, "************");
  m.SetKeyName(2, Utf8ToCp1251("Обход"));
  return m;
}

class ReportPdf : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    if (!test::HavePdfTools()) GTEST_SKIP() << "poppler-utils not installed";
  }
  std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }
  QTemporaryDir dir_;
};

TEST(ReportQtCanvas, SetUpReadsResolutionOffsetsAndTheMonospacedFont) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(600);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 20, 10, 20),
                                   QPageLayout::Millimeter));
  QPainter painter(&writer);
  QtReportCanvas canvas(painter, writer);
  T_Command_DEVICE model;
  ConfigReport report(canvas, model, "");
  const ReportMetrics& m = report.ReportPageSetup();
  painter.end();
  EXPECT_EQ(m.dpiX, 600);
  // Qt keeps page margins in whole points, hence the tolerances.
  EXPECT_NEAR(m.originX, 236, 5);  // 10 mm
  EXPECT_NEAR(m.originY, 472, 5);  // 20 mm
  // 210 mm less four times 10 mm, in 1/250 inch.
  EXPECT_NEAR(m.usableWidth, 1673, 8);
  EXPECT_NEAR(m.pageLimit, 2136, 8);  // 297 mm less 80 mm
  // Courier New 11 pt (or its metric twin): 0.6 em wide characters.
  EXPECT_EQ(m.charWidth, 23);
  EXPECT_GE(m.lineHeight, 40);
  EXPECT_LE(m.lineHeight, 46);
  EXPECT_EQ(canvas.TextWidth(Utf8ToCp1251("Ключи"), ReportStyle::Bold),
            canvas.TextWidth("WWiii", ReportStyle::Regular));
}

TEST_F(ReportPdf, ExportWritesAnA4ReportWithEveryPart) {
  std::string path = Path("report.pdf");
  ASSERT_TRUE(ExportReportPdf(QString::fromStdString(path), Sample(), QStringLiteral("09.12.2026")));
  std::string text = test::PdfText(path);
  for (const char* expected :
       {"Конфигурация устройства:", "Ключ шифрования файла :\"FILE-KEY-7\"", "Тип устройства:ППКОП КЕСТРИН 18кГц 8",
        "Сигнализация и индикация:", "Общие параметры:", "Задержки на выход разделов (секунды):",
        "охранный с задержкой(30сек.)", "Число повторов тревог:Все тревоги", "Реле при нарушении КТС:",
        "Обход", "Патруль", "************", "001", "250", "Дата печати:09.12.2026", "Подпись:"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  }
  std::string info = test::PdfInfo(path);
  EXPECT_NE(info.find("ППКОП КЕСТРИН 18кГц 8"), std::string::npos) << info;
  EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
  EXPECT_EQ(info.find("Pages:           1\n"), std::string::npos) << "250 keys take several pages";
}

TEST_F(ReportPdf, ExportToAnUnwritablePlaceFailsAndLeavesNoFile) {
  QString path = QString::fromStdString(Path("missing/dir/report.pdf"));
  EXPECT_FALSE(ExportReportPdf(path, Sample(), QStringLiteral("01.01.2027")));
  EXPECT_FALSE(QFile::exists(path));
}

TEST_F(ReportPdf, PrintRunsOnlyAfterThePrinterIsChosen) {
  QString path = QString::fromStdString(Path("printed.pdf"));
  ReportDialogs cancel;
  bool asked = false;
  cancel.askPrinter = [&](QPrinter& printer, QWidget*) {
    asked = true;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return false;
  };
  EXPECT_FALSE(PrintReport(nullptr, Sample(), QStringLiteral("09.12.2026"), cancel));
  EXPECT_TRUE(asked);
  EXPECT_FALSE(QFile::exists(path)) << "a cancelled dialog prints nothing";

  ReportDialogs accept;
  QString jobTitle;
  accept.askPrinter = [&](QPrinter& printer, QWidget*) {
    jobTitle = printer.docName();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return true;
  };
  EXPECT_TRUE(PrintReport(nullptr, Sample(), QStringLiteral("09.12.2026"), accept));
  EXPECT_EQ(jobTitle, QStringLiteral("ППКОП КЕСТРИН 18кГц 8"));
  std::string text = test::PdfText(path.toStdString());
  EXPECT_NE(text.find("Дата печати:09.12.2026"), std::string::npos);
  EXPECT_NE(text.find("Тип устройства:ППКОП КЕСТРИН 18кГц 8"), std::string::npos);
}

// The Windows print dialog offers installed printers only: with none,
// "Печать" says so instead of showing nothing. Qt's Linux dialog can always
// print to a PDF file, so it is asked there.
TEST(ReportPrint, NoPrinterInstalledIsToldOnWindows) {
#ifdef _WIN32
  const bool windows = true;
#else
  const bool windows = false;
#endif
  const struct {
    QStringList printers;
    bool told;
  } rows[] = {{{}, windows}, {{QStringLiteral("Office")}, false}};
  for (const auto& row : rows) {
    ReportDialogs dialogs;
    dialogs.printers = [&] { return row.printers; };
    int asked = 0;
    dialogs.askPrinter = [&](QPrinter&, QWidget*) {
      ++asked;
      return false;
    };
    QString what, todo;
    dialogs.showError = [&](QWidget*, const QString& w, const QString& t) {
      what = w;
      todo = t;
    };
    EXPECT_FALSE(PrintReport(nullptr, Sample(), QStringLiteral("09.12.2026"), dialogs));
    EXPECT_EQ(asked, row.told ? 0 : 1) << row.printers.size();
    EXPECT_EQ(what, row.told ? QStringLiteral("Ошибка печати - принтер не найден") : QString());
    EXPECT_EQ(todo, row.told ? QStringLiteral("Проверьте наличие установленного принтера") : QString());
  }
}

TEST_F(ReportPdf, PreviewPaintsTheReportAndSavesItAsPdf) {
  ReportDialogs dialogs;
  QString chosen = QString::fromStdString(Path("from-preview"));
  dialogs.askPdfPath = [&](QWidget*) { return chosen; };
  T_Command_DEVICE model = Sample();
  std::unique_ptr<QPrintPreviewDialog> preview(
      CreateReportPreview(nullptr, model, QStringLiteral("09.12.2026"), dialogs));
  // The preview keeps its own copy: later edits do not leak into it.
  model.SetFileKey("CHANGED");

  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  QString painted = QString::fromStdString(Path("painted.pdf"));
  printer.setOutputFileName(painted);
  emit preview->paintRequested(&printer);
  std::string paintedText = test::PdfText(painted.toStdString());
  EXPECT_NE(paintedText.find("\"FILE-KEY-7\""), std::string::npos);

  auto* save = preview->findChild<QAction*>(QStringLiteral("A_SaveReportPdf"));
  ASSERT_NE(save, nullptr);
  EXPECT_EQ(save->text(), QStringLiteral("Сохранить в PDF..."));
  save->trigger();
  std::string saved = test::PdfText((chosen + QStringLiteral(".pdf")).toStdString());
  EXPECT_NE(saved.find("\"FILE-KEY-7\""), std::string::npos);
  EXPECT_EQ(saved.find("CHANGED"), std::string::npos);
}

TEST_F(ReportPdf, PreviewReportsAFailedSave) {
  ReportDialogs dialogs;
  dialogs.askPdfPath = [&](QWidget*) { return QString::fromStdString(Path("no/such/dir/r.pdf")); };
  QString what;
  dialogs.showError = [&](QWidget*, const QString& w, const QString&) { what = w; };
  std::unique_ptr<QPrintPreviewDialog> preview(CreateReportPreview(nullptr, Sample(), {}, dialogs));
  auto* save = preview->findChild<QAction*>(QStringLiteral("A_SaveReportPdf"));
  ASSERT_NE(save, nullptr);
  save->trigger();
  EXPECT_EQ(what, QStringLiteral("Ошибка записи в файл - файл не может быть создан"));
}

}  // namespace
}  // namespace kestrin
