// Pieces shared by the files of the Win32 backend.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/ui.h"

namespace ui::win32 {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);
COLORREF Resolve(Colour colour);

// One GDI object, deleted with its owner.
template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle h) : h_(h) {}
  ~GdiObject() { Reset(); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& o) noexcept : h_(o.h_) { o.h_ = nullptr; }
  GdiObject& operator=(GdiObject&& o) noexcept {
    if (this != &o) {
      Reset();
      h_ = o.h_;
      o.h_ = nullptr;
    }
    return *this;
  }
  void Reset(Handle h = nullptr) {
    if (h_) DeleteObject(h_);
    h_ = h;
  }
  Handle Get() const { return h_; }

 private:
  Handle h_ = nullptr;
};

// An object selected into a device context for the guard's life; the one it replaced goes back.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, old_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A memory device context compatible with another, deleted with its owner.
class MemoryDc {
 public:
  explicit MemoryDc(HDC compatible) : dc_(CreateCompatibleDC(compatible)) {}
  ~MemoryDc() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

GdiObject<HFONT> MakeFont(const Font& font);

class GdiCanvas : public Canvas {
 public:
  explicit GdiCanvas(HDC dc);
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;
  void SetPen(Colour colour, int width) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
  void SetBrush(Colour colour) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Polygon(const std::vector<Point>& points) override;
  void Text(Rect box, const std::string& text, const Font& font) override;

 private:
  HDC dc_;
  // The canvas's own pen and brush outlive the selections, which put the originals back first.
  GdiObject<HPEN> pen_;
  GdiObject<HBRUSH> brush_;
  Selection originalPen_;
  Selection originalBrush_;
};

// Paints area of target through a canvas whose origin is the area's top left corner.
void PaintOffScreen(HDC target, const RECT& area, HBRUSH background,
                    const std::function<void(Canvas&)>& paint);

}  // namespace ui::win32

namespace ui::backend {

// What the backend keeps for each native control.
struct ControlState {
  HWND hwnd = nullptr;
  win32::GdiObject<HFONT> font;
  win32::GdiObject<HBRUSH> background;
};

// What the backend keeps for each form.
struct FormState {
  HWND hwnd = nullptr;
  win32::GdiObject<HBRUSH> background;
  win32::GdiObject<HFONT> font;
  HMENU menuBar = nullptr;
  std::map<HMENU, MenuItem*> popups;  // a drop-down's handle to its item
  std::map<int, MenuItem*> commands;
  HWND tooltip = nullptr;  // made with the first hint
  bool pressed = false;    // the left button went down on the bare client area
  bool held = false;       // and is still down there, pressed once or as a double click's second
  bool modal = false;
  int modalResult = 0;
  HWND focus = nullptr;  // the control that had the keyboard when a modal form was deactivated
  int monitorDpi = kDefaultDpi;  // of the monitor the window is on
  int dpi = kDefaultDpi;         // the layout's: the monitor's, or lower to fit its work area
};

}  // namespace ui::backend

namespace ui::win32 {

using backend::ControlState;
using backend::FormState;

inline HWND Hwnd(const Form& form) { return form.native ? form.native->hwnd : nullptr; }

// A function of a system library, looked up by name: newer Windows' functions, so the program
// still starts without them, and libraries loaded only when first needed. The library stays
// loaded, as it is asked for again. Null when the library or the function cannot be had; the
// caller then does without.
template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name) {
  const HMODULE module = LoadLibraryW(library);
  if (!module) return nullptr;
  // Through void (*)(): GetProcAddress's type matches no real function's.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}
inline FormState* StateOf(const Form& form) { return form.native.get(); }

// Creates the native controls of a form whose window has just been made.
void CreateControls(Form& form);
void LayOutControls(Form& form);
// Places the controls and makes their fonts again at the form's present dpi.
void ScaleControls(Form& form);
// The dpi of a window; before Windows 10 1607, the system's one dpi.
int WindowDpi(HWND hwnd);
// The system's one dpi, which every monitor has before Windows 8.1.
int SystemDpi();
// Rebuilds the native menu bar from the item tree, leaving hidden items out.
void BuildMenu(Form& form);
// Gives the window's own menu its standard items, then the form's own after a separator.
void BuildSystemMenu(Form& form);
// Runs the form's own item of the window menu that a WM_SYSCOMMAND names; false for the
// system's commands.
bool SystemCommand(Form& form, WPARAM command);
LRESULT ColourStatic(Form& form, HDC dc, HWND control);
bool DrawItem(Form& form, const DRAWITEMSTRUCT& item);
Control* ControlById(Form& form, int id);
// The control of this form that a child window is, if any.
Control* ControlOf(Form& form, HWND child);

// The form whose modal run is innermost, for dialog keyboard handling in the loop.
extern Form* modalForm;
// The first form created: closing it ends the message loop.
extern Form* mainForm;

}  // namespace ui::win32
