// The main window's first showing: the start-up file, title, status line,
// tooltip hook and button faces.
#include <QDir>
#include <QFileInfo>
#include <QTabWidget>

#include "gui/widgets/button_face.h"
#include "gui/widgets/hints.h"
#include "editor/tform2.h"
#include "report/pdf/report_pdf.h"

namespace kestrin {

QString TForm2::FileDateText(const QString& path) {
  QFileInfo info(path);
  return ShortDateText(info.lastModified().date());
}

void TForm2::FallBackToDefaults() {
  workflow_->LoadDefaults();
  SyncDebugMemo();
  Redraw_All();
  FormatStaticTextStatus(QString(), kStatusDefault, false, QString(), doc_.edited.GetVersion());
}

void TForm2::FormShow() {
  doc_.edited.SetDefaults();
  FormatStaticTextStatus(QString(), kStatusDefault, false, QString(), doc_.edited.GetVersion());

  StartupArgs args = ParseCommandLine(options_.args);
  std::string folder = options_.workFolder.empty() ? QDir::currentPath().toStdString()
                                                   : options_.workFolder;
  QString path = QString::fromStdString(StartupFile(args, folder));
  if (QFileInfo::exists(path) && workflow_->Open(path)) {
    SyncDebugMemo();
    Redraw_All();
    FormatStaticTextStatus(LoadedPath(), kStatusSaved, false, FileDateText(LoadedPath()),
                           doc_.edited.GetVersion());
  } else {
    FallBackToDefaults();
  }
  SetTitle(LoadedPath());
  TakeBaselineFromTabs();
  PagesParam->setCurrentIndex(0);
  PagesParam->show();
  hints_.SetHook([this](QWidget* control, const QPoint& pos, QString& text, QRect& area) {
    return My_onShowHint(control, pos, text, area);
  });
  DrawAllButtonFaces(this);
}

}  // namespace kestrin
