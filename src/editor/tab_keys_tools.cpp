// The keys tab's tools: the grid's context menu (CSV export and import) and
// the find field.
#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>

#include "editor/grid_editors.h"
#include "editor/keys_find.h"
#include "editor/tab_keys.h"
#include "files/atomic_file.h"
#include "files/file_bytes.h"
#include "files/keys_csv.h"
#include "files/qt/file_dialogs.h"
#include "gui/dialogs/form_error_message.h"
#include "gui/dialogs/message_service.h"
#include "model/key_search.h"
#include "model/messages.h"

namespace kestrin {

namespace {

QStringList CsvFilters() {
  return QtNameFilters(QStringLiteral("Таблица CSV (*.csv)|*.csv|Все файлы (*.*)|*.*"));
}

QString MessageOf(const MessagePair& pair) { return QString::fromUtf8(pair.message); }
QString RecommendationOf(const MessagePair& pair) { return QString::fromUtf8(pair.recommendation); }

// The error dialog's text field holds about three lines.
constexpr int kProblemLinesShown = 2;

}  // namespace

void TabKeys::ShowError(const QString& message, const QString& recommendation) {
  if (messages_ != nullptr) {
    messages_->Error(message, recommendation, true, false);
    return;
  }
  TFormErrorMessage dialog(window());
  dialog.SetMessages(message, recommendation, true, false);
  dialog.exec();
}

QString KeysImportProblems(const KeysCsvImport& result) {
  QStringList lines;
  const int shown = result.badRows <= kProblemLinesShown + 1 ? kProblemLinesShown + 1 : kProblemLinesShown;
  for (const std::string& line : result.errors) {
    if (lines.size() == shown) break;
    lines << QString::fromStdString(line);
  }
  const int rest = result.badRows - static_cast<int>(lines.size());
  if (rest > 0) lines << QStringLiteral("и ещё неверных строк: %1").arg(rest);
  return lines.join(QLatin1Char('\n'));
}

TabKeys::~TabKeys() = default;

void TabKeys::SetFileDialogs(FileDialogs* dialogs) { dialogs_ = dialogs; }

FileDialogs& TabKeys::Dialogs() {
  if (dialogs_) return *dialogs_;
  if (!ownDialogs_) ownDialogs_ = std::make_unique<QtFileDialogs>();
  return *ownDialogs_;
}

void TabKeys::CreateMenu() {
  PM_Keys = new QMenu(this);
  PM_Keys->setObjectName(QStringLiteral("PM_Keys"));
  A_Keys_ExportCsv = PM_Keys->addAction(QStringLiteral("Экспорт ключей в CSV..."));
  A_Keys_ExportCsv->setObjectName(QStringLiteral("A_Keys_ExportCsv"));
  A_Keys_ImportCsv = PM_Keys->addAction(QStringLiteral("Импорт ключей из CSV..."));
  A_Keys_ImportCsv->setObjectName(QStringLiteral("A_Keys_ImportCsv"));
  // A mouse request reaches the viewport, a keyboard one (menu key) the grid.
  SG_Keys->installEventFilter(this);
  SG_Keys->viewport()->installEventFilter(this);
}

void TabKeys::ShowKeysMenu(const QPoint& globalPos) {
  QAction* chosen = PM_Keys->exec(globalPos);
  if (chosen == A_Keys_ExportCsv) ExportKeysCsvClick();
  else if (chosen == A_Keys_ImportCsv) ImportKeysCsvClick();
}

bool TabKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ContextMenu || (watched != SG_Keys && watched != SG_Keys->viewport()))
    return TabSheet::eventFilter(watched, event);
  auto* request = static_cast<QContextMenuEvent*>(event);
  QPoint at = request->globalPos();
  if (request->reason() != QContextMenuEvent::Mouse) {
    // From the keyboard: below the current cell, or the grid's corner.
    const int row = SG_Keys->Row() >= 1 ? SG_Keys->Row() : 1;
    const int col = SG_Keys->Col() >= 0 ? SG_Keys->Col() : 0;
    const QRect cell = SG_Keys->CellRect(col, row, SG_Keys->viewport());
    const QPoint local = SG_Keys->viewport()->rect().contains(cell.center()) ? cell.bottomLeft() : QPoint(0, 0);
    at = SG_Keys->viewport()->mapToGlobal(local);
  }
  ShowKeysMenu(at);
  return true;
}

