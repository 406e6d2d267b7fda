#include "report/report_layout.h"

#include <algorithm>
#include <utility>

#include "model/catalogues.h"
#include "model/codec.h"
#include "model/partition_set.h"
#include "model/type_codes.h"

namespace kestrin {

namespace {

// Source texts are UTF-8; the canvas takes Windows-1251.
std::string W1251(const char* utf8) { return Utf8ToCp1251(utf8); }

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

int64_t FloorDiv(int64_t num, int64_t den) {
  int64_t q = num / den;
  if ((num % den != 0) && ((num < 0) != (den < 0))) --q;
  return q;
}

}  // namespace

int64_t RoundHalfEven(int64_t num, int64_t den) {
  if (den <= 0) return 0;
  int64_t q = FloorDiv(num, den);
  int64_t twice = 2 * (num - q * den);
  if (twice > den || (twice == den && (q & 1) != 0)) ++q;
  return q;
}

int ReportMetrics::PixelX(int units) const {
  return static_cast<int>(static_cast<int64_t>(units) * dpiX / 250) + originX;
}
int ReportMetrics::PixelY(int units) const {
  return static_cast<int>(static_cast<int64_t>(units) * dpiY / 250) + originY;
}
int ReportMetrics::UnitsX(int pixels) const {
  return static_cast<int>(RoundHalfEven(static_cast<int64_t>(pixels) * 250, dpiX));
}
int ReportMetrics::UnitsY(int pixels) const {
  return static_cast<int>(RoundHalfEven(static_cast<int64_t>(pixels) * 250, dpiY));
}
int ReportMetrics::PenPixels(int penWidth) const {
  return std::max(1, static_cast<int>(RoundHalfEven(static_cast<int64_t>(penWidth) * dpiX, 600)));
}

ConfigReport::ConfigReport(ReportCanvas& canvas, const T_Command_DEVICE& model, std::string printDate)
    : canvas_(canvas), model_(model), date_(std::move(printDate)) {}

const ReportMetrics& ConfigReport::ReportPageSetup() {
  ReportDevice d = canvas_.Device();
  m_ = ReportMetrics{};
  m_.pageWidth = d.pageWidth;
  m_.pageHeight = d.pageHeight;
  m_.originX = d.offsetX;
  m_.originY = d.offsetY;
  // A canvas without a resolution would divide by zero below.
  m_.dpiX = d.dpiX > 0 ? d.dpiX : 250;
  m_.dpiY = d.dpiY > 0 ? d.dpiY : 250;
  m_.usableWidth = m_.UnitsX(d.pageWidth - 2 * d.offsetX);
  m_.pageLimit = m_.UnitsY(d.pageHeight - 2 * d.offsetY);
  canvas_.SetFont("Courier New", 11);
  m_.lineHeight = m_.UnitsY(canvas_.TextHeight(W1251("Рр"), ReportStyle::Regular));
  m_.charWidth = m_.UnitsX(canvas_.TextWidth("0", ReportStyle::Regular));
  pages_ = 1;
  return m_;
}

int ConfigReport::Cw(int hundredths) const {
  return static_cast<int>(RoundHalfEven(static_cast<int64_t>(hundredths) * m_.charWidth, 100));
}

namespace {

// No line of an A4 page holds more; a longer text (a damaged or hostile
// file) would only cost time and memory to measure and condense.
constexpr size_t kReportTextMaxBytes = 250;

const std::string& Printable(const std::string& text, std::string& cut) {
  if (text.size() <= kReportTextMaxBytes) return text;
  cut.assign(text, 0, kReportTextMaxBytes);
  return cut;
}

}  // namespace

int ConfigReport::Width(const std::string& text, ReportStyle style) {
  std::string cut;
  return m_.UnitsX(canvas_.TextWidth(Printable(text, cut), style));
}

void ConfigReport::ReportText(bool draw, int x, int y, const std::string& text, ReportStyle style,
                              int fitWidth) {
  if (!draw) return;
  int fitPixels = fitWidth > 0 ? static_cast<int>(static_cast<int64_t>(fitWidth) * m_.dpiX / 250) : 0;
  std::string cut;
  canvas_.Text(m_.PixelX(x), m_.PixelY(y), Printable(text, cut), style, fitPixels);
}

void ConfigReport::ReportLine(bool draw, int x1, int y1, int x2, int y2, int penWidth) {
  if (!draw) return;
  canvas_.Line(m_.PixelX(x1), m_.PixelY(y1), m_.PixelX(x2), m_.PixelY(y2), m_.PenPixels(penWidth));
}

void ConfigReport::ReportBox(bool draw, int x1, int y1, int x2, int y2, std::optional<ReportColor> fill,
                             int penWidth) {
  if (!draw) return;
  int px1 = m_.PixelX(x1), py1 = m_.PixelY(y1), px2 = m_.PixelX(x2), py2 = m_.PixelY(y2);
  if (fill) canvas_.FillBox(px1, py1, px2, py2, *fill);
  if (penWidth > 0) canvas_.FrameBox(px1, py1, px2, py2, m_.PenPixels(penWidth));
}

int ConfigReport::ReportPageBreak(int y, int blockHeight) {
  if (y + blockHeight < m_.pageLimit) return y;
  canvas_.NewPage();
  ++pages_;
  return 0;
}

void ConfigReport::TitleLine(bool draw, int x, int y, const std::string& text, ReportStyle style,
                             int width) {
  int lh = m_.lineHeight;
  ReportText(draw, x, y + lh, text, style);
  ReportLine(draw, x + 2, y + lh, x + width - 2, y + lh, 4);
}

void ConfigReport::TableGrid(bool draw, int x, int top, int width, int firstRowBottom, int rows,
                             RowRule rule, std::initializer_list<int> columnHundredths, int bottom) {
  if (!draw) return;
  int lh = m_.lineHeight;
  for (int i = 0; i < rows; i += 2) {
    int rowBottom = firstRowBottom + i * lh;
    ReportBox(true, x, rowBottom - lh, x + width, rowBottom, kReportSilver, 0);
  }
  for (int i = 0; i < rows; ++i) {
    int rowBottom = firstRowBottom + i * lh;
    int ry = rule == RowRule::AtTop ? rowBottom - lh : rowBottom;
    if (rule == RowRule::BelowFirst && i > 0) break;
    ReportLine(true, x, ry, x + width - 2, ry, 2);
  }
  for (int c : columnHundredths) {
    int cx = x + Cw(c);
    ReportLine(true, cx, top, cx, bottom - 1, 2);
  }
  ReportBox(true, x, top, x + width, bottom, std::nullopt, 2);
}

ReportBlockSize ConfigReport::TitleBlock(int x, int y, bool draw) {
  int lh = m_.lineHeight;
  // The bottom sits one line below y like every other block's first line;
  // at y itself the title would lie above the printable area of the page.
  ReportText(draw, x, y + lh, W1251("Конфигурация устройства:"), ReportStyle::BoldUnderline);
  return {Width(W1251("Конфигурация устройства:"), ReportStyle::BoldUnderline), lh};
}

ReportBlockSize ConfigReport::FileKeyBlock(int x, int y, bool draw) {
  int lh = m_.lineHeight;
  std::string label = W1251("Ключ шифрования файла :");
  std::string value = Quoted(model_.GetFileKey());
  ReportText(draw, x, y + lh, label, ReportStyle::Regular);
  ReportText(draw, x + Cw(2300), y + lh, value, ReportStyle::Bold);
  return {Cw(2300) + Width(value, ReportStyle::Bold), lh};
}

ReportBlockSize ConfigReport::DeviceBlock(int x, int y, bool draw) {
  int lh = m_.lineHeight;
  std::string type = W1251("Тип устройства:ППКОП КЕСТРИН 18кГц 8");
  std::string password = Quoted(model_.GetPasswordCommand());
  ReportText(draw, x, y + lh, type, ReportStyle::BoldUnderline);
  ReportText(draw, x, y + 2 * lh, W1251("Пароль доступа:"), ReportStyle::Regular);
  ReportText(draw, x + Cw(1600), y + 2 * lh, password, ReportStyle::Bold);
  int width = std::max(Width(type, ReportStyle::BoldUnderline), Cw(1600) + Width(password, ReportStyle::Bold));
  return {width, 2 * lh};
}

ReportBlockSize ConfigReport::SignallingBlock(int x, int y, bool draw) {
  int lh = m_.lineHeight;
  std::string title = W1251("Сигнализация и индикация:             ");
  int w = Width(title, ReportStyle::Bold);
  int top = y + lh;
  if (draw) {
    TableGrid(true, x, top, w, y + 2 * lh, 8, RowRule::AtBottom, {2800}, y + 9 * lh);
    TitleLine(true, x, y, title, ReportStyle::Bold, w);
    const std::pair<const char*, std::string> rows[8] = {
        {"Время работы выносн инд.   ", std::to_string(model_.GetIndicatorTime()) + W1251(" сек.")},
        {"Раздел выносного индикатора", std::to_string(model_.GetIndicatorPartition())},
        {"Уровень встроенного зуммера", std::to_string(model_.GetBuzzerVolume())},
        {"Время работы сирены        ", std::to_string(model_.GetSirenTime())},
        {"Сообщение \"ВХОД\"           ",
         W1251(model_.GetEntryMessageEnabled() ? "ВКЛЮЧЕН" : "выключен")},
        {"", ""},
        {"Тип сигнала \"на резерве\"   ",
         W1251(model_.GetBackupSignalMethod() == 0 ? "низкий " : "высокий")},
        {"Акселерометр (уровень)     ", std::to_string(model_.GetAccelSensitivity())},
    };
    int fit = w - Cw(2900) - Cw(25);
    for (int i = 0; i < 8; ++i) {
      int bottom = y + (i + 2) * lh;
      if (rows[i].first[0] != '\0') ReportText(true, x, bottom, W1251(rows[i].first), ReportStyle::Regular);
      if (!rows[i].second.empty())
        ReportText(true, x + Cw(2900), bottom, rows[i].second, ReportStyle::Bold, fit);
    }
  }
  return {w, 10 * lh};
}

ReportBlockSize ConfigReport::CommonBlock(int x, int y, bool draw) {
  int lh = m_.lineHeight;
  std::string title = W1251("Общие параметры:                       ");
  int w = Width(title, ReportStyle::Bold);
  if (draw) {
    TableGrid(true, x, y + lh, w, y + 2 * lh, 3, RowRule::BelowFirst, {2300}, y + 4 * lh);
    TitleLine(true, x, y, title, ReportStyle::Bold, w);
    auto onOff = [](bool on) { return W1251(on ? "ВКЛЮЧЕНО" : "выключено"); };
    ReportText(true, x, y + 2 * lh, W1251("Ведение LOG-файла     "), ReportStyle::Regular);
    ReportText(true, x + Cw(2500), y + 2 * lh, onOff(model_.GetLogFileEnabled()), ReportStyle::Bold);
    ReportText(true, x, y + 3 * lh, W1251("Двойное снятие        "), ReportStyle::Regular);
    ReportText(true, x + Cw(2500), y + 3 * lh, onOff(model_.GetKeyDisarmMode()), ReportStyle::Bold);
  }
  return {w, 3 * lh};
}

ReportBlockSize ConfigReport::ExitDelayBlock(int x, int y, bool draw) {
  int lh = m_.lineHeight;
  std::string title = W1251("Задержки на выход разделов (секунды):                                         ");
  std::string header = W1251("№  Выход ");
  int w = static_cast<int>(RoundHalfEven(864LL * Width(header, ReportStyle::Bold), 100));
  // The eighth cell's header runs past 8 x 1.08 header widths; the frame and
  // the band reach round it rather than cut it.
  w = std::max(w, Cw(1010 * 7 + 25) + Width(W1251("№  Выход"), ReportStyle::Bold) + Cw(50));
  if (draw) {
    TableGrid(true, x, y + lh, w, y + 3 * lh, 1, RowRule::AtTop,
              {250, 1260, 2270, 3280, 4290, 5300, 6310, 7320, 900, 1910, 2920, 3930, 4940, 5950, 6960},
              y + 3 * lh);
    TitleLine(true, x, y, title, ReportStyle::Bold, w);
    for (int k = 0; k < kPartitionCount; ++k) {
      int cell = 1010 * k;
      ReportText(true, x + Cw(cell + 25), y + 2 * lh, header, ReportStyle::Bold);
      ReportText(true, x + Cw(cell + 25), y + 3 * lh, std::to_string(k + 1), ReportStyle::Regular);
      ReportText(true, x + Cw(cell + 425), y + 3 * lh, std::to_string(model_.GetExitDelay(k + 1)),
                 ReportStyle::Regular);
    }
  }
  return {w, 4 * lh};
}

ReportBlockSize ConfigReport::LoopBlock(int x, int y, bool draw) {
  int lh = m_.lineHeight;
  // "Раздел" and "Псевдоним" stand one place right of where the column rules
  // at 38.5 and 46.5 would cut their first letters.
  std::string header = W1251("№  Режим                               Раздел  Псевдоним                      ");
  int w = Width(header, ReportStyle::Bold);
  if (draw) {
    TableGrid(true, x, y + lh, w, y + 3 * lh, kLoopCount, RowRule::AtTop, {250, 3850, 4650}, y + 10 * lh);
    TitleLine(true, x, y, W1251("Шлейфы:"), ReportStyle::Bold, w);
    ReportText(true, x + Cw(25), y + 2 * lh, header, ReportStyle::Bold);
    for (int loop = 1; loop <= kLoopCount; ++loop) {
      int bottom = y + (loop + 2) * lh;
      int type = model_.GetLoopType(loop);
      std::string mode = CatalogueName(LoopTypeText(type));
      if (LoopTypeHasDelay(type)) mode += "(" + std::to_string(model_.GetLoopDelay(loop)) + W1251("сек.)");
      ReportText(true, x + Cw(25), bottom, std::to_string(loop), ReportStyle::Regular);
      // The longest types run past the column rule; the canvas condenses them.
      ReportText(true, x + Cw(300), bottom, mode, ReportStyle::Bold, Cw(3850) - Cw(300) - Cw(25));
      if (!Is(type, LoopType::kPatrol))
        ReportText(true, x + Cw(4100), bottom, std::to_string(model_.GetLoopPartition(loop)),
                   ReportStyle::Bold, Cw(4650) - Cw(4100) - Cw(25));
      ReportText(true, x + Cw(4700), bottom, model_.GetLoopName(loop), ReportStyle::Bold,
                 w - Cw(4700) - Cw(25));
    }
    int repeats = model_.GetAlarmRepeats();
    ReportText(true, x, y + 11 * lh, W1251("Число повторов тревог:"), ReportStyle::Regular);
    ReportText(true, x + Cw(2200), y + 11 * lh,
               repeats == 0 ? W1251("Все тревоги") : std::to_string(repeats), ReportStyle::Bold);
  }
  return {w, 11 * lh};
}

ReportBlockSize ConfigReport::RelayBlock(int x, int y, bool draw) {
  int lh = m_.lineHeight;
  std::string header = W1251("№ Режим               Время   Разделы                                         ");
  int w = Width(header, ReportStyle::Bold);
  if (draw) {
    TableGrid(true, x, y + lh, w, y + 3 * lh, kRelayCount, RowRule::AtTop, {150, 2150, 2950}, y + 6 * lh);
    TitleLine(true, x, y, W1251("Реле:"), ReportStyle::Bold, w);
    ReportText(true, x + Cw(25), y + 2 * lh, header, ReportStyle::Bold);
    for (int relay = 1; relay <= kRelayCount; ++relay) {
      int bottom = y + (relay + 2) * lh;
      int type = model_.GetRelayType(relay);
      ReportText(true, x + Cw(25), bottom, std::to_string(relay), ReportStyle::Regular);
      ReportText(true, x + Cw(200), bottom, CatalogueName(RelayTypeText(type)), ReportStyle::Bold,
                 Cw(2150) - Cw(200) - Cw(25));
      if (RelayTypeHasTime(type))
        ReportText(true, x + Cw(2200), bottom, std::to_string(model_.GetRelayTime(relay)) + W1251(" сек."),
                   ReportStyle::Bold, Cw(2950) - Cw(2200) - Cw(25));
      ReportText(true, x + Cw(3000), bottom, FormatPartitionRanges(model_.GetRelayPartitions(relay)),
                 ReportStyle::Bold, w - Cw(3000) - Cw(25));
    }
    auto onOff = [](bool on) { return W1251(on ? "Вкл" : "Выкл"); };
    ReportText(true, x, y + 7 * lh, W1251("Реле при нарушении КТС:"), ReportStyle::Regular);
    ReportText(true, x + Cw(2300), y + 7 * lh, onOff(model_.GetPanicRelayEnabled()), ReportStyle::Bold);
    ReportText(true, x + Cw(3500), y + 7 * lh, W1251("Реле при нарушении тампера:"), ReportStyle::Regular);
    ReportText(true, x + Cw(6200), y + 7 * lh, onOff(model_.GetTamperRelayEnabled()), ReportStyle::Bold);
  }
  return {w, 7 * lh};
}

ReportKeyBlock ConfigReport::KeyBlock(int x, int y, bool draw, int firstKey, int maxKeys) {
  int lh = m_.lineHeight;
  std::string header = W1251("№   Псевдоним  Тип        Код ключа    Разделы                                ");
  int w = Width(header, ReportStyle::Bold);
  bool withTitle = firstKey == 1;
  int top = withTitle ? y + lh : y;
  int headerBottom = top + lh;
  int last = std::min(kKeyCount, firstKey + maxKeys - 1);
  int placed = 0;
  for (int key = firstKey; key <= last; ++key) {
    int bottom = headerBottom + (placed + 1) * lh;
    if (bottom + 4 * lh >= m_.pageLimit) break;
    ++placed;
  }
  int bottom = headerBottom + placed * lh;
  if (draw) {
    TableGrid(true, x, top, w, headerBottom + lh, placed, RowRule::AtTop, {350, 1450, 2550, 3850}, bottom);
    if (withTitle) {
      std::string title = W1251("Ключи:");
      title.resize(78, ' ');
      TitleLine(true, x, y, title, ReportStyle::BoldUnderline, w);
    }
    ReportText(true, x + Cw(75), headerBottom, header, ReportStyle::Bold);
    for (int i = 0; i < placed; ++i) {
      int key = firstKey + i;
      int rowBottom = headerBottom + (i + 1) * lh;
      ReportText(true, x + Cw(25), rowBottom, PadNumber(key, 3, '0'), ReportStyle::Regular);
      ReportText(true, x + Cw(400), rowBottom, model_.GetKeyName(key), ReportStyle::Bold,
                 Cw(1450) - Cw(400) - Cw(25));
      ReportText(true, x + Cw(1500), rowBottom, KeyModeShortName(model_.GetKeyMode(key)), ReportStyle::Bold,
                 Cw(2550) - Cw(1500) - Cw(25));
      ReportText(true, x + Cw(2600), rowBottom, model_.GetKeyCode(key), ReportStyle::Bold,
                 Cw(3850) - Cw(2600) - Cw(25));
      ReportText(true, x + Cw(3900), rowBottom, FormatNumberList(model_.GetKeyPartitions(key)),
                 ReportStyle::Bold, w - Cw(3900) - Cw(25));
    }
  }
  return {placed, bottom - y};
}

void ConfigReport::PrintConfigReport() {
  int lh = m_.lineHeight;
  int half = static_cast<int>(RoundHalfEven(lh, 2));
  int y = 0;

  auto place = [&](ReportBlockSize (ConfigReport::*block)(int, int, bool), int gap) {
    ReportBlockSize size = (this->*block)(0, y, false);
    y = ReportPageBreak(y, size.height);
    size = (this->*block)(0, y, true);
    y += size.height + gap;
    return size;
  };

  place(&ConfigReport::TitleBlock, 0);
  place(&ConfigReport::FileKeyBlock, half);
  place(&ConfigReport::DeviceBlock, lh);
  {
    ReportBlockSize s = SignallingBlock(0, y, false);
    y = ReportPageBreak(y, s.height);
    s = SignallingBlock(0, y, true);
    CommonBlock(s.width + m_.charWidth, y, true);
    y += s.height + half;
  }
  place(&ConfigReport::ExitDelayBlock, half);
  place(&ConfigReport::LoopBlock, half);
  place(&ConfigReport::RelayBlock, half);

  ReportKeyBlock keys = KeyBlock(0, y, false, 1, kKeyCount);
  y = ReportPageBreak(y, keys.height);
  // A title and header with no key under them would be orphaned at the foot
  // of the page; they go to the next page with the first keys.
  if (keys.placed == 0 && y > 0) y = ReportPageBreak(y, m_.pageLimit);
  keys = KeyBlock(0, y, true, 1, kKeyCount);
  int next = 1 + keys.placed;
  while (next <= kKeyCount) {
    canvas_.NewPage();
    ++pages_;
    y = 0;
    keys = KeyBlock(0, y, true, next, kKeyCount - next + 1);
    if (keys.placed == 0) break;  // a page too small for one row: stop rather than loop
    next += keys.placed;
  }
  y += keys.height + 4 * lh;
  ReportText(true, 0, y, W1251("Дата печати:") + date_, ReportStyle::Regular);
  std::string signature = W1251("Подпись:           /                    /");
  ReportText(true, m_.usableWidth - Width(signature, ReportStyle::Regular) - kReportSignatureInset, y, signature,
             ReportStyle::Regular);
}

}  // namespace kestrin
