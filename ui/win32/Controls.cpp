// Native controls, menus and timers behind the layer's objects.
#include <functional>
#include <span>

#include "ui/backend.h"
#include "ui/win32/Win32.h"

#include <commctrl.h>

namespace ui::win32 {

namespace {

constexpr int kFirstMenuId = 1000;
// Commands of the window's own menu: below the system's own (0xF000 up), and with the four low
// bits clear, which the system keeps for itself in WM_SYSCOMMAND.
constexpr int kFirstSystemMenuId = 0x1000;
constexpr int kSystemMenuIdStep = 0x10;
constexpr int kTipWidth = 320;  // longer hints wrap

ControlState* StateOf(const Control& c) { return c.native.get(); }
HWND HwndOf(const Control& c) { return c.native ? StateOf(c)->hwnd : nullptr; }

// The control's place in its form's client area, at the form's dpi.
Rect ClientRect(const Control& c) { return c.ClientBounds(); }

const wchar_t* ClassOf(Control::Kind kind) {
  switch (kind) {
    case Control::Kind::Panel:
    case Control::Kind::Label:
    case Control::Kind::Picture: return L"STATIC";
    case Control::Kind::PictureButton:
    case Control::Kind::ToolButton:
    case Control::Kind::CheckBox:
    case Control::Kind::Button: return L"BUTTON";
    case Control::Kind::Edit:
    case Control::Kind::Memo: return L"EDIT";
  }
  return L"STATIC";
}

DWORD StyleOf(const Control& c) {
  DWORD style =
      WS_CHILD | WS_CLIPSIBLINGS | (c.Showing() ? WS_VISIBLE : 0) | (c.Enabled() ? 0 : WS_DISABLED);
  // Each focusable control is a group of its own, so the arrow keys stay inside edit boxes
  // and do not wander between check boxes.
  if (c.TakesFocus()) style |= WS_TABSTOP | WS_GROUP;
  switch (c.GetKind()) {
    case Control::Kind::Panel:
      if (static_cast<const Panel&>(c).GetBevel() == Panel::Bevel::Sunken)
        return style | SS_NOTIFY | SS_SUNKEN;
      return style | SS_NOTIFY | SS_ETCHEDFRAME;
    case Control::Kind::Label: {
      const auto& label = static_cast<const Label&>(c);
      return style | SS_NOTIFY | (label.Alignment() == Label::Align::Centre ? SS_CENTER : SS_LEFT) |
             (label.VerticalCentre() ? SS_CENTERIMAGE : 0);
    }
    case Control::Kind::Picture: return style | SS_NOTIFY | SS_OWNERDRAW;
    case Control::Kind::PictureButton: return style | BS_OWNERDRAW;
    case Control::Kind::Memo:
      return style | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL |
             (static_cast<const Memo&>(c).ReadOnly() ? ES_READONLY : 0);
    case Control::Kind::ToolButton: return style | BS_OWNERDRAW;
    case Control::Kind::CheckBox: return style | BS_AUTOCHECKBOX;
    case Control::Kind::Edit: return style | ES_LEFT | ES_AUTOHSCROLL;
    case Control::Kind::Button:
      // Drawn by us for the glyph; an owner-drawn button cannot carry BS_DEFPUSHBUTTON, so
      // the default frame is drawn too and Enter is answered through DM_GETDEFID.
      return style | BS_OWNERDRAW;
  }
  return style;
}

DWORD ExStyleOf(const Control& c) {
  return c.GetKind() == Control::Kind::Edit ? WS_EX_CLIENTEDGE : 0;
}

// The edit control ends its lines with CR LF; the layer with LF.
std::wstring NativeText(const Control& c) {
  const std::wstring text = Widen(c.StoredText());
  if (c.GetKind() != Control::Kind::Memo) return text;
  std::wstring native;
  for (const wchar_t ch : text) {
    if (ch == L'\n') native += L'\r';
    if (ch != L'\r') native += ch;
  }
  return native;
}

bool Contains(const Control& container, const Control& c) {
  for (const Control* k = &c; k; k = k->Container())
    if (k == &container) return true;
  return false;
}

// The form's tip window, made with the first hint; one tool per control, the control itself.
void SetTip(Control& c) {
  FormState& form = *win32::StateOf(c.Owner());
  if (!form.tooltip) {
    if (c.Hint().empty()) return;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    form.tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form.hwnd, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    SendMessageW(form.tooltip, TTM_SETMAXTIPWIDTH, 0, c.Owner().Scale(kTipWidth));
  }
  std::wstring text = Widen(c.Hint());
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every version of the common controls
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = form.hwnd;
  tool.uId = reinterpret_cast<UINT_PTR>(HwndOf(c));
  tool.lpszText = text.data();
  SendMessageW(form.tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (!text.empty()) SendMessageW(form.tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

Colour BackgroundOf(const Control& c) {
  if (c.GetKind() == Control::Kind::Label) return static_cast<const Label&>(c).Background();
  return c.Owner().Style().background;
}

void ApplyFont(Control& c) {
  ControlState* st = StateOf(c);
  st->font = MakeFont(ScaleForDpi(c.GetFont(), c.Owner().Dpi()));
  st->background.Reset(CreateSolidBrush(Resolve(BackgroundOf(c))));
  SendMessageW(st->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(st->font.Get()), TRUE);
  InvalidateRect(st->hwnd, nullptr, TRUE);
}

constexpr int kGlyph = 16;    // glyph box, in pixels
constexpr int kGlyphGap = 4;  // between glyph and caption
constexpr int kGlyphPen = 2;

// The glyphs as strokes in their 16-pixel box: a green tick, and the red cross of cancel.
struct Stroke {
  POINT from, to;
};
constexpr Stroke kCheckMark[] = {{{2, 8}, {6, 12}}, {{6, 12}, {13, 3}}};
constexpr Stroke kCross[] = {{{3, 3}, {12, 12}}, {{12, 3}, {3, 12}}};

void DrawGlyph(HDC dc, Button::Glyph glyph, int left, int top, bool enabled, int dpi) {
  if (glyph == Button::Glyph::None) return;
  const bool tick = glyph == Button::Glyph::CheckMark;
  const COLORREF colour = !enabled ? GetSysColor(COLOR_GRAYTEXT) : Resolve(tick ? clGreen : clRed);
  const GdiObject<HPEN> pen(CreatePen(PS_SOLID, ScaleForDpi(kGlyphPen, dpi), colour));
  const Selection selected(dc, pen.Get());
  const auto at = [dpi](int v) { return ScaleForDpi(v, dpi); };
  for (const Stroke& s :
       tick ? std::span<const Stroke>(kCheckMark) : std::span<const Stroke>(kCross)) {
    MoveToEx(dc, left + at(s.from.x), top + at(s.from.y), nullptr);
    LineTo(dc, left + at(s.to.x), top + at(s.to.y));
  }
}

// A classic push button: the default one (the one Enter presses now) has a black frame.
void DrawButton(const Button& b, const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  const bool pushed = item.itemState & ODS_SELECTED;
  const bool enabled = !(item.itemState & ODS_DISABLED);
  if (b.Owner().EnterButton() == &b) {
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&r, -1, -1);
  }
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  const RECT frame = r;
  if (pushed) OffsetRect(&r, 1, 1);

  const Selection font(dc, StateOf(b)->font.Get());
  const std::wstring text = Widen(b.Text());
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  const bool glyph = b.GetGlyph() != Button::Glyph::None;
  const int dpi = b.Owner().Dpi();
  const int glyphBox = ScaleForDpi(kGlyph, dpi), glyphGap = ScaleForDpi(kGlyphGap, dpi);
  const int width = extent.cx + (glyph ? glyphBox + glyphGap : 0);
  int left = r.left + (r.right - r.left - width) / 2;
  if (glyph) {
    DrawGlyph(dc, b.GetGlyph(), left, r.top + (r.bottom - r.top - glyphBox) / 2, enabled, dpi);
    left += glyphBox + glyphGap;
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, enabled ? Resolve(b.GetFont().colour) : GetSysColor(COLOR_GRAYTEXT));
  RECT textRect{left, r.top, r.right, r.bottom};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE);

  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    RECT focus = frame;
    InflateRect(&focus, -ScaleForDpi(3, dpi), -ScaleForDpi(3, dpi));
    DrawFocusRect(dc, &focus);
  }
  // The default frame follows the focus: the other buttons redraw theirs.
  if (item.itemAction & ODA_FOCUS)
    for (Control* c : b.Owner().Controls())
      if (c != &b && c->GetKind() == Control::Kind::Button && c->native)
        InvalidateRect(HwndOf(*c), nullptr, FALSE);
}

WNDPROC buttonProcedure = nullptr;

// The button class takes the focus on a press, and the focus would activate the form; this
// one reports its click without it.
LRESULT CALLBACK NoFocusButton(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: SetCapture(h); return 0;
    case WM_LBUTTONUP: {
      if (GetCapture() != h) return 0;
      ReleaseCapture();
      RECT r;
      GetClientRect(h, &r);
      const POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
      if (PtInRect(&r, p))
        SendMessageW(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), BN_CLICKED),
                     reinterpret_cast<LPARAM>(h));
      return 0;
    }
    default: return CallWindowProcW(buttonProcedure, h, msg, wp, lp);
  }
}

