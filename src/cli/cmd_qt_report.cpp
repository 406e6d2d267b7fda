// report: the printed configuration report as an A4 PDF.
#include <QByteArray>
#include <QGuiApplication>
#include <QString>
#include <cstdio>
#include <ostream>

#include "cli/commands.h"
#include "model/messages.h"
#include "model/reader.h"
#include "report/pdf/report_pdf.h"

namespace kestrin::cli {

namespace {

// Qt's own notes (in English, about its run-time folder, fonts, plugins) are
// not the tool's messages: everything kestrin-cfg prints is its own.
void QuietQtMessage(QtMsgType type, const QMessageLogContext&, const QString&) {
  if (type == QtFatalMsg) std::fputs("kestrin-cfg: внутренняя ошибка библиотеки Qt\n", stderr);
}

// Fonts and PDF output need a GUI application; a tool has no window, so the
// offscreen platform serves unless the caller chose another one.
void EnsureGuiApplication() {
  if (QCoreApplication::instance()) return;
#ifndef _WIN32
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
  qInstallMessageHandler(QuietQtMessage);
  static int argc = 1;
  static char name[] = "kestrin-cfg";
  static char* argv[] = {name, nullptr};
  // Lives until the process ends, as every Qt object here may use it.
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  (void)app;
}

int RunReport(Context& ctx) {
  auto opts = ParseOneArgument(ctx, "report", "нужен ровно один файл", {"-o", "--key", "--date"}, {});
  if (!opts) return kExitBadInput;
  T_Command_DEVICE model;
  if (int rc = LoadInputModel(ctx, *opts, model); rc != kExitOk) return rc;

  EnsureGuiApplication();
  QString date = QString::fromStdString(opts->Value("--date").value_or(""));
  QByteArray pdf = ReportPdfBytes(model, date);
  if (pdf.isEmpty()) {
    PrintPair(ctx, kMsgReportNotBuilt);
    return kExitBadInput;
  }
  return EmitOutput(ctx, *opts, pdf.toStdString()) ? kExitOk : kExitBadInput;
}

}  // namespace

const Command kReportCommand = {
    "report", "отчёт о конфигурации для печати (PDF, A4)",
    "Использование: kestrin-cfg report ФАЙЛ -o ОТЧЕТ.pdf [--key КЛЮЧ] [--date ДАТА]\n\n"
    "Строит печатный отчёт о конфигурации (все параметры, 250 ключей, строка\n"
    "подписи) и записывает его в PDF формата A4.\n"
    "  -o ФАЙЛ      записать PDF в файл (замена атомарная) вместо стандартного вывода\n"
    "  --key КЛЮЧ   ключ для зашифрованного контейнера (*.cry); \"-\" - прочитать\n"
    "               ключ из стандартного ввода\n"
    "  --date ДАТА  дата печати в отчёте (по умолчанию сегодняшняя, в кратком\n"
    "               формате системы; без языковой настройки, LANG=C, -\n"
    "               в русском: 10.12.2026)\n",
    RunReport};

}  // namespace kestrin::cli
