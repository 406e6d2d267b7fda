#pragma once
// The parameter tabs in one tab widget, set up and filled as the main window
// does: the seven shown tabs and, when asked, the six hidden communication
// tabs after them.
#include <QApplication>
#include <QSize>
#include <QTabWidget>
#include <functional>
#include <vector>

#include "editor/tab_common.h"
#include "editor/tab_gprs.h"
#include "editor/tab_gsm.h"
#include "editor/tab_indic.h"
#include "editor/tab_keys.h"
#include "editor/tab_lan.h"
#include "editor/tab_mode.h"
#include "editor/tab_parts.h"
#include "editor/tab_pk4.h"
#include "editor/tab_rele.h"
#include "editor/tab_shleifs.h"
#include "editor/tab_sms.h"
#include "editor/tab_smsk.h"
#include "tabs_test_util.h"

namespace kestrin::test {

struct TabPages {
  // fill sets the model up once the tabs exist and before they are created.
  TabPages(const std::function<void(T_Command_DEVICE&)>& fill, bool withComm, QSize size) {
    if (withComm) {
      comm = {new TabSMS(model), new TabSMSK(model), new TabGSM(model),
              new TabPK4(model), new TabGPRS(model), new TabLAN(model)};
    }
    fill(model);
    const char* captions[] = {"Общие", "Режимы", "Индикация", "Разделы", "Шлейфы", "Реле", "Ключи"};
    std::vector<TabSheet*> all = Shown();
    all.insert(all.end(), comm.begin(), comm.end());
    for (size_t i = 0; i < all.size(); ++i)
      pages.addTab(all[i], i < 7 ? QString::fromUtf8(captions[i]) : all[i]->objectName());
    for (TabSheet* t : all) t->Create();
    for (TabSheet* t : all) t->Redraw();
    pages.resize(size);
    pages.show();
    QApplication::setActiveWindow(&pages);
    WaitFor([this] { return pages.isActiveWindow(); });
  }

  // The seven shown tabs in page order.
  std::vector<TabSheet*> Shown() const { return {common, mode, indic, parts, loops, relays, keys}; }

  T_Command_DEVICE model;
  QTabWidget pages;
  TabCommon* common = new TabCommon(model);
  TabMode* mode = new TabMode(model);
  TabIndic* indic = new TabIndic(model);
  TabParts* parts = new TabParts(model);
  TabShleifs* loops = new TabShleifs(model);
  TabRele* relays = new TabRele(model);
  TabKeys* keys = new TabKeys(model);
  std::vector<TabSheet*> comm;
};

}  // namespace kestrin::test
