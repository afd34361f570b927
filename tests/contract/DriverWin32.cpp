// The contract's driver on Win32: real input through SendInput, the real modal and message
// loops, the real clock. Each step waits for the state it needs: an injected key is known to
// be handled once its key-down message has been dispatched, and a click once a marker key
// pressed after it has been, since the system delivers input in order.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/LiniesMenu.h"
#include "tests/contract/Driver.h"
#include "ui/win32/Win32.h"

namespace contract {

namespace {

// A key no program here answers, pressed after a click to learn that the click is handled.
constexpr WORD kMarker = VK_F24;
constexpr unsigned kInputLimitMs = 5000;
constexpr UINT kPollMs = 10;

HWND HwndOf(const ui::Control& c) { return c.native ? c.native->hwnd : nullptr; }

// Handles what is in the queue as the loops of the layer do; true once a message that
// matches has been dispatched.
bool Pump(WORD keyDown) {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    if (m.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(m.wParam));  // for the loop that owns it
      return false;
    }
    // With no control focused the key comes to the active window as a system key.
    const bool seen =
        keyDown && (m.message == WM_KEYDOWN || m.message == WM_SYSKEYDOWN) && m.wParam == keyDown;
    ui::Form* modal = ui::win32::modalForm;
    if (!(modal && IsDialogMessageW(ui::win32::Hwnd(*modal), &m))) {
      TranslateMessage(&m);
      DispatchMessageW(&m);
    }
    if (seen) return true;
  }
  return false;
}

// Failures are reported, not thrown: the steps run inside the system's callbacks.
void WaitForKeyDown(WORD vk) {
  const DWORD start = GetTickCount();
  while (!Pump(vk)) {
    if (GetTickCount() - start > kInputLimitMs) {
      ADD_FAILURE() << "key " << vk << " never arrived; focus " << GetFocus() << ", active "
                    << GetActiveWindow() << ", foreground " << GetForegroundWindow();
      return;
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
  }
}

INPUT KeyInput(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return in;
}

void Type(WORD vk, bool shift) {
  std::vector<INPUT> inputs;
  if (shift) inputs.push_back(KeyInput(VK_SHIFT, false));
  inputs.push_back(KeyInput(vk, false));
  inputs.push_back(KeyInput(vk, true));
  if (shift) inputs.push_back(KeyInput(VK_SHIFT, true));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT MouseInput(DWORD flags, POINT at = {}) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  // Absolute coordinates run from 0 to 65535 across the primary screen.
  in.mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
  in.mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  return in;
}

// Runs a step inside whatever modal loop is about to start, from a thread timer it dispatches.
std::function<void()> pending;
void CALLBACK RunPending(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  auto step = std::move(pending);
  pending = nullptr;
  if (step) step();
}
void Arm(std::function<void()> step) {
  pending = std::move(step);
  SetTimer(nullptr, 0, 1, RunPending);
}

WORD VirtualKey(Key key) {
  switch (key) {
    case Key::Enter: return VK_RETURN;
    case Key::Escape: return VK_ESCAPE;
    case Key::Tab:
    case Key::ShiftTab: return VK_TAB;
  }
  return 0;
}

DWORD lastClickTime = 0;
POINT lastClickAt{-1000, -1000};

}  // namespace

void Begin() {}

namespace {
// Where the service keeps a bare file name: the Windows directory.
std::wstring ProfilePath(const std::string& file) {
  wchar_t folder[MAX_PATH] = {};
  GetWindowsDirectoryW(folder, MAX_PATH);
  return std::wstring(folder) + L"\\" + ui::win32::Widen(file);
}
}  // namespace

std::string ProfileBytes(const std::string& file) {
  std::string bytes;
  const HANDLE h = CreateFileW(ProfilePath(file).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, 0, nullptr);
  char buffer[4096];
  DWORD read = 0;
  while (h != INVALID_HANDLE_VALUE && ReadFile(h, buffer, sizeof buffer, &read, nullptr) && read)
    bytes.append(buffer, read);
  if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  return bytes;
}

