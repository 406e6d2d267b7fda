// "Сохранить в PDF..." of the preview replaces the file as every save does:
// a failure keeps the old file, leaves no temporary file and shows the
// save's message pair in the error dialog.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

#include "files/atomic_file.h"
#include "gui/dialogs/form_error_message.h"
#include "report/qt/report_printer.h"
#include "support/qt_modal_driver.h"

namespace kestrin {
namespace {

using test::ModalDriver;

class PreviewSave : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    model_.SetDefaults();
    model_.SetFileKey("K1");
    target_ = QDir(dir_.path()).filePath(QStringLiteral("report.pdf"));
    QFile f(target_);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(kOld), qint64(sizeof kOld - 1));
  }
  // Runs the preview's save action onto the target; the error dialog met
  // (message / recommendation), empty when none showed.
  QString SaveFromPreview(const FileWriter& writer = FileWriter()) {
    ReportDialogs dialogs;  // no showError: the program's error dialog
    dialogs.askPdfPath = [this](QWidget*) { return target_; };
    std::unique_ptr<QPrintPreviewDialog> preview(
        CreateReportPreview(nullptr, model_, QStringLiteral("09.12.2026"), dialogs, writer));
    auto* save = preview->findChild<QAction*>(QStringLiteral("A_SaveReportPdf"));
    EXPECT_NE(save, nullptr);
    if (!save) return {};
    ModalDriver driver;
    QString seen;
    driver.Then([&seen](QDialog* d) {
      auto* error = qobject_cast<TFormErrorMessage*>(d);
      ASSERT_NE(error, nullptr) << d->objectName().toStdString();
      seen = error->Message() + QStringLiteral(" / ") + error->Recommendation();
      ModalDriver::Click(d, "B_Cancel");
    });
    save->trigger();
    return seen;
  }
  QByteArray Target() const {
    QFile f(target_);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  QStringList Entries() const {
    return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
  }

  static constexpr char kOld[] = "%PDF-1.4 the old report";
  QTemporaryDir dir_;
  T_Command_DEVICE model_;
  QString target_;
};

TEST_F(PreviewSave, FailureKeepsTheOldFileAndShowsTheSavePair) {
  FileFaults faults;
  faults.failWriteAtByte = 200;
  faults.error = FaultError::NoSpace;
  EXPECT_EQ(SaveFromPreview(FileWriter(faults)),
            QStringLiteral("Ошибка записи в файл - файл не может быть создан / Проверьте отсутствие "
                           "запрета записи и наличие свободного места"));
  EXPECT_EQ(Target(), QByteArray(kOld));

  faults = FileFaults{};
  faults.failRename = true;
  EXPECT_EQ(SaveFromPreview(FileWriter(faults)),
            QStringLiteral("Ошибка записи в файл - файл не может быть записан / "
                           "Проверьте отсутствие запрета записи"));
  EXPECT_EQ(Target(), QByteArray(kOld));
  EXPECT_EQ(Entries(), QStringList{QStringLiteral("report.pdf")});
}

TEST_F(PreviewSave, WriteProtectedTargetIsRefusedAndAWritableOneReplaced) {
  ASSERT_TRUE(QFile::setPermissions(target_, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
  EXPECT_EQ(SaveFromPreview(), QStringLiteral("Ошибка записи в файл - файл не может быть записан / "
                                              "Проверьте отсутствие запрета записи"));
  EXPECT_EQ(Target(), QByteArray(kOld));

  ASSERT_TRUE(QFile::setPermissions(target_, QFile::ReadOwner | QFile::WriteOwner));
  EXPECT_EQ(SaveFromPreview(), QString());  // no message at all
  EXPECT_TRUE(Target().startsWith("%PDF-"));
  EXPECT_GT(Target().size(), qsizetype(sizeof kOld));
#ifndef _WIN32
  // Windows files have no mode bits to keep (Qt reports every file readable by all).
  EXPECT_EQ(QFile::permissions(target_) & (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther),
            QFile::ReadOwner | QFile::WriteOwner);
#endif
}

}  // namespace
}  // namespace kestrin
