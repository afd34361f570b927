// Forms on Win32: one window class per form class, and one window procedure that finds its
// form from the pointer stored at WM_NCCREATE.
#include <optional>
#include <set>

#include "ui/backend.h"
#include "ui/messages.h"
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

}  // namespace

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

namespace {

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

namespace {

// A message as the families below see it, with the state of the form it is for.
struct Message {
  Form& form;
  FormState& st;
  HWND hwnd;
  UINT msg;
  WPARAM wp;
  LPARAM lp;
};

// What a family answers for a message: its result, or nothing when the message is not one of
// its own or is left to the default procedure.
using Answer = std::optional<LRESULT>;
using Family = Answer (*)(const Message&);

// Creation, layout, showing, activation and closing.

Answer Activate(const Message& m) {
  // As a dialog does, a modal form gives the keyboard back to the control that had it
  // before a message box or the colour chooser took it.
  if (!m.form.Modal()) return std::nullopt;
  if (LOWORD(m.wp) == WA_INACTIVE) {
    if (HWND f = GetFocus(); f && IsChild(m.hwnd, f)) m.st.focus = f;
  } else if (m.st.focus && IsChild(m.hwnd, m.st.focus) && IsWindowEnabled(m.st.focus)) {
    SetFocus(m.st.focus);
    return 0;
  }
  return std::nullopt;
}

Answer WindowMessage(const Message& m) {
  switch (m.msg) {
    case WM_CREATE: CreateControls(m.form); return 0;
    case WM_SIZE: LayOutControls(m.form); return 0;
    case WM_SHOWWINDOW:
      if (m.wp && m.lp == 0) m.form.DispatchShow();
      return std::nullopt;
    case WM_ACTIVATE: return Activate(m);
    case WM_CLOSE: m.form.Close(); return 0;
    default: return std::nullopt;
  }
}

// Painting: the background, the form's own drawing, and the controls it colours or draws.

LRESULT EraseBackground(const Message& m) {
  RECT r;
  GetClientRect(m.hwnd, &r);
  FillRect(reinterpret_cast<HDC>(m.wp), &r, m.st.background.Get());
  return 1;
}

LRESULT Paint(const Message& m) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(m.hwnd, &ps);
  {
    GdiCanvas canvas(dc);
    canvas.SetDpi(m.st.dpi);
    m.form.DispatchPaint(canvas);
  }
  EndPaint(m.hwnd, &ps);
  return 0;
}

Answer PaintMessage(const Message& m) {
  switch (m.msg) {
    case WM_ERASEBKGND: return EraseBackground(m);
    case WM_PAINT: return Paint(m);
    case WM_CTLCOLORSTATIC:
      return ColourStatic(m.form, reinterpret_cast<HDC>(m.wp), reinterpret_cast<HWND>(m.lp));
    case WM_DRAWITEM:
      if (DrawItem(m.form, *reinterpret_cast<DRAWITEMSTRUCT*>(m.lp))) return TRUE;
      return std::nullopt;
    default: return std::nullopt;
  }
}

// Commands and menus: buttons, the main menu, the system menu and their drop-downs.

LRESULT Command(const Message& m) {
  const int id = LOWORD(m.wp);
  // Enter and Esc send IDOK and IDCANCEL without a control when the form has no such
  // button: dialog commands, not menu ones (menu ids start far above them).
  const bool dialogKey = id == IDOK || id == IDCANCEL;
  if (m.lp == 0 && HIWORD(m.wp) == 0 && !dialogKey) {  // a menu command
    if (auto it = m.st.commands.find(id); it != m.st.commands.end() && it->second->OnClick)
      it->second->OnClick();
    return 0;
  }
  const WORD code = HIWORD(m.wp);
  if (code == BN_CLICKED || code == STN_CLICKED)
    backend::Command(m.form, id, ControlById(m.form, id));
  return 0;
}

LRESULT InitMenuPopup(const Message& m) {
  if (HIWORD(m.lp)) return 0;  // the system menu's
  if (auto it = m.st.popups.find(reinterpret_cast<HMENU>(m.wp));
      it != m.st.popups.end() && it->second->OnPopup)
    it->second->OnPopup();
  return 0;
}

Answer CommandMessage(const Message& m) {
  switch (m.msg) {
    case WM_COMMAND: return Command(m);
    case WM_SYSCOMMAND:
      if (SystemCommand(m.form, m.wp)) return 0;
      return std::nullopt;
    case WM_INITMENUPOPUP: return InitMenuPopup(m);
    case WM_EXITMENULOOP: {
      const LRESULT r = DefWindowProcW(m.hwnd, m.msg, m.wp, m.lp);
      m.form.DispatchExitMenuLoop();
      return r;
    }
    default: return std::nullopt;
  }
}

// Timers, and the user message the hook library posts.

LRESULT UserMessage(const Message& m) {
  // In a modal run the dialog keys ask with this same number (DM_GETDEFID) which button
  // Enter presses; the hook library only ever posts to the main window.
  if (m.form.Modal()) {
    const Button* b = m.form.EnterButton();
    return b ? MAKELRESULT(b->id, DC_HASDEFID) : 0;
  }
  m.form.DispatchUserMessage(m.wp, m.lp);
  return 0;
}

Answer TimerOrUserMessage(const Message& m) {
  switch (m.msg) {
    case WM_TIMER:
      for (Timer* t : m.form.Timers())
        if (t->id == static_cast<int>(m.wp)) t->Fire();
      return 0;
    case WM_USER: return UserMessage(m);
    case msg::AppBar:
      if (m.wp == msg::AppBarPosChanged) m.form.DispatchAppBarMoved();
      return 0;
    default: return std::nullopt;
  }
}

// The end of the session, and a move to a monitor of another scale.

LRESULT DpiChanged(const Message& m) {
  // Moved to a monitor of another scale: the controls and fonts follow it, and the form
  // places itself, by default where the system suggests, which keeps it under the pointer
  // that dragged it.
  m.st.monitorDpi = HIWORD(m.wp);
  backend::SetLayoutDpi(m.form, m.st.monitorDpi);
  const RECT& r = *reinterpret_cast<const RECT*>(m.lp);
  m.form.DispatchDpiChanged(Rect{r.left, r.top, r.right, r.bottom});
  return 0;
}

Answer SystemMessage(const Message& m) {
  switch (m.msg) {
    case WM_QUERYENDSESSION: m.form.DispatchQueryEndSession(); return TRUE;
    case WM_ENDSESSION: m.form.DispatchEndSession(m.wp != FALSE); return 0;
    case WM_DPICHANGED: return DpiChanged(m);
    default: return std::nullopt;
  }
}

// The pointer over the form: activation by a click, hit testing and the cursor.

Answer SetFormCursor(const Message& m) {
  // Asked for the form and for each child under the pointer, before the child's class
  // cursor is taken.
  if (LOWORD(m.lp) != HTCLIENT) return std::nullopt;
  const HWND under = reinterpret_cast<HWND>(m.wp);
  Control::Cursor cursor = Control::Cursor::Default;
  if (under == m.hwnd)
    cursor = m.form.Style().cursor;
  else if (const Control* c = ControlOf(m.form, under))
    cursor = c->GetCursor();
  if (cursor == Control::Cursor::Default) return std::nullopt;
  SetCursor(LoadCursorW(nullptr, cursor == Control::Cursor::Hand ? IDC_HAND : IDC_ARROW));
  return TRUE;
}

Answer PointerMessage(const Message& m) {
  switch (m.msg) {
    case WM_MOUSEACTIVATE:
      if (m.form.Style().overlay || m.form.Style().noActivate) return MA_NOACTIVATE;
      return std::nullopt;
    case WM_NCHITTEST:
      // The layered, transparent style already lets the mouse through; this covers any
      // message that still reaches an overlay, before it is layered or where the style is ignored.
      if (m.form.Style().overlay) return HTTRANSPARENT;
      return std::nullopt;
    case WM_SETCURSOR: return SetFormCursor(m);
    default: return std::nullopt;
  }
}

// The left button on the bare client area: a press, a drag, and a click.

LRESULT ButtonDown(const Message& m, bool firstPress) {
  // A click is a press and a release both on the bare client area. The class takes double
  // clicks: a quick second press is a press all the same, though not a second click.
  if (firstPress) m.st.pressed = true;
  m.st.held = true;
  SetCapture(m.hwnd);
  m.form.DispatchMouseDown(MessagePoint(m.hwnd, m.lp));
  return 0;
}

LRESULT ButtonUp(const Message& m) {
  const bool click = m.st.pressed, held = m.st.held;
  m.st.pressed = m.st.held = false;
  if (GetCapture() == m.hwnd) ReleaseCapture();
  if (held) m.form.DispatchMouseUp(MessagePoint(m.hwnd, m.lp));
  RECT client;
  GetClientRect(m.hwnd, &client);
  if (click && PtInRect(&client, POINT{GET_X_LPARAM(m.lp), GET_Y_LPARAM(m.lp)}))
    m.form.DispatchClick();
  return 0;
}

Answer ButtonMessage(const Message& m) {
  switch (m.msg) {
    case WM_LBUTTONDOWN: return ButtonDown(m, true);
    case WM_LBUTTONDBLCLK: return ButtonDown(m, false);
    case WM_MOUSEMOVE:
      if (m.st.held) m.form.DispatchMouseMove(MessagePoint(m.hwnd, m.lp));
      return std::nullopt;
    case WM_LBUTTONUP: return ButtonUp(m);
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(m.lp) != m.hwnd) m.st.pressed = m.st.held = false;
      return std::nullopt;
    default: return std::nullopt;
  }
}

// Each message belongs to one family at most; one that none answers goes to the default
// procedure.
constexpr Family kFamilies[] = {
    WindowMessage, PaintMessage,   CommandMessage, TimerOrUserMessage,
    SystemMessage, PointerMessage, ButtonMessage,
};

}  // namespace

LRESULT HandleMessage(Form& form, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  const Message m{form, *StateOf(form), hwnd, msg, wp, lp};
  for (const Family family : kFamilies)
    if (const Answer answer = family(m)) return *answer;
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
