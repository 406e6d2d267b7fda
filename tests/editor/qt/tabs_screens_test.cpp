// Pictures of the tabs for a human to look at (scripts/screenshots-tabs).
// Disabled in normal runs; KESTRIN_SHOTS names the folder for the PNGs.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QTabWidget>

#include "editor/tab_common.h"
#include "editor/tab_indic.h"
#include "editor/tab_keys.h"
#include "editor/tab_mode.h"
#include "editor/tab_parts.h"
#include "editor/tab_rele.h"
#include "editor/tab_shleifs.h"
#include "model/catalogues.h"
#include "tab_pages.h"
#include "tabs_test_util.h"

namespace kestrin {
namespace {

void Realistic(T_Command_DEVICE& m) {
  m.SetDefaults();
  m.SetFileKey("A7F3 99K2 QQ01");
  m.SetPasswordCommand("12345");
  m.SetAccelSensitivity(3);
  m.SetSirenPartitions(PartitionBit(1) | PartitionBit(2) | PartitionBit(3) | PartitionBit(5));
  const int loopTypes[] = {1, 16, 3, 6, 8, 11, 14, 15};
  const char* names[] = {"Вход", "Холл", "Склад", "КТС", "Дым-1", "Тепло", "Обход", "Ворота"};
  for (int l = 1; l <= 8; ++l) {
    m.SetLoopType(l, loopTypes[l - 1]);
    m.SetLoopName(l, test::Utf8ToModel(names[l - 1]));
    Shleifs_SaveType(m, l, loopTypes[l - 1]);
  }
  Shleifs_SavePart(m, 2, 2);
  Shleifs_SaveDelay(m, 2, 45);
  const int relayTypes[] = {4, 7, 10, 0};
  for (int r = 1; r <= 4; ++r) Reles_SaveType(m, r, relayTypes[r - 1]);
  Reles_SaveParts(m, 1, PartitionBit(1) | PartitionBit(2) | PartitionBit(3) | PartitionBit(6));
  const char* users[] = {"Директор", "Бухгалтер", "Кассир", "Охрана", "Уборка", "Admin"};
  const char* codes[] = {"BA9876543210", "D3E2F1", "1A", "************", "", "0000"};
  const int modes[] = {0, 0, 1, 2, 0, 1};
  for (int k = 1; k <= 6; ++k) {
    m.SetKeyName(k, test::Utf8ToModel(users[k - 1]));
    m.SetKeyMode(k, modes[k - 1]);
    m.SetKeyCode(k, codes[k - 1]);
  }
  m.SetKeyPartitions(2, PartitionBit(1) | PartitionBit(2) | PartitionBit(4));
}

// The window's picture with the top-level popups (open lists, their help)
// painted where they stand on the screen.
QImage Shot(QWidget* window) {
  QImage img = window->grab().toImage();
  QPainter p(&img);
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top == window || !top->isVisible()) continue;
    const QPoint at = top->mapToGlobal(QPoint(0, 0)) - window->mapToGlobal(QPoint(0, 0));
    p.drawImage(at, top->grab().toImage());
  }
  return img;
}

TEST(TabsScreens, DISABLED_Save) {
  const QString dir = qEnvironmentVariable("KESTRIN_SHOTS", QDir::tempPath() + "/kestrin-tabs");
  QDir().mkpath(dir);
  test::TabPages w(Realistic, false, QSize(1000, 720));
  QTabWidget& pages = w.pages;
  TabMode* mode = w.mode;
  TabIndic* indic = w.indic;
  TabShleifs* loops = w.loops;
  TabRele* relays = w.relays;
  TabKeys* keys = w.keys;
  auto save = [&](const char* name) {
    QApplication::processEvents();
    EXPECT_TRUE(Shot(&pages).save(dir + "/" + name + ".png"));
  };
  for (TabSheet* t : w.Shown()) {
    if (t == mode) continue;
    pages.setCurrentWidget(t);
    save(qPrintable(t->objectName()));
  }
  pages.setCurrentWidget(keys);
  keys->SetShowCodes(true);
  save("Tab_Keys_codes_shown");
  keys->SetShowCodes(false);

  pages.setCurrentWidget(loops);
  QApplication::processEvents();
  test::OpenCell(loops->SG_Shleifs, 1, 3);
  save("list_editor_with_help");
  loops->TypeEditor->hidePopup();
  test::WaitFor([&] { return !loops->TypeEditor->isVisible(); });

  pages.setCurrentWidget(relays);
  QApplication::processEvents();
  test::OpenCell(relays->SG_Reles, 3, 1);
  save("check_list_open");
  test::KeyClick(relays->PartsCheckList, Qt::Key_Escape);

  pages.setCurrentWidget(indic);
  QApplication::processEvents();
  indic->SG_Indic_Sirena_Parts->setFocus();
  test::KeyClick(indic->SG_Indic_Sirena_Parts, Qt::Key_Return);
  save("siren_list_open");
  test::KeyClick(indic->SirenPartsList, Qt::Key_Escape);

  pages.setCurrentWidget(keys);
  QApplication::processEvents();
  test::EditCell(keys->SG_Keys, 3, 5, "D3E2F1");
  save("duplicate_notice");
  test::OpenCell(keys->SG_Keys, 3, 3);
  test::KeyClicks(QApplication::focusWidget(), "B7");
  save("code_editor_open");
  test::KeyClick(keys->CodeEditor, Qt::Key_Return);
  keys->SG_Keys->SetCurrent(3, 2);
  keys->SG_Keys->setFocus();
  save("code_cell_in_use");
}

}  // namespace
}  // namespace kestrin
