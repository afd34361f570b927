// Holds a file open for reading and lets nobody else write it, as the Windows folder is closed to
// a user without rights: others can still read the file, and an open for writing fails. Writes
// "ready", flushed, once it holds the file, and holds it until its standard input ends.
// Usage: FitxerTancat FILE
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: FitxerTancat FILE\n");
    return 2;
  }
  HANDLE fitxer = CreateFileA(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (fitxer == INVALID_HANDLE_VALUE) {
    std::fprintf(stderr, "cannot open %s: %lu\n", argv[1], GetLastError());
    return 1;
  }
  std::printf("ready\n");
  std::fflush(stdout);
  while (std::fgetc(stdin) != EOF) {
  }
  CloseHandle(fitxer);
  return 0;
}
