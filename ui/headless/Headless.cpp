// The headless backend: windows are records, time is virtual, and everything the program
// sends to the platform is recorded for the tests.
#include <algorithm>
#include <deque>
#include <fstream>
#include <map>
#include <sstream>

#include "hook/LlibreriaPelvoro.h"
#include "ui/backend.h"
#include "ui/headless/IniFile.h"
#include "ui/headless/headless.h"

namespace ui {
namespace {

constexpr unsigned kWmUser = 0x0400;
constexpr unsigned kWmClose = 0x0010;
// What a dialog frame takes around the client area on Windows 10: borders and caption.
constexpr int kFrameWidth = 6;
constexpr int kFrameHeight = 29;

struct FormState {
  std::intptr_t handle = 0;
  bool created = false;
  bool visible = false;
  bool modal = false;
  int modalResult = 0;
  Rect bounds;
  std::string caption;
  int paints = 0;
  std::vector<headless::DrawOp> lastPaint;
  std::optional<Colour> colourKey;
  int moves = 0;
};

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
};

World& W() {
  static World world;
  return world;
}

FormState& StateOf(const Form& form) { return *static_cast<FormState*>(form.native); }

void Deliver(const PostedMessage& m) {
  auto it = W().forms.find(m.window);
  if (it == W().forms.end()) return;
  if (m.msg == kWmUser) it->second->DispatchUserMessage(m.wParam, m.lParam);
  if (m.msg == kWmClose) it->second->Close();
}

// The earliest due timer at or before limit, ties broken by enabling order.
Timer* NextDue(std::uint64_t limit) {
  Timer* best = nullptr;
  TimerState bestState;
  for (auto& [timer, st] : W().timers) {
    if (st.due > limit) continue;
    if (!best || st.due < bestState.due || (st.due == bestState.due && st.order < bestState.order)) {
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
bool MenuChecked(const MenuItem&, bool mirror) { return mirror; }

void TimerChanged(Timer& timer) {
  if (timer.Enabled())
    W().timers[&timer] = TimerState{W().now + timer.Interval(), ++W().enableCounter};
  else
    W().timers.erase(&timer);
}

void TimerRemoved(Timer& timer) { W().timers.erase(&timer); }

void FormDestroyed(Form& form) {
  if (!form.native) return;
  W().forms.erase(StateOf(form).handle);
  delete &StateOf(form);
  form.native = nullptr;
}

}  // namespace backend

// ----- forms -----

void Form::Create() {
  auto* st = new FormState;
  st->handle = W().nextHandle;
  W().nextHandle += 0x10;
  st->bounds = style_.bounds;
  st->caption = style_.caption;
  native = st;
  W().forms[st->handle] = this;
  st->created = true;
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
  const bool framed = style_.frame != FormStyle::Frame::Popup;
  SetSize(width + (framed ? kFrameWidth : 0), height + (framed ? kFrameHeight : 0));
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

// ----- platform services -----

unsigned TickCount() { return static_cast<std::uint32_t>(W().tickOffset + W().now); }

void Sleep(unsigned ms) { W().now += ms; }

int ScreenWidth() { return W().screenWidth; }
int ScreenHeight() { return W().screenHeight; }
std::intptr_t DesktopWindow() { return 0x10; }

Point CursorPos() { return W().cursor; }
void SetCursorPos(Point p) {
  W().platformCalls.push_back("SetCursorPos " + std::to_string(p.x) + " " + std::to_string(p.y));
  W().cursor = p;
}

void MouseEvent(unsigned flags) {
  W().platformCalls.push_back("mouse_event " + std::to_string(flags));
  W().injected.push_back({flags, W().cursor, W().now});
}

void MessageBeep(unsigned type) {
  W().platformCalls.push_back("MessageBeep " + std::to_string(type));
  W().beeps.push_back(type);
}

int ShowMessageBox(Form*, const std::string& text, const std::string& caption, unsigned flags) {
  W().boxes.push_back({text, caption, flags, W().now});
  if (W().whileBoxShown) W().whileBoxShown(W().boxes.back());
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
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
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

void ProfileWrite(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value) {
  const auto path = ProfileFile(file);
  const std::string text = ini::Write(FileText(path), section, key, value);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

bool ShellOpen(const std::string& path) {
  W().shellOpened.push_back(path);
  return true;
}

std::string ProgramFolder() { return W().programFolder; }

void PostMessageTo(std::intptr_t window, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  W().queue.push_back({window, msg, wParam, lParam});
}

// ----- the test side -----

namespace headless {

void Reset(const std::filesystem::path& profileFolder, std::uint32_t tickOffset) {
  for (auto& [h, form] : W().forms) delete &StateOf(*form), form->native = nullptr;
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
void SetScreenSize(int width, int height) { W().screenWidth = width, W().screenHeight = height; }
void SetCursor(Point p) { W().cursor = p; }
const std::vector<InjectedEvent>& InjectedInput() { return W().injected; }
const std::vector<unsigned>& Beeps() { return W().beeps; }
const std::vector<std::string>& PlatformCalls() { return W().platformCalls; }
void ClearPlatformCalls() { W().platformCalls.clear(); }
const std::vector<ShownMessageBox>& MessageBoxes() { return W().boxes; }
void OnMessageBox(std::function<void(const ShownMessageBox&)> whileShown) { W().whileBoxShown = std::move(whileShown); }
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

int PaintCount(const Form& form) { return StateOf(form).paints; }
const std::vector<DrawOp>& LastPaint(const Form& form) { return StateOf(form).lastPaint; }
std::optional<Colour> ColourKey(const Form& form) { return StateOf(form).colourKey; }
const std::vector<std::intptr_t>& TopMostRaises() { return W().topMostRaises; }
int WindowMoves(const Form& form) { return StateOf(form).moves; }

namespace {
bool Reachable(const Control& c) { return c.TakesFocus() && c.Enabled() && c.Showing(); }

// What a press of the button does: the cancel button of a modal form closes it.
void Press(Button& b) {
  if (b.GetRole() == Button::Role::Cancel && b.Owner().Modal())
    b.Owner().Close();
  else
    b.Clicked();
}
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
    case Control::Kind::Button:
      Press(static_cast<Button&>(control));
      break;
    default:
      control.Clicked();
      break;
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

std::vector<DrawOp> PaintPicture(Picture& picture) {
  RecordingCanvas canvas;
  if (picture.OnPaint) picture.OnPaint(canvas, picture.Bounds().Width(), picture.Bounds().Height());
  return canvas.Ops();
}

Control* Focused() { return W().focus; }

void PressEnter(Form& form) {
  if (Button* b = form.EnterButton()) Press(*b);
}

void PressEscape(Form& form) {
  if (form.Modal()) form.Close();
}

void OnChooseColour(std::function<bool(Colour&)> chooser) { W().colourChooser = std::move(chooser); }

const std::vector<std::string>& ShellOpened() { return W().shellOpened; }
void SetProgramFolder(const std::string& folder) { W().programFolder = folder; }

std::filesystem::path ProfilePath(const std::string& file) { return ProfileFile(file); }
std::string ProfileFileText(const std::string& file) { return FileText(ProfileFile(file)); }

namespace hook {
const std::vector<std::string>& Calls() { return W().hookCalls; }
void ClearCalls() { W().hookCalls.clear(); }
bool ButtonHookInstalled() { return W().buttonHook; }
bool MoveHookInstalled() { return W().moveHook; }

bool Report(long code) {
  constexpr long kMove = 3;
  if (!W().buttonHook && !(W().moveHook && code == kMove)) return false;
  std::intptr_t target = 0;
  const std::string text = ProfileRead("Pelvoro.ini", "LlibreriaPelvoro", "HANDLE FINESTRA", "", 50);
  try {
    target = static_cast<std::intptr_t>(std::stoll(text));
  } catch (...) {
  }
  if (!W().forms.count(target)) {
    Form* main = FindForm("TFormPrincipal");
    target = main ? main->Handle() : 0;
  }
  if (!target) return false;
  PostMessageTo(target, kWmUser, 0, code);
  return true;
}
}  // namespace hook

}  // namespace headless

}  // namespace ui

// The hook library's stand-in: the same four operations, recorded.
void SetHookMouse() {
  ui::W().hookCalls.push_back("SetHookMouse");
  ui::W().platformCalls.push_back("SetHookMouse");
  ui::W().buttonHook = true;
}
void UnHookMouse() {
  ui::W().hookCalls.push_back("UnHookMouse");
  ui::W().platformCalls.push_back("UnHookMouse");
  ui::W().buttonHook = false;
}
void SetHookMouseMove() {
  ui::W().hookCalls.push_back("SetHookMouseMove");
  ui::W().platformCalls.push_back("SetHookMouseMove");
  ui::W().moveHook = true;
}
void UnHookMouseMove() {
  ui::W().hookCalls.push_back("UnHookMouseMove");
  ui::W().platformCalls.push_back("UnHookMouseMove");
  ui::W().moveHook = false;
}
