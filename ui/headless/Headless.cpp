// The headless backend: windows are records, time is virtual, and everything the program
// sends to the platform is recorded for the tests.
#include <algorithm>
#include <deque>
#include <fstream>
#include <map>
#include <sstream>

#include "hook/Comunicacio.h"
#include "hook/Desti.h"
#include "hook/LlibreriaPelvoro.h"
#include "ui/backend.h"
#include "ui/headless/IniFile.h"
#include "ui/headless/headless.h"
#include "ui/messages.h"

namespace ui {

namespace backend {
struct FormState {
  std::intptr_t handle = 0;
  bool visible = false;
  bool modal = false;
  int modalResult = 0;
  Rect bounds;
  std::string caption;
  int paints = 0;
  std::vector<headless::DrawOp> lastPaint;
  std::optional<Colour> colourKey;
  int moves = 0;
  int monitorDpi = kDefaultDpi;
  int dpi = kDefaultDpi;  // the layout's
};

// Controls have no native counterpart here: the layer's own record is what the tests read.
struct ControlState {};

void DeleteState::operator()(FormState* state) const { delete state; }
void DeleteState::operator()(ControlState* state) const { delete state; }
}  // namespace backend

namespace {

using backend::FormState;

// What a dialog frame takes around the client area on Windows 10: borders and caption.
constexpr int kFrameWidth = 6;
constexpr int kFrameHeight = 29;

struct PostedMessage {
  std::intptr_t window;
  unsigned msg;
  std::uintptr_t wParam;
  std::intptr_t lParam;
};

struct TimerState {
  std::uint64_t due = 0;
  std::uint64_t order = 0;  // when it was enabled, to break ties
};

struct World {
  std::filesystem::path profileFolder;
  std::uint32_t tickOffset = 0;
  std::uint64_t now = 0;
  std::uint64_t enableCounter = 0;
  std::string commandLine = "Pelvoro.exe";
  int screenWidth = 1366, screenHeight = 768;
  Point cursor;
  std::vector<headless::InjectedEvent> injected;
  std::vector<unsigned> beeps;
  std::vector<headless::ShownMessageBox> boxes;
  std::function<void(const headless::ShownMessageBox&)> whileBoxShown;
  bool boxOpen = false;
  bool pressedOnBoxButton = false;
  std::function<void()> loopDriver;
  std::function<void(Form&)> modalScript;
  std::function<bool(Colour&)> colourChooser;
  Control* focus = nullptr;
  bool loopRunning = false;
  std::string title;
  std::intptr_t nextHandle = 0x10010;
  std::map<std::intptr_t, Form*> forms;
  std::map<Timer*, TimerState> timers;
  std::deque<PostedMessage> queue;
  std::vector<std::string> hookCalls;
  std::vector<std::string> platformCalls;
  std::vector<std::intptr_t> topMostRaises;
  std::vector<std::string> shellOpened;
  std::string programFolder = "C:\\Pelvoro";
  bool buttonHook = false, moveHook = false;
  std::intptr_t hookTarget = 0;   // where the stand-in's reports go, chosen at each install
  int dpi = kDefaultDpi;          // of the monitor new windows open on
  std::vector<Monitor> monitors;  // none set: one, the screen
  bool otherInstance = false;
  // Desktop toolbars by window, in the order registered, and what was asked of the system.
  std::vector<std::pair<std::intptr_t, std::optional<std::pair<ScreenEdge, Rect>>>> appBars;
  std::vector<std::string> appBarCalls;
  InputRights ownRights;
  std::vector<std::pair<Rect, std::optional<std::uint32_t>>> foreignWindows;  // bottom first
};

World& W() {
  static World world;
  return world;
}

FormState& StateOf(const Form& form) { return *form.native; }

// How far p lies outside r, squared; 0 inside.
long long DistanceSquared(const Rect& r, Point p) {
  const long long dx = p.x < r.left ? r.left - p.x : p.x >= r.right ? p.x - r.right + 1 : 0;
  const long long dy = p.y < r.top ? r.top - p.y : p.y >= r.bottom ? p.y - r.bottom + 1 : 0;
  return dx * dx + dy * dy;
}

// The monitor p is on, or the nearest one, as MonitorFromPoint answers.
Monitor NearestMonitor(Point p) {
  const std::vector<Monitor> all = Monitors();
  return *std::min_element(all.begin(), all.end(), [&](const Monitor& a, const Monitor& b) {
    return DistanceSquared(a.bounds, p) < DistanceSquared(b.bounds, p);
  });
}

void Deliver(const PostedMessage& m) {
  auto it = W().forms.find(m.window);
  if (it == W().forms.end()) return;
  if (m.msg == ui::msg::User) it->second->DispatchUserMessage(m.wParam, m.lParam);
  if (m.msg == ui::msg::Close) it->second->Close();
  if (m.msg == ui::msg::QueryEndSession) it->second->DispatchQueryEndSession();
  if (m.msg == ui::msg::EndSession) it->second->DispatchEndSession(m.wParam != 0);
  if (m.msg == ui::msg::AppBar && m.wParam == ui::msg::AppBarPosChanged)
    it->second->DispatchAppBarMoved();
}

// The earliest due timer at or before limit, ties broken by enabling order.
Timer* NextDue(std::uint64_t limit) {
  Timer* best = nullptr;
  TimerState bestState;
  for (auto& [timer, st] : W().timers) {
    if (st.due > limit) continue;
    if (!best || st.due < bestState.due ||
        (st.due == bestState.due && st.order < bestState.order)) {
      best = timer;
      bestState = st;
    }
  }
  return best;
}

void FireTimer(Timer* timer) {
  // Windows coalesces a late timer into one tick; the next period counts from now.
  W().timers[timer].due = W().now + timer->Interval();
  timer->Fire();
}

void DrainQueue() {
  while (!W().queue.empty()) {
    PostedMessage m = W().queue.front();
    W().queue.pop_front();
    Deliver(m);
  }
}

}  // namespace

// ----- backend hooks for the common part -----

namespace backend {

void ControlChanged(Control&, Change) {}
std::string ControlText(const Control&, const std::string& mirror) { return mirror; }
bool ControlChecked(const Control&, bool mirror) { return mirror; }
void FocusControl(Control& control) { W().focus = &control; }
bool ControlFocused(const Control& control) { return W().focus == &control; }
void MenuChanged(MenuItem&, Change) {}
void SystemMenuChanged(Form&) {}
bool MenuChecked(const MenuItem&, bool mirror) { return mirror; }

void TimerChanged(Timer& timer) {
  if (timer.Enabled())
    W().timers[&timer] = TimerState{W().now + timer.Interval(), ++W().enableCounter};
  else
    W().timers.erase(&timer);
}

void TimerRemoved(Timer& timer) { W().timers.erase(&timer); }

int MonitorDpi(const Form& form) { return form.native ? StateOf(form).monitorDpi : W().dpi; }

Size FrameSize(const Form& form) {
  // The frame scales with its monitor, as it does per monitor on Windows 10.
  if (form.Style().frame == FormStyle::Frame::Popup) return {};
  const int dpi = MonitorDpi(form);
  return {ScaleForDpi(kFrameWidth, dpi), ScaleForDpi(kFrameHeight, dpi)};
}

// The work area of the monitor nearest r, less the strips that desktop toolbars hold on it, as
// Windows keeps it.
Rect WorkArea(Rect r) {
  const Monitor m = NearestMonitor({r.left + r.Width() / 2, r.top + r.Height() / 2});
  Rect work = m.workArea;
  for (const auto& [handle, held] : W().appBars) {
    if (!held || held->second.right <= m.bounds.left || held->second.left >= m.bounds.right)
      continue;
    if (held->first == ScreenEdge::Left)
      work.left = std::max(work.left, held->second.right);
    else
      work.right = std::min(work.right, held->second.left);
  }
  return work;
}

void SetLayoutDpi(Form& form, int dpi) {
  if (form.native) StateOf(form).dpi = dpi;
}

void FormDestroyed(Form& form) {
  if (!form.native) return;
  W().forms.erase(StateOf(form).handle);
  form.native.reset();
}

}  // namespace backend

// ----- forms -----

void Form::Create() {
  native.reset(new FormState);
  FormState* st = native.get();
  st->handle = W().nextHandle;
  W().nextHandle += 0x10;
  st->bounds = style_.bounds;
  st->caption = style_.caption;
  st->monitorDpi = st->dpi = W().dpi;
  W().forms[st->handle] = this;
  FormCreate();
}

std::intptr_t Form::Handle() const { return native ? StateOf(*this).handle : 0; }

void Form::Show() {
  auto& st = StateOf(*this);
  if (st.visible) return;
  st.visible = true;
  FormShow();
  Repaint();
}

void Form::Hide() { StateOf(*this).visible = false; }

bool Form::Visible() const { return native && StateOf(*this).visible; }

void Form::Close() {
  FormClose();
  StateOf(*this).visible = false;
  if (StateOf(*this).modal) {
    StateOf(*this).modal = false;
    StateOf(*this).modalResult = ResultCancel;
    return;
  }
  if (W().forms.empty() || W().forms.begin()->second != this) return;
  W().loopRunning = false;  // the first form created is the main one
}

int Form::ShowModal() {
  auto& st = StateOf(*this);
  st.modal = true;
  st.modalResult = 0;
  st.visible = false;
  Show();
  if (Control* first = FirstFocusable()) first->SetFocus();
  if (W().modalScript) W().modalScript(*this);
  if (st.modal) Close();
  return st.modalResult;
}

void Form::EndModal(int result) {
  auto& st = StateOf(*this);
  if (!st.modal) return;
  FormClose();
  st.modal = false;
  st.visible = false;
  st.modalResult = result;
}

bool Form::Modal() const { return native && StateOf(*this).modal; }

Rect Form::BoundsRect() const { return StateOf(*this).bounds; }

void Form::SetBounds(int left, int top, int width, int height) {
  ++StateOf(*this).moves;
  StateOf(*this).bounds = Rect{left, top, left + width, top + height};
}

void Form::SetSize(int width, int height) {
  const Rect r = BoundsRect();
  SetBounds(r.left, r.top, width, height);
}

void Form::SetClientSize(int width, int height) {
  const Size frame = backend::FrameSize(*this);
  SetSize(width + frame.width, height + frame.height);
}

void Form::SetPosition(int left, int top) {
  const Rect r = BoundsRect();
  SetBounds(left, top, r.Width(), r.Height());
}

void Form::BringToFrontTopMost() {
  ++StateOf(*this).moves;
  W().topMostRaises.push_back(StateOf(*this).handle);
}

void Form::SetPositionTopMost(int left, int top) {
  auto& st = StateOf(*this);
  st.bounds = Rect{left, top, left + st.bounds.Width(), top + st.bounds.Height()};
  ++st.moves;
  W().topMostRaises.push_back(st.handle);
}

void Form::SetColourKey(Colour key) { StateOf(*this).colourKey = key; }

int Form::Dpi() const { return native ? StateOf(*this).dpi : W().dpi; }

WindowState Form::State() const { return state_; }

void Form::SetState(WindowState state) { state_ = state; }

std::string Form::Caption() const { return StateOf(*this).caption; }

void Form::SetCaption(const std::string& caption) { StateOf(*this).caption = caption; }

void Form::SetMenu(MenuItem& menuBar) {
  menu_ = &menuBar;
  std::function<void(MenuItem&)> own = [&](MenuItem& item) {
    item.form = this;
    for (auto* child : item.Items()) own(*child);
  };
  own(menuBar);
}

void Form::Repaint() {
  auto& st = StateOf(*this);
  if (!st.visible) return;
  ++st.paints;
  headless::RecordingCanvas canvas;
  canvas.SetDpi(st.dpi);
  FormPaint(canvas);
  st.lastPaint = canvas.Ops();
}

// ----- application -----

void RunMessageLoop(Form& mainForm) {
  W().loopRunning = true;
  mainForm.Show();  // as an icon when its state is minimised
  if (W().loopDriver) W().loopDriver();
  W().loopRunning = false;
}

void ProcessMessages() {
  for (;;) {
    DrainQueue();
    Timer* t = NextDue(W().now);
    if (!t) break;
    FireTimer(t);
  }
}

std::string ApplicationTitle() { return W().title; }
void SetApplicationTitle(const std::string& title) { W().title = title; }
std::string CommandLine() { return W().commandLine; }
bool ClaimSingleInstance(const std::string&) { return !W().otherInstance; }
void ActivateOtherInstance(const std::string& className, const std::string& programFile) {
  W().platformCalls.push_back("ActivateOtherInstance " + className + " " + programFile);
}

// ----- platform services -----

unsigned TickCount() { return static_cast<std::uint32_t>(W().tickOffset + W().now); }

void Sleep(unsigned ms) { W().now += ms; }

int ScreenWidth() { return W().screenWidth; }
int ScreenHeight() { return W().screenHeight; }
std::intptr_t DesktopWindow() { return 0x10; }

std::vector<Monitor> Monitors() {
  if (!W().monitors.empty()) return W().monitors;
  const Rect screen{0, 0, W().screenWidth, W().screenHeight};
  return {Monitor{screen, screen, W().dpi}};
}

int DpiAt(Point p) { return NearestMonitor(p).dpi; }

Point CursorPos() { return W().cursor; }
void SetCursorPos(Point p) {
  W().platformCalls.push_back("SetCursorPos " + std::to_string(p.x) + " " + std::to_string(p.y));
  W().cursor = p;
}

namespace {
// A box's button takes a click as a push button does: pressed and released on it.
void ClickOnOpenBox(unsigned flags) {
  if (!W().boxOpen) return;
  headless::ShownMessageBox& box = W().boxes.back();
  const Point p = W().cursor;
  const bool on = p.x >= box.button.left && p.x < box.button.right && p.y >= box.button.top &&
                  p.y < box.button.bottom;
  if (flags & MouseLeftDown) W().pressedOnBoxButton = on;
  if (!(flags & MouseLeftUp)) return;
  if (W().pressedOnBoxButton && on) {
    box.closedByClick = W().now;
    W().boxOpen = false;
  }
  W().pressedOnBoxButton = false;
}

// Sizes of a one-line box with one button, as Windows 10 draws it at 96 dpi.
constexpr int kBoxWidth = 300, kBoxHeight = 140;
constexpr int kBoxButtonWidth = 75, kBoxButtonHeight = 23, kBoxButtonFoot = 11;
}  // namespace

void MouseEvent(unsigned flags) {
  W().platformCalls.push_back("mouse_event " + std::to_string(flags));
  W().injected.push_back({flags, W().cursor, W().now});
  ClickOnOpenBox(flags);
}

void MouseEvent(unsigned flags, std::int32_t data) {
  W().platformCalls.push_back("mouse_event " + std::to_string(flags) + " " + std::to_string(data));
  W().injected.push_back({flags, W().cursor, W().now, data});
}

void MessageBeep(unsigned type) {
  W().platformCalls.push_back("MessageBeep " + std::to_string(type));
  W().beeps.push_back(type);
}

int ShowMessageBox(Form*, const std::string& text, const std::string& caption, unsigned flags) {
  const int left = (W().screenWidth - kBoxWidth) / 2, top = (W().screenHeight - kBoxHeight) / 2;
  const int buttonLeft = left + (kBoxWidth - kBoxButtonWidth) / 2;
  const int buttonBottom = top + kBoxHeight - kBoxButtonFoot;
  W().boxes.push_back({text, caption, flags, W().now,
                       Rect{left, top, left + kBoxWidth, top + kBoxHeight},
                       Rect{buttonLeft, buttonBottom - kBoxButtonHeight,
                            buttonLeft + kBoxButtonWidth, buttonBottom},
                       std::nullopt});
  W().boxOpen = true;
  W().pressedOnBoxButton = false;
  // Copied: the script may show another box, which moves the records.
  if (W().whileBoxShown) W().whileBoxShown(headless::ShownMessageBox(W().boxes.back()));
  W().boxOpen = false;
  return ResultOk;
}

bool ChooseColour(Form&, Colour& colour) {
  if (!W().colourChooser) return false;
  Colour choice = colour;
  if (!W().colourChooser(choice)) return false;
  colour = choice;
  return true;
}

namespace {
std::filesystem::path ProfileFile(const std::string& file) {
  std::string lower = file;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  return W().profileFolder / lower;
}

std::string FileText(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::string TrimEnd(std::string s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
  return s;
}
}  // namespace

std::string ProfileRead(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& defaultText, unsigned bufferChars) {
  const auto found = ini::Read(FileText(ProfileFile(file)), section, key);
  // The service drops trailing blanks from the default, and cuts either to the buffer.
  std::string value = found ? *found : TrimEnd(defaultText);
  if (bufferChars == 0) return {};
  if (value.size() > bufferChars - 1) value.resize(bufferChars - 1);
  return value;
}

void ProfileWriteAll(const std::string& file, const std::vector<ProfileEntry>& entries) {
  if (entries.empty()) return;
  const auto path = ProfileFile(file);
  std::string text = FileText(path);
  for (const ProfileEntry& e : entries) text = ini::Write(text, e.section, e.key, e.value);
  // A copy beside the file takes its place in one step, as on Windows.
  auto copy = path;
  copy += ".new";
  std::error_code error;
  {
    std::ofstream out(copy, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (out) std::filesystem::rename(copy, path, error);
    if (out && !error) return;
  }
  std::filesystem::remove(copy, error);
  // Where no copy can be made: written in place, as the service alone writes.
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

bool ShellOpen(const std::string& path) {
  W().shellOpened.push_back(path);
  return true;
}

std::string ProgramFolder() { return W().programFolder; }

void PostMessageTo(std::intptr_t window, unsigned msg, std::uintptr_t wParam,
                   std::intptr_t lParam) {
  W().queue.push_back({window, msg, wParam, lParam});
}

// ----- desktop toolbars and rights, as Windows would answer -----

namespace {

auto FindAppBar(const Form& form) {
  const std::intptr_t handle = form.Handle();
  return std::find_if(W().appBars.begin(), W().appBars.end(),
                      [handle](const auto& bar) { return bar.first == handle; });
}

std::string AppBarCall(const char* call, ScreenEdge edge, Rect r) {
  std::ostringstream text;
  text << call << (edge == ScreenEdge::Left ? " left " : " right ") << r.left << ' ' << r.top << ' '
       << r.right << ' ' << r.bottom;
  return text.str();
}

// Kept on the screen, and beside the strips of the bars registered before it on that edge.
Rect Granted(const Form& form, ScreenEdge edge, Rect r) {
  const int width = r.Width();
  r.top = std::max(r.top, 0), r.bottom = std::min(r.bottom, W().screenHeight);
  for (auto it = W().appBars.begin(); it != FindAppBar(form); ++it) {
    if (!it->second || it->second->first != edge) continue;
    const Rect other = it->second->second;
    if (edge == ScreenEdge::Left && r.left < other.right)
      r.left = other.right, r.right = r.left + width;
    if (edge == ScreenEdge::Right && r.right > other.left)
      r.right = other.left, r.left = r.right - width;
  }
  return r;
}

}  // namespace

bool RegisterAppBar(Form& form) {
  if (!form.native) return false;
  if (AppBarRegistered(form)) return true;
  W().appBars.push_back({form.Handle(), std::nullopt});
  W().appBarCalls.push_back("ABM_NEW");
  return true;
}

Rect QueryAppBarPos(Form& form, ScreenEdge edge, Rect wanted) {
  W().appBarCalls.push_back(AppBarCall("ABM_QUERYPOS", edge, wanted));
  return AppBarRegistered(form) ? Granted(form, edge, wanted) : wanted;
}

Rect SetAppBarPos(Form& form, ScreenEdge edge, Rect wanted) {
  W().appBarCalls.push_back(AppBarCall("ABM_SETPOS", edge, wanted));
  const auto bar = FindAppBar(form);
  if (bar == W().appBars.end()) return wanted;
  const Rect held = Granted(form, edge, wanted);
  bar->second = {{edge, held}};
  return held;
}

void RemoveAppBar(Form& form) {
  const auto bar = FindAppBar(form);
  if (bar == W().appBars.end()) return;
  W().appBars.erase(bar);
  W().appBarCalls.push_back("ABM_REMOVE");
}

bool AppBarRegistered(const Form& form) {
  return form.native && FindAppBar(form) != W().appBars.end();
}

MonitorAreas MonitorNear(Rect r) {
  return {NearestMonitor({r.left + r.Width() / 2, r.top + r.Height() / 2}).bounds,
          backend::WorkArea(r)};
}

InputRights OwnInputRights() { return W().ownRights; }

std::optional<std::uint32_t> IntegrityAt(Point p) {
  const auto inside = [p](Rect r) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
  };
  const auto& foreign = W().foreignWindows;
  for (auto it = foreign.rbegin(); it != foreign.rend(); ++it)
    if (inside(it->first)) return it->second;
  for (const auto& [handle, form] : W().forms)
    if (form->Visible() && inside(form->BoundsRect())) return W().ownRights.integrity;
  return std::nullopt;
}

// ----- the test side -----

namespace headless {

void Reset(const std::filesystem::path& profileFolder, std::uint32_t tickOffset) {
  for (auto& [h, form] : W().forms) form->native.reset();
  W() = World{};
  W().profileFolder = profileFolder;
  W().tickOffset = tickOffset;
}

std::uint64_t Now() { return W().now; }

void Advance(unsigned ms) {
  const std::uint64_t end = W().now + ms;
  for (;;) {
    DrainQueue();
    Timer* t = NextDue(end);
    if (!t) break;
    W().now = std::max(W().now, W().timers[t].due);
    FireTimer(t);
  }
  W().now = end;
  DrainQueue();
}

void SetCommandLine(const std::string& commandLine) { W().commandLine = commandLine; }

void SetDpi(int dpi) { W().dpi = dpi; }

void MoveToDpi(Form& form, int dpi) {
  auto& st = StateOf(form);
  const int old = st.monitorDpi;
  if (dpi == old) return;
  // The system suggests the same corner and the size in proportion, as MulDiv rounds it.
  const auto inProportion = [&](int v) {
    return static_cast<int>((static_cast<long long>(v) * dpi * 2 + old) / (2LL * old));
  };
  st.monitorDpi = st.dpi = dpi;
  const Rect r = st.bounds;
  form.DispatchDpiChanged(
      Rect{r.left, r.top, r.left + inProportion(r.Width()), r.top + inProportion(r.Height())});
}

Font NativeFont(const Control& control) {
  return ScaleForDpi(control.GetFont(), control.Owner().Dpi());
}

void SetOtherInstance(bool running) { W().otherInstance = running; }
void SetScreenSize(int width, int height) { W().screenWidth = width, W().screenHeight = height; }
void SetMonitors(const std::vector<Monitor>& monitors) {
  W().monitors = monitors;
  if (monitors.empty()) return;
  W().screenWidth = monitors.front().bounds.Width();
  W().screenHeight = monitors.front().bounds.Height();
}
void SetCursor(Point p) { W().cursor = p; }
const std::vector<InjectedEvent>& InjectedInput() { return W().injected; }
const std::vector<unsigned>& Beeps() { return W().beeps; }
const std::vector<std::string>& PlatformCalls() { return W().platformCalls; }
void ClearPlatformCalls() { W().platformCalls.clear(); }
const std::vector<ShownMessageBox>& MessageBoxes() { return W().boxes; }
const ShownMessageBox* OpenMessageBox() { return W().boxOpen ? &W().boxes.back() : nullptr; }
void OnMessageBox(std::function<void(const ShownMessageBox&)> whileShown) {
  W().whileBoxShown = std::move(whileShown);
}
void OnModal(std::function<void(Form&)> script) { W().modalScript = std::move(script); }
void SetLoopDriver(std::function<void()> driver) { W().loopDriver = std::move(driver); }
bool LoopRunning() { return W().loopRunning; }

Form* FindForm(const std::string& className) {
  for (auto& [h, form] : W().forms)
    if (form->ClassName() == className) return form;
  return nullptr;
}

void OpenMenu(MenuItem& item) {
  if (item.OnPopup) item.OnPopup();
  if (item.form) item.form->DispatchExitMenuLoop();
}

void ChooseMenuItem(MenuItem& topLevel, MenuItem& item) {
  if (topLevel.OnPopup) topLevel.OnPopup();
  if (topLevel.form) topLevel.form->DispatchExitMenuLoop();
  if (item.OnClick) item.OnClick();
}

void OpenSystemMenu(Form& form) { form.DispatchExitMenuLoop(); }

void ChooseSystemMenuItem(Form& form, MenuItem& item) {
  form.DispatchExitMenuLoop();
  const auto& own = form.SystemMenuItems();
  if (item.Visible() && std::find(own.begin(), own.end(), &item) != own.end() && item.OnClick)
    item.OnClick();
}

std::vector<std::string> FormClasses() {
  std::vector<std::string> classes;
  for (auto& [h, form] : W().forms) classes.push_back(form->ClassName());
  return classes;
}

int PaintCount(const Form& form) { return StateOf(form).paints; }
const std::vector<DrawOp>& LastPaint(const Form& form) { return StateOf(form).lastPaint; }
std::optional<Colour> ColourKey(const Form& form) { return StateOf(form).colourKey; }
const std::vector<std::intptr_t>& TopMostRaises() { return W().topMostRaises; }
int WindowMoves(const Form& form) { return StateOf(form).moves; }

namespace {
bool Reachable(const Control& c) { return c.TakesFocus() && c.Enabled() && c.Showing(); }

void Press(Button& b) { backend::Command(b.Owner(), b.id, &b); }
}  // namespace

bool Click(Control& control) {
  if (!control.Enabled() || !control.Showing()) return false;
  control.SetFocus();
  switch (control.GetKind()) {
    case Control::Kind::CheckBox: {
      auto& box = static_cast<CheckBox&>(control);
      box.SetChecked(!box.Checked());
      box.Clicked();
      break;
    }
    case Control::Kind::Button: Press(static_cast<Button&>(control)); break;
    default: control.Clicked(); break;
  }
  return true;
}

bool Type(Control& edit, const std::string& text) {
  if (edit.GetKind() != Control::Kind::Edit || !Reachable(edit)) return false;
  edit.SetFocus();
  edit.SetText(text);
  return true;
}

void ClickForm(Form& form) {
  if (form.Visible()) form.DispatchClick();
}

void DragForm(Form& form, Point from, Point to) {
  if (!form.Visible()) return;
  W().cursor = from;
  form.DispatchMouseDown(from);
  W().cursor = to;
  form.DispatchMouseMove(to);
  form.DispatchMouseUp(to);
}

std::vector<DrawOp> PaintPicture(Picture& picture) {
  RecordingCanvas canvas;
  canvas.SetDpi(picture.Owner().Dpi());
  const Rect r = picture.ClientBounds();
  if (picture.OnPaint) picture.OnPaint(canvas, r.Width(), r.Height());
  return canvas.Ops();
}

Control* Focused() { return W().focus; }

// As the dialog manager does: only in a modal form.
void PressEnter(Form& form) {
  if (!form.Modal()) return;
  if (Button* b = form.EnterButton())
    Press(*b);
  else
    backend::Command(form, ResultOk, nullptr);
}

void PressEscape(Form& form) {
  if (form.Modal()) backend::Command(form, ResultCancel, nullptr);
}

void PressTab(Form& form, bool backwards) {
  if (!form.Modal()) return;
  std::vector<Control*> order;
  for (Control* c : form.Controls())
    if (Reachable(*c)) order.push_back(c);
  if (order.empty()) return;
  if (backwards) std::reverse(order.begin(), order.end());
  const auto at = std::find(order.begin(), order.end(), W().focus);
  // From the focused control to the next one round the form; from outside it, to the first.
  Control* next =
      at == order.end() || std::next(at) == order.end() ? order.front() : *std::next(at);
  next->SetFocus();
}

void OnChooseColour(std::function<bool(Colour&)> chooser) {
  W().colourChooser = std::move(chooser);
}

const std::vector<std::string>& ShellOpened() { return W().shellOpened; }
void SetProgramFolder(const std::string& folder) { W().programFolder = folder; }

std::filesystem::path ProfilePath(const std::string& file) { return ProfileFile(file); }
std::string ProfileFileText(const std::string& file) { return FileText(ProfileFile(file)); }

const std::vector<std::string>& AppBarCalls() { return W().appBarCalls; }
void ClearAppBarCalls() { W().appBarCalls.clear(); }
void NotifyAppBars() {
  for (const auto& [handle, held] : W().appBars)
    PostMessageTo(handle, ui::msg::AppBar, ui::msg::AppBarPosChanged, 0);
}
void SetOwnInputRights(InputRights rights) { W().ownRights = rights; }
void AddForeignWindow(Rect area, std::optional<std::uint32_t> integrity) {
  W().foreignWindows.push_back({area, integrity});
}

namespace hook {
const std::vector<std::string>& Calls() { return W().hookCalls; }
void ClearCalls() { W().hookCalls.clear(); }
bool ButtonHookInstalled() { return W().buttonHook; }
bool MoveHookInstalled() { return W().moveHook; }

void Drop() { W().buttonHook = W().moveHook = false; }

bool Report(long code) {
  if (!W().buttonHook && !(W().moveHook && code == ::hook::EventMouseMove)) return false;
  if (!W().hookTarget) return false;
  PostMessageTo(W().hookTarget, ::hook::MissatgeHook, 0, code);
  return true;
}
}  // namespace hook

}  // namespace headless

}  // namespace ui

// The hook library's stand-in: the same four operations, recorded. Installing chooses the
// reports' window as the library does, by the same rule; every form is of this process.
namespace {
void FetsForm(void*, std::intptr_t handle, hook::FetsFinestra& fets) {
  const auto found = ui::W().forms.find(handle);
  fets.existeix = found != ui::W().forms.end();
  if (!fets.existeix) return;
  fets.delProces = true;
  found->second->ClassName().copy(fets.classe, sizeof fets.classe - 1);
}

void RecorrerForms(void*, bool (*visitar)(void*, std::intptr_t), void* context) {
  for (const auto& [handle, form] : ui::W().forms)
    if (!visitar(context, handle)) return;
}

void HookCall(const char* call, bool& installed, bool install) {
  ui::W().hookCalls.push_back(call);
  ui::W().platformCalls.push_back(call);
  installed = install;
  if (!install) return;
  hook::Finestres forms;
  forms.Fets = FetsForm;
  forms.Recorrer = RecorrerForms;
  ui::W().hookTarget = hook::TriarDesti(ui::ProfileRead(hook::FitxerHandle, hook::SeccioHandle,
                                                        hook::ClauHandle, "", hook::MidaHandle),
                                        forms);
}
}  // namespace

void SetHookMouse() { HookCall("SetHookMouse", ui::W().buttonHook, true); }
void UnHookMouse() { HookCall("UnHookMouse", ui::W().buttonHook, false); }
void SetHookMouseMove() { HookCall("SetHookMouseMove", ui::W().moveHook, true); }
void UnHookMouseMove() { HookCall("UnHookMouseMove", ui::W().moveHook, false); }