bool InNativeMenu(const MenuItem& item) {
  for (const MenuItem* i = &item; i; i = i->parent)
    if (!i->Visible()) return false;
  return item.form && item.form->native && win32::StateOf(*item.form)->menuBar;
}

}  // namespace

std::wstring Widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring w(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
  return w;
}

std::string Narrow(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string s(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), s.data(), n, nullptr,
                      nullptr);
  return s;
}

COLORREF Resolve(Colour colour) {
  if (colour == clWindowText) return GetSysColor(COLOR_WINDOWTEXT);
  return static_cast<COLORREF>(colour & 0x00FFFFFF);
}

GdiObject<HFONT> MakeFont(const Font& font) {
  return GdiObject<HFONT>(CreateFontW(-font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE,
                                      FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH | FF_DONTCARE, Widen(font.name).c_str()));
}

void CreateControls(Form& form) {
  const HWND parent = Hwnd(form);
  for (Control* c : form.Controls()) {
    c->native.reset(new ControlState);
    ControlState* st = c->native.get();
    const Rect r = ClientRect(*c);
    st->hwnd = CreateWindowExW(ExStyleOf(*c), ClassOf(c->GetKind()), NativeText(*c).c_str(),
                               StyleOf(*c), r.left, r.top, r.Width(), r.Height(), parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(c->id)),
                               GetModuleHandleW(nullptr), nullptr);
    ApplyFont(*c);
    if (c->GetKind() == Control::Kind::PictureButton) {
      const auto previous = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrW(st->hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NoFocusButton)));
      if (previous != NoFocusButton) buttonProcedure = previous;
    }
    if (c->GetKind() == Control::Kind::CheckBox)
      backend::ControlChanged(*c, backend::Change::Checked);
    if (!c->Hint().empty()) SetTip(*c);
  }
  // Controls inside a container are its siblings here, so they must stand above it; and a
  // label runs under the boxes beside it. Labels and then panels go to the bottom, which
  // leaves the others in the order they were made: the tab order. A panel is made before the
  // panels it holds, so panels go down last-made first and each stays under its contents.
  const auto toBottom = [](Control* c) {
    SetWindowPos(HwndOf(*c), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  };
  for (Control* c : form.Controls())
    if (c->GetKind() == Control::Kind::Label) toBottom(c);
  for (auto it = form.Controls().rbegin(); it != form.Controls().rend(); ++it)
    if ((*it)->GetKind() == Control::Kind::Panel) toBottom(*it);
  LayOutControls(form);
}

