// Desktop toolbars through the shell, and the integrity levels of the processes behind windows.
#include <set>
#include <vector>

#include "ui/messages.h"
#include "ui/win32/Win32.h"

#include <shellapi.h>

namespace ui {

using namespace win32;

namespace {

// The shell is loaded when first needed, as for the other shell services.
UINT_PTR AppBarMessage(DWORD message, APPBARDATA& data) {
  using Function = UINT_PTR(WINAPI*)(DWORD, PAPPBARDATA);
  static const auto shAppBarMessage = SystemFunction<Function>(L"shell32.dll", "SHAppBarMessage");
  return shAppBarMessage ? shAppBarMessage(message, &data) : 0;
}

// The windows registered from this process.
std::set<HWND>& Registered() {
  static std::set<HWND> registered;
  return registered;
}

APPBARDATA Data(const Form& form, ScreenEdge edge = ScreenEdge::Left, Rect r = {}) {
  APPBARDATA data{};
  data.cbSize = sizeof data;
  data.hWnd = Hwnd(form);
  data.uCallbackMessage = msg::AppBar;
  data.uEdge = edge == ScreenEdge::Left ? ABE_LEFT : ABE_RIGHT;
  data.rc = RECT{r.left, r.top, r.right, r.bottom};
  return data;
}

Rect Of(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

bool RegisterAppBar(Form& form) {
  if (AppBarRegistered(form)) return true;
  APPBARDATA data = Data(form);
  if (!data.hWnd || !AppBarMessage(ABM_NEW, data)) return false;
  Registered().insert(data.hWnd);
  return true;
}

Rect QueryAppBarPos(Form& form, ScreenEdge edge, Rect wanted) {
  APPBARDATA data = Data(form, edge, wanted);
  AppBarMessage(ABM_QUERYPOS, data);
  return Of(data.rc);
}

Rect SetAppBarPos(Form& form, ScreenEdge edge, Rect wanted) {
  APPBARDATA data = Data(form, edge, wanted);
  AppBarMessage(ABM_SETPOS, data);
  return Of(data.rc);
}

void RemoveAppBar(Form& form) {
  if (!AppBarRegistered(form)) return;
  APPBARDATA data = Data(form);
  AppBarMessage(ABM_REMOVE, data);
  Registered().erase(data.hWnd);
}

bool AppBarRegistered(const Form& form) { return Registered().count(Hwnd(form)) != 0; }

MonitorAreas MonitorNear(Rect r) {
  const RECT around{r.left, r.top, r.right, r.bottom};
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(MonitorFromRect(&around, MONITOR_DEFAULTTONEAREST), &info)) {
    info.rcMonitor = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &info.rcWork, 0);
  }
  return {Of(info.rcMonitor), Of(info.rcWork)};
}

namespace {

// The relative identifier that ends the token's integrity label: the level.
std::optional<std::uint32_t> TokenIntegrity(HANDLE token) {
  DWORD size = 0;
  GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
  if (size < sizeof(TOKEN_MANDATORY_LABEL)) return std::nullopt;  // no levels (Windows XP)
  std::vector<BYTE> buffer(size);
  if (!GetTokenInformation(token, TokenIntegrityLevel, buffer.data(), size, &size))
    return std::nullopt;
  const PSID sid = reinterpret_cast<TOKEN_MANDATORY_LABEL*>(buffer.data())->Label.Sid;
  const UCHAR count = *GetSidSubAuthorityCount(sid);
  if (count == 0) return std::nullopt;
  return static_cast<std::uint32_t>(*GetSidSubAuthority(sid, count - 1));
}

std::optional<std::uint32_t> ProcessIntegrity(HANDLE process) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return std::nullopt;
  const std::optional<std::uint32_t> level = TokenIntegrity(token);
  CloseHandle(token);
  return level;
}

}  // namespace

InputRights OwnInputRights() {
  InputRights rights;
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return rights;
  rights.integrity = TokenIntegrity(token).value_or(IntegrityMedium);
  DWORD uiAccess = 0, size = 0;
  if (GetTokenInformation(token, TokenUIAccess, &uiAccess, sizeof uiAccess, &size))
    rights.uiAccess = uiAccess != 0;
  CloseHandle(token);
  return rights;
}

std::optional<std::uint32_t> IntegrityAt(Point p) {
  const HWND window = WindowFromPoint(POINT{p.x, p.y});
  DWORD pid = 0;
  if (!window || !GetWindowThreadProcessId(window, &pid) || !pid) return std::nullopt;
  if (pid == GetCurrentProcessId()) return OwnInputRights().integrity;
  // The limited right is the one a process of lower level may have over one of higher.
  const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  if (!process) return std::nullopt;
  const std::optional<std::uint32_t> level = ProcessIntegrity(process);
  CloseHandle(process);
  return level;
}

}  // namespace ui
