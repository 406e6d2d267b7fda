// What Windows does differently, driven through the real window: used by
// scripts/windows-test under Wine (and on Linux for the reference bytes).
// Not part of the product.
//   kestrin-windows-check OUT_DIR CONFIG_FILE [DRIVE_FOLDER]
// Loads CONFIG_FILE, saves pictures of the Common and Keys tabs, presses
// "В устройство..." and prints the drive chooser's rows ("row: ..."), picks
// the first row (its picture too), prints the message shown after writing,
// presses "Применить" in "Настройки" (the platform's settings store), then
// "Печать" when no printer is installed, printing the message it shows.
// DRIVE_FOLDER (Linux): a folder offered as the one removable drive; on
// Windows the system's drives are listed.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLibraryInfo>
#include <QListWidget>
#include <QLocale>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <functional>
#include <memory>

#include "editor/tform2.h"
#include "files/drive_list.h"
#include "files/qt/settings_store.h"
#include "gui/widgets/hints.h"

namespace {

QString g_out;

void Settle() {
  for (int i = 0; i < 10; ++i) QApplication::processEvents();
}

void Save(QWidget& w, const QString& name) {
  Settle();
  const QString path = g_out + QLatin1Char('/') + name + QStringLiteral(".png");
  std::printf("%s %s\n", w.grab().save(path) ? "saved" : "FAILED", qPrintable(path));
}

void Print(const char* what, const QString& text) {
  std::printf("%s: %s\n", what, text.toUtf8().constData());
  std::fflush(stdout);
}

bool Click(QWidget* dialog, const char* name) {
  auto* b = dialog->findChild<QPushButton*>(QString::fromLatin1(name));
  if (!b || !b->isVisible() || !b->isEnabled()) return false;
  b->click();
  return true;
}

// Handles the modal windows one by one as they show, then stops.
void OnModals(std::function<bool(QWidget*)> handle) {
  QTimer::singleShot(100, [handle] {
    QWidget* w = QApplication::activeModalWidget();
    if (!w || !handle(w)) OnModals(handle);
  });
}

// A message window: its texts, then "Продолжить" (or "Исправить" of an error).
bool MessageAfterWrite(QWidget* w) {
  for (QLabel* l : w->findChildren<QLabel*>())
    if (!l->text().isEmpty() && l->isVisible()) Print("message", l->text());
  return Click(w, "BitBtnContinue") || Click(w, "B_Cancel") || Click(w, "B_Continue");
}

bool DriveChooser(QWidget* w) {
  auto* list = w->findChild<QListWidget*>(QStringLiteral("ListBoxDisks"));
  if (!list) return false;
  for (int i = 0; i < list->count(); ++i) Print("row", list->item(i)->text());
  Save(*w, QStringLiteral("windows-drive-chooser"));
  if (Click(w, "BtnOK")) {
    OnModals(MessageAfterWrite);
  } else {
    Print("rows", QStringLiteral("none"));
    Click(w, "BtnCancel");
  }
  return true;
}

QWidget* Page(kestrin::TForm2& window, const char* name) {
  QTabWidget* pages = window.Pages();
  for (int i = 0; i < pages->count(); ++i)
    if (pages->widget(i)->objectName() == QLatin1String(name)) {
      pages->setCurrentIndex(i);
      return pages->widget(i);
    }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 3) {
    std::fputs("usage: kestrin-windows-check OUT_DIR CONFIG_FILE [DRIVE_FOLDER]\n", stderr);
    return 2;
  }
  g_out = args[1];
  QDir().mkpath(g_out);
  Print("platform", QApplication::platformName());
  // Where the program's entry looks for Qt's own Russian texts.
  QTranslator qtRussian;
  Print("qt-translation",
        qtRussian.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
            ? QStringLiteral("loaded")
            : QStringLiteral("missing in ") + QLibraryInfo::path(QLibraryInfo::TranslationsPath));

  std::unique_ptr<kestrin::FakeDriveList> drives;
  kestrin::TForm2Options options;
  if (args.size() > 3) {
    const std::string root = QDir(args[3]).absolutePath().toStdString() + "/";
    drives = std::make_unique<kestrin::FakeDriveList>(
        std::vector<kestrin::DriveInfo>{{root, root, kestrin::DriveKind::Removable}});
    options.drives = drives.get();
    // The reference run keeps away from the user's own settings.
    options.settings = std::make_shared<kestrin::SettingsStore>(g_out + QStringLiteral("/settings.ini"));
  }
  options.args = {args[2].toStdString()};
  options.programFolder =
      QDir::toNativeSeparators(app.applicationDirPath() + QLatin1Char('/')).toStdString();
  kestrin::InstallHintTiming();
  kestrin::TForm2 window(options);
  window.resize(1000, 740);
  window.show();
  Settle();
  Print("title", window.windowTitle());
  Print("list-folder", QString::fromStdString(window.Settings().ListPathSave));

  for (const char* tab : {"Tab_Common", "Tab_Keys"}) {
    if (!Page(window, tab)) {
      Print("missing", QString::fromLatin1(tab));
      return 1;
    }
    Save(window, QStringLiteral("windows-%1").arg(QString::fromLatin1(tab).toLower()));
  }
  Page(window, "Tab_Common");

  OnModals(DriveChooser);
  window.findChild<QPushButton*>(QStringLiteral("B_SaveToDevice"))->click();
  Settle();

  OnModals([](QWidget* w) { return Click(w, "B_OK"); });
  window.findChild<QPushButton*>(QStringLiteral("B_Config"))->click();
  Print("settings", QStringLiteral("applied"));

  // "Печать" without a printer: the message, not the system's dialog (which
  // this program could not close, hence only then; Qt's Linux dialog opens
  // even without one, so only over the system's drives).
  const QStringList printers = QPrinterInfo::availablePrinterNames();
  Print("printers", QString::number(printers.size()));
  if (printers.isEmpty() && !drives) {
    OnModals(MessageAfterWrite);
    window.findChild<QPushButton*>(QStringLiteral("B_Print"))->click();
  }
  return 0;
}