void LayOutControls(Form& form) {
  RECT client;
  if (!GetClientRect(Hwnd(form), &client)) return;
  int top = 0;
  for (Control* c : form.Controls()) {
    if (!c->native) continue;
    const Rect b = c->ClientBounds();
    switch (c->Docking()) {
      case Control::Dock::Top:
        MoveWindow(HwndOf(*c), 0, top, client.right, b.Height(), TRUE);
        top += b.Height();
        break;
      case Control::Dock::Fill:
        MoveWindow(HwndOf(*c), 0, top, client.right, client.bottom - top, TRUE);
        break;
      case Control::Dock::None: break;
    }
  }
}

void ScaleControls(Form& form) {
  for (Control* c : form.Controls()) {
    if (!c->native) continue;
    const Rect r = ClientRect(*c);
    MoveWindow(HwndOf(*c), r.left, r.top, r.Width(), r.Height(), TRUE);
    ApplyFont(*c);
  }
  LayOutControls(form);
}

Control* ControlOf(Form& form, HWND child) {
  for (Control* c : form.Controls())
    if (c->native && HwndOf(*c) == child) return c;
  return nullptr;
}

Control* ControlById(Form& form, int id) {
  for (Control* c : form.Controls())
    if (c->id == id) return c;
  return nullptr;
}

