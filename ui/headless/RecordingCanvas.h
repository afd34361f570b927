// A canvas that keeps every call made on it, so that a test can check what a form drew.
#pragma once

#include <array>
#include <vector>

#include "ui/ui.h"

namespace ui::headless {

struct DrawOp {
  enum class Kind { Pen, MoveTo, LineTo, Ellipse, Arc };
  Kind kind = Kind::Pen;
  // Pen: colour and width. The others: their coordinates in call order, the rest 0.
  Colour colour = 0;
  int width = 0;
  std::array<int, 8> at{};
  friend bool operator==(const DrawOp&, const DrawOp&) = default;
};

class RecordingCanvas : public Canvas {
 public:
  void SetPen(Colour colour, int width) override { ops_.push_back({DrawOp::Kind::Pen, colour, width, {}}); }
  void MoveTo(int x, int y) override { Add(DrawOp::Kind::MoveTo, {x, y}); }
  void LineTo(int x, int y) override { Add(DrawOp::Kind::LineTo, {x, y}); }
  void Ellipse(int x1, int y1, int x2, int y2) override { Add(DrawOp::Kind::Ellipse, {x1, y1, x2, y2}); }
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override {
    Add(DrawOp::Kind::Arc, {x1, y1, x2, y2, x3, y3, x4, y4});
  }
  const std::vector<DrawOp>& Ops() const { return ops_; }

 private:
  void Add(DrawOp::Kind kind, std::array<int, 8> at) { ops_.push_back({kind, 0, 0, at}); }
  std::vector<DrawOp> ops_;
};

}  // namespace ui::headless
