// What the library's hook procedures cost per mouse event, next to a procedure that only
// calls CallNextHookEx. The procedures are called directly, in alternating batches, with
// the events the system would hand them; reports go to a window of this program and are
// drained between batches, outside the timing.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "hook/ProcHook.h"

namespace {

constexpr int Lots = 200;
constexpr int EventsPerLot = 1000;

LRESULT CALLBACK ProcNomesSeguent(int codi, WPARAM missatge, LPARAM dades) {
  return CallNextHookEx(nullptr, codi, missatge, dades);
}

void Buidar() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
  }
}

struct Event {
  WPARAM missatge;
  MSLLHOOKSTRUCT info;
};

double Segons(LARGE_INTEGER a, LARGE_INTEGER b, LARGE_INTEGER freq) {
  return static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(freq.QuadPart);
}

double Mediana(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// ns per event of each procedure, in batches that alternate so both see the same machine.
void Mesurar(const char* nom, HOOKPROC proc, const std::vector<Event>& events) {
  LARGE_INTEGER freq;
  QueryPerformanceFrequency(&freq);
  std::vector<double> nostre, buit;
  for (int lot = 0; lot < Lots; ++lot) {
    for (HOOKPROC p : {proc, static_cast<HOOKPROC>(ProcNomesSeguent)}) {
      LARGE_INTEGER a, b;
      QueryPerformanceCounter(&a);
      for (int i = 0; i < EventsPerLot; ++i) {
        const Event& e = events[static_cast<size_t>(i) % events.size()];
        p(HC_ACTION, e.missatge, reinterpret_cast<LPARAM>(&e.info));
      }
      QueryPerformanceCounter(&b);
      (p == proc ? nostre : buit).push_back(Segons(a, b, freq) * 1e9 / EventsPerLot);
      Buidar();
    }
  }
  const double n = Mediana(nostre), b = Mediana(buit);
  std::printf("%-34s %10.1f ns/event   CallNextHookEx only %8.1f ns/event   ratio %6.2f\n", nom, n,
              b, n / b);
}

Event Fer(WPARAM missatge, bool injectat) {
  Event e{};
  e.missatge = missatge;
  e.info.pt = {100, 100};
  e.info.flags = injectat ? LLMHF_INJECTED : 0;
  return e;
}

}  // namespace

int main() {
  HWND finestra = CreateWindowExW(0, L"STATIC", L"BenchHook", 0, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
  hook::FixarDesti(finestra);
  hook::EstatHooks().Installat(hook::TipusHook::Botons);
  hook::EstatHooks().Installat(hook::TipusHook::Moviment);

  const std::vector<Event> moviments{Fer(WM_MOUSEMOVE, false)};
  const std::vector<Event> clics{Fer(WM_LBUTTONDOWN, false), Fer(WM_LBUTTONUP, false)};
  const std::vector<Event> injectats{Fer(WM_MOUSEMOVE, true), Fer(WM_LBUTTONDOWN, true),
                                     Fer(WM_LBUTTONUP, true)};
  const std::vector<Event> roda{Fer(WM_MOUSEWHEEL, false)};

  std::printf("%d batches of %d events, median batch\n", Lots, EventsPerLot);
  Mesurar("button hook, moves (reported)", hook::ProcHookBotons, moviments);
  Mesurar("button hook, left clicks (swallowed)", hook::ProcHookBotons, clics);
  Mesurar("button hook, injected input", hook::ProcHookBotons, injectats);
  Mesurar("button hook, wheel (passed)", hook::ProcHookBotons, roda);
  Mesurar("move hook beside button hook", hook::ProcHookMoviment, moviments);
  hook::EstatHooks().Tret(hook::TipusHook::Botons);
  Mesurar("move hook alone, moves (reported)", hook::ProcHookMoviment, moviments);
  DestroyWindow(finestra);
  return 0;
}
