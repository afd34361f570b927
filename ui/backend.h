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

void MenuChanged(MenuItem& item, Change what);
bool MenuChecked(const MenuItem& item, bool mirror);

void TimerChanged(Timer& timer);
void TimerRemoved(Timer& timer);

void FormDestroyed(Form& form);

}  // namespace ui::backend