LRESULT ColourStatic(Form& form, HDC dc, HWND control) {
  for (Control* c : form.Controls()) {
    if (HwndOf(*c) != control) continue;
    SetTextColor(dc, Resolve(c->GetFont().colour));
    SetBkColor(dc, Resolve(BackgroundOf(*c)));
    return reinterpret_cast<LRESULT>(StateOf(*c)->background.Get());
  }
  return reinterpret_cast<LRESULT>(win32::StateOf(form)->background.Get());
}

bool DrawItem(Form& form, const DRAWITEMSTRUCT& item) {
  Control* c = ControlById(form, static_cast<int>(item.CtlID));
  if (c &&
      (c->GetKind() == Control::Kind::Picture || c->GetKind() == Control::Kind::PictureButton)) {
    auto& picture = static_cast<Picture&>(*c);
    const int width = item.rcItem.right - item.rcItem.left,
              height = item.rcItem.bottom - item.rcItem.top;
    PaintOffScreen(item.hDC, item.rcItem, win32::StateOf(form)->background.Get(),
                   [&](Canvas& canvas) {
                     canvas.SetDpi(form.Dpi());
                     if (picture.OnPaint) picture.OnPaint(canvas, width, height);
                   });
    return true;
  }
  if (c && c->GetKind() == Control::Kind::Button) {
    DrawButton(static_cast<const Button&>(*c), item);
    return true;
  }
  if (!c || c->GetKind() != Control::Kind::ToolButton) return false;
  RECT r = item.rcItem;
  const bool pushed = item.itemState & ODS_SELECTED;
  DrawFrameControl(item.hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  if (pushed) OffsetRect(&r, 1, 1);
  const Selection font(item.hDC, StateOf(*c)->font.Get());
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, Resolve(c->GetFont().colour));
  const std::wstring text = Widen(c->Text());
  DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &r,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  return true;
}

void BuildMenu(Form& form) {
  FormState& st = *win32::StateOf(form);
  MenuItem* root = form.Menu();
  if (!root) return;
  int next = kFirstMenuId;
  st.popups.clear();
  st.commands.clear();
  std::function<void(HMENU, MenuItem&)> fill = [&](HMENU into, MenuItem& parent) {
    for (MenuItem* item : parent.Items()) {
      item->form = &form;
      if (!item->id) item->id = next;
      next = std::max(next, item->id) + 1;
      if (!item->Visible()) continue;
      const std::wstring caption = Widen(item->Caption());
      switch (item->GetKind()) {
        case MenuItem::Kind::Separator: AppendMenuW(into, MF_SEPARATOR, 0, nullptr); break;
        case MenuItem::Kind::Submenu: {
          HMENU popup = CreatePopupMenu();
          fill(popup, *item);
          st.popups[popup] = item;
          AppendMenuW(into, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup),
                      caption.c_str());
          break;
        }
        case MenuItem::Kind::Command:
          st.commands[item->id] = item;
          AppendMenuW(into, MF_STRING | (item->Checked() ? MF_CHECKED : 0),
                      static_cast<UINT_PTR>(item->id), caption.c_str());
          break;
      }
    }
  };
  // Read the marks before the old menu goes: they live there while it is attached.
  HMENU bar = CreateMenu();
  fill(bar, *root);
  HMENU old = st.menuBar;
  st.menuBar = bar;
  ::SetMenu(Hwnd(form), bar);
  if (old) DestroyMenu(old);
  DrawMenuBar(Hwnd(form));
}

void BuildSystemMenu(Form& form) {
  const HWND h = Hwnd(form);
  if (!h || form.SystemMenuItems().empty()) return;
  GetSystemMenu(h, TRUE);  // back to the standard items, then a copy of them to add to
  const HMENU menu = GetSystemMenu(h, FALSE);
  if (!menu) return;
  int id = kFirstSystemMenuId;
  bool separated = false;
  for (MenuItem* item : form.SystemMenuItems()) {
    item->id = id;
    id += kSystemMenuIdStep;
    if (!item->Visible()) continue;
    if (!separated) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    separated = true;
    if (item->GetKind() == MenuItem::Kind::Separator) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    AppendMenuW(menu, MF_STRING | (item->Checked() ? MF_CHECKED : 0),
                static_cast<UINT_PTR>(item->id), Widen(item->Caption()).c_str());
  }
}

