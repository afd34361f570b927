// The canvas on a GDI device context: what FormPaint and the pictures draw with.
#include "ui/win32/Win32.h"

namespace ui::win32 {

GdiCanvas::GdiCanvas(HDC dc)
    : dc_(dc),
      originalPen_(dc, GetStockObject(BLACK_PEN)),
      originalBrush_(dc, GetStockObject(WHITE_BRUSH)) {}

GdiCanvas::~GdiCanvas() = default;

void GdiCanvas::SetPen(Colour colour, int width) {
  if (colour == clNone) {
    SelectObject(dc_, GetStockObject(NULL_PEN));
    pen_.Reset();
    return;
  }
  GdiObject<HPEN> pen(CreatePen(PS_SOLID, width, Resolve(colour)));
  SelectObject(dc_, pen.Get());
  pen_ = std::move(pen);  // the previous pen is deselected before it is deleted
}

void GdiCanvas::SetBrush(Colour colour) {
  if (colour == clNone) {
    SelectObject(dc_, GetStockObject(NULL_BRUSH));
    brush_.Reset();
    return;
  }
  GdiObject<HBRUSH> brush(CreateSolidBrush(Resolve(colour)));
  SelectObject(dc_, brush.Get());
  brush_ = std::move(brush);
}

void GdiCanvas::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }
void GdiCanvas::LineTo(int x, int y) { ::LineTo(dc_, x, y); }
void GdiCanvas::Ellipse(int x1, int y1, int x2, int y2) { ::Ellipse(dc_, x1, y1, x2, y2); }

void GdiCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  ::Arc(dc_, x1, y1, x2, y2, x3, y3, x4, y4);
}

void GdiCanvas::Rectangle(int x1, int y1, int x2, int y2) { ::Rectangle(dc_, x1, y1, x2, y2); }

void GdiCanvas::Polygon(const std::vector<Point>& points) {
  std::vector<POINT> native;
  native.reserve(points.size());
  for (const Point& p : points) native.push_back({p.x, p.y});
  ::Polygon(dc_, native.data(), static_cast<int>(native.size()));
}

void GdiCanvas::Text(Rect box, const std::string& text, const Font& font) {
  const GdiObject<HFONT> handle = MakeFont(font);
  const Selection selected(dc_, handle.Get());
  SetBkMode(dc_, TRANSPARENT);
  SetTextColor(dc_, Resolve(font.colour));
  RECT r{box.left, box.top, box.right, box.bottom};
  const std::wstring wide = Widen(text);
  DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &r,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// Drawn off screen and copied in one go, so a picture never shows half drawn.
void PaintOffScreen(HDC target, const RECT& area, HBRUSH background,
                    const std::function<void(Canvas&)>& paint) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  const MemoryDc memory(target);
  const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(target, width, height));
  const Selection selected(memory.Get(), bitmap.Get());
  RECT all{0, 0, width, height};
  FillRect(memory.Get(), &all, background);
  {
    GdiCanvas canvas(memory.Get());
    paint(canvas);
  }
  BitBlt(target, area.left, area.top, width, height, memory.Get(), 0, 0, SRCCOPY);
}

}  // namespace ui::win32
