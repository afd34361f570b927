// The column of the dwell-only profile: the main window joins the click-type panel, above it,
// below it or beside it, and where the panel stands against an edge of its monitor the two are
// held there as a desktop toolbar, so that maximised windows fit beside them and their caption
// buttons lie under none of the program's windows. Plain logic.
#pragma once

#include <optional>

#include "ui/ui.h"

// Where a maximised window's caption buttons lie, at 96 dpi: a column at the right edge
// leaves this band at the top free, in case the system does not keep the strip for it.
constexpr int AlcadaBotonsTitol = 40;
// A panel this near an edge of its monitor or its work area, at 96 dpi, stands against it.
constexpr int DistanciaVora = 8;

// The edge of the monitor the panel stands against, if any; the left one where both are near.
std::optional<ui::ScreenEdge> VoraTocada(const ui::MonitorAreas& monitor, const ui::Rect& panell,
                                         int dpi);

// The strip at the edge of area, of its whole height, amplada wide: the one asked of the
// system, and once it has answered, the same again on its answer, keeping the edge side and
// the width.
ui::Rect RectColumna(const ui::Rect& area, ui::ScreenEdge vora, int amplada);

// Where the two windows go, their top left corners. The panel keeps its height on the screen
// (on the work area, and on the right under the caption buttons' band) and, against an edge,
// stands at the edge of the column; the main window goes above it where there is room, else
// below, else beside it on the side away from the edge.
struct TLlocsColumna {
  ui::Point principal, panell;
};
TLlocsColumna LlocsColumna(const ui::Rect& panell, ui::Size principal, const ui::Rect& treball,
                           std::optional<ui::ScreenEdge> vora, const ui::Rect& columna, int dpi);
// How wide the two windows are together, placed so.
int AmpladaLlocs(const TLlocsColumna& llocs, ui::Size principal, ui::Size panell);
