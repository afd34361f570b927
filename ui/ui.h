// The thin user-interface layer the forms are written against.
// Two backends implement it: ui/win32 (the product) and ui/headless (tests, on a virtual clock).
// Texts are UTF-8 here and widened at the Win32 boundary, so they show exactly as written
// whatever the system's ANSI code page is.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ui {

using Colour = std::uint32_t;  // 0x00BBGGRR

constexpr Colour clBlack = 0x000000;
constexpr Colour clRed = 0x0000FF;
constexpr Colour clGreen = 0x008000;
constexpr Colour clBlue = 0xFF0000;
constexpr Colour clWhite = 0xFFFFFF;
constexpr Colour clSilver = 0xC0C0C0;
constexpr Colour clGray = 0x808080;
// The system's window-text colour, resolved by the backend when drawn.
constexpr Colour clWindowText = 0xFF000008;
// No colour: a canvas brush or pen that draws nothing.
constexpr Colour clNone = 0x1FFFFFFF;

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Font {
  std::string name = "MS Sans Serif";
  int height = 11;  // character height in pixels
  bool bold = false;
  Colour colour = clWindowText;
};

// Character height in pixels of a font given in points, on a 96-dpi screen.
constexpr int PuntsAPixels(int punts) { return (punts * 96 + 36) / 72; }

// ----- Display scale -----

// Every size the forms give is for a 96-dpi screen; the backends show it at the window's dpi.
constexpr int kDefaultDpi = 96;

// pixels at dpi, rounded to the nearest pixel with halves away from zero, as MulDiv does; at
// 96 dpi it is pixels itself.
constexpr int ScaleForDpi(int pixels, int dpi) {
  const long long product = static_cast<long long>(pixels) * dpi;
  const long long half = kDefaultDpi / 2;
  return static_cast<int>(product >= 0 ? (product + half) / kDefaultDpi
                                       : -((-product + half) / kDefaultDpi));
}
// Origin and size scaled each on its own, so controls of one size stay of one size.
Rect ScaleForDpi(Rect r, int dpi);
Font ScaleForDpi(Font font, int dpi);

// ----- Fitting on the screen -----

// No window is larger than the work area of its monitor: one that would be at its monitor's
// dpi is laid out at a lower dpi, its fonts included, until it fits. Below this one text is
// no longer read; a window that does not fit even there stays at it.
constexpr int kMinimumLayoutDpi = 48;

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// A window's size as its form gives it, at 96 dpi: outer, its frame included, or of its client
// area alone.
struct Design {
  Size size;
  bool outer = true;
};

// The outer size of a window laid out at layoutDpi on a monitor of monitorDpi, where the
// system's frame takes frame pixels around the client area: the design scaled, but for the
// frame, which the system draws at the monitor's dpi whatever the layout's. At the monitor's
// dpi an outer design is scaled as a whole, as every size is.
Size LaidOutSize(Design design, Size frame, int layoutDpi, int monitorDpi);
// The dpi to lay the window out at: monitorDpi where it fits in area there, else the highest
// lower one at which it does, but not below kMinimumLayoutDpi.
int FittingDpi(Design design, Size frame, int monitorDpi, Size area);

class Form;

namespace backend {
// What a backend keeps for a form or a native control, defined by the backend; the object
// owns it, and the backend's deleter frees it.
struct FormState;
struct ControlState;
struct DeleteState {
  void operator()(FormState* state) const;
  void operator()(ControlState* state) const;
};
template <typename T>
using State = std::unique_ptr<T, DeleteState>;
}  // namespace backend

// Drawing surface handed to FormPaint: GDI on Windows, a recorder on the headless backend.
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void SetPen(Colour colour, int width) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  // Outline with the pen, inside filled white.
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  // Counter-clockwise arc in the box, from the radial through (x3, y3) to the one through (x4, y4).
  virtual void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
  // The fill of the shapes drawn after it, white until set; clNone leaves them hollow.
  virtual void SetBrush(Colour colour) = 0;
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  virtual void Polygon(const std::vector<Point>& points) = 0;
  // One line of text centred in the box, in the font's colour, over what is drawn already.
  virtual void Text(Rect box, const std::string& text, const Font& font) = 0;

  // The dpi of the window drawn on: drawings scale their fixed pixel sizes by it.
  int Dpi() const { return dpi_; }
  void SetDpi(int dpi) { dpi_ = dpi; }
  int Scale(int pixels) const { return ScaleForDpi(pixels, dpi_); }

 private:
  int dpi_ = kDefaultDpi;
};

