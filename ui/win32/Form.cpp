// Forms on Win32: one window class per form class, and one window procedure that finds its
// form from the pointer stored at WM_NCCREATE.
#include <set>

#include "ui/backend.h"
#include "ui/win32/Win32.h"

#include <windowsx.h>

namespace ui::win32 {

Form* modalForm = nullptr;
Form* mainForm = nullptr;

namespace {

constexpr int kIconResource = 1;

DWORD StyleOf(const FormStyle& s) {
  switch (s.frame) {
    case FormStyle::Frame::Sizeable: return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    case FormStyle::Frame::Dialog:
      return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_CLIPCHILDREN;
    case FormStyle::Frame::Popup: return WS_POPUP;
  }
  return WS_OVERLAPPEDWINDOW;
}

DWORD ExStyleOf(const FormStyle& s) {
  DWORD ex = 0;
  if (s.topMost) ex |= WS_EX_TOPMOST;
  if (s.frame == FormStyle::Frame::Dialog) ex |= WS_EX_DLGMODALFRAME;
  // An overlay must never take the focus from the program the user types in, nor swallow a
  // click that lands on one of its strokes.
  if (s.overlay) ex |= WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT;
  if (s.noActivate) ex |= WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
  return ex;
}

void RegisterClassFor(const FormStyle& s, WNDPROC proc) {
  static std::set<std::string> registered;
  if (!registered.insert(s.className).second) return;
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const std::wstring name = Widen(s.className);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconResource));
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = name.c_str();
  RegisterClassExW(&wc);
}

int SystemDpi() {
  using GetDpiForSystemFunction = UINT(WINAPI*)();
  static const auto getDpiForSystem =
      SystemFunction<GetDpiForSystemFunction>(L"user32.dll", "GetDpiForSystem");
  if (getDpiForSystem)
    if (const UINT dpi = getDpiForSystem()) return static_cast<int>(dpi);
  // Before Windows 10 1607 the whole desktop has one dpi, which its device context reports.
  int dpi = 0;
  if (const HDC screen = GetDC(nullptr)) {
    dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
  }
  return dpi > 0 ? dpi : kDefaultDpi;
}

void EnableOtherForms(Form& except, bool enable) {
  for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == GetCurrentProcessId() && w != Hwnd(except) && IsWindowVisible(w))
      EnableWindow(w, enable);
  }
}

// The screen point of a mouse message, which carries it in client coordinates.
Point MessagePoint(HWND hwnd, LPARAM lp) {
  POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  ClientToScreen(hwnd, &p);
  return {p.x, p.y};
}

}  // namespace

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

int WindowDpi(HWND hwnd) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow =
      SystemFunction<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
  if (getDpiForWindow && hwnd)
    if (const UINT dpi = getDpiForWindow(hwnd)) return static_cast<int>(dpi);
  return SystemDpi();
}

