// Looks at other processes' windows for the end-to-end harness. One command per line on
// stdin (or one from the command line), fields separated by tabs; one JSON line per answer.
//   windows [class=C] [caption=T]   top-level windows, hidden ones too
//   children HWND                   child controls
//   boxes                           message boxes with their texts and buttons
//   press HWND TEXT                 presses the button of that caption in a dialog
//   close HWND                      posts WM_CLOSE
//   foreground                      the window that has the keyboard
//   cursor | screen | quit
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int mida = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string sortida(static_cast<size_t>(mida), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), sortida.data(), mida,
                      nullptr, nullptr);
  return sortida;
}

std::wstring Ample(const std::string& text) {
  if (text.empty()) return {};
  const int mida =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring sortida(static_cast<size_t>(mida), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), sortida.data(), mida);
  return sortida;
}

std::string Json(const std::wstring& text) {
  std::string sortida = "\"";
  for (const char c : Utf8(text)) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      sortida += '\\';
      sortida += c;
    } else if (u < 0x20) {
      char codi[8];
      std::snprintf(codi, sizeof codi, "\\u%04x", u);
      sortida += codi;
    } else {
      sortida += c;
    }
  }
  return sortida + "\"";
}

std::string Handle(HWND finestra) {
  return std::to_string(reinterpret_cast<std::intptr_t>(finestra));
}

std::optional<HWND> LlegirHandle(const std::string& text) {
  char* fi = nullptr;
  const long long valor = std::strtoll(text.c_str(), &fi, 10);
  if (text.empty() || *fi != '\0') return std::nullopt;
  return reinterpret_cast<HWND>(static_cast<std::intptr_t>(valor));
}

std::wstring Classe(HWND finestra) {
  wchar_t text[256] = {};
  GetClassNameW(finestra, text, 256);
  return text;
}

// Works across processes: for another process's window this asks the server, not the window.
// Asked of the window itself: for another process's window GetWindowText gives only the title
// the system keeps, which an edit box never sets. One WM_GETTEXT per try, into a buffer that
// is surely large enough: asking the length first and the text next can tear a text that
// changes between the two ("1" read while "0" became "10").
std::wstring Text(HWND finestra) {
  constexpr UINT Espera = 2000;
  for (size_t mida = 1024;; mida *= 4) {
    std::wstring text(mida, L'\0');
    DWORD_PTR copiats = 0;
    if (!SendMessageTimeoutW(finestra, WM_GETTEXT, text.size(),
                             reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, Espera,
                             &copiats))
      return {};
    if (copiats + 1 < mida) {
      text.resize(static_cast<size_t>(copiats));
      return text;
    }
  }
}

std::string Rect(HWND finestra) {
  RECT r{};
  GetWindowRect(finestra, &r);
  char text[96];
  std::snprintf(text, sizeof text, "[%ld,%ld,%ld,%ld]", r.left, r.top, r.right, r.bottom);
  return text;
}

// The client area, in screen coordinates: what the frame, caption and menu bar leave.
std::string RectClient(HWND finestra) {
  RECT r{};
  GetClientRect(finestra, &r);
  POINT dalt{r.left, r.top}, baix{r.right, r.bottom};
  ClientToScreen(finestra, &dalt);
  ClientToScreen(finestra, &baix);
  char text[96];
  std::snprintf(text, sizeof text, "[%ld,%ld,%ld,%ld]", dalt.x, dalt.y, baix.x, baix.y);
  return text;
}

const char* Bool(bool valor) { return valor ? "true" : "false"; }