// ----- Controls -----

class Control {
 public:
  // Top: across the top of the client area at its own height; Fill: the client area left below.
  enum class Dock { None, Top, Fill };
  // bounds: left, top, right, bottom relative to the container (the form's client area or a panel).
  Control(Form& owner, Rect bounds, Control* container = nullptr);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Form& Owner() const { return owner_; }
  Control* Container() const { return container_; }
  // At 96 dpi, relative to the container.
  Rect Bounds() const { return bounds_; }
  // Where the control shows: in the form's client area, at the form's dpi.
  Rect ClientBounds() const;
  void SetBounds(Rect bounds);
  Dock Docking() const { return dock_; }
  void SetDock(Dock dock) { dock_ = dock; }
  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  std::string Text() const;
  void SetText(const std::string& text);
  Font GetFont() const { return font_; }
  void SetFont(const Font& font);
  void SetFontColour(Colour colour);
  // Visible, and so are the panels that hold it: what the user can see and click.
  bool Showing() const;
  std::function<void()> OnClick;
  // Gives the control the keyboard focus; a disabled or hidden control cannot take it.
  void SetFocus();
  bool Focused() const;
  // Default: what the kind of control shows (the arrow; a text cursor in text boxes).
  enum class Cursor { Default, Arrow, Hand };
  Cursor GetCursor() const { return cursor_; }
  void SetCursor(Cursor cursor) { cursor_ = cursor; }
  // The tip shown while the pointer rests on the control; none when empty.
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);

  enum class Kind {
    Panel,
    Label,
    ToolButton,
    CheckBox,
    Edit,
    Button,
    Memo,
    Picture,
    PictureButton
  };
  virtual Kind GetKind() const = 0;
  // Reached with Tab, in the order the controls were made.
  virtual bool TakesFocus() const { return false; }

  // Backend use.
  const std::string& StoredText() const { return text_; }
  backend::State<backend::ControlState> native;
  int id = 0;
  void Clicked() {
    if (OnClick) OnClick();
  }

 protected:
  Form& owner_;
  Control* container_;
  Rect bounds_;
  Dock dock_ = Dock::None;
  bool visible_ = true;
  bool enabled_ = true;
  std::string text_;
  Font font_;
  Cursor cursor_ = Cursor::Default;
  std::string hint_;
};

// A strip that groups other controls, raised or sunken.
class Panel : public Control {
 public:
  enum class Bevel { Raised, Sunken };
  Panel(Form& owner, Rect bounds, Control* container = nullptr, Bevel bevel = Bevel::Raised)
      : Control(owner, bounds, container), bevel_(bevel) {}
  Bevel GetBevel() const { return bevel_; }
  Kind GetKind() const override { return Kind::Panel; }

 private:
  Bevel bevel_;
};

// A text that can be clicked; drawn in its font colour on its background. Words wrap at the
// right edge; a label centred vertically holds one line.
class Label : public Control {
 public:
  enum class Align { Left, Centre };
  Label(Form& owner, Rect bounds, const std::string& text, Align align = Align::Left,
        Control* container = nullptr);
  Align Alignment() const { return align_; }
  void SetAlignment(Align align);
  bool VerticalCentre() const { return verticalCentre_; }
  void SetVerticalCentre(bool centre);
  Colour Background() const { return background_; }
  void SetBackground(Colour colour);
  Kind GetKind() const override { return Kind::Label; }

 private:
  Align align_;
  bool verticalCentre_ = false;
  Colour background_ = clSilver;
};

// A multi-line text box with a scroll bar, on the form's background; lines end with "\n".
class Memo : public Control {
 public:
  Memo(Form& owner, Rect bounds, const std::string& text, Control* container = nullptr);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  Kind GetKind() const override { return Kind::Memo; }
  bool TakesFocus() const override { return true; }

 private:
  bool readOnly_ = false;
};

