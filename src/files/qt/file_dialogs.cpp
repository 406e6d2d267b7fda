#include "files/qt/file_dialogs.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace kestrin {

QStringList QtNameFilters(const QString& pipeFilter) {
  QStringList parts = pipeFilter.split(QLatin1Char('|'));
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(QRegularExpression(QStringLiteral("[;,]")),
                                              Qt::SkipEmptyParts);
    for (QString& p : patterns) p = p.trimmed();
    patterns.removeAll(QString());
    out << parts[i].trimmed() + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
               QLatin1Char(')');
  }
  return out;
}

QString OpenDialogFilter() {
  return QStringLiteral(
      "Конфигурация прибора (*.ini)|*.ini|Конфигурация GSM-прибора (*.gsm)|*.gsm|"
      "Шифрованная конфигурация (*.cry)|*.cry|"
      "Все поддерживаемые форматы (*.ini, *.gsm, *.cry)|*.ini;*.gsm;*.cry");
}

QString SaveDialogFilter() {
  return QStringLiteral(
      "Конфигурация прибора (*.ini)|*.ini|Конфигурация GSM-прибора (*.gsm)|*.gsm|"
      "Все поддерживаемые форматы (*.ini, *.gsm)|*.ini, *.gsm");
}

namespace {

void SetUp(QFileDialog& dialog, const QStringList& filters, const QString& defaultSuffix) {
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(defaultSuffix);
}

}  // namespace

QString QtFileDialogs::OpenFile(QWidget* parent, const QStringList& filters,
                                const QString& selected, const QString& defaultSuffix) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  SetUp(dialog, filters, defaultSuffix);
  if (!selected.isEmpty()) dialog.selectNameFilter(selected);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

QString QtFileDialogs::SaveFile(QWidget* parent, const QString& folder,
                                const QString& proposedName, const QStringList& filters,
                                const QString& defaultSuffix) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  SetUp(dialog, filters, defaultSuffix);  // overwrite prompt is on by default
  if (!folder.isEmpty()) dialog.setDirectory(folder);
  dialog.selectFile(proposedName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

}  // namespace kestrin
