// Pictures of the main window for review: every shown tab over a realistic
// configuration, the comparison with the defaults, the read-only state and
// list mode. Not part of the product.
// Usage: kestrin-screenshots OUT_DIR CONFIG_FILE
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "gui/widgets/hints.h"
#include "editor/compare_window.h"
#include "editor/params_window.h"
#include "editor/tform2.h"
#include "files/qt/list_file_config.h"
#include "model/writer.h"

namespace {

void Settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

bool Save(QWidget& w, const QString& dir, const QString& name) {
  Settle();
  QString path = dir + QLatin1Char('/') + name + QStringLiteral(".png");
  bool ok = w.grab().save(path);
  std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
  return ok;
}

// Presses the continue button of whatever message shows next.
void ContinueNextMessage() {
  QTimer::singleShot(50, [] {
    if (QWidget* w = QApplication::activeModalWidget()) {
      for (const char* name : {"B_Continue", "BitBtnContinue", "B_Cancel"}) {
        auto* b = w->findChild<QPushButton*>(QString::fromLatin1(name));
        if (b && b->isVisible()) {
          b->click();
          return;
        }
      }
    } else {
      ContinueNextMessage();
    }
  });
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 3) {
    std::fputs("usage: kestrin-screenshots OUT_DIR CONFIG_FILE\n", stderr);
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out);
  QTemporaryDir work;
  const QString config = work.filePath(QStringLiteral("config.ini"));
  const QString second = work.filePath(QStringLiteral("second.ini"));
  if (!QFile::copy(QString::fromLocal8Bit(argv[2]), config) ||
      !QFile::copy(QString::fromLocal8Bit(argv[2]), second)) {
    std::fputs("cannot copy the configuration\n", stderr);
    return 2;
  }
  QFile::setPermissions(config, QFile::ReadOwner | QFile::WriteOwner);

  kestrin::InstallHintTiming();
  kestrin::TForm2Options options;
  options.args = {"-debug"};
  options.workFolder = work.path().toStdString();
  options.programFolder = (work.path() + QLatin1Char('/')).toStdString();
  options.settings = std::make_shared<kestrin::SettingsStore>(work.filePath(QStringLiteral("s.ini")));
  kestrin::TForm2 window(options);
  window.resize(1000, 740);
  window.show();
  Settle();

  bool ok = true;
  QTabWidget* pages = window.Pages();
  for (int i = 0; i < pages->count(); ++i) {
    if (!pages->isTabVisible(i)) continue;
    pages->setCurrentIndex(i);
    ok &= Save(window, out, QStringLiteral("window-%1-%2").arg(i, 2, 10, QLatin1Char('0')).arg(pages->widget(i)->objectName()));
  }
  pages->setCurrentIndex(0);

  // The configuration compared with the defaults.
  QFile defaults(work.filePath(QStringLiteral("defaults.ini")));
  kestrin::T_Command_DEVICE defaultModel;
  defaultModel.SetDefaults();
  if (defaults.open(QIODevice::WriteOnly)) {
    defaults.write(QByteArray::fromStdString(kestrin::WriteConfigTextCrLf(defaultModel)));
    defaults.close();
  }
  if (window.CompareWithFile(defaults.fileName())) {
    ok &= Save(*window.CompareView(), out, QStringLiteral("compare-defaults"));
    window.CompareView()->close();
  } else {
    ok = false;
  }
  // And with the file it was loaded from: nothing differs.
  if (window.CompareWithFile(config)) {
    ok &= Save(*window.CompareView(), out, QStringLiteral("compare-same"));
    window.CompareView()->close();
  } else {
    ok = false;
  }

  // Every parameter, then only what differs from the defaults.
  window.ShowAllParameters();
  if (kestrin::ParamsWindow* params = window.ParamsView()) {
    ok &= Save(*params, out, QStringLiteral("params-all"));
    params->ChangedOnly()->setChecked(true);
    ok &= Save(*params, out, QStringLiteral("params-changed"));
    params->FindField()->setText(QStringLiteral("шлейф тип"));
    ok &= Save(*params, out, QStringLiteral("params-find"));
    params->FindField()->clear();
    params->ChangedOnly()->setChecked(false);
    params->close();
  } else {
    ok = false;
  }

  // Read-only: lock.txt beside the file.
  QFile lock(work.filePath(QStringLiteral("lock.txt")));
  lock.open(QIODevice::WriteOnly);
  lock.close();
  ContinueNextMessage();
  window.OpenFile(second);
  ok &= Save(window, out, QStringLiteral("window-locked"));
  QFile::remove(lock.fileName());

  // List mode over the working folder, with a container beside the plain files.
  QFile::copy(QString::fromLocal8Bit(argv[2]).section(QLatin1Char('/'), 0, -3) +
                  QStringLiteral("/container/a_short_3line.cry"),
              work.filePath(QStringLiteral("panel.cry")));
  window.Settings().ListModeOpenSave = true;
  window.Settings().ListPathSave = (work.path() + QLatin1Char('/')).toStdString();
  window.B_OpenClick();
  for (int i = 0; i < 4; ++i) window.ListPanel()->TimerTestListConfigTimer();
  ok &= Save(window, out, QStringLiteral("window-list"));
  return ok ? 0 : 1;
}
