#pragma once
// The open and save dialogs behind a small interface, so that tests answer
// them without a native dialog.
#include <QString>
#include <QStringList>

class QWidget;

namespace kestrin {

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen file, or an empty text when cancelled. filters are the Qt
  // name filters (see QtNameFilters), selected one of them.
  virtual QString OpenFile(QWidget* parent, const QStringList& filters, const QString& selected,
                           const QString& defaultSuffix) = 0;
  // Asks before overwriting an existing file.
  virtual QString SaveFile(QWidget* parent, const QString& folder, const QString& proposedName,
                           const QStringList& filters, const QString& defaultSuffix) = 0;
};

// QFileDialog.
class QtFileDialogs : public FileDialogs {
 public:
  QString OpenFile(QWidget* parent, const QStringList& filters, const QString& selected,
                   const QString& defaultSuffix) override;
  QString SaveFile(QWidget* parent, const QString& folder, const QString& proposedName,
                   const QStringList& filters, const QString& defaultSuffix) override;
};

// A filter in the "description|mask|description|mask" form as Qt name
// filters: "description (patterns)", masks split at ";" and "," into
// blank-separated patterns. With the dialog's filter details hidden, Qt shows
// only the description, which already names the patterns.
QStringList QtNameFilters(const QString& pipeFilter);

// The open and save dialogs' filters of the main window.
QString OpenDialogFilter();
QString SaveDialogFilter();

}  // namespace kestrin
