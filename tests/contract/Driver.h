// The user's hand and the passing of time for the user-interface contract: one interface, two
// drivers. On the headless backend they call its test side; on Win32 they inject real input
// with SendInput, run the real modal and message loops and wait on the real clock. The cases
// are written once against this and ui/, and must pass on both.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/ui.h"

namespace contract {

// A fresh backend for each case, and the leftovers of one cleared after it.
void Begin();
void End();

enum class Key { Enter, Escape, Tab, ShiftTab };
// The key pressed and released while the form is the active one; returns once the form has
// handled the press.
void Press(ui::Form& form, Key key);
// A left click at the middle of where the control is, once the click has been handled.
void Click(ui::Control& control);
// The left button pressed at from (on the form's bare client area), the pointer moved to to
// and the button released there, all of it before the program handles any of it, as on a
// busy machine; returns once it has been handled.
void Drag(ui::Form& form, ui::Point from, ui::Point to);
// Lets time pass, the messages and timers running, until condition holds; false if it still
// does not after limitMs.
bool Until(const std::function<bool()>& condition, unsigned limitMs);

// Shows the form modally and runs whileShown inside its modal loop; a form still open after
// it is closed as the close box does. The modal result.
int RunModal(ui::Form& form, const std::function<void(ui::Form&)>& whileShown);
// Runs the message loop of the main form (the first one created) with whileRunning inside
// it; a main form still open after it is closed.
void RunLoop(ui::Form& main, const std::function<void()>& whileRunning);

// The menu bar as the user sees it: one line per item shown, "-" for a separator, "[x] "
// before a checked caption, two blanks of indent per level.
std::vector<std::string> MenuShown(const ui::Form& form);
// The window's own menu (Alt+Space) the same way: "(standard)" for the items every window has
// there, then the lines of the form's own.
std::vector<std::string> SystemMenuShown(const ui::Form& form);
// Alt+Space on the form, and its own item chosen with the keyboard; returns once it is handled.
void ChooseFromSystemMenu(ui::Form& form, ui::MenuItem& item);

struct BoxSeen {
  int answer = 0;
  std::string text, caption;
  // Closed by the program's own doing before the driver answered it.
  bool closedByItself = false;
};
// Shows a message box and answers it with the key, as the user would.
BoxSeen ShowBox(ui::Form* owner, const std::string& text, const std::string& caption,
                unsigned flags, Key answer);
// Shows a message box and leaves it to the program, the timers running in its loop; one still
// up after limitMs is answered with Esc.
BoxSeen ShowBoxLeftAlone(ui::Form* owner, const std::string& text, const std::string& caption,
                         unsigned flags, unsigned limitMs);
// Where the button of the message box that is up lies on screen; none while none is.
std::optional<ui::Rect> OpenBoxButton();

// A file of the private-profile service (a bare name, where the service keeps it) as a user or
// another program left it, byte for byte; and removed again.
void WriteProfileFile(const std::string& file, const std::string& bytes);
void RemoveProfileFile(const std::string& file);
// The bytes of the file that the profile service keeps under a bare name ("" when there is
// none).
std::string ProfileBytes(const std::string& file);

}  // namespace contract
