#pragma once
// A report canvas that records what is drawn, for layout tests. Monospaced:
// every byte is charWidth pixels wide.
#include <string>
#include <vector>

#include "model/codec.h"
#include "report/report_canvas.h"

namespace kestrin::test {

struct CanvasOp {
  enum Kind { Text, Line, Fill, Frame, Page } kind = Text;
  int page = 0;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Text: x1 and the bottom in y1
  std::string text;                    // UTF-8
  ReportStyle style = ReportStyle::Regular;
  int pen = 0;
  int fit = 0;
  ReportColor color{};
};

class RecordingCanvas : public ReportCanvas {
 public:
  ReportDevice device{2000, 2900, 0, 0, 250, 250};
  int charWidth = 23;   // pixels
  int lineHeight = 43;  // pixels
  std::string family;
  int points = 0;
  std::vector<CanvasOp> ops;
  int page = 0;

  ReportDevice Device() const override { return device; }
  void SetFont(const std::string& f, int p) override {
    family = f;
    points = p;
  }
  int TextWidth(const std::string& text, ReportStyle) override {
    return static_cast<int>(text.size()) * charWidth;
  }
  int TextHeight(const std::string&, ReportStyle) override { return lineHeight; }
  void Text(int x, int bottom, const std::string& text, ReportStyle style, int fitWidth) override {
    CanvasOp op;
    op.kind = CanvasOp::Text;
    op.page = page;
    op.x1 = x;
    op.y1 = bottom;
    op.text = Cp1251ToUtf8(text);
    op.style = style;
    op.fit = fitWidth;
    ops.push_back(op);
  }
  void Line(int x1, int y1, int x2, int y2, int penWidth) override {
    ops.push_back({CanvasOp::Line, page, x1, y1, x2, y2, {}, ReportStyle::Regular, penWidth, 0, {}});
  }
  void FillBox(int x1, int y1, int x2, int y2, ReportColor fill) override {
    ops.push_back({CanvasOp::Fill, page, x1, y1, x2, y2, {}, ReportStyle::Regular, 0, 0, fill});
  }
  void FrameBox(int x1, int y1, int x2, int y2, int penWidth) override {
    ops.push_back({CanvasOp::Frame, page, x1, y1, x2, y2, {}, ReportStyle::Regular, penWidth, 0, {}});
  }
  void NewPage() override {
    ops.push_back({CanvasOp::Page, page, 0, 0, 0, 0, {}, ReportStyle::Regular, 0, 0, {}});
    ++page;
  }

  // Texts equal to the given UTF-8 string.
  std::vector<CanvasOp> Texts(const std::string& utf8) const {
    std::vector<CanvasOp> out;
    for (const CanvasOp& op : ops)
      if (op.kind == CanvasOp::Text && op.text == utf8) out.push_back(op);
    return out;
  }
  // Texts on one row (same page and bottom), left to right as drawn.
  std::vector<CanvasOp> Row(int pageIndex, int bottom) const {
    std::vector<CanvasOp> out;
    for (const CanvasOp& op : ops)
      if (op.kind == CanvasOp::Text && op.page == pageIndex && op.y1 == bottom) out.push_back(op);
    return out;
  }
  std::vector<CanvasOp> OfKind(CanvasOp::Kind kind) const {
    std::vector<CanvasOp> out;
    for (const CanvasOp& op : ops)
      if (op.kind == kind) out.push_back(op);
    return out;
  }
};

}  // namespace kestrin::test
