// The configurator's program entry: the main window and its companions,
// then the message loop until the main window closes.
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "gui/widgets/hints.h"
#include "editor/tform2.h"

namespace {

// Without a display Qt would stop with an English message of its own.
bool HasDisplay() {
#if defined(_WIN32) || defined(__APPLE__)
  return true;
#else
  return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
         !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#endif
}

}  // namespace

int main(int argc, char** argv) {
  if (!HasDisplay()) {
    std::fputs(
        "Конфигуратор: не найден графический дисплей (переменные DISPLAY и WAYLAND_DISPLAY "
        "не заданы).\n"
        "Запустите программу в графическом сеансе, либо без экрана:\n"
        "  QT_QPA_PLATFORM=offscreen kestrin-configurator\n"
        "  xvfb-run kestrin-configurator\n",
        stderr);
    return 1;
  }
  QApplication app(argc, argv);

  // Qt's own dialogs (file and print dialogs, context menus) in Russian.
  QTranslator qtTranslator;
  if (qtTranslator.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                        QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app.installTranslator(&qtTranslator);
  }

  kestrin::TForm2Options options;
  const QStringList arguments = app.arguments();
  for (int i = 1; i < arguments.size(); ++i) options.args.push_back(arguments[i].toStdString());
  options.programFolder =
      QDir::toNativeSeparators(app.applicationDirPath() + QLatin1Char('/')).toStdString();

  kestrin::InstallHintTiming();
  kestrin::TForm2 window(options);  // runs FormCreate and creates the companion windows
  window.show();  // runs FormShow: the start-up file is loaded here
  return app.exec();
}
