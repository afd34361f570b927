// What the small window programs of the tests share: a class with the arrow cursor, a window
// procedure that ends the program with its window, and the message loop.
#pragma once

#include <windows.h>

namespace finestra_prova {

inline LRESULT CALLBACK ProcTancar(HWND finestra, UINT missatge, WPARAM w, LPARAM l) {
  if (missatge == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(finestra, missatge, w, l);
}

inline ATOM Registrar(const wchar_t* nom, WNDPROC proc, HBRUSH fons, UINT estil = 0) {
  WNDCLASSW classe{};
  classe.style = estil;
  classe.lpfnWndProc = proc;
  classe.hInstance = GetModuleHandleW(nullptr);
  classe.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  classe.hbrBackground = fons;
  classe.lpszClassName = nom;
  return RegisterClassW(&classe);
}

inline int Bucle() {
  MSG m;
  while (GetMessageW(&m, nullptr, 0, 0) > 0) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
  return 0;
}

}  // namespace finestra_prova