// A picture drawn by the program: OnPaint draws it on a canvas of the control's size, over
// the form's background.
class Picture : public Control {
 public:
  Picture(Form& owner, Rect bounds, Control* container = nullptr)
      : Control(owner, bounds, container) {}
  std::function<void(Canvas&, int width, int height)> OnPaint;
  Kind GetKind() const override { return Kind::Picture; }
};

// A push button whose whole face, caption included, OnPaint draws; its text names it for screen
// readers and automation. A press by the mouse never takes the focus nor activates the form.
class PictureButton : public Picture {
 public:
  PictureButton(Form& owner, Rect bounds, const std::string& caption, Control* container = nullptr)
      : Picture(owner, bounds, container) {
    text_ = caption;
  }
  Kind GetKind() const override { return Kind::PictureButton; }
};

// A flat tool button that never takes the focus; its caption colour can be set.
class ToolButton : public Control {
 public:
  ToolButton(Form& owner, Rect bounds, const std::string& caption, Control* container = nullptr);
  Kind GetKind() const override { return Kind::ToolButton; }
};

// A check box with its caption; the user ticks it, so the tick is read back from it.
class CheckBox : public Control {
 public:
  CheckBox(Form& owner, Rect bounds, const std::string& caption, Control* container = nullptr);
  bool Checked() const;
  void SetChecked(bool checked);
  Kind GetKind() const override { return Kind::CheckBox; }
  bool TakesFocus() const override { return true; }
  bool StoredChecked() const { return checked_; }  // backend use

 private:
  bool checked_ = false;
};

// A one-line edit box; Text() is what the user typed.
class Edit : public Control {
 public:
  Edit(Form& owner, Rect bounds, const std::string& text, Control* container = nullptr);
  Kind GetKind() const override { return Kind::Edit; }
  bool TakesFocus() const override { return true; }
};

// A push button. The default button is the one Enter presses; the cancel button closes a
// modal form as Esc does, without running OnClick. The glyph is drawn left of the caption.
class Button : public Control {
 public:
  enum class Role { Normal, Default, Cancel };
  enum class Glyph { None, CheckMark, Cross };
  Button(Form& owner, Rect bounds, const std::string& caption, Role role = Role::Normal,
         Glyph glyph = Glyph::None, Control* container = nullptr);
  Role GetRole() const { return role_; }
  Glyph GetGlyph() const { return glyph_; }
  Kind GetKind() const override { return Kind::Button; }
  bool TakesFocus() const override { return true; }

 private:
  Role role_;
  Glyph glyph_;
};

// ----- Menus -----

class MenuItem {
 public:
  enum class Kind { Command, Separator, Submenu };
  MenuItem(std::string name, Kind kind, std::string caption = {});
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& Name() const { return name_; }
  Kind GetKind() const { return kind_; }
  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Checked() const;
  void SetChecked(bool checked);
  // Win32 has no hidden menu items: a hidden item is left out of the native menu but keeps
  // its caption and check mark here, and still takes new texts.
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Add(MenuItem& child);
  const std::vector<MenuItem*>& Items() const { return items_; }

  std::function<void()> OnClick;  // a command chosen
  std::function<void()> OnPopup;  // a submenu's drop-down about to open

  // Backend use.
  int id = 0;
  MenuItem* parent = nullptr;
  Form* form = nullptr;
  bool inSystemMenu = false;

 private:
  std::string name_;
  Kind kind_;
  std::string caption_;
  bool checked_ = false;
  bool visible_ = true;
  std::vector<MenuItem*> items_;
};

// ----- Timers -----

// A window timer of a form. Enabling an enabled timer keeps its period running;
// disabling and enabling starts a fresh period.
class Timer {
 public:
  Timer(Form& owner, unsigned intervalMs);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  unsigned Interval() const { return interval_; }
  std::function<void()> OnTimer;

  // Backend use.
  Form& OwnerForm() const { return owner_; }
  int id = 0;
  void Fire() {
    if (enabled_ && OnTimer) OnTimer();
  }

 private:
  Form& owner_;
  unsigned interval_;
  bool enabled_ = false;
};

// ----- Forms -----

