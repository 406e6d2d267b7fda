// Shows each message dialog in its typical set-ups and saves a picture of
// each into the folder given as the first argument.
#include <QApplication>
#include <QDir>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <cstdio>

#include "gui/widgets/button_face.h"
#include "gui/widgets/hints.h"
#include "gui/dialogs/form_dialog_set_key_config.h"
#include "gui/dialogs/form_error_message.h"
#include "gui/dialogs/form_ok_message.h"
#include "gui/dialogs/form_save_changes.h"
#include "model/messages.h"

using namespace kestrin;

namespace {

QString g_folder;

void Settle() {
  for (int i = 0; i < 20; ++i) {
    QApplication::processEvents();
    QThread::msleep(10);
  }
}

void Save(QDialog& dialog, const char* name) {
  dialog.show();
  Settle();
  const QString path = QDir(g_folder).filePath(QString::fromLatin1(name) + ".png");
  const bool ok = dialog.grab().save(path);
  std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
  dialog.hide();
  Settle();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  g_folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
  QDir().mkpath(g_folder);
  InstallHintTiming();
  HintDisplay hints;

  TFormErrorMessage error;
  error.SetMessages(QStringLiteral("Ошибка контрольной сигнатуры файла конфигурации - файл не "
                                   "относится к устройству") +
                        QString(41, QLatin1Char(' ')) + QStringLiteral("\"ППКОП КЕСТРИН 18кГц 8\""),
                    QStringLiteral("Проверьте источник файла"), true, false);
  Save(error, "error_signature_fix_only");

  error.SetMessages(
      QStringLiteral("Прибор находится во взятом состоянии, редактирование параметров невозможно"),
      QStringLiteral("Для изменения параметров работы прибора необходимо снять его с охраны"),
      false, true);
  Save(error, "error_armed_continue_only");

  error.SetErrorContinue(QStringLiteral("Ошибка записи в файл - файл не может быть создан"),
                         QStringLiteral("Проверьте отсутствие запрета записи и наличие свободного "
                                        "места"),
                         true);
  Save(error, "error_fix_and_default");

  TFormOkMessage ok;
  ok.SetMessages(QStringLiteral("Операция выполнена"), QStringLiteral("Конфигурация сохранена"), false);
  Save(ok, "ok_saved");
  // The panel write with its read-back, without and with a backup made.
  ok.SetMessages(QString::fromUtf8(kMsgWrittenAndVerified.message),
                 QString::fromUtf8(kMsgWrittenAndVerified.recommendation), false);
  Save(ok, "ok_written_verified");
  ok.SetMessages(QString::fromUtf8(kMsgWrittenAndVerified.message),
                 QString::fromUtf8(kMsgWrittenAndVerified.recommendation) + QLatin1Char('\n') +
                     QString::fromUtf8(kMsgBackupKept),
                 false);
  Save(ok, "ok_written_verified_backup");
  ok.SetMessages(QStringLiteral("Вы хотите \"сбросить\" настройки в значение \"по-умолчанию\"?"),
                 QStringLiteral("(все введённые значения параметров будут потеряны)"), true);
  Save(ok, "ok_ask_reset");

  TFormSaveChanges saveChanges;
  Save(saveChanges, "save_changes");
  saveChanges.show();
  Settle();
  saveChanges.findChild<QPushButton*>(QStringLiteral("BitBtnCancel"))->setFocus();
  Settle();
  Save(saveChanges, "save_changes_cancel_focused");

  TFormDialogSetKeyConfig key;
  key.SetOpeningLayout();
  key.SetErrorKeyVisible(false);
  Save(key, "key_empty");
  key.SetKeyText(QStringLiteral("Ключ шифрования 12345678901234"));
  key.SetErrorKeyVisible(true);
  Save(key, "key_wrong_key");
  key.show();
  Settle();
  key.findChild<QPushButton*>(QStringLiteral("BtnCancel"))->setFocus();
  Settle();
  Save(key, "key_cancel_focused");

  // The main window's button faces, picture above the caption; the last one
  // has a negative tag (red frame, no picture).
  QDialog strip;
  strip.setFixedSize(10 * 96 + 10, 80);
  const char* captions[] = {"Открыть",   "Печать",    "В устройство...", "Сохранить",
                            "Связь",     "По-умолчанию", "Настройки", "Отменить",
                            "Открыть файл", "Без картинки"};
  for (int i = 0; i < 10; ++i) {
    auto* b = new QPushButton(&strip);
    b->setGeometry(5 + i * 96, 8, 92, 64);
    SetButtonTag(b, i < 9 ? i + 1 : -1);
    AttachButtonFace(b, MainButtonImages(), QString::fromUtf8(captions[i]));
  }
  Save(strip, "main_buttons");

  // A multi-line hint as the tooltip shows it.
  QDialog host;
  host.setFixedSize(200, 60);
  auto* target = new QPushButton(QStringLiteral("Открыть"), &host);
  target->setGeometry(10, 10, 180, 40);
  AssignHint(target, 10);
  host.show();
  Settle();
  QHelpEvent help(QEvent::ToolTip, QPoint(20, 20), target->mapToGlobal(QPoint(20, 20)));
  QApplication::sendEvent(target, &help);
  Settle();
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible() && w->inherits("QTipLabel")) {
      const QString path = QDir(g_folder).filePath(QStringLiteral("hint_10.png"));
      std::printf("%s %s\n", w->grab().save(path) ? "saved" : "FAILED", qPrintable(path));
    }
  }
  return 0;
}
