// Times a program's start: from CreateProcess to its window of the given class being visible,
// and to that window having been painted (visible with nothing left to paint). Prints
// "visible MS", "painted MS" and "ready", then waits for a line on its input and ends the
// program. Usage: CronoInici CLASS PROGRAM [ARGUMENTS...]
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr double LimitMs = 60000;

double Ms(LARGE_INTEGER des_de, LARGE_INTEGER freq) {
  LARGE_INTEGER ara;
  QueryPerformanceCounter(&ara);
  return 1000.0 * static_cast<double>(ara.QuadPart - des_de.QuadPart) /
         static_cast<double>(freq.QuadPart);
}

std::wstring Citat(const wchar_t* argument) { return L"\"" + std::wstring(argument) + L"\""; }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: CronoInici CLASS PROGRAM [ARGUMENTS...]\n");
    return 2;
  }
  std::wstring linia = Citat(argv[2]);
  for (int i = 3; i < argc; ++i) linia += L" " + std::wstring(argv[i]);

  LARGE_INTEGER freq, inici;
  QueryPerformanceFrequency(&freq);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  QueryPerformanceCounter(&inici);
  if (!CreateProcessW(nullptr, linia.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi)) {
    std::printf("error CreateProcess %lu\n", GetLastError());
    return 1;
  }
  bool visible = false;
  for (;;) {
    const double t = Ms(inici, freq);
    if (t > LimitMs || WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) {
      std::printf("error no painted window of class %ls\n", argv[1]);
      TerminateProcess(pi.hProcess, 1);
      return 1;
    }
    const HWND finestra = FindWindowW(argv[1], nullptr);
    if (finestra && IsWindowVisible(finestra)) {
      if (!visible) std::printf("visible %.1f\n", t);
      visible = true;
      if (!GetUpdateRect(finestra, nullptr, FALSE)) {
        std::printf("painted %.1f\n", t);
        break;
      }
    }
    Sleep(1);
  }
  std::printf("ready\n");
  std::fflush(stdout);
  char resposta[16];
  std::fgets(resposta, sizeof resposta, stdin);
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return 0;
}