LRESULT HandleMessage(Form& form, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  FormState& st = *StateOf(form);
  switch (msg) {
    case WM_CREATE: CreateControls(form); return 0;
    case WM_SIZE: LayOutControls(form); return 0;
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(hwnd, &r);
      FillRect(reinterpret_cast<HDC>(wp), &r, st.background.Get());
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      {
        GdiCanvas canvas(dc);
        canvas.SetDpi(st.dpi);
        form.DispatchPaint(canvas);
      }
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_SHOWWINDOW:
      if (wp && lp == 0) form.DispatchShow();
      break;
    case WM_CTLCOLORSTATIC:
      return ColourStatic(form, reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
    case WM_DRAWITEM:
      if (DrawItem(form, *reinterpret_cast<DRAWITEMSTRUCT*>(lp))) return TRUE;
      break;
    case WM_COMMAND: {
      const int id = LOWORD(wp);
      // Enter and Esc send IDOK and IDCANCEL without a control when the form has no such
      // button: dialog commands, not menu ones (menu ids start far above them).
      const bool dialogKey = id == IDOK || id == IDCANCEL;
      if (lp == 0 && HIWORD(wp) == 0 && !dialogKey) {  // a menu command
        if (auto it = st.commands.find(id); it != st.commands.end() && it->second->OnClick)
          it->second->OnClick();
        return 0;
      }
      const WORD code = HIWORD(wp);
      if (code == BN_CLICKED || code == STN_CLICKED)
        backend::Command(form, id, ControlById(form, id));
      return 0;
    }
    case WM_SYSCOMMAND:
      if (SystemCommand(form, wp)) return 0;
      break;
    case WM_INITMENUPOPUP:
      if (!HIWORD(lp)) {
        if (auto it = st.popups.find(reinterpret_cast<HMENU>(wp));
            it != st.popups.end() && it->second->OnPopup)
          it->second->OnPopup();
      }
      return 0;
    case WM_EXITMENULOOP: {
      const LRESULT r = DefWindowProcW(hwnd, msg, wp, lp);
      form.DispatchExitMenuLoop();
      return r;
    }
    case WM_TIMER:
      for (Timer* t : form.Timers())
        if (t->id == static_cast<int>(wp)) t->Fire();
      return 0;
    case WM_USER:
      // In a modal run the dialog keys ask with this same number (DM_GETDEFID) which button
      // Enter presses; the hook library only ever posts to the main window.
      if (form.Modal()) {
        const Button* b = form.EnterButton();
        return b ? MAKELRESULT(b->id, DC_HASDEFID) : 0;
      }
      form.DispatchUserMessage(wp, lp);
      return 0;
    case WM_ACTIVATE:
      // As a dialog does, a modal form gives the keyboard back to the control that had it
      // before a message box or the colour chooser took it.
      if (form.Modal()) {
        if (LOWORD(wp) == WA_INACTIVE) {
          if (HWND f = GetFocus(); f && IsChild(hwnd, f)) st.focus = f;
        } else if (st.focus && IsChild(hwnd, st.focus) && IsWindowEnabled(st.focus)) {
          SetFocus(st.focus);
          return 0;
        }
      }
      break;
    case WM_CLOSE: form.Close(); return 0;
    case WM_DPICHANGED: {
      // Moved to a monitor of another scale: the controls and fonts follow it, and the form
      // places itself, by default where the system suggests, which keeps it under the pointer
      // that dragged it.
      st.monitorDpi = HIWORD(wp);
      backend::SetLayoutDpi(form, st.monitorDpi);
      const RECT& r = *reinterpret_cast<const RECT*>(lp);
      form.DispatchDpiChanged(Rect{r.left, r.top, r.right, r.bottom});
      return 0;
    }
    case WM_QUERYENDSESSION: form.DispatchQueryEndSession(); return TRUE;
    case WM_ENDSESSION: form.DispatchEndSession(wp != FALSE); return 0;
    case WM_MOUSEACTIVATE:
      if (form.Style().overlay || form.Style().noActivate) return MA_NOACTIVATE;
      break;
    case WM_SETCURSOR:
      // Asked for the form and for each child under the pointer, before the child's class
      // cursor is taken.
      if (LOWORD(lp) == HTCLIENT) {
        const HWND under = reinterpret_cast<HWND>(wp);
        Control::Cursor cursor = Control::Cursor::Default;
        if (under == hwnd)
          cursor = form.Style().cursor;
        else if (const Control* c = ControlOf(form, under))
          cursor = c->GetCursor();
        if (cursor != Control::Cursor::Default) {
          SetCursor(LoadCursorW(nullptr, cursor == Control::Cursor::Hand ? IDC_HAND : IDC_ARROW));
          return TRUE;
        }
      }
      break;
    case WM_LBUTTONDOWN:
      // A click is a press and a release both on the bare client area.
      st.pressed = true;
      st.held = true;
      SetCapture(hwnd);
      form.DispatchMouseDown(MessagePoint(hwnd, lp));
      return 0;
    case WM_LBUTTONDBLCLK:
      // The class takes double clicks: a quick second press is a press all the same, though
      // not a second click.
      st.held = true;
      SetCapture(hwnd);
      form.DispatchMouseDown(MessagePoint(hwnd, lp));
      return 0;
    case WM_MOUSEMOVE:
      if (st.held) form.DispatchMouseMove(MessagePoint(hwnd, lp));
      break;
    case WM_LBUTTONUP: {
      const bool click = st.pressed, held = st.held;
      st.pressed = st.held = false;
      if (GetCapture() == hwnd) ReleaseCapture();
      if (held) form.DispatchMouseUp(MessagePoint(hwnd, lp));
      RECT client;
      GetClientRect(hwnd, &client);
      if (click && PtInRect(&client, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}))
        form.DispatchClick();
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lp) != hwnd) st.pressed = st.held = false;
      break;
    case WM_NCHITTEST:
      // The layered, transparent style already lets the mouse through; this covers any
      // message that still reaches an overlay, before it is layered or where the style is ignored.
      if (form.Style().overlay) return HTTRANSPARENT;
      break;
    default: break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    StateOf(*form)->hwnd = hwnd;
    StateOf(*form)->monitorDpi = StateOf(*form)->dpi = WindowDpi(hwnd);
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!form || !form->native) return DefWindowProcW(hwnd, msg, wp, lp);
  return HandleMessage(*form, hwnd, msg, wp, lp);
}

}  // namespace ui::win32

