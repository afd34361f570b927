// How the tests read a native menu, from inside the program that owns it: one line per item,
// "-" for a separator, "[x] " before a checked caption, two blanks of indent per submenu level.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace linies_menu {

struct Item {
  UINT id = 0;
  HMENU submenu = nullptr;
  std::string line;
};

inline std::string Utf8(const wchar_t* text) {
  const int mida = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string sortida(static_cast<size_t>(mida > 0 ? mida - 1 : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, sortida.data(), mida, nullptr, nullptr);
  return sortida;
}

// A separator reads as id 0 and "-", whatever else the item holds.
inline Item Llegir(HMENU menu, int i) {
  wchar_t text[256] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
  info.dwTypeData = text;
  info.cch = 255;
  GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
  if (info.fType & MFT_SEPARATOR) return {0, nullptr, "-"};
  return {info.wID, info.hSubMenu, ((info.fState & MFS_CHECKED) ? "[x] " : "") + Utf8(text)};
}

inline void Linies(HMENU menu, const std::string& sagnat, std::vector<std::string>& linies) {
  const int n = GetMenuItemCount(menu);
  for (int i = 0; i < n; ++i) {
    const Item item = Llegir(menu, i);
    linies.push_back(sagnat + item.line);
    if (item.submenu) Linies(item.submenu, sagnat + "  ", linies);
  }
}

}  // namespace linies_menu
