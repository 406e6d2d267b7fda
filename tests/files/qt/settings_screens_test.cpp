// Pictures of the settings dialog, the drive chooser and the folder tree for
// a look by eye; run by scripts/screenshots-settings (disabled otherwise).
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "files/qt/dialog_config.h"
#include "gui/widgets/hints.h"
#include "files/qt/form_logical_disks.h"
#include "files/qt/form_select_path_tree.h"

namespace kestrin {
namespace {

QString OutDir() {
  const QString dir = qEnvironmentVariable("KESTRIN_SCREENSHOT_DIR", "screenshots");
  QDir().mkpath(dir);
  return dir;
}

void Save(QWidget* w, const char* name) {
  w->show();
  QApplication::processEvents();
  const QString file = QDir(OutDir()).filePath(QString::fromLatin1(name));
  ASSERT_TRUE(w->grab().save(file)) << file.toStdString();
}

TEST(DISABLED_Screens, SettingsDrivesAndTree) {
  QTemporaryDir dir;
  ProgramSettings settings = DefaultSettings("/opt/kestrin/");
  settings.ListModeOpenSave = true;
  HintDisplay hints;
  TDialogConfig config(settings, hints, nullptr, SettingsStore(QDir(dir.path()).filePath("s.ini")));
  Save(&config, "settings-dialog.png");
  config.findChild<QRadioButton*>("RB_MaskEmpty2")->click();
  config.findChild<QPushButton*>("B_OK")->setFocus();
  config.EnableMaskItems(false);
  Save(&config, "settings-dialog-mask-off.png");

  FakeDriveList drives({{"/", "/", DriveKind::Fixed},
                        {"/media/anna/KESTRIN", "/media/anna/KESTRIN/", DriveKind::Removable},
                        {"/run/media/anna/USB", "/run/media/anna/USB/", DriveKind::Removable}});
  TFormLogicalDisks disks(&drives);
  Save(&disks, "drive-chooser.png");

  QDir d(dir.path());
  for (const char* p : {"disk/Объекты/Дом", "disk/Объекты/Склад", "disk/backup", "disk/.hidden"})
    d.mkpath(QString::fromUtf8(p));
  FakeDriveList tree({{"USB", (dir.path() + "/disk/").toStdString(), DriveKind::Removable},
                      {"/", "/", DriveKind::Fixed},
                      {"/mnt/share", "/nonexistent/", DriveKind::Remote}});
  TFormSelectPathTree form(&tree);
  auto* tv = form.findChild<QTreeWidget*>("TV_Path");
  QTreeWidgetItem* usb = tv->topLevelItem(2);
  usb->setExpanded(true);
  for (int i = 0; i < usb->childCount(); ++i)
    if (usb->child(i)->childCount() == 0) usb->child(i)->setExpanded(true);
  tv->setCurrentItem(usb->child(1)->childCount() ? usb->child(1)->child(0) : usb->child(0));
  Save(&form, "folder-tree.png");
}

}  // namespace
}  // namespace kestrin
