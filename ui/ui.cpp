// The backend-independent part of the layer: controls, menu items and timers keep their
// state here and hand every change to the backend.
#include "ui/ui.h"

#include <algorithm>
#include <string_view>

#include "ui/backend.h"

namespace ui {

Rect ScaleForDpi(Rect r, int dpi) {
  const int left = ScaleForDpi(r.left, dpi), top = ScaleForDpi(r.top, dpi);
  return {left, top, left + ScaleForDpi(r.Width(), dpi), top + ScaleForDpi(r.Height(), dpi)};
}

Font ScaleForDpi(Font font, int dpi) {
  font.height = ScaleForDpi(font.height, dpi);
  return font;
}

namespace {

// One side of a laid-out window: the frame's share of an outer design, scaled with the rest,
// gives way to the frame as the system draws it.
int LaidOutSide(int design, bool outer, int frame, int layoutDpi, int monitorDpi) {
  const int scaled = ScaleForDpi(design, layoutDpi);
  if (!outer) return scaled + frame;
  const long long share = (static_cast<long long>(frame) * layoutDpi + monitorDpi / 2) / monitorDpi;
  return scaled + frame - static_cast<int>(share);
}

}  // namespace

Size LaidOutSize(Design design, Size frame, int layoutDpi, int monitorDpi) {
  return {LaidOutSide(design.size.width, design.outer, frame.width, layoutDpi, monitorDpi),
          LaidOutSide(design.size.height, design.outer, frame.height, layoutDpi, monitorDpi)};
}

int FittingDpi(Design design, Size frame, int monitorDpi, Size area) {
  for (int dpi = monitorDpi; dpi >= kMinimumLayoutDpi; --dpi) {
    const Size s = LaidOutSize(design, frame, dpi, monitorDpi);
    if (s.width <= area.width && s.height <= area.height) return dpi;
  }
  return std::min(monitorDpi, kMinimumLayoutDpi);
}

Control::Control(Form& owner, Rect bounds, Control* container)
    : owner_(owner), container_(container), bounds_(bounds), font_(owner.Style().font) {
  owner_.Register(*this);
}

Control::~Control() { owner_.Unregister(*this); }

void Control::SetBounds(Rect bounds) {
  bounds_ = bounds;
  backend::ControlChanged(*this, backend::Change::Bounds);
}

Rect Control::ClientBounds() const {
  Rect r = bounds_;
  for (const Control* k = container_; k; k = k->Container()) {
    const Rect o = k->Bounds();
    r.left += o.left, r.right += o.left, r.top += o.top, r.bottom += o.top;
  }
  return ScaleForDpi(r, owner_.Dpi());
}

bool Control::Visible() const { return visible_; }

bool Control::Showing() const {
  for (const Control* c = this; c; c = c->Container())
    if (!c->visible_) return false;
  return true;
}

void Control::SetHint(const std::string& hint) {
  hint_ = hint;
  backend::ControlChanged(*this, backend::Change::Hint);
}

void Control::SetVisible(bool visible) {
  visible_ = visible;
  backend::ControlChanged(*this, backend::Change::Visible);
}

bool Control::Enabled() const { return enabled_; }

void Control::SetEnabled(bool enabled) {
  enabled_ = enabled;
  backend::ControlChanged(*this, backend::Change::Enabled);
}

std::string Control::Text() const { return backend::ControlText(*this, text_); }

void Control::SetText(const std::string& text) {
  text_ = text;
  backend::ControlChanged(*this, backend::Change::Text);
}

void Control::SetFont(const Font& font) {
  font_ = font;
  backend::ControlChanged(*this, backend::Change::Font);
}

void Control::SetFontColour(Colour colour) {
  font_.colour = colour;
  backend::ControlChanged(*this, backend::Change::Font);
}

void Control::SetFocus() {
  if (TakesFocus() && enabled_ && Showing()) backend::FocusControl(*this);
}

bool Control::Focused() const { return backend::ControlFocused(*this); }

Label::Label(Form& owner, Rect bounds, const std::string& text, Align align, Control* container)
    : Control(owner, bounds, container), align_(align) {
  text_ = text;
  background_ = owner.Style().background;
}

void Label::SetAlignment(Align align) {
  align_ = align;
  backend::ControlChanged(*this, backend::Change::Style);
}

void Label::SetVerticalCentre(bool centre) {
  verticalCentre_ = centre;
  backend::ControlChanged(*this, backend::Change::Style);
}

Memo::Memo(Form& owner, Rect bounds, const std::string& text, Control* container)
    : Control(owner, bounds, container) {
  text_ = text;
}

void Memo::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  backend::ControlChanged(*this, backend::Change::Style);
}

void Label::SetBackground(Colour colour) {
  background_ = colour;
  backend::ControlChanged(*this, backend::Change::Font);
}

ToolButton::ToolButton(Form& owner, Rect bounds, const std::string& caption, Control* container)
    : Control(owner, bounds, container) {
  text_ = caption;
}

CheckBox::CheckBox(Form& owner, Rect bounds, const std::string& caption, Control* container)
    : Control(owner, bounds, container) {
  text_ = caption;
}

bool CheckBox::Checked() const { return backend::ControlChecked(*this, checked_); }

void CheckBox::SetChecked(bool checked) {
  checked_ = checked;
  backend::ControlChanged(*this, backend::Change::Checked);
}

