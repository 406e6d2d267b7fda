#pragma once
// Shared by the main window tests: fake file dialogs, the description of
// each message met, and a window over a temporary folder and settings.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <deque>
#include <functional>
#include <memory>

#include "gui/widgets/hints.h"
#include "editor/tform2.h"
#include "files/drive_list.h"
#include "files/qt/file_dialogs.h"
#include "support/qt_modal_driver.h"
#include "gui/dialogs/dialog_message_service.h"
#include "gui/dialogs/form_dialog_set_key_config.h"
#include "gui/dialogs/form_error_message.h"
#include "gui/dialogs/form_ok_message.h"
#include "recorded_messages.h"

namespace kestrin::test {

class FakeFileDialogs : public FileDialogs {
 public:
  QString openAnswer;
  QString saveAnswer;
  int openCalls = 0;
  int saveCalls = 0;
  QStringList lastFilters;
  QString lastSelected;
  QString lastFolder;
  QString lastProposed;

  QString OpenFile(QWidget*, const QStringList& filters, const QString& selected,
                   const QString&) override {
    ++openCalls;
    lastFilters = filters;
    lastSelected = selected;
    return openAnswer;
  }
  QString SaveFile(QWidget*, const QString& folder, const QString& proposedName,
                   const QStringList& filters, const QString&) override {
    ++saveCalls;
    lastFolder = folder;
    lastProposed = proposedName;
    lastFilters = filters;
    return saveAnswer;
  }
};

// One line per dialog seen: "<objectName>: <message> / <second text>".
inline QString Describe(QWidget* w) {
  if (auto* e = qobject_cast<TFormErrorMessage*>(w))
    return QStringLiteral("error: ") + e->Message() + QStringLiteral(" / ") + e->Recommendation();
  if (auto* o = qobject_cast<TFormOkMessage*>(w))
    return QStringLiteral("ok: ") + o->Message() + QStringLiteral(" / ") + o->SecondLine();
  if (qobject_cast<TFormDialogSetKeyConfig*>(w)) return QStringLiteral("key");
  return w->objectName();
}

// The title as the window system shows it ("[*]" resolved).
inline QString ShownTitle(const QWidget& window) {
  return window.windowHandle() ? window.windowHandle()->title() : QString();
}

inline void Click(QWidget* dialog, const char* button) { ModalDriver::Click(dialog, button); }

inline QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The container fixture and the key that opens it (blanks count as typed).
inline const char* kContainerFixture = "container/b_offset5_filler.cry";
inline QString ContainerKey() { return QStringLiteral("  пароль 42  "); }

// A missing fixture fails the test that wanted it, by name.
inline QString FixturePath(const char* relative) {
  const QString path = QStringLiteral(KESTRIN_FIXTURES "/") + QString::fromLatin1(relative);
  if (!QFile::exists(path)) ADD_FAILURE() << "test fixture missing: " << path.toStdString();
  return path;
}

// A writable copy of a fixture at target (replacing what was there).
inline QString CopyFixtureTo(const char* fixture, const QString& target) {
  QFile::remove(target);
  EXPECT_TRUE(QFile::copy(FixturePath(fixture), target));
  QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
  return target;
}

// A window over a temporary working folder and settings file.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkpath(QStringLiteral("work"));
    QDir(dir.path()).mkpath(QStringLiteral("disk"));
    modals.SetDescriber(Describe);
    drives.SetDrives({{"disk", (Path("disk") + QLatin1Char('/')).toStdString(),
                       DriveKind::Removable}});
  }
  void TearDown() override {
    window.reset();
  }

  QString Path(const QString& relative) const { return dir.path() + QLatin1Char('/') + relative; }
  QString Work(const QString& name) const { return Path(QStringLiteral("work/") + name); }
  // A writable copy of a fixture in the work folder.
  QString Copy(const char* fixture, const QString& name) const { return CopyFixtureTo(fixture, Work(name)); }

  std::shared_ptr<SettingsStore> Store() {
    return std::make_shared<SettingsStore>(Path(QStringLiteral("settings.ini")));
  }

  // The window's options over this fixture's folders, drives and dialogs.
  TForm2Options Options(std::vector<std::string> args = {}) {
    TForm2Options options;
    options.args = std::move(args);
    options.workFolder = Work(QString()).toStdString();
    options.programFolder = (dir.path() + QLatin1Char('/')).toStdString();
    options.drives = &drives;
    options.fileDialogs = &dialogs;
    options.settings = Store();
    options.messages = messages;
    options.writer = writer;
    // Panel writes back up here, never into the user's documents.
    options.backupFolder = Path(QStringLiteral("backups")).toStdString();
    return options;
  }

  // Creates and shows the window (which loads the start-up file).
  TForm2& Start(std::vector<std::string> args = {}) { return Start(Options(std::move(args))); }
  TForm2& Start(const TForm2Options& options) {
    window = std::make_unique<TForm2>(options);
    window->show();
    QApplication::setActiveWindow(window.get());
    return *window;
  }

  // Builds the window again, now with a print dialog that counts its
  // askings in asked and is always cancelled (nothing is printed).
  TForm2& StartWithCancelledPrinter(int& asked) {
    window.reset();
    TForm2Options options = Options();
    options.reportDialogs.askPrinter = [&asked](QPrinter&, QWidget*) {
      ++asked;
      return false;
    };
    return Start(options);
  }

  // The window's own key dialog.
  TFormDialogSetKeyConfig& KeyDialog() const { return window->OwnMessages()->KeyDialog(); }

  template <class T = QWidget>
  T* Find(const char* name) const {
    return window->findChild<T*>(QString::fromLatin1(name));
  }

  QTemporaryDir dir;
  FakeFileDialogs dialogs;
  FakeDriveList drives;
  ModalDriver modals{ModalDriver::Pace::EveryTick};
  MessageService* messages = nullptr;  // null: the window's own dialogs
  const FileWriter* writer = nullptr;  // null: the window's own file writer
  std::unique_ptr<TForm2> window;
};

}  // namespace kestrin::test