void TabKeys::ExportKeysCsvClick() {
  // An editor still open holds a value the model has not seen yet.
  if (GridEditor* open = SG_Keys->OpenEditor()) open->Finish(true);
  UnLoad();
  const QString path = Dialogs().SaveFile(this, QString(), QStringLiteral("ключи.csv"), CsvFilters(),
                                          QStringLiteral("csv"));
  if (path.isEmpty()) return;
  const FileWriter plain;
  const FileWriter& writer = writer_ != nullptr ? *writer_ : plain;
  const WriteResult result = writer.Replace(path.toStdString(), ExportKeysCsv(Model()));
  if (result != WriteResult::Ok) {
    const MessagePair& pair = WriteFailurePair(result);
    ShowError(MessageOf(pair), RecommendationOf(pair));
  }
}

void TabKeys::ImportKeysCsvClick() {
  if (GridEditor* open = SG_Keys->OpenEditor()) open->Finish(true);
  UnLoad();
  const QStringList filters = CsvFilters();
  const QString path = Dialogs().OpenFile(this, filters, filters.value(0), QStringLiteral("csv"));
  if (path.isEmpty()) return;
  std::string bytes;
  if (ReadFileBytes(path.toStdString(), bytes) != ReadStatus::Ok) {
    ShowError(MessageOf(kMsgCannotOpen), RecommendationOf(kMsgCannotOpen));
    return;
  }
  const KeysCsvImport result = ImportKeysCsv(bytes, Model());
  if (!result.Ok()) {
    ShowError(KeysImportProblems(result),
              QStringLiteral("Исправьте таблицу и повторите импорт; ключи не изменены"));
    return;
  }
  ST_MessText->hide();
  Redraw();
}

// ---- find ----

void TabKeys::CreateFind() {
  FindBar = new KeysFindBar(this);
  FindBar->hide();
  connect(FindBar, &KeysFindBar::textEdited, this, [this] { FindFirst(); });
  connect(FindBar, &KeysFindBar::nextRequested, this, [this] { FindNext(false); });
  connect(FindBar, &KeysFindBar::previousRequested, this, [this] { FindNext(true); });
  connect(FindBar, &KeysFindBar::closeRequested, this, &TabKeys::CloseFind);
}

void TabKeys::keyPressEvent(QKeyEvent* event) {
  // Keys the grid and its editors leave alone come up to the tab.
  if (event->matches(QKeySequence::Find)) {
    OpenFind();
    return;
  }
  if (event->key() == Qt::Key_F3 && FindBar->isVisible()) {
    FindNext(event->modifiers() & Qt::ShiftModifier);
    return;
  }
  TabSheet::keyPressEvent(event);
}

void TabKeys::OpenFind() {
  FindBar->Open();
  SG_Keys->viewport()->update();
}

void TabKeys::CloseFind() {
  FindBar->hide();
  SG_Keys->setFocus(Qt::ShortcutFocusReason);
  SG_Keys->viewport()->update();
}

void TabKeys::GoToKey(int key) {
  FindBar->SetNoMatch(key == 0 && !FindBar->Text().isEmpty());
  if (key == 0) return;
  const int col = SG_Keys->Col() >= 1 ? SG_Keys->Col() : 1;
  {
    // Choosing a cell would give the grid the focus; the typing goes on.
    const QSignalBlocker keepFocus(SG_Keys);
    SG_Keys->SetCurrent(col, key);
  }
  SG_Keys->scrollTo(SG_Keys->model()->index(key - 1, col));
  SG_Keys->viewport()->update();
}

void TabKeys::FindFirst() {
  const KeySearch search(FindBar->Text().toStdString(), showCodes_);
  GoToKey(search.First(Model()));
}

void TabKeys::FindNext(bool backwards) {
  const KeySearch search(FindBar->Text().toStdString(), showCodes_);
  const int current = SG_Keys->Row();
  GoToKey(backwards ? search.Previous(Model(), current) : search.Next(Model(), current));
}

}  // namespace kestrin