Edit::Edit(Form& owner, Rect bounds, const std::string& text, Control* container)
    : Control(owner, bounds, container) {
  text_ = text;
}

Button::Button(Form& owner, Rect bounds, const std::string& caption, Role role, Glyph glyph,
               Control* container)
    : Control(owner, bounds, container), role_(role), glyph_(glyph) {
  text_ = caption;
  // The dialog keys send IDOK and IDCANCEL, the same numbers as the results.
  if (role == Role::Default) id = ResultOk;
  if (role == Role::Cancel) id = ResultCancel;
}

MenuItem::MenuItem(std::string name, Kind kind, std::string caption)
    : name_(std::move(name)), kind_(kind), caption_(std::move(caption)) {}

void MenuItem::SetCaption(const std::string& caption) {
  caption_ = caption;
  backend::MenuChanged(*this, backend::Change::Text);
}

bool MenuItem::Checked() const { return backend::MenuChecked(*this, checked_); }

void MenuItem::SetChecked(bool checked) {
  checked_ = checked;
  backend::MenuChanged(*this, backend::Change::Checked);
}

void MenuItem::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  backend::MenuChanged(*this, backend::Change::Visible);
}

void MenuItem::Add(MenuItem& child) {
  child.parent = this;
  items_.push_back(&child);
}

Timer::Timer(Form& owner, unsigned intervalMs) : owner_(owner), interval_(intervalMs) {
  owner_.Register(*this);
}

Timer::~Timer() {
  if (enabled_) backend::TimerRemoved(*this);
  owner_.Unregister(*this);
}

void Timer::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;  // an enabled timer keeps its running period
  enabled_ = enabled;
  backend::TimerChanged(*this);
}

Form::Form(FormStyle style) : style_(std::move(style)) {}

Form::~Form() { backend::FormDestroyed(*this); }

Size Form::LayOut(Rect around) {
  const Rect area = backend::WorkArea(around);
  const Size frame = backend::FrameSize(*this);
  const int monitor = backend::MonitorDpi(*this);
  const int dpi = FittingDpi(*design_, frame, monitor, {area.Width(), area.Height()});
  if (dpi != Dpi()) backend::SetLayoutDpi(*this, dpi);
  return LaidOutSize(*design_, frame, dpi, monitor);
}

void Form::SetDesignSize(int width, int height) {
  design_ = Design{{width, height}, true};
  const Size s = LayOut(BoundsRect());
  SetSize(s.width, s.height);
}

void Form::SetDesignClientSize(int width, int height) {
  design_ = Design{{width, height}, false};
  const Size s = LayOut(BoundsRect());
  SetSize(s.width, s.height);
}

void Form::KeepInWorkArea() {
  const Rect r = BoundsRect(), area = backend::WorkArea(r);
  const auto inside = [](int from, int length, int low, int high) {
    return length > high - low ? from : std::clamp(from, low, high - length);
  };
  const int left = inside(r.left, r.Width(), area.left, area.right);
  const int top = inside(r.top, r.Height(), area.top, area.bottom);
  if (left != r.left || top != r.top) SetPosition(left, top);
}

void Form::DispatchDpiChanged(Rect suggested) {
  if (design_) {
    const Size s = LayOut(suggested);
    suggested.right = suggested.left + s.width;
    suggested.bottom = suggested.top + s.height;
  }
  FormDpiChanged(suggested);
}

void Form::Register(Control& control) {
  control.id = 100 + static_cast<int>(controls_.size());
  controls_.push_back(&control);
}

void Form::AddSystemMenuItem(MenuItem& item) {
  item.form = this;
  item.inSystemMenu = true;
  systemMenu_.push_back(&item);
  backend::SystemMenuChanged(*this);
}

void Form::Unregister(Control& control) { std::erase(controls_, &control); }

void Form::Register(Timer& timer) {
  timer.id = 1 + static_cast<int>(timers_.size());
  timers_.push_back(&timer);
}

void Form::Unregister(Timer& timer) { std::erase(timers_, &timer); }

Button* Form::EnterButton() const {
  Button* byDefault = nullptr;
  for (Control* c : controls_) {
    if (c->GetKind() != Control::Kind::Button || !c->Enabled() || !c->Showing()) continue;
    auto* b = static_cast<Button*>(c);
    if (b->Focused()) return b;
    if (!byDefault && b->GetRole() == Button::Role::Default) byDefault = b;
  }
  return byDefault;
}

namespace backend {
void Command(Form& form, int id, Control* control) {
  if (id == ResultCancel && form.Modal()) {
    form.Close();
    return;
  }
  // Enter sends the OK command even for a disabled default button.
  if (control && control->Enabled() && control->Showing()) control->Clicked();
}
}  // namespace backend

Control* Form::FirstFocusable() const {
  for (Control* c : controls_)
    if (c->TakesFocus() && c->Enabled() && c->Showing()) return c;
  return nullptr;
}

void ProfileWrite(const std::string& file, const std::string& section, const std::string& key,
                  const std::string& value) {
  ProfileWriteAll(file, {{section, key, value}});
}

bool IsFileNamed(const std::string& path, const std::string& name) {
  const std::size_t separator = path.find_last_of("\\/");
  const std::string_view file =
      std::string_view(path).substr(separator == std::string::npos ? 0 : separator + 1);
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return file.size() == name.size() &&
         std::equal(file.begin(), file.end(), name.begin(),
                    [&](char a, char b) { return lower(a) == lower(b); });
}

}  // namespace ui
