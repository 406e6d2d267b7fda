// The main window's first showing: the start-up file, title, status line,
// tooltip hook and button faces.
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTabWidget>

#include "gui/widgets/button_face.h"
#include "gui/widgets/hints.h"
#include "editor/tform2.h"
#include "files/app_state.h"
#include "files/qt/crypto_load.h"

namespace kestrin {

QString TForm2::FileDateText(const QString& path) {
  QFileInfo info(path);
  return QLocale::system().toString(info.lastModified().date(), QLocale::ShortFormat);
}

void TForm2::FallBackToDefaults() {
  // Exactly the defaults: reading an empty text would clear the version.
  loadedPath_.clear();
  App().text.Clear();
  App().edited.SetDefaults();
  SyncDebugMemo();
  Redraw_All();
  FormatStaticTextStatus(QString(), kStatusDefault, false, QString(), App().edited.GetVersion());
}

void TForm2::FormShow() {
  App().edited.SetDefaults();
  FormatStaticTextStatus(QString(), kStatusDefault, false, QString(), App().edited.GetVersion());

  StartupArgs args = ParseCommandLine(options_.args);
  std::string folder = options_.workFolder.empty() ? QDir::currentPath().toStdString()
                                                   : options_.workFolder;
  QString path = QString::fromStdString(StartupFile(args, folder));
  QFileInfo info(path);

  bool loaded = false;
  if (info.exists()) {
    if (IsContainerPath(path.toStdString())) {
      std::string key;
      if (CryptoLoadFromFile(path, key)) {
        LoadFormFromFile(App().edited, key);
        loaded = true;
      }
    } else {
      loaded = LoadPlainFile(path);
    }
  }
  if (loaded) {
    loadedPath_ = info.absoluteFilePath();
    FormatStaticTextStatus(loadedPath_, kStatusSaved, false, FileDateText(loadedPath_),
                           App().edited.GetVersion());
  } else {
    FallBackToDefaults();
  }
  SetTitle(loadedPath_);
  PagesParam->setCurrentIndex(0);
  PagesParam->show();
  SetHintHook([this](QWidget* control, const QPoint& pos, QString& text, QRect& area) {
    return My_onShowHint(control, pos, text, area);
  });
  DrawAllButtonFaces(this);
}

}  // namespace kestrin
