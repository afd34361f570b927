// What tests see and steer of the headless backend: a virtual clock that drives timers and
// the message queue, the cursor, recorded injected input and beeps, scripted message boxes,
// a private-profile service on a folder the test chooses, and the hook library's stand-in.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/headless/RecordingCanvas.h"
#include "ui/ui.h"

namespace ui::headless {

// Forgets every window, timer, message, record and script; the profile service then keeps
// its files in profileFolder. The clock restarts at 0 with the tick counter at tickOffset.
void Reset(const std::filesystem::path& profileFolder, std::uint32_t tickOffset = 0);

// Virtual time in milliseconds since Reset.
std::uint64_t Now();
// Lets time pass as an idle message loop would: each timer fires at its due times, in order,
// and posted messages are handled as they come.
void Advance(unsigned ms);

void SetCommandLine(const std::string& commandLine);
// The dpi of the monitor that windows open on from now; 96 until set.
void SetDpi(int dpi);
// The form is moved to a monitor of this dpi, as WM_DPICHANGED tells a window on Windows:
// FormDpiChanged runs with the suggested bounds, the same corner and the size in proportion.
void MoveToDpi(Form& form, int dpi);
// The font a control shows in, at its form's dpi.
Font NativeFont(const Control& control);
// Another copy of the program runs in this session: the claim of a single run fails.
void SetOtherInstance(bool running);
void SetScreenSize(int width, int height);
// The desktop's monitors, the primary first at 0,0, whose size the screen's becomes; empty: one,
// the screen, at the dpi SetDpi gave.
void SetMonitors(const std::vector<Monitor>& monitors);
void SetCursor(Point p);

struct InjectedEvent {
  unsigned flags;
  Point at;
  std::uint64_t time;
  std::int32_t data = 0;  // the wheel's turn
};
const std::vector<InjectedEvent>& InjectedInput();
const std::vector<unsigned>& Beeps();
// Cursor moves, injected input, beeps and hook-library calls in the order the program made
// them: "SetCursorPos 10 20", "mouse_event 2", "mouse_event 2048 -120", "MessageBeep 0",
// "UnHookMouse", "ActivateOtherInstance TFormPrincipal Pelvoro.exe".
const std::vector<std::string>& PlatformCalls();
void ClearPlatformCalls();

struct ShownMessageBox {
  std::string text, caption;
  unsigned flags;
  std::uint64_t time;
  // On screen: the box centred on the screen, its one button at the middle of its foot.
  Rect bounds, button;
  // When a left press and release on its button closed it, as they do on Windows.
  std::optional<std::uint64_t> closedByClick;
};
const std::vector<ShownMessageBox>& MessageBoxes();
// Runs while a message box is up, before it returns; the box's answer is IDOK. Time passed
// there runs the timers and the posted messages, as the box's own loop does on Windows.
void OnMessageBox(std::function<void(const ShownMessageBox&)> whileShown);
// The box that is up and not yet closed by a click on its button; null when there is none.
const ShownMessageBox* OpenMessageBox();

// The message loop of the program entry runs this instead of waiting for real input; it ends
// when the driver returns. Without one, the loop ends at once.
void SetLoopDriver(std::function<void()> driver);
bool LoopRunning();

// Runs while a form is shown modally; the form stays modal until the script ends it, and a
// script that leaves it open has it cancelled. Without a script, modal forms are cancelled.
void OnModal(std::function<void(Form&)> script);

// The user's hand on the controls. Click and Type act only on a visible, enabled control and
// give it the focus first, as the mouse does; false when the control cannot be reached. A
// click ticks or unticks a check box, then runs its OnClick.
bool Click(Control& control);
// A click on the form's client area where no control is.
void ClickForm(Form& form);
// The left button pressed on the form's bare client area at from (screen coordinates), the
// pointer moved to to while held, and released there. Nothing when the form is hidden.
void DragForm(Form& form, Point from, Point to);
// What the picture draws when it is painted, in call order.
std::vector<DrawOp> PaintPicture(Picture& picture);
// Replaces an edit box's text as typed over a selection of all of it.
bool Type(Control& edit, const std::string& text);
Control* Focused();
// The dialog keys of a modal form, which do nothing elsewhere: Enter presses its EnterButton,
// Esc cancels it, Tab moves the focus to the next control in tab order that can take it, round
// the form (backwards: Shift+Tab).
void PressEnter(Form& form);
void PressEscape(Form& form);
void PressTab(Form& form, bool backwards = false);
// Runs while the colour chooser is up, from the preset colour; it may change the colour and
// returns true to confirm. Without one the chooser is cancelled.
void OnChooseColour(std::function<bool(Colour&)> chooser);

Form* FindForm(const std::string& className);
// The native menu's drop-down of item opens (its OnPopup runs), then the menu loop ends.
void OpenMenu(MenuItem& item);
// A command chosen from an open menu: drop-down, end of the menu loop, then the command,
// in the order Windows delivers them.
void ChooseMenuItem(MenuItem& topLevel, MenuItem& item);
// The window's own menu (Alt+Space) opens and closes with nothing chosen: no drop-down of the
// menu bar opens, and the menu loop ends.
void OpenSystemMenu(Form& form);
// The same with one of the form's own items chosen: its command comes after the end of the loop.
void ChooseSystemMenuItem(Form& form, MenuItem& item);
// The class names of the windows that exist, in the order they were made.
std::vector<std::string> FormClasses();
int PaintCount(const Form& form);
// What the form's last paint drew, in call order; empty before its first paint.
const std::vector<DrawOp>& LastPaint(const Form& form);
// The colour that shows as transparent in the form, if one has been set.
std::optional<Colour> ColourKey(const Form& form);
// Handles of the forms raised to the top of the top-most windows, oldest first.
const std::vector<std::intptr_t>& TopMostRaises();
// The calls that moved, sized or raised the form's window: each is one SetWindowPos on Windows.
int WindowMoves(const Form& form);

// What was handed to the shell to open, oldest first.
const std::vector<std::string>& ShellOpened();
// ProgramFolder() answers this; "C:\\Pelvoro" until set.
void SetProgramFolder(const std::string& folder);

// The text a private-profile read would see in the file, for assertions on the file itself.
std::string ProfileFileText(const std::string& file);
std::filesystem::path ProfilePath(const std::string& file);

// The desktop toolbars' service: "ABM_NEW", "ABM_QUERYPOS left 0 0 118 768" (the edge and the
// rectangle asked for), "ABM_SETPOS ...", "ABM_REMOVE", in the order asked. A strip held is
// taken out of the work area.
const std::vector<std::string>& AppBarCalls();
void ClearAppBarCalls();
// The system tells every registered bar that theirs may have to move (ABN_POSCHANGED).
void NotifyAppBars();

// The program's integrity level and uiAccess; medium without until set.
void SetOwnInputRights(InputRights rights);
// A window of another process over the area, above those added before it, whose integrity
// level is known or not; IntegrityAt answers for it.
void AddForeignWindow(Rect area, std::optional<std::uint32_t> integrity);

// The hook library's stand-in.
namespace hook {
// Calls in order: "SetHookMouse", "UnHookMouse", "SetHookMouseMove", "UnHookMouseMove".
const std::vector<std::string>& Calls();
void ClearCalls();
bool ButtonHookInstalled();
bool MoveHookInstalled();
// Posts a report as the real library would: only while a hook that reports it is installed,
// to the window chosen when a hook was last installed (hook::TriarDesti). True if posted.
bool Report(long code);
// Both hooks go without a call, as Windows removes a hook that was too slow: nothing is
// reported until the program installs them again.
void Drop();
}  // namespace hook

}  // namespace ui::headless
