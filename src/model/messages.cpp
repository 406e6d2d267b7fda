#include "model/messages.h"

namespace kestrin {

const MessagePair kMsgCannotReplace{"Ошибка записи в файл - файл не может быть записан",
                                    "Проверьте отсутствие запрета записи"};
const MessagePair kMsgCannotCreate{"Ошибка записи в файл - файл не может быть создан",
                                   "Проверьте отсутствие запрета записи и наличие свободного места"};
const MessagePair kMsgCannotOpen{"Ошибка открытия файла", "Проверьте наличие файла"};
const MessagePair kMsgLocked{"Прибор находится во взятом состоянии, редактирование параметров невозможно",
                             "Для изменения параметров работы прибора необходимо снять его с охраны"};
const MessagePair kMsgSaved{"Операция выполнена", "Конфигурация сохранена"};
const MessagePair kMsgWrittenAndVerified{"Операция выполнена",
                                         "Файлы записаны в устройство и проверены"};
const MessagePair kMsgVerifyFailed{
    "Ошибка проверки записи - данные на диске устройства не совпадают с записанными",
    "Повторите запись. Если ошибка повторится, замените диск устройства"};
const MessagePair kMsgAskDefaults{"Вы хотите \"сбросить\" настройки в значение \"по-умолчанию\"?",
                                  "(все введённые значения параметров будут потеряны)"};
// The panel's name stands on the second line of the dialog: the blanks wrap it there.
const MessagePair kMsgContainerHeader{
    "Ошибка контрольной сигнатуры файла конфигурации - файл не относится к устройству"
    "                                         \"ППКОП КЕСТРИН 18кГц 8\"",
    "Проверьте источник файла"};
const MessagePair kMsgContainerSize{"Ошибка размера файла конфигурации - файл не верный ",
                                    "Проверьте источник файла"};
const MessagePair kMsgReportNotBuilt{"Ошибка печати - отчёт не построен",
                                     "Проверьте наличие шрифтов и поддержки PDF"};
const MessagePair kMsgNoPrinter{"Ошибка печати - принтер не найден",
                                "Проверьте наличие установленного принтера"};

const char kMsgBackupKept[] = "Прежняя конфигурация сохранена в папке резервных копий";

const char kMsgWrongKey[] = "(текущий ключ не верный)";

}  // namespace kestrin