std::string DescriureFinestra(HWND finestra) {
  DWORD proces = 0;
  GetWindowThreadProcessId(finestra, &proces);
  const LONG estil = GetWindowLongW(finestra, GWL_STYLE);
  const LONG estilEx = GetWindowLongW(finestra, GWL_EXSTYLE);
  return "{\"hwnd\":" + Handle(finestra) + ",\"class\":" + Json(Classe(finestra)) +
         ",\"caption\":" + Json(Text(finestra)) + ",\"rect\":" + Rect(finestra) +
         ",\"client\":" + RectClient(finestra) + ",\"visible\":" + Bool(IsWindowVisible(finestra)) +
         ",\"iconic\":" + Bool(IsIconic(finestra)) +
         ",\"topmost\":" + Bool((estilEx & WS_EX_TOPMOST) != 0) +
         ",\"enabled\":" + Bool(IsWindowEnabled(finestra)) +
         ",\"style\":" + std::to_string(static_cast<DWORD>(estil)) +
         ",\"exstyle\":" + std::to_string(static_cast<DWORD>(estilEx)) +
         ",\"pid\":" + std::to_string(proces) + "}";
}

BOOL CALLBACK Afegir(HWND finestra, LPARAM llista) {
  reinterpret_cast<std::vector<HWND>*>(llista)->push_back(finestra);
  return TRUE;
}

std::vector<HWND> FinestresPrincipals() {
  std::vector<HWND> llista;
  EnumWindows(Afegir, reinterpret_cast<LPARAM>(&llista));
  return llista;
}

std::vector<HWND> Fills(HWND pare) {
  std::vector<HWND> llista;
  EnumChildWindows(pare, Afegir, reinterpret_cast<LPARAM>(&llista));
  return llista;
}

std::string Error(const std::string& text) { return "{\"error\":" + Json(Ample(text)) + "}"; }

std::string Llista(const char* nom, const std::vector<std::string>& elements) {
  std::string sortida = std::string("{\"") + nom + "\":[";
  for (size_t i = 0; i < elements.size(); ++i) sortida += (i ? "," : "") + elements[i];
  return sortida + "]}";
}

std::string Windows(const std::vector<std::string>& camps) {
  std::optional<std::wstring> classe;
  std::optional<std::wstring> titol;
  for (size_t i = 1; i < camps.size(); ++i) {
    if (camps[i].rfind("class=", 0) == 0)
      classe = Ample(camps[i].substr(6));
    else if (camps[i].rfind("caption=", 0) == 0)
      titol = Ample(camps[i].substr(8));
    else
      return Error("unknown filter " + camps[i]);
  }
  std::vector<std::string> trobades;
  for (HWND finestra : FinestresPrincipals()) {
    if (classe && Classe(finestra) != *classe) continue;
    if (titol && Text(finestra) != *titol) continue;
    trobades.push_back(DescriureFinestra(finestra));
  }
  return Llista("windows", trobades);
}

std::string DescriureFill(HWND fill) {
  return "{\"hwnd\":" + Handle(fill) + ",\"class\":" + Json(Classe(fill)) +
         ",\"text\":" + Json(Text(fill)) + ",\"rect\":" + Rect(fill) +
         ",\"visible\":" + Bool(IsWindowVisible(fill)) +
         ",\"id\":" + std::to_string(GetDlgCtrlID(fill)) +
         ",\"parent\":" + Handle(GetParent(fill)) + "}";
}

std::string Children(const std::vector<std::string>& camps) {
  if (camps.size() != 2) return Error("children HWND");
  const auto pare = LlegirHandle(camps[1]);
  if (!pare || !IsWindow(*pare)) return Error("no such window");
  std::vector<std::string> fills;
  for (HWND fill : Fills(*pare)) fills.push_back(DescriureFill(fill));
  return Llista("children", fills);
}

