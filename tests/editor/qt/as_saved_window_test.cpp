// The window's save and print of a file as opened against what the command
// line's --as-saved makes of it (ApplyAsSaved): the same bytes, the same
// report text.
#include <QPageLayout>
#include <QPrinter>

#include "files/workflow.h"
#include "model/reader.h"
#include "model/type_codes.h"
#include "model/writer.h"
#include "report/checks.h"
#include "report/pdf/report_pdf.h"
#include "support/pdf_text.h"
#include "support/save_rules_model.h"
#include "window_test_support.h"

namespace kestrin::test {
namespace {

T_Command_DEVICE AsSaved(const QString& path) {
  T_Command_DEVICE m;
  LoadConfigText(ReadBytes(path).toStdString(), m);
  ApplyAsSaved(m, std::string());
  return m;
}

// Where two texts part, with a little of each (not the whole report).
std::string FirstDifference(const std::string& a, const std::string& b) {
  size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  if (i == a.size() && i == b.size()) return {};
  const size_t from = i < 40 ? 0 : i - 40;
  return "at " + std::to_string(i) + ": \"" + a.substr(from, 80) + "\" vs \"" + b.substr(from, 80) + "\"";
}

class AsSavedWindowTest : public WindowTest {
 protected:
  // Files the checks accept as the window saves them (at least two).
  QStringList Files() {
    T_Command_DEVICE m = ModelTheSaveChanges();
    m.SetLoopType(3, Code(LoopType::kPatrol));
    m.SetLoopPartition(3, 4);
    m.SetRelayType(4, Code(RelayType::kSiren1Guard));
    m.SetRelayTime(4, 0);
    m.SetRelayPartitions(4, 0);
    const QString own = Work(QStringLiteral("rules.ini"));
    EXPECT_TRUE(WriteBytes(own, QByteArray::fromStdString(WriteConfigTextCrLf(m))));
    QStringList files{own};
    for (const char* fixture : {"language/default_text_roundtrip.in", "language/limit_examples.in",
                                "language/key7_marked_name_code.in", "language/lf_only_realistic.in",
                                "language/realistic_office_roundtrip.in"})
      files << Copy(fixture, QString::fromLatin1(fixture).section(QLatin1Char('/'), 1));
    files.removeIf([](const QString& path) { return !ReportViolations(AsSaved(path)).empty(); });
    EXPECT_GE(files.size(), 2);
    return files;
  }
  void Open(const QString& path) {
    dialogs.openAnswer = path;
    Find<QPushButton>("B_Open")->click();
    ASSERT_EQ(QFileInfo(window->LoadedPath()), QFileInfo(path));
  }
};

TEST_F(AsSavedWindowTest, TheWindowsSaveIsNormalizeAsSaved) {
  Start();
  for (const QString& path : Files()) {
    SCOPED_TRACE(path.toStdString());
    Open(path);
    dialogs.saveAnswer = path + QStringLiteral(".saved");
    modals.seen.clear();
    modals.ThenClick("BitBtnContinue");
    Find<QPushButton>("B_Save")->click();
    ASSERT_EQ(modals.seen, QStringList{kSaved});
    const std::string saved = ReadBytes(dialogs.saveAnswer).toStdString();
    EXPECT_EQ(FirstDifference(saved, WriteConfigTextCrLf(AsSaved(path))), "");
  }
}

TEST_F(AsSavedWindowTest, TheWindowsPrintIsTheReportAsSaved) {
  if (!HavePdfTools()) GTEST_SKIP() << "pdftotext is not installed";
  const QString printed = Path(QStringLiteral("printed.pdf"));
  TForm2Options options = Options();
  options.reportDialogs.askPrinter = [&printed](QPrinter& printer, QWidget*) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    // The page the command line's PDF pretends to be: A4 with 6 mm a printer cannot reach.
    printer.setResolution(600);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(6, 6, 6, 6), QPageLayout::Millimeter));
    printer.setOutputFileName(printed);
    return true;
  };
  Start(options);
  for (const QString& path : Files()) {
    SCOPED_TRACE(path.toStdString());
    Open(path);
    QFile::remove(printed);
    Find<QPushButton>("B_Print")->click();
    const QString expected = Path(QStringLiteral("expected.pdf"));
    ASSERT_TRUE(WriteBytes(expected, ReportPdfBytes(AsSaved(path))));
    const std::string text = PdfText(printed.toStdString());
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(FirstDifference(text, PdfText(expected.toStdString())), "");
  }
}

}  // namespace
}  // namespace kestrin::test
