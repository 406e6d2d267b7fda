#include "model/command_table.h"

#include "model/codec.h"

namespace kestrin {

// clang-format off
const std::array<CommandRow, kRowCount> kCommandTable = {{
  {"",        0, 0,   kValNone,       0, 0, 0,    kVal2None,    0, 0, 0,   "Kestrin-GSM ver3.0 rev.3"},
  {"Kestrin", 0, 0,   kValRestOfLine, 0, 0, 0,    kVal2None,    0, 0, 0,   "; Версия устройства"},
  {"fe",      0, 0,   kValNone,       0, 0, 0,    kVal2None,    0, 0, 0,   "; Команда разрешения чтения файла"},
  {"ks",      1, 2,   kValRestOfLine, 0, 0, 0,    kVal2None,    0, 0, 0,   "; ключ шифрования файла"},
  {"!!",      0, 0,   kValWordText,   0, 0, 0,    kVal2None,    0, 0, 0,   "; Команда смены пароля"},
  {"oa",      0, 0,   kValWordText,   0, 0, 0,    kVal2None,    0, 0, 0,   "; Наименование прибора"},
  {"sk",      0, 0,   kValInteger,    0, 0, 1,    kVal2None,    0, 0, 0,   "; Выбор кодировки SMS"},
  {"ci",      0, 0,   kValInteger,    0, 1, 1,    kVal2None,    0, 0, 0,   "; постановка на охрану если нет GPRS-связи"},
  {"lf",      0, 0,   kValInteger,    0, 1, 1,    kVal2None,    0, 0, 0,   "; разрешение создания LOG-файла"},
  {"bv",      0, 0,   kValInteger,    0, 1, 4,    kVal2None,    0, 0, 0,   "; Уровень громкости сигнала зуммера"},
  {"st",      0, 0,   kValInteger,    0, 90, 999, kVal2None,    0, 0, 0,   "; Время работы сирены"},
  {"sz",      0, 0,   kValList,       0, 0, 0,    kVal2None,    0, 0, 0,   "; Список разделов привязки"},
  {"al",      0, 0,   kValInteger,    0, 3, 5,    kVal2None,    0, 0, 0,   "; Чувствительность акселерометра"},
  {"el",      0, 0,   kValInteger,    1, 90, 999, kVal2None,    0, 0, 0,   "; Время работы внешнего  индикатора"},
  {"la",      1, 8,   kValWordText,   0, 0, 0,    kVal2None,    0, 0, 0,   "; Имя ШЛ"},
  {"lm",      1, 8,   kValInteger,    1, 7, 16,   kVal2Integer, 0, 90, 180, "; Режим работы ШЛ"},
  {"xo",      1, 8,   kValInteger,    0, 90, 180, kVal2None,    0, 0, 0,   "; Задержка на выход"},
  {"rm",      1, 4,   kValInteger,    1, 0, 10,   kVal2Integer, 1, 90, 999, "; Режим работы реле"},
  {"rz",      1, 4,   kValList,       0, 0, 0,    kVal2None,    0, 0, 0,   "; Привязка реле к разделам"},
  {"br",      0, 0,   kValInteger,    0, 0, 1,    kVal2None,    0, 0, 0,   "; Срабатывания реле по шлейфам КТС"},
  {"ua",      1, 250, kValWordText,   0, 0, 0,    kVal2Text,    0, 0, 0,   "; Ключи и пользователи"},
  {"lc",      0, 0,   kValInteger,    0, 0, 9,    kVal2None,    0, 0, 0,   "; Число повторов тревог по шлейфу"},
  {"es",      0, 0,   kValInteger,    0, 1, 1,    kVal2None,    0, 0, 0,   "; Режим снятия поднесением ключа"},
  {"em",      0, 0,   kValInteger,    0, 0, 1,    kVal2None,    0, 0, 0,   "; Разрешение формирования сообщения \"Вход\""},
  {"zn",      1, 8,   kValList,       0, 0, 0,    kVal2None,    0, 0, 0,   "; Распределение шлейфов по разделам"},
  {"ez",      0, 0,   kValInteger,    1, 1, 8,    kVal2None,    0, 0, 0,   "; Привязка внешнего индикатора к разделу"},
  {"uz",      1, 250, kValList,       0, 0, 0,    kVal2None,    0, 0, 0,   "; Привязка ключей к разделам"},
  {"tb",      0, 0,   kValInteger,    0, 1, 1,    kVal2None,    0, 0, 0,   "; Разрешение сработки реле при взломе"},
  {"pr",      0, 0,   kValInteger,    0, 0, 1,    kVal2None,    0, 0, 0,   "; способ определения сигнала перехода на резерв"},
  {"",        0, 0,   kValNone,       0, 0, 0,    kVal2None,    0, 0, 0,   ";"},
}};
// clang-format on

const std::string& RowComment(int row) {
  static const std::array<std::string, kRowCount> comments = [] {
    std::array<std::string, kRowCount> out;
    for (int i = 0; i < kRowCount; ++i) {
      out[i] = Utf8ToCp1251(kCommandTable[i].commentUtf8);
      if (out[i].size() < 45) out[i].resize(45, ' ');
    }
    return out;
  }();
  static const std::string empty;
  return row >= 0 && row < kRowCount ? comments[row] : empty;
}

}  // namespace kestrin
