// The application loop and the platform services on Win32.
#include <vector>

#include "ui/win32/Win32.h"

#include <commdlg.h>
#include <shellapi.h>

namespace ui {

using namespace win32;

namespace {
std::string applicationTitle;
}  // namespace

void RunMessageLoop(Form& main) {
  ShowWindow(Hwnd(main), main.State() == WindowState::Minimised ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
  MSG m;
  while (GetMessageW(&m, nullptr, 0, 0) > 0) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
}

void ProcessMessages() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    if (m.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(m.wParam));  // for the loop that owns it
      break;
    }
    if (modalForm && IsDialogMessageW(Hwnd(*modalForm), &m)) continue;
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
}

// The main window carries the task-bar button, so its caption is what the task bar shows;
// the title is kept for what reads it back.
std::string ApplicationTitle() { return applicationTitle; }
void SetApplicationTitle(const std::string& title) { applicationTitle = title; }

std::string CommandLine() { return Narrow(GetCommandLineW()); }

bool ClaimSingleInstance(const std::string& name) {
  // Held until the process ends; the system releases it then, however the process ends.
  const HANDLE mutex = CreateMutexW(nullptr, FALSE, Widen(name).c_str());
  return mutex == nullptr || GetLastError() != ERROR_ALREADY_EXISTS;
}

namespace {
struct OtherInstance {
  std::wstring className;
  HWND found = nullptr;
};

BOOL CALLBACK FindOtherInstance(HWND w, LPARAM data) {
  auto* search = reinterpret_cast<OtherInstance*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  wchar_t name[256] = {};
  if (pid == GetCurrentProcessId() || GetClassNameW(w, name, 256) == 0 || search->className != name)
    return TRUE;
  search->found = w;
  return FALSE;
}
}  // namespace

void ActivateOtherInstance(const std::string& className) {
  OtherInstance search{Widen(className)};
  EnumWindows(FindOtherInstance, reinterpret_cast<LPARAM>(&search));
  if (!search.found) return;  // still starting: it shows itself soon
  if (IsIconic(search.found)) ShowWindow(search.found, SW_RESTORE);
  SetForegroundWindow(search.found);
}

unsigned TickCount() { return GetTickCount(); }
void Sleep(unsigned ms) { ::Sleep(ms); }
int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }
std::intptr_t DesktopWindow() { return reinterpret_cast<std::intptr_t>(GetDesktopWindow()); }

Point CursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return Point{p.x, p.y};
}

void SetCursorPos(Point p) { ::SetCursorPos(p.x, p.y); }

void MouseEvent(unsigned flags) { mouse_event(flags, 0, 0, 0, 0); }

void MessageBeep(unsigned type) { ::MessageBeep(type); }

int ShowMessageBox(Form* owner, const std::string& text, const std::string& caption,
                   unsigned flags) {
  const int answer = MessageBoxW(owner ? Hwnd(*owner) : nullptr, Widen(text).c_str(),
                                 Widen(caption).c_str(), flags);
  // A box with only OK answers OK however it is closed, as Windows documents; Wine answers
  // IDCANCEL to Esc there.
  return (flags & MB_TYPEMASK) == MB_OK && answer == IDCANCEL ? IDOK : answer;
}

bool ChooseColour(Form& owner, Colour& colour) {
  // The chooser's custom colours stay for the whole run, as the user left them.
  static COLORREF custom[16] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = Hwnd(owner);
  cc.rgbResult = Resolve(colour);
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT;
  // Loaded on first use, not at start: it brings many libraries with it, for one button.
  static const auto chooseColor =
      SystemFunction<decltype(&ChooseColorW)>(L"comdlg32.dll", "ChooseColorW");
  if (!chooseColor || !chooseColor(&cc)) return false;
  colour = cc.rgbResult;
  return true;
}

std::string ProfileRead(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& defaultText, unsigned bufferChars) {
  std::vector<wchar_t> buffer(bufferChars + 1, L'\0');
  GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(defaultText).c_str(),
                           buffer.data(), bufferChars, Widen(file).c_str());
  return Narrow(buffer.data());
}

void ProfileWrite(const std::string& file, const std::string& section, const std::string& key,
                  const std::string& value) {
  WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(value).c_str(),
                             Widen(file).c_str());
}

bool ShellOpen(const std::string& path) {
  static const auto shellExecute =
      SystemFunction<decltype(&ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
  if (!shellExecute) return false;
  // No owner, verb, parameters or folder: the default action, as a double click does.
  const auto result = reinterpret_cast<INT_PTR>(
      shellExecute(nullptr, nullptr, Widen(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

std::string ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);  // a long path: try again with room for it
  }
  const std::size_t separator = path.find_last_of(L"\\/");
  path.resize(separator == std::wstring::npos ? 0 : separator);
  return Narrow(path);
}

void PostMessageTo(std::intptr_t window, unsigned msg, std::uintptr_t wParam,
                   std::intptr_t lParam) {
  PostMessageW(reinterpret_cast<HWND>(window), msg, wParam, lParam);
}

}  // namespace ui
