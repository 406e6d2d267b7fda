// "В устройство..." from the window: the disk's config.ini backed up before,
// both files read back after, and what the installer is told.
#include <QDir>
#include <QFileInfo>

#include "files/disk_io.h"
#include "model/writer.h"
#include "window_test_support.h"

namespace kestrin::test {
namespace {

// A disk that gives other bytes back than were written.
class ForgetfulDisk : public DiskReader {
 public:
  ReadStatus Read(const std::string& path, std::string& out) const override {
    const ReadStatus status = DiskReader::Read(path, out);
    if (path.find("config.ini") != std::string::npos && path.find("backups") == std::string::npos &&
        !out.empty())
      out[out.size() / 2] ^= 0x20;
    return status;
  }
};

class PanelWriteWindowTest : public WindowTest {
 protected:
  void StartWith(const DiskReader* reader = nullptr, const QString& backups = {}) {
    TForm2Options options = Options();
    options.diskReader = reader;
    if (!backups.isEmpty()) options.backupFolder = backups.toStdString();
    Start(options);
    Find<QLineEdit>("E_Common_KEY")->setText(QStringLiteral("K1"));  // the checks pass
  }
  // The drive chooser on the one removable drive, then the message after it.
  QString Write(const std::function<void(QDialog*)>& onMessage) {
    modals.ThenClick("BtnOK");
    modals.Then(onMessage);
    Find<QPushButton>("B_SaveToDevice")->click();
    return modals.seen.value(1);
  }
  QString Disk(const char* name) { return Path(QStringLiteral("disk/") + QLatin1String(name)); }
  QStringList Backups() { return QDir(Path(QStringLiteral("backups"))).entryList(QDir::Files); }
};

TEST_F(PanelWriteWindowTest, TheOldConfigIsBackedUpAndEnterClosesTheConfirmation) {
  StartWith();
  ASSERT_TRUE(WriteBytes(Disk("config.ini"), "the panel's old configuration"));
  bool closedByEnter = false;
  const QString told = Write([&closedByEnter](QDialog* d) {
    // The focused button ("Продолжить") takes Enter.
    TypeKey(d->focusWidget() ? d->focusWidget() : d, Qt::Key_Return);
    closedByEnter = !d->isVisible();
  });
  EXPECT_EQ(told, kWrittenBackedUp);
  EXPECT_TRUE(closedByEnter);
  EXPECT_EQ(ReadBytes(Disk("config.ini")).toStdString(), WriteConfigTextCrLf(window->Document().edited));
  ASSERT_EQ(Backups().size(), 1);
  EXPECT_TRUE(Backups().front().endsWith(QStringLiteral("_disk.ini"))) << Backups().front().toStdString();
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("backups/")) + Backups().front()),
            QByteArray("the panel's old configuration"));

  // A disk without config.ini: nothing to keep, one line.
  QFile::remove(Disk("config.ini"));
  modals.seen.clear();
  EXPECT_EQ(Write([](QDialog* d) { Click(d, "BitBtnContinue"); }), kWritten);
  EXPECT_EQ(Backups().size(), 1);
}

TEST_F(PanelWriteWindowTest, WhatReadsBackWrongOrCannotBeKeptIsAnErrorNotASuccess) {
  ForgetfulDisk forgetful;
  StartWith(&forgetful);
  EXPECT_EQ(Write([](QDialog* d) { Click(d, "B_Cancel"); }),
            QStringLiteral("error: Ошибка проверки записи - данные на диске устройства не совпадают с "
                           "записанными / Повторите запись. Если ошибка повторится, замените диск "
                           "устройства"));
  EXPECT_TRUE(window->isWindowModified());  // not taken for written

  // A backup folder that cannot be made: the disk is not touched.
  window.reset();
  modals.seen.clear();
  ASSERT_TRUE(WriteBytes(Path(QStringLiteral("file")), "a file where a folder should be"));
  StartWith(nullptr, Path(QStringLiteral("file/backups")));
  ASSERT_TRUE(WriteBytes(Disk("config.ini"), "old"));
  QFile::remove(Disk("clock.txt"));
  EXPECT_EQ(Write([](QDialog* d) { Click(d, "B_Cancel"); }),
            QStringLiteral("error: Ошибка записи в файл - файл не может быть создан / Проверьте отсутствие "
                           "запрета записи и наличие свободного места"));
  EXPECT_EQ(ReadBytes(Disk("config.ini")), QByteArray("old"));
  EXPECT_FALSE(QFileInfo::exists(Disk("clock.txt")));
}

}  // namespace
}  // namespace kestrin::test