bool SystemCommand(Form& form, WPARAM command) {
  for (MenuItem* item : form.SystemMenuItems())
    if (static_cast<WPARAM>(item->id) == (command & 0xFFF0)) {
      if (item->OnClick) item->OnClick();
      return true;
    }
  return false;
}

}  // namespace ui::win32

namespace ui::backend {

using namespace win32;

void ControlChanged(Control& control, Change what) {
  HWND h = HwndOf(control);
  if (!h) return;
  switch (what) {
    case Change::Text:
      SetWindowTextW(h, NativeText(control).c_str());
      if (control.GetKind() == Control::Kind::ToolButton ||
          control.GetKind() == Control::Kind::PictureButton)
        InvalidateRect(h, nullptr, TRUE);
      break;
    case Change::Visible:
      // What a panel holds are its siblings here: they show and hide with it.
      for (Control* c : control.Owner().Controls())
        if (c->native && Contains(control, *c))
          ShowWindow(HwndOf(*c), c->Showing() ? SW_SHOWNA : SW_HIDE);
      break;
    case Change::Style:
      if (control.GetKind() == Control::Kind::Memo) {
        SendMessageW(h, EM_SETREADONLY, static_cast<const Memo&>(control).ReadOnly(), 0);
      } else {
        SetWindowLongW(h, GWL_STYLE, static_cast<LONG>(StyleOf(control)));
        InvalidateRect(h, nullptr, TRUE);
      }
      break;
    case Change::Hint: SetTip(control); break;
    case Change::Enabled: EnableWindow(h, control.Enabled()); break;
    case Change::Font: ApplyFont(control); break;
    case Change::Bounds: {
      const Rect r = ClientRect(control);
      MoveWindow(h, r.left, r.top, r.Width(), r.Height(), TRUE);
      break;
    }
    case Change::Checked:
      if (control.GetKind() == Control::Kind::CheckBox) {
        const bool checked = static_cast<const CheckBox&>(control).StoredChecked();
        SendMessageW(h, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
      }
      break;
  }
}

std::string ControlText(const Control& control, const std::string& mirror) {
  HWND h = HwndOf(control);
  if (!h) return mirror;
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(h)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(h, text.data(), static_cast<int>(text.size()))));
  if (control.GetKind() == Control::Kind::Memo) std::erase(text, L'\r');
  return Narrow(text);
}

bool ControlChecked(const Control& control, bool mirror) {
  HWND h = HwndOf(control);
  if (!h) return mirror;
  return SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void FocusControl(Control& control) {
  HWND h = HwndOf(control);
  if (!h) return;
  ::SetFocus(h);
  // As Tab does: what the user types next replaces the box's text.
  if (control.GetKind() == Control::Kind::Edit) SendMessageW(h, EM_SETSEL, 0, -1);
}

bool ControlFocused(const Control& control) {
  HWND h = HwndOf(control);
  return h && GetFocus() == h;
}

void MenuChanged(MenuItem& item, Change what) {
  // Few items, and no command finds them by id in every Wine: made again on every change.
  if (item.inSystemMenu) {
    if (item.form) BuildSystemMenu(*item.form);
    return;
  }
  if (!item.form || !item.form->native || !win32::StateOf(*item.form)->menuBar) return;
  if (what == Change::Checked) {
    if (InNativeMenu(item))
      CheckMenuItem(win32::StateOf(*item.form)->menuBar, static_cast<UINT>(item.id),
                    MF_BYCOMMAND | (item.Checked() ? MF_CHECKED : MF_UNCHECKED));
    return;
  }
  BuildMenu(*item.form);
}

// The mark is written through to the native menu at once; Wine's GetMenuState does not find
// items of a drop-down by command, so the item's own record is the one read back.
bool MenuChecked(const MenuItem&, bool mirror) { return mirror; }

void SystemMenuChanged(Form& form) { BuildSystemMenu(form); }

void TimerChanged(Timer& timer) {
  HWND h = Hwnd(timer.OwnerForm());
  if (!h) return;  // set when the window is made
  if (timer.Enabled())
    SetTimer(h, static_cast<UINT_PTR>(timer.id), timer.Interval(), nullptr);
  else
    KillTimer(h, static_cast<UINT_PTR>(timer.id));
}

void TimerRemoved(Timer& timer) {
  if (HWND h = Hwnd(timer.OwnerForm())) KillTimer(h, static_cast<UINT_PTR>(timer.id));
}

}  // namespace ui::backend