struct FormStyle {
  std::string className;
  std::string caption;
  Rect bounds;  // outer, screen coordinates
  enum class Frame { Sizeable, Dialog, Popup } frame = Frame::Sizeable;
  bool topMost = false;
  // Popup overlays: never activated, never take mouse input, owned by the desktop window.
  bool overlay = false;
  // Tool windows that take mouse input but are never activated, so the focus stays where it is.
  bool noActivate = false;
  Colour background = clSilver;
  Font font;
  // Over the client area where no control is.
  Control::Cursor cursor = Control::Cursor::Default;
};

enum class WindowState { Normal, Minimised };

class Form {
 public:
  explicit Form(FormStyle style);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Creates the window hidden, with its controls and menu, then runs FormCreate.
  void Create();
  std::intptr_t Handle() const;
  const std::string& ClassName() const { return style_.className; }

  void Show();
  void Hide();
  bool Visible() const;
  // Closes as the close box does: FormClose runs; closing the main form ends the loop.
  void Close();
  // Shows the form modally, the other forms disabled, until it closes or EndModal is called.
  // Enter presses the EnterButton; Esc closes it as the close box does (ResultCancel), with or
  // without a cancel button; Tab moves through the controls in the order they were made.
  int ShowModal();
  void EndModal(int result);
  bool Modal() const;

  Rect BoundsRect() const;  // outer, screen coordinates
  void SetBounds(int left, int top, int width, int height);
  void SetSize(int width, int height);
  // Sizes the window so that its client area is width x height, whatever the frame takes.
  void SetClientSize(int width, int height);
  void SetPosition(int left, int top);
  int Width() const { return BoundsRect().Width(); }
  int Height() const { return BoundsRect().Height(); }
  // Raises the window to the top of the top-most windows without activating it.
  void BringToFrontTopMost();
  // SetPosition and BringToFrontTopMost as one window move.
  void SetPositionTopMost(int left, int top);
  // Makes every pixel of this colour see-through, to the eye and to the mouse; the rest opaque.
  void SetColourKey(Colour key);
  // Sizes the window from its design at 96 dpi (outer, or of the client area): at the dpi of
  // its monitor, or, where it would not fit in the work area of its monitor there, at the
  // highest lower dpi at which it does. The controls, fonts and drawings follow, and Dpi()
  // says which. The design is kept: on a monitor of another scale the window is laid out for
  // that one.
  void SetDesignSize(int width, int height);
  void SetDesignClientSize(int width, int height);
  // Moves the window the least that puts it inside the work area of its monitor; nothing when
  // it is inside already, or larger than it.
  void KeepInWorkArea();
  // The dots per inch the window is laid out at: those of the monitor it is on, unless its
  // design had to be fitted there. Sizes, positions and Width() above are physical pixels.
  int Dpi() const;
  // A size given at 96 dpi, in this window's pixels.
  int Scale(int pixels) const { return ScaleForDpi(pixels, Dpi()); }
  WindowState State() const;
  void SetState(WindowState state);

  std::string Caption() const;
  void SetCaption(const std::string& caption);

  void SetMenu(MenuItem& menuBar);
  MenuItem* Menu() const { return menu_; }
  // The window's own menu (its icon's, Alt+Space) takes these commands after its standard
  // items and a separator, in the order added; their captions, marks and visibility show as in
  // the menu bar. Chosen, an item runs its OnClick once the menu loop has ended.
  void AddSystemMenuItem(MenuItem& item);
  const std::vector<MenuItem*>& SystemMenuItems() const { return systemMenu_; }
  // The button Enter presses: the focused push button, else the default one; null if none.
  Button* EnterButton() const;
  // Where the keyboard starts when the form opens: the first enabled control in tab order.
  Control* FirstFocusable() const;
  // Paints at once, inside the call.
  void Repaint();