void End() {
  // What a case left in the queue belongs to no later case.
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
  }
}

void Press(ui::Form& form, Key key) {
  SetForegroundWindow(ui::win32::Hwnd(form));
  const WORD vk = VirtualKey(key);
  Type(vk, key == Key::ShiftTab);
  WaitForKeyDown(vk);
}

void Click(ui::Control& control) {
  RECT r{};
  GetWindowRect(HwndOf(control), &r);
  const POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  // Two clicks on one spot in quick succession would make a double click.
  const DWORD sinceLast = GetTickCount() - lastClickTime;
  if (std::abs(at.x - lastClickAt.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
      std::abs(at.y - lastClickAt.y) <= GetSystemMetrics(SM_CYDOUBLECLK) &&
      sinceLast <= GetDoubleClickTime())
    Until([] { return false; }, GetDoubleClickTime() - sinceLast + 1);
  INPUT clicks[] = {MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, at),
                    MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)};
  SendInput(3, clicks, sizeof(INPUT));
  lastClickTime = GetTickCount();
  lastClickAt = at;
  Type(kMarker, false);
  WaitForKeyDown(kMarker);
}

void Drag(ui::Form&, ui::Point from, ui::Point to) {
  INPUT drag[] = {MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, POINT{from.x, from.y}),
                  MouseInput(MOUSEEVENTF_LEFTDOWN),
                  MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, POINT{to.x, to.y}),
                  MouseInput(MOUSEEVENTF_LEFTUP)};
  SendInput(4, drag, sizeof(INPUT));
  // Nothing was handled yet: the marker comes after all of it.
  Type(kMarker, false);
  WaitForKeyDown(kMarker);
}

bool Until(const std::function<bool()>& condition, unsigned limitMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    Pump(0);
    if (condition()) return true;
    if (GetTickCount() - start >= limitMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
  }
}

int RunModal(ui::Form& form, const std::function<void(ui::Form&)>& whileShown) {
  Arm([&] {
    whileShown(form);
    if (form.Modal()) form.Close();
  });
  return form.ShowModal();
}

void RunLoop(ui::Form& main, const std::function<void()>& whileRunning) {
  Arm([&] {
    whileRunning();
    if (main.Visible()) main.Close();
  });
  ui::RunMessageLoop(main);
}

namespace {
struct BoxFound {
  HWND box = nullptr;
};
BOOL CALLBACK FindBox(HWND w, LPARAM found) {
  wchar_t cls[16] = {};
  GetClassNameW(w, cls, 16);
  if (IsWindowVisible(w) && std::wstring(cls) == L"#32770") {
    reinterpret_cast<BoxFound*>(found)->box = w;
    return FALSE;
  }
  return TRUE;
}

std::string TextOf(HWND w) {
  wchar_t text[512] = {};
  GetWindowTextW(w, text, 512);
  return ui::win32::Narrow(text);
}
}  // namespace

std::vector<std::string> MenuShown(const ui::Form& form) {
  std::vector<std::string> lines;
  if (HMENU bar = GetMenu(ui::win32::Hwnd(form))) linies_menu::Linies(bar, "", lines);
  return lines;
}

std::vector<std::string> SystemMenuShown(const ui::Form& form) {
  const HMENU menu = GetSystemMenu(ui::win32::Hwnd(form), FALSE);
  const int n = GetMenuItemCount(menu);
  std::vector<linies_menu::Item> items;
  for (int i = 0; i < n; ++i) items.push_back(linies_menu::Llegir(menu, i));
  // The form's own begin with the separator before the first of them that shows.
  std::size_t own = items.size();
  for (std::size_t i = 0; i < items.size() && own == items.size(); ++i)
    for (const ui::MenuItem* item : form.SystemMenuItems())
      if (items[i].id != 0 && items[i].id == static_cast<UINT>(item->id)) own = i > 0 ? i - 1 : i;
  std::vector<std::string> lines;
  if (own > 0) lines.push_back("(standard)");
  for (std::size_t i = own; i < items.size(); ++i) lines.push_back(items[i].line);
  return lines;
}

