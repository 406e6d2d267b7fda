// The drive chooser and the folder tree over fake drives and temporary folders.
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>

#include "files/program_settings.h"
#include "files/qt/form_logical_disks.h"
#include "files/qt/form_select_path_tree.h"

namespace kestrin {
namespace {

// Runs action on the first modal dialog that appears (checked every 10 ms).
void OnModal(std::function<void(QWidget*)> action) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, action] {
    if (QWidget* w = QApplication::activeModalWidget()) {
      timer->stop();
      timer->deleteLater();
      action(w);
    }
  });
  timer->start();
}

void Click(QWidget* dialog, const char* name) {
  auto* b = dialog->findChild<QPushButton*>(QString::fromLatin1(name));
  ASSERT_NE(b, nullptr) << name;
  b->click();
}

void PressKey(QWidget* w, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
}

std::string Root(const QTemporaryDir& dir, const char* sub = "") {
  return (QDir(dir.path()).filePath(QString::fromLatin1(sub)) + "/").toStdString();
}

TEST(DriveChooser, NoRemovableDriveOffersNothing) {
  QTemporaryDir dir;
  FakeDriveList drives({{"/", "/", DriveKind::Fixed}, {"/net", "/net/", DriveKind::Remote},
                        {"/cd", "/cd/", DriveKind::CdRom}});
  TFormLogicalDisks form(&drives);
  OnModal([](QWidget* w) {
    auto* list = w->findChild<QListWidget*>("ListBoxDisks");
    EXPECT_EQ(list->count(), 0);
    EXPECT_FALSE(w->findChild<QPushButton*>("BtnOK")->isEnabled());
    // The dialog's own focus: the application's waits for the window to be active.
    EXPECT_EQ(w->focusWidget(), w->findChild<QPushButton*>("BtnCancel"));
    // "Выбрать" is disabled, so Enter must not close with a drive.
    Click(w, "BtnOK");
    Click(w, "BtnCancel");
  });
  EXPECT_EQ(form.exec(), QDialog::Rejected);
  EXPECT_FALSE(form.SelectedDrive().has_value());
  EXPECT_TRUE(form.SelectedDiskRoot().isEmpty());
}

TEST(DriveChooser, ListsRemovableDrivesAndReturnsTheChosenRoot) {
  FakeDriveList drives({{"/", "/", DriveKind::Fixed},
                        {"/media/a", "/media/a/", DriveKind::Removable},
                        {"/net", "/net/", DriveKind::Remote},
                        {"E:", "E:\\", DriveKind::Removable}});
  TFormLogicalDisks form(&drives);
  OnModal([](QWidget* w) {
    auto* list = w->findChild<QListWidget*>("ListBoxDisks");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Disk /media/a [сменный диск]"));
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Disk E: [сменный диск]"));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_TRUE(w->findChild<QPushButton*>("BtnOK")->isEnabled());
    list->setCurrentRow(1);
    Click(w, "BtnOK");
  });
  EXPECT_EQ(form.exec(), QDialog::Accepted);
  EXPECT_EQ(form.SelectedDiskLetter(), QStringLiteral("E:"));
  EXPECT_EQ(form.SelectedDiskRoot(), QStringLiteral("E:\\"));

  // Shown again: the list is read anew and the first row is selected again.
  drives.SetDrives({{"/media/b", "/media/b/", DriveKind::Removable}});
  OnModal([](QWidget* w) {
    auto* list = w->findChild<QListWidget*>("ListBoxDisks");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->currentRow(), 0);
    Click(w, "BtnOK");
  });
  EXPECT_EQ(form.exec(), QDialog::Accepted);
  EXPECT_EQ(form.SelectedDiskRoot(), QStringLiteral("/media/b/"));
}

TEST(DriveChooser, CancelAndEscYieldNoDriveEvenWithARowSelected) {
  FakeDriveList drives({{"/media/a", "/media/a/", DriveKind::Removable}});
  TFormLogicalDisks form(&drives);
  OnModal([](QWidget* w) {
    EXPECT_EQ(w->findChild<QListWidget*>("ListBoxDisks")->currentRow(), 0);
    Click(w, "BtnCancel");
  });
  EXPECT_EQ(form.exec(), QDialog::Rejected);
  EXPECT_TRUE(form.SelectedDiskLetter().isEmpty());

  OnModal([](QWidget* w) { PressKey(w, Qt::Key_Escape); });
  EXPECT_EQ(form.exec(), QDialog::Rejected);
  EXPECT_FALSE(form.SelectedDrive().has_value());

  OnModal([](QWidget* w) { w->close(); });  // title bar
  EXPECT_EQ(form.exec(), QDialog::Rejected);
  EXPECT_FALSE(form.SelectedDrive().has_value());
}