std::string Boxes() {
  std::vector<std::string> caixes;
  for (HWND finestra : FinestresPrincipals()) {
    if (Classe(finestra) != L"#32770") continue;
    std::vector<std::string> textos;
    std::vector<std::string> botons;
    for (HWND fill : Fills(finestra)) {
      const std::wstring classe = Classe(fill);
      if (_wcsicmp(classe.c_str(), L"Static") == 0 && !Text(fill).empty())
        textos.push_back(Json(Text(fill)));
      else if (_wcsicmp(classe.c_str(), L"Button") == 0)
        botons.push_back(Json(Text(fill)));
    }
    std::string caixa = DescriureFinestra(finestra);
    caixa.pop_back();
    caixa += ",\"texts\":[";
    for (size_t i = 0; i < textos.size(); ++i) caixa += (i ? "," : "") + textos[i];
    caixa += "],\"buttons\":[";
    for (size_t i = 0; i < botons.size(); ++i) caixa += (i ? "," : "") + botons[i];
    caixes.push_back(caixa + "]}");
  }
  return Llista("boxes", caixes);
}

std::wstring SenseAccelerador(std::wstring text) {
  std::wstring sortida;
  for (const wchar_t c : text)
    if (c != L'&') sortida += c;
  return sortida;
}

std::string Press(const std::vector<std::string>& camps) {
  if (camps.size() != 3) return Error("press HWND TEXT");
  const auto dialeg = LlegirHandle(camps[1]);
  if (!dialeg || !IsWindow(*dialeg)) return Error("no such window");
  const std::wstring buscat = SenseAccelerador(Ample(camps[2]));
  for (HWND fill : Fills(*dialeg)) {
    if (_wcsicmp(Classe(fill).c_str(), L"Button") != 0) continue;
    if (SenseAccelerador(Text(fill)) != buscat) continue;
    // What a click on the button makes the dialog receive.
    PostMessageW(*dialeg, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(fill), BN_CLICKED),
                 reinterpret_cast<LPARAM>(fill));
    return "{\"ok\":true}";
  }
  return Error("no such button");
}

std::string Atendre(const std::vector<std::string>& camps) {
  if (camps.empty()) return Error("empty command");
  const std::string& ordre = camps[0];
  if (ordre == "windows") return Windows(camps);
  if (ordre == "children") return Children(camps);
  if (ordre == "boxes") return Boxes();
  if (ordre == "press") return Press(camps);
  if (ordre == "close") {
    const auto finestra = camps.size() == 2 ? LlegirHandle(camps[1]) : std::nullopt;
    if (!finestra || !IsWindow(*finestra)) return Error("no such window");
    return std::string("{\"ok\":") + Bool(PostMessageW(*finestra, WM_CLOSE, 0, 0)) + "}";
  }
  if (ordre == "cursor") {
    POINT p{};
    GetCursorPos(&p);
    return "{\"x\":" + std::to_string(p.x) + ",\"y\":" + std::to_string(p.y) + "}";
  }
  if (ordre == "foreground") {
    HWND davant = GetForegroundWindow();
    return "{\"hwnd\":" + std::to_string(reinterpret_cast<INT_PTR>(davant)) + "}";
  }
  if (ordre == "screen")
    return "{\"width\":" + std::to_string(GetSystemMetrics(SM_CXSCREEN)) +
           ",\"height\":" + std::to_string(GetSystemMetrics(SM_CYSCREEN)) + "}";
  return Error("unknown command " + ordre);
}

std::vector<std::string> Partir(const std::string& linia) {
  std::vector<std::string> camps;
  size_t inici = 0;
  while (inici <= linia.size()) {
    const size_t fi = linia.find('\t', inici);
    camps.push_back(linia.substr(inici, fi == std::string::npos ? std::string::npos : fi - inici));
    if (fi == std::string::npos) break;
    inici = fi + 1;
  }
  return camps;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    std::vector<std::string> camps(argv + 1, argv + argc);
    std::printf("%s\n", Atendre(camps).c_str());
    return 0;
  }
  std::string linia;
  while (std::getline(std::cin, linia)) {
    if (!linia.empty() && linia.back() == '\r') linia.pop_back();
    if (linia == "quit") break;
    std::printf("%s\n", Atendre(Partir(linia)).c_str());
    std::fflush(stdout);
  }
  return 0;
}
