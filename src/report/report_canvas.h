#pragma once
// The surface the configuration report is drawn on. The layout is Qt-free and
// speaks device pixels to the canvas; the window implements it over QPainter,
// tests over a recorder.
//
// Text: every string passed to a canvas is Windows-1251 bytes (the model's own
// encoding); a canvas that needs Unicode converts once, when it draws or
// measures.
#include <cstdint>
#include <string>

namespace kestrin {

enum class ReportStyle { Regular, Bold, BoldUnderline };

struct ReportColor {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  bool operator==(const ReportColor&) const = default;
};

// What the set-up reads from the printer.
struct ReportDevice {
  int pageWidth = 0;   // printable width, device pixels
  int pageHeight = 0;  // printable height, device pixels
  int offsetX = 0;     // physical printing offset, device pixels
  int offsetY = 0;
  int dpiX = 0;        // logical pixels per inch
  int dpiY = 0;
};

class ReportCanvas {
 public:
  virtual ~ReportCanvas() = default;

  virtual ReportDevice Device() const = 0;
  virtual void SetFont(const std::string& family, int points) = 0;
  // Measures in device pixels with the current font in the given style.
  virtual int TextWidth(const std::string& text, ReportStyle style) = 0;
  virtual int TextHeight(const std::string& text, ReportStyle style) = 0;
  // Transparent text whose bottom-left corner is (x, bottom). A fitWidth above
  // zero asks the canvas to condense the text horizontally when it is wider.
  virtual void Text(int x, int bottom, const std::string& text, ReportStyle style, int fitWidth) = 0;
  virtual void Line(int x1, int y1, int x2, int y2, int penWidth) = 0;
  virtual void FillBox(int x1, int y1, int x2, int y2, ReportColor fill) = 0;
  virtual void FrameBox(int x1, int y1, int x2, int y2, int penWidth) = 0;
  virtual void NewPage() = 0;
};

}  // namespace kestrin
