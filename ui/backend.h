// What each backend provides to the common part of the layer (ui/ui.cpp).
#pragma once

#include "ui/ui.h"

namespace ui::backend {

// Style: a label's alignment, a memo's read-only state.
enum class Change { Text, Visible, Enabled, Font, Checked, Bounds, Style, Hint };

void ControlChanged(Control& control, Change what);
// The native text where the control exists natively, else the text last set.
std::string ControlText(const Control& control, const std::string& mirror);
// Check boxes: the native tick where the box exists natively, else the one last set.
bool ControlChecked(const Control& control, bool mirror);
void FocusControl(Control& control);
bool ControlFocused(const Control& control);

// Items of the window's own menu come here too.
void MenuChanged(MenuItem& item, Change what);
void SystemMenuChanged(Form& form);
bool MenuChecked(const MenuItem& item, bool mirror);

void TimerChanged(Timer& timer);
void TimerRemoved(Timer& timer);

void FormDestroyed(Form& form);

// The dpi of the monitor the form's window is on, which its layout may be below.
int MonitorDpi(const Form& form);
// What the system's frame, caption and menu bar take around the client area, at that dpi.
Size FrameSize(const Form& form);
// The work area (the screen less the task bar) of the monitor nearest to r.
Rect WorkArea(Rect r);
// Lays the form's controls and fonts out at dpi, which Form::Dpi answers from then on.
void SetLayoutDpi(Form& form, int dpi);

// Implemented once for both backends (ui/ui.cpp).

// A command of a modal form's dialog keys or of a button, the way Windows sends them: id is
// the button's, or ResultOk / ResultCancel for Enter / Esc with no such button, and control
// the button sending it, if any. The cancel command closes a modal form as its close box does,
// with or without a cancel button; otherwise an enabled, showing control is pressed.
void Command(Form& form, int id, Control* control);

}  // namespace ui::backend
