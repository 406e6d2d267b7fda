// Enter and Esc in the drive chooser, the folder tree and the settings
// dialog: Enter presses the focused button only, Esc cancels.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "files/qt/dialog_config.h"
#include "gui/widgets/hints.h"
#include "files/qt/form_logical_disks.h"
#include "files/qt/form_select_path_tree.h"
#include "files/qt/settings_store.h"
#include "support/qt_modal_driver.h"

namespace kestrin {
namespace {

using test::Button;
using test::ModalDriver;
using test::TypeKey;

// Gives the control the focus and presses key on it, as typing would.
void PressOn(QWidget* control, int key) {
  control->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(control->hasFocus()) << control->objectName().toStdString();
  TypeKey(control, key);
}

class DriveChooserKeys : public ::testing::Test {
 protected:
  FakeDriveList drives{std::vector<DriveInfo>{{"/media/a", "/media/a/", DriveKind::Removable},
                                              {"/media/b", "/media/b/", DriveKind::Removable}}};
  TFormLogicalDisks form{&drives};
};

TEST_F(DriveChooserKeys, EnterOnTheFocusedCancelChoosesNoDrive) {
  ModalDriver driver;
  bool cancelFocused = false;
  driver.Then([&](QDialog* d) {
    // The focus starts on "Отказаться", a drive row selected.
    cancelFocused = Button(d, "BtnCancel")->hasFocus();
    TypeKey(QApplication::focusWidget(), Qt::Key_Return);
  });
  EXPECT_EQ(form.exec(), QDialog::Rejected);
  EXPECT_TRUE(cancelFocused);
  EXPECT_FALSE(form.SelectedDrive().has_value());
  EXPECT_EQ(driver.Unexpected(), 0);
}

TEST_F(DriveChooserKeys, EnterOnTheListChoosesNothingAndEnterOnChooseChooses) {
  ModalDriver driver;
  bool openAfterListEnter = false;
  driver.Then([&](QDialog* d) {
    auto* list = d->findChild<QListWidget*>(QStringLiteral("ListBoxDisks"));
    list->setCurrentRow(1);
    PressOn(list, Qt::Key_Return);
    PressOn(list, Qt::Key_Enter);
    openAfterListEnter = d->isVisible() && d->result() == 0;
    PressOn(Button(d, "BtnOK"), Qt::Key_Return);
  });
  EXPECT_EQ(form.exec(), QDialog::Accepted);
  EXPECT_TRUE(openAfterListEnter);
  EXPECT_EQ(form.SelectedDiskRoot(), QStringLiteral("/media/b/"));

  // Esc from the list: no drive, even with a row selected.
  driver.Then([](QDialog* d) {
    PressOn(d->findChild<QListWidget*>(QStringLiteral("ListBoxDisks")), Qt::Key_Escape);
  });
  EXPECT_EQ(form.exec(), QDialog::Rejected);
  EXPECT_FALSE(form.SelectedDrive().has_value());
  EXPECT_EQ(driver.Unexpected(), 0);
}

TEST(FolderTreeKeys, EnterPressesOnlyTheFocusedButton) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("disk/alpha")));
  const std::string root = (dir.path() + QStringLiteral("/disk/")).toStdString();
  FakeDriveList drives({{"USB", root, DriveKind::Removable}});
  TFormSelectPathTree form(&drives);
  form.SetSelectedPath(QStringLiteral("/incoming/"));

  ModalDriver driver;
  bool openAfterTreeEnter = false;
  driver
      .Then([&](QDialog* d) {
        auto* tree = d->findChild<QTreeWidget*>(QStringLiteral("TV_Path"));
        tree->topLevelItem(0)->setSelected(true);
        PressOn(tree, Qt::Key_Return);
        openAfterTreeEnter = d->isVisible() && d->result() == 0;
        PressOn(Button(d, "BtnCancel"), Qt::Key_Return);
      })
      .Then([](QDialog* d) { PressOn(Button(d, "BtnOK"), Qt::Key_Return); });
  EXPECT_EQ(form.exec(), QDialog::Rejected);
  EXPECT_TRUE(openAfterTreeEnter);
  EXPECT_EQ(form.SelectedPath(), QStringLiteral("/incoming/"));
  EXPECT_EQ(form.exec(), QDialog::Accepted);
  EXPECT_EQ(form.SelectedPath(), QString::fromStdString(root));
  EXPECT_EQ(driver.Unexpected(), 0);
}

TEST(SettingsDialogKeys, EnterPressesTheFocusedButtonAndEscCancels) {
  QTemporaryDir dir;
  const QString ini = QDir(dir.path()).filePath(QStringLiteral("settings.ini"));
  ProgramSettings settings;
  settings.ProgramFolder = "/opt/prog/";
  settings.MaskPref = "RQX7";
  HintDisplay hints;
  TDialogConfig dialog(settings, hints, nullptr, SettingsStore(ini));

  ModalDriver driver;
  bool openAfterEditEnter = false;
  auto typePrefix = [](QDialog* d, const QString& text) {
    auto* pref = d->findChild<QLineEdit*>(QStringLiteral("E_MaskPref"));
    pref->setText(text);
    return pref;
  };
  driver
      .Then([&](QDialog* d) {
        // Enter in an edit applies nothing; Enter on "Отказаться" cancels.
        PressOn(typePrefix(d, QStringLiteral("AAA")), Qt::Key_Return);
        openAfterEditEnter = d->isVisible() && d->result() == 0;
        PressOn(Button(d, "B_Cancel"), Qt::Key_Return);
      })
      .Then([&](QDialog* d) { PressOn(typePrefix(d, QStringLiteral("BBB")), Qt::Key_Escape); })
      .Then([&](QDialog* d) {
        typePrefix(d, QStringLiteral("CCC"));
        PressOn(Button(d, "B_OK"), Qt::Key_Return);
      });
  dialog.exec();
  EXPECT_TRUE(openAfterEditEnter);
  EXPECT_EQ(settings.MaskPref, "RQX7");
  EXPECT_EQ(dialog.exec(), QDialog::Rejected);
  EXPECT_EQ(settings.MaskPref, "RQX7");
  dialog.exec();
  EXPECT_EQ(settings.MaskPref, "CCC");
  EXPECT_EQ(driver.Unexpected(), 0);
}

}  // namespace
}  // namespace kestrin
