#include "app/Columna.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool Prop(int a, int b, int distancia) { return std::abs(a - b) <= distancia; }

}  // namespace

std::optional<ui::ScreenEdge> VoraTocada(const ui::MonitorAreas& monitor, const ui::Rect& panell,
                                         int dpi) {
  const int d = ui::ScaleForDpi(DistanciaVora, dpi);
  if (Prop(panell.left, monitor.monitor.left, d) || Prop(panell.left, monitor.work.left, d))
    return ui::ScreenEdge::Left;
  if (Prop(panell.right, monitor.monitor.right, d) || Prop(panell.right, monitor.work.right, d))
    return ui::ScreenEdge::Right;
  return std::nullopt;
}

ui::Rect RectColumna(const ui::Rect& area, ui::ScreenEdge vora, int amplada) {
  if (vora == ui::ScreenEdge::Left) return {area.left, area.top, area.left + amplada, area.bottom};
  return {area.right - amplada, area.top, area.right, area.bottom};
}

TLlocsColumna LlocsColumna(const ui::Rect& panell, ui::Size principal, const ui::Rect& treball,
                           std::optional<ui::ScreenEdge> vora, const ui::Rect& columna, int dpi) {
  const bool dreta = vora == ui::ScreenEdge::Right;
  const int amunt = treball.top + (dreta ? ui::ScaleForDpi(AlcadaBotonsTitol, dpi) : 0);
  ui::Point p{panell.left, std::max(panell.top, amunt)};
  if (vora) p.x = dreta ? columna.right - panell.Width() : columna.left;
  if (p.y + panell.Height() > treball.bottom)
    p.y = std::max(amunt, treball.bottom - panell.Height());
  // Docked, the column keeps to one width: the panel makes room for the main window above it
  // when neither above nor below it has room but the edge's height does.
  const bool capAmunt = p.y - amunt < principal.height;
  const bool capAvall = treball.bottom - (p.y + panell.Height()) < principal.height;
  if (vora && capAmunt && capAvall && treball.bottom - amunt >= panell.Height() + principal.height)
    p.y = amunt + principal.height;

  TLlocsColumna llocs;
  llocs.panell = p;
  const int xApilat = dreta ? p.x + panell.Width() - principal.width : p.x;
  if (p.y - amunt >= principal.height)
    llocs.principal = {xApilat, p.y - principal.height};
  else if (treball.bottom - (p.y + panell.Height()) >= principal.height)
    llocs.principal = {xApilat, p.y + panell.Height()};
  else
    llocs.principal = {dreta ? p.x - principal.width : p.x + panell.Width(), p.y};
  return llocs;
}

int AmpladaLlocs(const TLlocsColumna& llocs, ui::Size principal, ui::Size panell) {
  const int esquerra = std::min(llocs.principal.x, llocs.panell.x);
  const int dreta = std::max(llocs.principal.x + principal.width, llocs.panell.x + panell.width);
  return dreta - esquerra;
}
