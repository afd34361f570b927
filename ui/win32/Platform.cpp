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
  std::string programFile;
  HWND found = nullptr;
};

// The file the process runs, with its folders; empty when it cannot be asked.
std::string ProcessImage(DWORD pid) {
  // Vista's limited right and call where there are; Windows XP has only the full ones.
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  if (!process) process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, pid);
  if (!process) return {};
  static const auto queryImage = SystemFunction<BOOL(WINAPI*)(HANDLE, DWORD, LPWSTR, PDWORD)>(
      L"kernel32.dll", "QueryFullProcessImageNameW");
  static const auto imageFileName = SystemFunction<DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD)>(
      L"psapi.dll", "GetProcessImageFileNameW");
  std::wstring path(MAX_PATH * 2, L'\0');
  DWORD size = static_cast<DWORD>(path.size());
  if (queryImage && queryImage(process, 0, path.data(), &size))
    path.resize(size);
  else if (imageFileName)
    path.resize(imageFileName(process, path.data(), static_cast<DWORD>(path.size())));
  else
    path.clear();
  CloseHandle(process);
  return Narrow(path.c_str());
}

BOOL CALLBACK FindOtherInstance(HWND w, LPARAM data) {
  auto* search = reinterpret_cast<OtherInstance*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  wchar_t name[256] = {};
  if (pid == GetCurrentProcessId() || GetClassNameW(w, name, 256) == 0 ||
      search->className != name || !IsFileNamed(ProcessImage(pid), search->programFile))
    return TRUE;
  search->found = w;
  return FALSE;
}
}  // namespace

void ActivateOtherInstance(const std::string& className, const std::string& programFile) {
  OtherInstance search{Widen(className), programFile};
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

namespace {
// The monitor's own dpi from Windows 8.1 on; before, every monitor has the system's.
int DpiOfMonitor(HMONITOR monitor) {
  using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
  static const auto getDpiForMonitor =
      SystemFunction<GetDpiForMonitorFunction>(L"shcore.dll", "GetDpiForMonitor");
  UINT x = 0, y = 0;
  if (getDpiForMonitor && getDpiForMonitor(monitor, kEffectiveDpi, &x, &y) == S_OK && y > 0)
    return static_cast<int>(y);
  return SystemDpi();
}

Rect RectOf(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  auto* list = reinterpret_cast<std::vector<Monitor>*>(data);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return TRUE;
  const Monitor m{RectOf(info.rcMonitor), RectOf(info.rcWork), DpiOfMonitor(monitor)};
  if (info.dwFlags & MONITORINFOF_PRIMARY)
    list->insert(list->begin(), m);
  else
    list->push_back(m);
  return TRUE;
}
}  // namespace

std::vector<Monitor> Monitors() {
  std::vector<Monitor> list;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&list));
  if (list.empty()) {
    // Only while the desktop is being switched: the primary screen as the metrics give it.
    RECT work{0, 0, ScreenWidth(), ScreenHeight()};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    list.push_back({{0, 0, ScreenWidth(), ScreenHeight()}, RectOf(work), SystemDpi()});
  }
  return list;
}

int DpiAt(Point p) {
  return DpiOfMonitor(MonitorFromPoint(POINT{p.x, p.y}, MONITOR_DEFAULTTONEAREST));
}

Point CursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return Point{p.x, p.y};
}

void SetCursorPos(Point p) { ::SetCursorPos(p.x, p.y); }

void MouseEvent(unsigned flags) { mouse_event(flags, 0, 0, 0, 0); }

void MouseEvent(unsigned flags, std::int32_t data) {
  mouse_event(flags, 0, 0, static_cast<DWORD>(data), 0);
}

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

namespace {
// Where the service keeps a file named without a folder: the Windows directory.
std::wstring ProfilePath(const std::wstring& file) {
  if (file.find_first_of(L"\\/:") != std::wstring::npos) return file;
  wchar_t folder[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return std::wstring(folder, length) + L"\\" + file;
}

// The service's own writes on a copy beside the file, which then takes the file's place in
// one step. Where Windows keeps an ordinary user's files of the Windows directory in the
// user's VirtualStore, the copy, the writes and the replace are all redirected there alike.
// False, with the file untouched, when any step fails.
bool ReplaceProfile(const std::wstring& path, const std::vector<ProfileEntry>& entries) {
  if (path.empty()) return false;
  const std::wstring copy = path + L".new";
  // A copy left by a run that ended half-way is overwritten or removed here.
  if (!CopyFileW(path.c_str(), copy.c_str(), FALSE) &&
      (GetLastError() != ERROR_FILE_NOT_FOUND ||
       (!DeleteFileW(copy.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND)))
    return false;
  bool written = true;
  for (const ProfileEntry& e : entries)
    written = written && WritePrivateProfileStringW(Widen(e.section).c_str(), Widen(e.key).c_str(),
                                                    Widen(e.value).c_str(), copy.c_str());
  if (written &&
      MoveFileExW(copy.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  DeleteFileW(copy.c_str());
  return false;
}
}  // namespace

void ProfileWriteAll(const std::string& file, const std::vector<ProfileEntry>& entries) {
  if (entries.empty()) return;
  const std::wstring name = Widen(file);
  if (ReplaceProfile(ProfilePath(name), entries)) return;
  // As the service alone writes: where this fails too, the file was not writable before either.
  for (const ProfileEntry& e : entries)
    WritePrivateProfileStringW(Widen(e.section).c_str(), Widen(e.key).c_str(),
                               Widen(e.value).c_str(), name.c_str());
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
