#include <windows.h>

#include "app/Pelvoro.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return Pelvoro(); }
