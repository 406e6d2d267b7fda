#pragma once
// The printed configuration report: every text, rule, band and frame placed at
// computed positions on a ReportCanvas.
//
// Report units are 1/250 inch; y grows downwards from the top of the usable
// area of the current page. Texts handed to the canvas are Windows-1251.
#include <cstdint>
#include <optional>
#include <string>

#include "model/device.h"
#include "report/report_canvas.h"

namespace kestrin {

// Division rounded to nearest, halves to even (den > 0).
int64_t RoundHalfEven(int64_t num, int64_t den);

struct ReportMetrics {
  int pageWidth = 0;   // device pixels, as read from the printer
  int pageHeight = 0;
  int originX = 0;     // device pixels
  int originY = 0;
  int dpiX = 0;        // pixels per unit = dpi * 0.04
  int dpiY = 0;
  int usableWidth = 0;  // units
  int pageLimit = 0;    // units
  int lineHeight = 0;   // units
  int charWidth = 0;    // units

  // Units to device pixels: truncated, plus the origin.
  int PixelX(int units) const;
  int PixelY(int units) const;
  // Device pixel lengths to units, rounded halves to even.
  int UnitsX(int pixels) const;
  int UnitsY(int pixels) const;
  // Pen widths are printer dots of a 600 dpi printer, so rules look the same
  // on any resolution.
  int PenPixels(int penWidth) const;
};

struct ReportBlockSize {
  int width = 0;
  int height = 0;
};

struct ReportKeyBlock {
  int placed = 0;  // keys in the block
  int height = 0;
};

inline constexpr ReportColor kReportSilver{192, 192, 192};
inline constexpr int kReportSignatureInset = 150;
// UTF-8; converted to Windows-1251 where drawn.
inline constexpr const char* kReportJobTitle = "ППКОП КЕСТРИН 18кГц 8";

class ConfigReport {
 public:
  // printDate: Windows-1251, the date in the system's short format.
  ConfigReport(ReportCanvas& canvas, const T_Command_DEVICE& model, std::string printDate);

  // Reads the printer, sets the font and the metrics. Returns them (the page
  // size is in pageWidth/pageHeight).
  const ReportMetrics& ReportPageSetup();
  // The whole report from the top of the first page. Set-up must have run.
  void PrintConfigReport();

  const ReportMetrics& Metrics() const { return m_; }
  int Pages() const { return pages_; }

  // Primitives, in units relative to the page's usable area.
  void ReportText(bool draw, int x, int y, const std::string& text, ReportStyle style, int fitWidth = 0);
  void ReportLine(bool draw, int x1, int y1, int x2, int y2, int penWidth);
  void ReportBox(bool draw, int x1, int y1, int x2, int y2, std::optional<ReportColor> fill, int penWidth);
  int ReportPageBreak(int y, int blockHeight);

  // Blocks: with draw false they only measure.
  ReportBlockSize TitleBlock(int x, int y, bool draw);
  ReportBlockSize FileKeyBlock(int x, int y, bool draw);
  ReportBlockSize DeviceBlock(int x, int y, bool draw);
  ReportBlockSize SignallingBlock(int x, int y, bool draw);
  ReportBlockSize CommonBlock(int x, int y, bool draw);
  ReportBlockSize ExitDelayBlock(int x, int y, bool draw);
  ReportBlockSize LoopBlock(int x, int y, bool draw);
  ReportBlockSize RelayBlock(int x, int y, bool draw);
  ReportKeyBlock KeyBlock(int x, int y, bool draw, int firstKey, int maxKeys);

  // n hundredths of a character width, rounded to whole units.
  int Cw(int hundredths) const;
  // Width of a text in the report font, in units.
  int Width(const std::string& text, ReportStyle style);

 private:
  enum class RowRule { AtTop, AtBottom, BelowFirst };
  // Bands on odd rows, row rules, column rules and the frame of one table.
  // Rows are given by the bottom of the first data row and their count.
  void TableGrid(bool draw, int x, int top, int width, int firstRowBottom, int rows, RowRule rule,
                 std::initializer_list<int> columnHundredths, int bottom);
  void TitleLine(bool draw, int x, int y, const std::string& text, ReportStyle style, int width);

  ReportCanvas& canvas_;
  const T_Command_DEVICE& model_;
  std::string date_;
  ReportMetrics m_;
  int pages_ = 1;
};

}  // namespace kestrin