namespace ui {

using namespace win32;

namespace backend {
void DeleteState::operator()(FormState* state) const { delete state; }
void DeleteState::operator()(ControlState* state) const { delete state; }

int MonitorDpi(const Form& form) {
  if (const FormState* st = StateOf(form); st && st->hwnd) return st->monitorDpi;
  return SystemDpi();
}

Size FrameSize(const Form& form) {
  const HWND w = Hwnd(form);
  RECT r{0, 0, 0, 0};
  const auto style = static_cast<DWORD>(GetWindowLongW(w, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongW(w, GWL_EXSTYLE));
  // At the window's own monitor's dpi, which may not be the system's.
  using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi =
      SystemFunction<AdjustForDpiFunction>(L"user32.dll", "AdjustWindowRectExForDpi");
  if (adjustForDpi)
    adjustForDpi(&r, style, GetMenu(w) != nullptr, exStyle, static_cast<UINT>(MonitorDpi(form)));
  else
    AdjustWindowRectEx(&r, style, GetMenu(w) != nullptr, exStyle);
  return {r.right - r.left, r.bottom - r.top};
}

Rect WorkArea(Rect r) {
  const RECT around{r.left, r.top, r.right, r.bottom};
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(MonitorFromRect(&around, MONITOR_DEFAULTTONEAREST), &info))
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &info.rcWork, 0);
  return {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

void SetLayoutDpi(Form& form, int dpi) {
  FormState* st = StateOf(form);
  if (!st || !st->hwnd) return;
  st->dpi = dpi;
  st->font = MakeFont(ScaleForDpi(form.Style().font, dpi));
  ScaleControls(form);
}

void FormDestroyed(Form& form) {
  FormState* st = StateOf(form);
  if (!st) return;
  if (st->hwnd) {
    SetWindowLongPtrW(st->hwnd, GWLP_USERDATA, 0);
    DestroyWindow(st->hwnd);
  }
  if (st->menuBar)
    DestroyMenu(st->menuBar);  // a menu no longer attached is not destroyed with the window
  form.native.reset();
  if (mainForm == &form) mainForm = nullptr;
}
}  // namespace backend

void Form::Create() {
  RegisterClassFor(style_, WindowProcedure);
  native.reset(new FormState);
  FormState* st = native.get();
  st->background.Reset(CreateSolidBrush(Resolve(style_.background)));
  if (!mainForm) mainForm = this;
  // A window owned by the main one would hide with it when it is minimised.
  const bool standalone = style_.overlay || style_.noActivate;
  HWND owner = standalone ? GetDesktopWindow() : (mainForm != this ? Hwnd(*mainForm) : nullptr);
  const Rect& b = style_.bounds;
  CreateWindowExW(ExStyleOf(style_), Widen(style_.className).c_str(), Widen(style_.caption).c_str(),
                  StyleOf(style_), b.left, b.top, b.Width(), b.Height(), owner, nullptr,
                  GetModuleHandleW(nullptr), this);
  st->font = MakeFont(ScaleForDpi(style_.font, st->dpi));
  if (menu_) BuildMenu(*this);
  BuildSystemMenu(*this);
  for (Timer* t : timers_)
    if (t->Enabled()) backend::TimerChanged(*t);
  FormCreate();
}

std::intptr_t Form::Handle() const { return reinterpret_cast<std::intptr_t>(Hwnd(*this)); }

void Form::Show() {
  if (IsWindowVisible(Hwnd(*this))) return;
  ShowWindow(Hwnd(*this), style_.overlay || style_.noActivate ? SW_SHOWNOACTIVATE : SW_SHOW);
}

void Form::Hide() { ShowWindow(Hwnd(*this), SW_HIDE); }

bool Form::Visible() const { return IsWindowVisible(Hwnd(*this)); }

void Form::Close() {
  FormClose();
  FormState* st = StateOf(*this);
  if (st->modal) {
    st->modal = false;
    st->modalResult = ResultCancel;
    return;
  }
  ShowWindow(Hwnd(*this), SW_HIDE);
  if (mainForm == this) PostQuitMessage(0);
}

int Form::ShowModal() {
  FormState* st = StateOf(*this);
  Form* outer = modalForm;
  st->modal = true;
  st->modalResult = 0;
  st->focus = nullptr;
  EnableOtherForms(*this, false);
  ShowWindow(Hwnd(*this), SW_SHOW);
  SetForegroundWindow(Hwnd(*this));
  if (Control* first = FirstFocusable()) first->SetFocus();
  modalForm = this;
  MSG m;
  while (st->modal) {
    const BOOL got = GetMessageW(&m, nullptr, 0, 0);
    if (got <= 0) {
      PostQuitMessage(0);  // leave the quit for the main loop
      st->modal = false;
      break;
    }
    if (IsDialogMessageW(Hwnd(*this), &m)) continue;
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
  modalForm = outer;
  EnableOtherForms(*this, true);
  ShowWindow(Hwnd(*this), SW_HIDE);
  return st->modalResult;
}

void Form::EndModal(int result) {
  FormState* st = StateOf(*this);
  if (!st->modal) return;
  FormClose();
  st->modal = false;
  st->modalResult = result;
}

bool Form::Modal() const { return native && StateOf(*this)->modal; }

Rect Form::BoundsRect() const {
  RECT r{};
  GetWindowRect(Hwnd(*this), &r);
  return Rect{r.left, r.top, r.right, r.bottom};
}

void Form::SetBounds(int left, int top, int width, int height) {
  SetWindowPos(Hwnd(*this), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetSize(int width, int height) {
  SetWindowPos(Hwnd(*this), nullptr, 0, 0, width, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetClientSize(int width, int height) {
  const Size frame = backend::FrameSize(*this);
  SetSize(width + frame.width, height + frame.height);
}

void Form::SetPosition(int left, int top) {
  SetWindowPos(Hwnd(*this), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::BringToFrontTopMost() {
  SetWindowPos(Hwnd(*this), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form::SetPositionTopMost(int left, int top) {
  SetWindowPos(Hwnd(*this), HWND_TOPMOST, left, top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

int Form::Dpi() const {
  if (const FormState* st = StateOf(*this); st && st->hwnd) return st->dpi;
  return SystemDpi();
}

void Form::SetColourKey(Colour key) {
  const HWND w = Hwnd(*this);
  SetWindowLongW(w, GWL_EXSTYLE, GetWindowLongW(w, GWL_EXSTYLE) | WS_EX_LAYERED);
  SetLayeredWindowAttributes(w, Resolve(key), 255, LWA_COLORKEY);
}

WindowState Form::State() const {
  if (IsWindowVisible(Hwnd(*this)))
    return IsIconic(Hwnd(*this)) ? WindowState::Minimised : WindowState::Normal;
  return state_;
}

void Form::SetState(WindowState state) {
  state_ = state;
  if (!IsWindowVisible(Hwnd(*this))) return;  // applied when the window is first shown
  // SW_RESTORE would activate an overlay, which must never take the focus.
  const int restore = style_.overlay || style_.noActivate ? SW_SHOWNOACTIVATE : SW_RESTORE;
  ShowWindow(Hwnd(*this), state == WindowState::Minimised ? SW_MINIMIZE : restore);
}

std::string Form::Caption() const {
  wchar_t buffer[512];
  GetWindowTextW(Hwnd(*this), buffer, 512);
  return Narrow(buffer);
}

void Form::SetCaption(const std::string& caption) {
  SetWindowTextW(Hwnd(*this), Widen(caption).c_str());
}

void Form::SetMenu(MenuItem& menuBar) {
  menu_ = &menuBar;
  if (native && Hwnd(*this)) BuildMenu(*this);
}

void Form::Repaint() {
  RedrawWindow(Hwnd(*this), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace ui
