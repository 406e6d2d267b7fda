#pragma once
// Messages as the window tests record them: "ok: " or "error: ", the
// message, " / " and the second text.
#include <QString>

namespace kestrin::test {

inline const QString kSaved = QStringLiteral("ok: Операция выполнена / Конфигурация сохранена");
inline const QString kWritten =
    QStringLiteral("ok: Операция выполнена / Файлы записаны в устройство и проверены");
inline const QString kWrittenBackedUp = kWritten + QStringLiteral(
    "\nПрежняя конфигурация сохранена в папке резервных копий");
inline const QString kCannotOpen =
    QStringLiteral("error: Ошибка открытия файла / Проверьте наличие файла");
inline const QString kCannotReplace = QStringLiteral(
    "error: Ошибка записи в файл - файл не может быть записан / Проверьте отсутствие запрета записи");
inline const QString kCannotCreate = QStringLiteral(
    "error: Ошибка записи в файл - файл не может быть создан / Проверьте отсутствие запрета записи "
    "и наличие свободного места");

}  // namespace kestrin::test
