// A canvas that keeps every call made on it, so that a test can check what a form drew.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "ui/ui.h"

namespace ui::headless {

struct DrawOp {
  enum class Kind { Pen, MoveTo, LineTo, Ellipse, Arc, Brush, Rectangle, Polygon, Text };
  Kind kind = Kind::Pen;
  // Pen: colour and width; Brush: colour. The others: their coordinates in call order, the
  // rest 0; Text: its box, its text, its font's colour and its height (as width); Polygon: its
  // points.
  Colour colour = 0;
  int width = 0;
  std::array<int, 8> at{};
  std::vector<Point> points;
  std::string text;
  friend bool operator==(const DrawOp&, const DrawOp&) = default;
};

class RecordingCanvas : public Canvas {
 public:
  void SetPen(Colour colour, int width) override {
    DrawOp& op = Add(DrawOp::Kind::Pen, {});
    op.colour = colour;
    op.width = width;
  }
  void MoveTo(int x, int y) override { Add(DrawOp::Kind::MoveTo, {x, y}); }
  void LineTo(int x, int y) override { Add(DrawOp::Kind::LineTo, {x, y}); }
  void Ellipse(int x1, int y1, int x2, int y2) override {
    Add(DrawOp::Kind::Ellipse, {x1, y1, x2, y2});
  }
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override {
    Add(DrawOp::Kind::Arc, {x1, y1, x2, y2, x3, y3, x4, y4});
  }
  void SetBrush(Colour colour) override { Add(DrawOp::Kind::Brush, {}).colour = colour; }
  void Rectangle(int x1, int y1, int x2, int y2) override {
    Add(DrawOp::Kind::Rectangle, {x1, y1, x2, y2});
  }
  void Polygon(const std::vector<Point>& points) override {
    Add(DrawOp::Kind::Polygon, {}).points = points;
  }
  void Text(Rect box, const std::string& text, const Font& font) override {
    DrawOp& op = Add(DrawOp::Kind::Text, {box.left, box.top, box.right, box.bottom});
    op.text = text;
    op.colour = font.colour;
    op.width = font.height;
  }
  const std::vector<DrawOp>& Ops() const { return ops_; }

 private:
  DrawOp& Add(DrawOp::Kind kind, std::array<int, 8> at) {
    DrawOp op;
    op.kind = kind;
    op.at = at;
    ops_.push_back(op);
    return ops_.back();
  }
  std::vector<DrawOp> ops_;
};

}  // namespace ui::headless