  // Backend use.
  const FormStyle& Style() const { return style_; }
  const std::vector<Control*>& Controls() const { return controls_; }
  const std::vector<Timer*>& Timers() const { return timers_; }
  void Register(Control& control);
  void Unregister(Control& control);
  void Register(Timer& timer);
  void Unregister(Timer& timer);
  backend::State<backend::FormState> native;
  void DispatchShow() { FormShow(); }
  void DispatchPaint(Canvas& canvas) { FormPaint(canvas); }
  void DispatchUserMessage(std::uintptr_t wParam, std::intptr_t lParam) {
    UserMessage(wParam, lParam);
  }
  void DispatchExitMenuLoop() { ExitMenuLoop(); }
  void DispatchClick() { FormClick(); }
  // Moved to a monitor of another scale: a form sized from its design is laid out afresh for
  // that monitor, in the corner the system suggests.
  void DispatchDpiChanged(Rect suggested);
  void DispatchQueryEndSession() { QueryEndSession(); }
  void DispatchEndSession(bool ending) { EndSession(ending); }
  void DispatchMouseDown(Point p) { FormMouseDown(p); }
  void DispatchMouseMove(Point p) { FormMouseMove(p); }
  void DispatchMouseUp(Point p) { FormMouseUp(p); }
  void DispatchAppBarMoved() { AppBarMoved(); }

 protected:
  virtual void FormCreate() {}
  virtual void FormShow() {}
  virtual void FormClose() {}
  virtual void FormPaint(Canvas&) {}
  // A click on the client area where no control is.
  virtual void FormClick() {}
  // The left button pressed on the bare client area, the pointer moved while it is held, and
  // released, each with the screen point where it happened: a busy program handles them late,
  // when the pointer may be elsewhere already.
  virtual void FormMouseDown(Point) {}
  virtual void FormMouseMove(Point) {}
  virtual void FormMouseUp(Point) {}
  virtual void UserMessage(std::uintptr_t, std::intptr_t) {}
  // After the default processing of the end of a menu loop.
  virtual void ExitMenuLoop() {}
  // Moved to a monitor of another scale, with Dpi() the new one and the controls and fonts
  // scaled already: the window takes the bounds the system suggests, outer and on screen.
  virtual void FormDpiChanged(Rect suggested) {
    SetBounds(suggested.left, suggested.top, suggested.Width(), suggested.Height());
  }
  // The session is about to end (sign-out, shutdown): the window will not be closed, the
  // process just ends. The answer is always yes.
  virtual void QueryEndSession() {}
  // The session's end is decided: ending true, it ends once this returns; false, it was cancelled.
  virtual void EndSession(bool) {}
  // Registered as a desktop toolbar: the system says that the bars may have to take their
  // places again (the task bar or another bar moved, the screen changed).
  virtual void AppBarMoved() {}

 private:
  FormStyle style_;
  MenuItem* menu_ = nullptr;
  std::vector<MenuItem*> systemMenu_;
  std::vector<Control*> controls_;
  std::vector<Timer*> timers_;
  WindowState state_ = WindowState::Normal;
  std::optional<Design> design_;
  // Lays the window out from its design for the work area around that rectangle; its outer size
  // then.
  Size LayOut(Rect around);
  friend struct FormAccess;
};

// ----- Application -----

// Runs the message loop until the main form (the first one created) has closed. The main
// form is shown, or minimised when its state says so, as the loop starts.
void RunMessageLoop(Form& mainForm);
// Handles every pending message once.
void ProcessMessages();
std::string ApplicationTitle();
void SetApplicationTitle(const std::string& title);
// The program's command line as one text, program name first.
std::string CommandLine();
// Claims the one run of the program in this sign-in session; false when another copy holds it.
bool ClaimSingleInstance(const std::string& name);
// Brings forward the other copy's window of this class, restoring it when minimised: a window
// of a process running programFile, never another program's window of the same class.
void ActivateOtherInstance(const std::string& className, const std::string& programFile);
// Whether path (folders separated by '\\' or '/') names a file called name, letter case aside.
bool IsFileNamed(const std::string& path, const std::string& name);

// ----- Platform services -----

unsigned TickCount();
void Sleep(unsigned ms);
int ScreenWidth();
int ScreenHeight();
std::intptr_t DesktopWindow();

// One display of the desktop, in screen coordinates: others than the primary may lie at
// negative x or y.
struct Monitor {
  Rect bounds;
  Rect workArea;  // less the task bar
  int dpi = kDefaultDpi;
  friend bool operator==(const Monitor&, const Monitor&) = default;
};
// The monitors of the desktop, the primary first; never empty.
std::vector<Monitor> Monitors();
// The dpi of the monitor p is on, or of the nearest one.
int DpiAt(Point p);

