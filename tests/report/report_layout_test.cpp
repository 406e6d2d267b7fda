#include "report/report_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "model/codec.h"
#include "support/recording_canvas.h"

namespace kestrin {
namespace {

using test::CanvasOp;
using test::RecordingCanvas;

std::string W(const char* utf8) { return Utf8ToCp1251(utf8); }

T_Command_DEVICE SampleModel() {
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetFileKey("KEY-01");
  m.SetPasswordCommand("123456");
  m.SetAlarmRepeats(0);
  m.SetLoopType(1, 1);
  m.SetLoopDelay(1, 30);
  m.SetLoopPartition(1, 3);
  m.SetLoopName(1, W("Вход"));
  m.SetLoopType(2, 14);  // patrol
  m.SetLoopPartition(2, 5);
  m.SetLoopType(3, 3);  // the longest type name
  m.SetLoopPartition(3, 2);
  m.SetRelayType(1, 2);
  m.SetRelayTime(1, 45);
  m.SetRelayPartitions(1, PartitionBit(1) | PartitionBit(2) | PartitionBit(3));
  m.SetRelayType(2, 0);  // unused: no time
  m.SetRelayTime(2, 77);
  m.SetKeyName(1, W("Иванов"));
  m.SetKeyMode(1, 0);
  m.SetKeyCode(1, "************");
  m.SetKeyPartitions(1, PartitionBit(1) | PartitionBit(2) | PartitionBit(3));
  m.SetKeyMode(2, 2);  // patrol
  m.SetKeyMode(3, 1);  // duress
  m.SetKeyCode(250, "0000000000AB");
  return m;
}

struct ReportRun {
  RecordingCanvas canvas;
  T_Command_DEVICE model;
  std::unique_ptr<ConfigReport> report;
  explicit ReportRun(T_Command_DEVICE m, ReportDevice device = {2000, 2900, 0, 0, 250, 250}) : model(std::move(m)) {
    canvas.device = device;
    report = std::make_unique<ConfigReport>(canvas, model, W("09.12.2026"));
    report->ReportPageSetup();
  }
  void Print() { report->PrintConfigReport(); }
  int Lh() const { return report->Metrics().lineHeight; }
};

CanvasOp Only(const std::vector<CanvasOp>& ops) {
  EXPECT_EQ(ops.size(), 1u);
  return ops.empty() ? CanvasOp{} : ops.front();
}

TEST(ReportRounding, HalvesGoToEven) {
  EXPECT_EQ(RoundHalfEven(5, 2), 2);
  EXPECT_EQ(RoundHalfEven(7, 2), 4);
  EXPECT_EQ(RoundHalfEven(45, 2), 22);
  EXPECT_EQ(RoundHalfEven(47, 2), 24);
  EXPECT_EQ(RoundHalfEven(-5, 2), -2);
  EXPECT_EQ(RoundHalfEven(2, 3), 1);
  EXPECT_EQ(RoundHalfEven(4, 3), 1);
  EXPECT_EQ(RoundHalfEven(-7, 3), -2);
}

TEST(ReportSetup, MetricsFromTheDeviceRoundedAndPrimitivesTruncated) {
  RecordingCanvas canvas;
  // 500 dpi: two pixels per unit, so odd pixel counts give exact halves.
  canvas.device = {4001, 5803, 25, 31, 500, 500};
  canvas.charWidth = 45;   // 22.5 units -> 22
  canvas.lineHeight = 87;  // 43.5 units -> 44
  T_Command_DEVICE model;
  ConfigReport report(canvas, model, "");
  const ReportMetrics& m = report.ReportPageSetup();
  EXPECT_EQ(canvas.family, "Courier New");
  EXPECT_EQ(canvas.points, 11);
  EXPECT_EQ(m.usableWidth, 1976);  // (4001 - 50) / 2 = 1975.5
  EXPECT_EQ(m.pageLimit, 2870);    // (5803 - 62) / 2 = 2870.5
  EXPECT_EQ(m.charWidth, 22);
  EXPECT_EQ(m.lineHeight, 44);
  // Fractions of a character width: 0.25 * 22 = 5.5 -> 6; 10.35 * 22 = 227.7 -> 228.
  EXPECT_EQ(report.Cw(25), 6);
  EXPECT_EQ(report.Cw(1035), 228);
  EXPECT_EQ(report.Cw(75), 16);  // 16.5

  canvas.device.dpiX = 600;  // 2.4 px per unit: 3 units -> 7.2 -> 7
  report.ReportPageSetup();
  report.ReportText(true, 3, 10, "x", ReportStyle::Regular);
  ASSERT_EQ(canvas.ops.size(), 1u);
  EXPECT_EQ(canvas.ops[0].x1, 7 + 25);
  EXPECT_EQ(canvas.ops[0].y1, 20 + 31);
  report.ReportText(false, 3, 10, "x", ReportStyle::Regular);
  report.ReportLine(false, 0, 0, 5, 5, 2);
  report.ReportBox(false, 0, 0, 5, 5, kReportSilver, 0);
  EXPECT_EQ(canvas.ops.size(), 1u) << "measure passes draw nothing";
}

TEST(ReportSetup, PageBreakOnlyWhenTheBlockReachesTheLimit) {
  ReportRun r(SampleModel());
  int limit = r.report->Metrics().pageLimit;
  EXPECT_EQ(r.report->ReportPageBreak(100, limit - 101), 100);
  EXPECT_TRUE(r.canvas.OfKind(CanvasOp::Page).empty());
  EXPECT_EQ(r.report->ReportPageBreak(100, limit - 100), 0);
  EXPECT_EQ(r.canvas.OfKind(CanvasOp::Page).size(), 1u);
}

TEST(ReportBlocks, MeasuringDrawsNothingAndHeightsFollowTheLayout) {
  ReportRun r(SampleModel());
  int lh = r.Lh();
  EXPECT_EQ(r.report->SignallingBlock(0, 0, false).height, 10 * lh);
  EXPECT_EQ(r.report->CommonBlock(0, 0, false).height, 3 * lh);
  EXPECT_EQ(r.report->ExitDelayBlock(0, 0, false).height, 4 * lh);
  EXPECT_EQ(r.report->LoopBlock(0, 0, false).height, 11 * lh);
  EXPECT_EQ(r.report->RelayBlock(0, 0, false).height, 7 * lh);
  ReportKeyBlock keys = r.report->KeyBlock(0, 0, false, 1, 250);
  EXPECT_GT(keys.placed, 0);
  EXPECT_EQ(keys.height, (2 + keys.placed) * lh);
  EXPECT_TRUE(r.canvas.ops.empty());
  // Exit delay table: at least 8 x 1.08 header widths, and wide enough that
  // the eighth "№  Выход" (at 70.95 cw) stays inside the frame.
  int exitWidth = r.report->ExitDelayBlock(0, 0, false).width;
  EXPECT_GE(exitWidth, RoundHalfEven(864LL * 9 * 23, 100));
  EXPECT_GE(exitWidth, r.report->Cw(7095) + 8 * 23);
  EXPECT_LE(exitWidth, r.report->Cw(7095) + 9 * 23);
}

TEST(ReportContent, HeaderBlocksAndTableTexts) {
  ReportRun r(SampleModel());
  r.Print();
  int lh = r.Lh();
  int cw = r.report->Metrics().charWidth;

  const CanvasOp& title = Only(r.canvas.Texts("Конфигурация устройства:"));
  EXPECT_EQ(title.page, 0);
  EXPECT_EQ(title.y1, lh);  // one line below the top, never above the page
  EXPECT_EQ(title.style, ReportStyle::BoldUnderline);
  const CanvasOp& key = Only(r.canvas.Texts("\"KEY-01\""));
  EXPECT_EQ(key.x1, 23 * cw);
  EXPECT_EQ(key.y1, 2 * lh);
  EXPECT_EQ(key.style, ReportStyle::Bold);
  const CanvasOp& password = Only(r.canvas.Texts("\"123456\""));
  EXPECT_EQ(password.x1, 16 * cw);
  EXPECT_EQ(Only(r.canvas.Texts("Тип устройства:ППКОП КЕСТРИН 18кГц 8")).y1, password.y1 - lh);

  // Common block beside the signalling block, on the same rows.
  const CanvasOp& signalling = Only(r.canvas.Texts("Сигнализация и индикация:             "));
  const CanvasOp& common = Only(r.canvas.Texts("Общие параметры:                       "));
  EXPECT_EQ(common.y1, signalling.y1);
  EXPECT_EQ(common.x1, 38 * cw + cw);

  // Alarm repeat count 0.
  const CanvasOp& repeats = Only(r.canvas.Texts("Все тревоги"));
  EXPECT_EQ(repeats.x1, 22 * cw);
  EXPECT_EQ(Only(r.canvas.Texts("Число повторов тревог:")).y1, repeats.y1);

  // Loops: the delay after the short name, no partition for a patrol loop.
  const CanvasOp& delayed = Only(r.canvas.Texts("охранный с задержкой(30сек.)"));
  EXPECT_EQ(delayed.x1, 3 * cw);
  std::vector<CanvasOp> row1 = r.canvas.Row(delayed.page, delayed.y1);
  ASSERT_EQ(row1.size(), 4u);
  EXPECT_EQ(row1[0].text, "1");
  EXPECT_EQ(row1[2].text, "3");
  EXPECT_EQ(row1[2].x1, 41 * cw);
  EXPECT_EQ(row1[3].text, "Вход");
  EXPECT_EQ(row1[3].x1, 47 * cw);
  const CanvasOp& patrol = Only(r.canvas.Texts("ПАТРУЛЬ"));
  std::vector<CanvasOp> row2 = r.canvas.Row(patrol.page, patrol.y1);
  ASSERT_EQ(row2.size(), 3u) << "number, type and name only";
  EXPECT_EQ(patrol.y1, delayed.y1 + lh);
  for (const CanvasOp& op : row2) EXPECT_NE(op.x1, 41 * cw);
  // The longest type is condensed to its column instead of crossing the rule.
  const CanvasOp& longest = Only(r.canvas.Texts("охранный без задержки, с контролем взлома"));
  EXPECT_GT(longest.fit, 0);
  EXPECT_LE(longest.x1 + longest.fit, r.report->Cw(3850));

  // Relays: ranges; no time for an unused relay.
  const CanvasOp& ranges = Only(r.canvas.Texts("1-3"));
  EXPECT_EQ(ranges.x1, 30 * cw);
  EXPECT_EQ(Only(r.canvas.Texts("45 сек.")).x1, 22 * cw);
  EXPECT_TRUE(r.canvas.Texts("77 сек.").empty());

  // Keys: comma list, code as stored, mode short names.
  const CanvasOp& list = Only(r.canvas.Texts("1,2,3"));
  EXPECT_EQ(list.x1, 39 * cw);
  std::vector<CanvasOp> key1 = r.canvas.Row(list.page, list.y1);
  ASSERT_EQ(key1.size(), 5u);
  EXPECT_EQ(key1[0].text, "001");
  EXPECT_EQ(key1[1].text, "Иванов");
  EXPECT_EQ(key1[2].text, "Управление");
  EXPECT_EQ(key1[3].text, "************");
  EXPECT_EQ(key1[3].x1, 26 * cw);
  EXPECT_EQ(r.canvas.Row(list.page, list.y1 + lh)[2].text, "Патруль");
  EXPECT_EQ(r.canvas.Row(list.page, list.y1 + 2 * lh)[2].text, "Принуждение");
}

TEST(ReportPages, KeysContinueWithTheHeaderAndNumberOnToTheEnd) {
  ReportRun r(SampleModel());
  r.Print();
  int lh = r.Lh();
  int limit = r.report->Metrics().pageLimit;
  std::string header = "№   Псевдоним  Тип        Код ключа    Разделы                                ";

  std::map<int, std::vector<int>> keysByPage;  // page -> row bottoms
  std::set<std::string> numbers;
  for (const CanvasOp& op : r.canvas.OfKind(CanvasOp::Text)) {
    if (op.text.size() == 3 && op.x1 == r.report->Cw(25) && std::isdigit(static_cast<unsigned char>(op.text[0]))) {
      EXPECT_TRUE(numbers.insert(op.text).second) << op.text;
      keysByPage[op.page].push_back(op.y1);
    }
  }
  ASSERT_EQ(numbers.size(), 250u);
  EXPECT_EQ(*numbers.begin(), "001");
  EXPECT_EQ(*numbers.rbegin(), "250");
  ASSERT_GE(keysByPage.size(), 3u);
  EXPECT_EQ(r.report->Pages(), static_cast<int>(keysByPage.rbegin()->first) + 1);

  std::vector<CanvasOp> headers = r.canvas.Texts(header);
  ASSERT_EQ(headers.size(), keysByPage.size());
  EXPECT_EQ(r.canvas.Texts("Ключи:" + std::string(72, ' ')).size(), 1u);
  for (const CanvasOp& h : headers) {
    if (h.page == keysByPage.begin()->first) continue;
    EXPECT_EQ(h.y1, lh) << "continued pages start with the header on page " << h.page;
  }
  // Every page but the last stops at the first row that would come within
  // four lines of the page limit.
  for (auto it = keysByPage.begin(); it != keysByPage.end(); ++it) {
    int lastBottom = *std::max_element(it->second.begin(), it->second.end());
    EXPECT_LT(lastBottom + 4 * lh, limit);
    if (std::next(it) != keysByPage.end()) {
      EXPECT_GE(lastBottom + lh + 4 * lh, limit);
    }
  }

  // The closing line: four lines under the last key row, signature 150 units in.
  int lastPage = keysByPage.rbegin()->first;
  int lastRow = *std::max_element(keysByPage.rbegin()->second.begin(), keysByPage.rbegin()->second.end());
  const CanvasOp& date = Only(r.canvas.Texts("Дата печати:09.12.2026"));
  EXPECT_EQ(date.page, lastPage);
  EXPECT_EQ(date.x1, 0);
  EXPECT_EQ(date.y1, lastRow + 4 * lh);
  std::string signature = "Подпись:           /                    /";
  const CanvasOp& sign = Only(r.canvas.Texts(signature));
  EXPECT_EQ(sign.y1, date.y1);
  EXPECT_EQ(sign.x1 + 41 * r.canvas.charWidth, r.report->Metrics().usableWidth - 150);
}

TEST(ReportPages, ABlockThatDoesNotFitMovesWholeToTheNextPage) {
  // Learn where the loop block starts on a tall page, then shorten the page
  // so that the block ends exactly at the limit.
  ReportRun tall(SampleModel());
  tall.Print();
  int lh = tall.Lh();
  int loopTop = Only(tall.canvas.Texts("Шлейфы:")).y1 - lh;
  ReportRun r(SampleModel(), {2000, loopTop + 11 * lh, 0, 0, 250, 250});
  r.Print();
  const CanvasOp& exits = Only(r.canvas.Texts("Задержки на выход разделов (секунды):                                         "));
  const CanvasOp& loops = Only(r.canvas.Texts("Шлейфы:"));
  EXPECT_EQ(exits.page, 0);
  EXPECT_EQ(loops.page, 1);
  EXPECT_EQ(loops.y1, lh);
  for (const CanvasOp& op : r.canvas.Texts("ПАТРУЛЬ")) EXPECT_EQ(op.page, 1);

  // One unit more and it stays on the first page.
  ReportRun fits(SampleModel(), {2000, loopTop + 11 * lh + 1, 0, 0, 250, 250});
  fits.Print();
  EXPECT_EQ(Only(fits.canvas.Texts("Шлейфы:")).page, 0);
}

TEST(ReportPages, KeyTitleIsNeverLeftWithoutKeys) {
  ReportRun tall(SampleModel());
  tall.Print();
  int lh = tall.Lh();
  int keysTop = Only(tall.canvas.Texts("Ключи:" + std::string(72, ' '))).y1 - lh;
  // Room for the title and the header but not for one key row.
  ReportRun r(SampleModel(), {2000, keysTop + 6 * lh, 0, 0, 250, 250});
  r.Print();
  const CanvasOp& title = Only(r.canvas.Texts("Ключи:" + std::string(72, ' ')));
  const CanvasOp& first = Only(r.canvas.Texts("001"));
  EXPECT_EQ(title.page, first.page);
  EXPECT_EQ(title.y1, lh);
  EXPECT_EQ(r.canvas.Texts("250").size(), 1u);
}

TEST(ReportGrid, BandsRulesAndFramesOfTheLoopTable) {
  ReportRun r(SampleModel());
  int lh = r.Lh();
  int cw = r.report->Metrics().charWidth;
  r.report->LoopBlock(0, 0, true);
  int w = 78 * cw;
  std::vector<CanvasOp> fills = r.canvas.OfKind(CanvasOp::Fill);
  ASSERT_EQ(fills.size(), 4u);
  for (size_t i = 0; i < fills.size(); ++i) {
    EXPECT_EQ(fills[i].y1, (2 + 2 * static_cast<int>(i)) * lh);
    EXPECT_EQ(fills[i].y2, fills[i].y1 + lh);
    EXPECT_EQ(fills[i].x2, w);
    EXPECT_EQ(fills[i].color, kReportSilver);
  }
  EXPECT_EQ(r.canvas.ops.front().kind, CanvasOp::Fill) << "bands go under everything";
  std::vector<CanvasOp> frames = r.canvas.OfKind(CanvasOp::Frame);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].y1, lh);
  EXPECT_EQ(frames[0].y2, 10 * lh);
  EXPECT_EQ(frames[0].x2, w);
  int rowRules = 0, columnRules = 0, titleRules = 0;
  for (const CanvasOp& l : r.canvas.OfKind(CanvasOp::Line)) {
    if (l.y1 == l.y2 && l.pen == r.report->Metrics().PenPixels(4)) {
      ++titleRules;
      EXPECT_EQ(l.x1, 2);
      EXPECT_EQ(l.x2, w - 2);
    } else if (l.y1 == l.y2) {
      ++rowRules;
      EXPECT_EQ(l.x2, w - 2);
      EXPECT_EQ((l.y1 - 2 * lh) % lh, 0);
    } else {
      ++columnRules;
      EXPECT_EQ(l.y1, lh);
      EXPECT_EQ(l.y2, 10 * lh - 1);
    }
  }
  EXPECT_EQ(titleRules, 1);
  EXPECT_EQ(rowRules, 8);
  EXPECT_EQ(columnRules, 3);
}

// A damaged file's texts of megabytes are printed only as far as a line can
// hold them: no text drawn runs past 250 bytes, and the head of it shows.
TEST(ReportLayout, HugeTextsArePrintedCut) {
  T_Command_DEVICE m = SampleModel();
  m.SetLoopName(1, std::string(100000, 'N'));
  m.SetKeyName(5, std::string(100000, 'K'));
  m.SetVersion(std::string(100000, 'V'));
  ReportRun r(m);
  r.Print();
  size_t longest = 0;
  bool loopShown = false;
  for (const CanvasOp& op : r.canvas.OfKind(CanvasOp::Text)) {
    longest = std::max(longest, op.text.size());
    loopShown = loopShown || op.text == std::string(250, 'N');
  }
  EXPECT_EQ(longest, 250u);
  EXPECT_TRUE(loopShown);
}

}  // namespace
}  // namespace kestrin