class FolderTree : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    QDir d(dir.path());
    for (const char* p : {"disk/beta/inner", "disk/alpha", "disk/.hidden/x", "disk/onlyhidden/.h",
                          "empty"})
      ASSERT_TRUE(d.mkpath(QString::fromLatin1(p)));
    QFile f(d.filePath("disk/file.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    drives.SetDrives({{"USB", Root(dir, "disk"), DriveKind::Removable},
                      {"GONE", Root(dir, "missing"), DriveKind::NoRoot},
                      {"EMPTY", Root(dir, "empty"), DriveKind::Fixed},
                      {"NOMEDIA", Root(dir, "nomedia"), DriveKind::CdRom}});
  }

  static QTreeWidgetItem* Child(QTreeWidgetItem* node, const QString& text) {
    for (int i = 0; i < node->childCount(); ++i)
      if (node->child(i)->text(0) == text) return node->child(i);
    return nullptr;
  }
  static QStringList Texts(QTreeWidgetItem* node) {
    QStringList out;
    for (int i = 0; i < node->childCount(); ++i) out << node->child(i)->text(0);
    return out;
  }
  static bool Expandable(QTreeWidgetItem* node) {
    return node->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator;
  }

  QTemporaryDir dir;
  FakeDriveList drives;
};

TEST_F(FolderTree, RootsAreDrivesWithRootsAndAreNotReadUntilExpanded) {
  TFormSelectPathTree form(&drives);
  auto* tv = form.findChild<QTreeWidget*>("TV_Path");
  ASSERT_EQ(tv->topLevelItemCount(), 3);
  EXPECT_EQ(tv->topLevelItem(0)->text(0), "EMPTY");  // sorted by text
  EXPECT_EQ(tv->topLevelItem(1)->text(0), "NOMEDIA");
  EXPECT_EQ(tv->topLevelItem(2)->text(0), "USB");
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(tv->topLevelItem(i)->childCount(), 0);
    EXPECT_TRUE(Expandable(tv->topLevelItem(i)));
    EXPECT_FALSE(tv->topLevelItem(i)->icon(0).isNull());
  }
  EXPECT_EQ(tv->indentation(), 19);
  EXPECT_EQ(form.findChild<QLabel*>("StaticText_TempPath")->text(), "<none>");
}

TEST_F(FolderTree, ExpansionListsVisibleSubfoldersAndMarksOnlyThoseWithVisibleChildren) {
  TFormSelectPathTree form(&drives);
  auto* tv = form.findChild<QTreeWidget*>("TV_Path");
  QTreeWidgetItem* usb = tv->topLevelItem(2);
  usb->setExpanded(true);
  EXPECT_EQ(Texts(usb), (QStringList{"alpha", "beta", "onlyhidden"}));
  EXPECT_TRUE(Expandable(Child(usb, "beta")));
  EXPECT_FALSE(Expandable(Child(usb, "alpha")));
  EXPECT_FALSE(Expandable(Child(usb, "onlyhidden")));  // its only subfolder is hidden

  QTreeWidgetItem* beta = Child(usb, "beta");
  beta->setExpanded(true);
  EXPECT_EQ(Texts(beta), QStringList{"inner"});
  // Below the root, each folder ends in the platform's delimiter ("\\" on Windows).
  const QChar d = QLatin1Char(kPathDelimiter);
  EXPECT_EQ(form.NodePath(Child(beta, "inner")),
            QString::fromStdString(Root(dir, "disk")) + "beta" + d + "inner" + d);

  // Every expansion reads the folder again.
  ASSERT_TRUE(QDir(dir.path()).mkpath("disk/gamma"));
  usb->setExpanded(false);
  usb->setExpanded(true);
  EXPECT_EQ(Texts(usb), (QStringList{"alpha", "beta", "gamma", "onlyhidden"}));
}

TEST_F(FolderTree, EmptyDriveOrDriveWithoutMediumLosesItsExpandMark) {
  TFormSelectPathTree form(&drives);
  auto* tv = form.findChild<QTreeWidget*>("TV_Path");
  for (int i : {0, 1}) {
    QTreeWidgetItem* node = tv->topLevelItem(i);
    node->setExpanded(true);
    EXPECT_EQ(node->childCount(), 0);
    EXPECT_FALSE(Expandable(node)) << node->text(0).toStdString();
  }
}

TEST_F(FolderTree, ApplyReturnsTheChosenPathOrNoneAndCancelKeepsTheIncomingOne) {
  TFormSelectPathTree form(&drives);
  form.SetSelectedPath("/incoming/");
  OnModal([](QWidget* w) { Click(w, "BtnOK"); });
  EXPECT_EQ(form.exec(), QDialog::Accepted);
  EXPECT_EQ(form.SelectedPath(), "<none>");

  form.SetSelectedPath("/incoming/");
  const QString expected =
      QString::fromStdString(Root(dir, "disk")) + "alpha" + QLatin1Char(kPathDelimiter);
  OnModal([expected](QWidget* w) {
    auto* tv = w->findChild<QTreeWidget*>("TV_Path");
    QTreeWidgetItem* usb = tv->topLevelItem(2);
    usb->setExpanded(true);
    tv->setCurrentItem(usb->child(0));
    EXPECT_EQ(w->findChild<QLabel*>("StaticText_TempPath")->text(), expected);
    Click(w, "BtnCancel");
  });
  EXPECT_EQ(form.exec(), QDialog::Rejected);
  EXPECT_EQ(form.SelectedPath(), "/incoming/");

  // The static text keeps its last value between showings.
  OnModal([](QWidget* w) { Click(w, "BtnOK"); });
  EXPECT_EQ(form.exec(), QDialog::Accepted);
  EXPECT_EQ(form.SelectedPath(), expected);
}

}  // namespace
}  // namespace kestrin