Point CursorPos();
void SetCursorPos(Point p);
constexpr unsigned MouseLeftDown = 0x0002;
constexpr unsigned MouseLeftUp = 0x0004;
constexpr unsigned MouseRightDown = 0x0008;
constexpr unsigned MouseRightUp = 0x0010;
constexpr unsigned MouseWheel = 0x0800;
constexpr unsigned MouseHWheel = 0x1000;
void MouseEvent(unsigned flags);
// With a wheel flag, data is the signed turn: WHEEL_DELTA (120) a notch.
void MouseEvent(unsigned flags, std::int32_t data);
void MessageBeep(unsigned type);

constexpr int ResultOk = 1;
constexpr int ResultCancel = 2;
constexpr unsigned BoxOk = 0x0000;
constexpr unsigned BoxIconError = 0x0010;
constexpr unsigned BoxIconInformation = 0x0040;
int ShowMessageBox(Form* owner, const std::string& text, const std::string& caption,
                   unsigned flags);
// The platform's colour chooser, modal to owner and preset to colour. True, with colour set to
// the choice, when the user confirms; false, colour unchanged, when the user cancels.
bool ChooseColour(Form& owner, Colour& colour);

// The private-profile service. A bare file name lives in the Windows directory; file names,
// sections and keys are case-insensitive. A read returns at most bufferChars - 1 characters.
std::string ProfileRead(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& defaultText, unsigned bufferChars);
void ProfileWrite(const std::string& file, const std::string& section, const std::string& key,
                  const std::string& value);
struct ProfileEntry {
  std::string section, key, value;
};
// The writes in order, each as ProfileWrite makes it, reaching the file in one replace: at
// every instant it holds its old text or the new one, never a part. Where no file can be
// made beside it, the keys are written one by one as ProfileWrite does.
void ProfileWriteAll(const std::string& file, const std::vector<ProfileEntry>& entries);

// Opens a file or address with the shell's default action for it, as a double click in the
// file manager does. False when the shell could not.
bool ShellOpen(const std::string& path);
// The folder the program was started from, without a separator at the end.
std::string ProgramFolder();

// ----- Desktop toolbars -----

// A strip along an edge of a monitor that the system keeps for one form's window: windows
// maximised while it is held fit beside it, and the monitor's work area leaves it out. The
// system may move the strip's inner side, top and bottom for the task bar and bars registered
// before it.
enum class ScreenEdge { Left, Right };
// False where the system has no such service or refuses.
bool RegisterAppBar(Form& form);
// What the system would grant of wanted at edge, nothing reserved yet.
Rect QueryAppBarPos(Form& form, ScreenEdge edge, Rect wanted);
// Reserves wanted at edge; the rectangle the system holds for the form from now.
Rect SetAppBarPos(Form& form, ScreenEdge edge, Rect wanted);
// The reservation given back; nothing for a form that holds none.
void RemoveAppBar(Form& form);
bool AppBarRegistered(const Form& form);

// The monitor nearest to r: its whole rectangle and its work area (less the task bar and the
// desktop toolbars).
struct MonitorAreas {
  Rect monitor, work;
};
MonitorAreas MonitorNear(Rect r);

// ----- Rights over other programs' windows -----

// Windows drops input that a program sends to a window of a process with a higher integrity
// level than its own, unless the sender has uiAccess. The levels, as the system numbers them.
constexpr std::uint32_t IntegrityLow = 0x1000;
constexpr std::uint32_t IntegrityMedium = 0x2000;
constexpr std::uint32_t IntegrityHigh = 0x3000;
constexpr std::uint32_t IntegritySystem = 0x4000;
struct InputRights {
  std::uint32_t integrity = IntegrityMedium;
  bool uiAccess = false;
};
// This program's; where the system has no integrity levels, medium without uiAccess.
InputRights OwnInputRights();
// The integrity level of the process whose window is at p; nothing when it cannot be known (no
// window, no levels, the process cannot be asked).
std::optional<std::uint32_t> IntegrityAt(Point p);

// Posts a message to a window of this program, as another thread or process would.
void PostMessageTo(std::intptr_t window, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

}  // namespace ui