void ChooseFromSystemMenu(ui::Form& form, ui::MenuItem& item) {
  // From the last item up: the keyboard passes over separators and hidden items.
  int up = 0;
  const auto& own = form.SystemMenuItems();
  for (auto it = own.rbegin(); it != own.rend() && *it != &item; ++it)
    if ((*it)->Visible() && (*it)->GetKind() != ui::MenuItem::Kind::Separator) ++up;
  SetForegroundWindow(ui::win32::Hwnd(form));
  std::vector<INPUT> keys{KeyInput(VK_MENU, false), KeyInput(VK_SPACE, false),
                          KeyInput(VK_SPACE, true), KeyInput(VK_MENU, true),
                          KeyInput(VK_END, false),  KeyInput(VK_END, true)};
  for (int i = 0; i < up; ++i) {
    keys.push_back(KeyInput(VK_UP, false));
    keys.push_back(KeyInput(VK_UP, true));
  }
  keys.push_back(KeyInput(VK_RETURN, false));
  keys.push_back(KeyInput(VK_RETURN, true));
  SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
  // The menu's own loop takes the keys up to Enter; the marker comes after the command.
  Type(kMarker, false);
  WaitForKeyDown(kMarker);
}

BoxSeen ShowBox(ui::Form* owner, const std::string& text, const std::string& caption,
                unsigned flags, Key answer) {
  BoxSeen seen;
  // Inside the box's own loop: once it is up and active, read it and answer with the key.
  std::function<void()> answerBox = [&] {
    BoxFound found;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&found));
    if (!found.box || GetForegroundWindow() != found.box) {
      Arm(answerBox);  // not up yet: look again on the next tick
      return;
    }
    seen.caption = TextOf(found.box);
    for (HWND child = GetWindow(found.box, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
      wchar_t cls[16] = {};
      GetClassNameW(child, cls, 16);
      if (_wcsicmp(cls, L"Static") == 0 && !TextOf(child).empty()) seen.text = TextOf(child);
    }
    Type(VirtualKey(answer), false);
  };
  Arm(answerBox);
  seen.answer = ui::ShowMessageBox(owner, text, caption, flags);
  return seen;
}

namespace {
HWND OpenBox() {
  BoxFound found;
  EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&found));
  return found.box;
}

bool boxTimedOut = false;
void CALLBACK AnswerBoxLeftAlone(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (!OpenBox()) return;
  boxTimedOut = true;
  SetForegroundWindow(OpenBox());
  Type(VK_ESCAPE, false);
}
}  // namespace

BoxSeen ShowBoxLeftAlone(ui::Form* owner, const std::string& text, const std::string& caption,
                         unsigned flags, unsigned limitMs) {
  BoxSeen seen;
  boxTimedOut = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, limitMs, AnswerBoxLeftAlone);
  seen.answer = ui::ShowMessageBox(owner, text, caption, flags);
  KillTimer(nullptr, timer);
  seen.closedByItself = !boxTimedOut;
  return seen;
}

std::optional<ui::Rect> OpenBoxButton() {
  const HWND box = OpenBox();
  if (!box) return std::nullopt;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t cls[16] = {};
    GetClassNameW(child, cls, 16);
    if (_wcsicmp(cls, L"Button") != 0 || !IsWindowVisible(child)) continue;
    RECT r{};
    GetWindowRect(child, &r);
    return ui::Rect{r.left, r.top, r.right, r.bottom};
  }
  return std::nullopt;
}

void WriteProfileFile(const std::string& file, const std::string& bytes) {
  const HANDLE h = CreateFileW(ProfilePath(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE) << "cannot write " << file;
  DWORD written = 0;
  WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(h);
  EXPECT_EQ(written, bytes.size());
}

void RemoveProfileFile(const std::string& file) { DeleteFileW(ProfilePath(file).c_str()); }

}  // namespace contract
