#include "overlay/UnitFormTransparent.h"

#include "overlay/Geometria.h"

namespace {

constexpr int EsquerraInicial = 571;
constexpr int DaltInicial = 234;
constexpr int CostatInicial = 150;

ui::FormStyle EstilTransparent() {
  ui::FormStyle s;
  s.className = "TFormTransparent";
  s.caption = "FormTransparent";
  s.bounds = {EsquerraInicial, DaltInicial, EsquerraInicial + CostatInicial,
              DaltInicial + CostatInicial};
  s.frame = ui::FormStyle::Frame::Popup;
  s.overlay = true;
  s.topMost = true;
  s.background = ui::clWhite;
  return s;
}

// Replays the strokes, setting the pen only when it changes and moving only where a line does
// not go on from the last one: the square frame is one move and four lines.
void Dibuixar(ui::Canvas& canvas, const std::vector<TTraca>& traces) {
  bool hiHaLlapis = false, hiHaPosicio = false;
  ui::Colour color = 0;
  int gruix = 0, x = 0, y = 0;
  for (const TTraca& t : traces) {
    if (!hiHaLlapis || t.color != color || t.gruix != gruix) {
      canvas.SetPen(t.color, t.gruix);
      hiHaLlapis = true, color = t.color, gruix = t.gruix;
    }
    switch (t.tipus) {
      case TTraca::Tipus::Linia:
        if (!hiHaPosicio || x != t.x1 || y != t.y1) canvas.MoveTo(t.x1, t.y1);
        canvas.LineTo(t.x2, t.y2);
        hiHaPosicio = true, x = t.x2, y = t.y2;
        break;
      case TTraca::Tipus::Ellipse: canvas.Ellipse(t.x1, t.y1, t.x2, t.y2); break;
      case TTraca::Tipus::Arc: canvas.Arc(t.x1, t.y1, t.x2, t.y2, t.x3, t.y3, t.x4, t.y4); break;
    }
  }
}

}  // namespace

TFormTransparent::TFormTransparent(const TParametres& parametres, const TEstatMotor& estat,
                                   ui::Form& principal)
    : ui::Form(EstilTransparent()), parametres_(parametres), estat_(estat), principal_(principal) {}

void TFormTransparent::FormCreate() {
  PosarMida(parametres_.AmpladaQuadreDeSeguiment, parametres_.AlcadaQuadreDeSeguiment);
  SetColourKey(ui::clWhite);
  BringToFrontTopMost();
  // Raised after the overlay, the main window stays above it among the top-most windows.
  principal_.BringToFrontTopMost();
}

void TFormTransparent::CentrarEnPosicio(int x, int y) {
  if (State() == ui::WindowState::Minimised) SetState(ui::WindowState::Normal);
  // Not kept inside the screen: near an edge the window reaches past it. Moved and raised in one
  // call: this runs on every reported pointer move.
  const int amplada = Width();
  SetPositionTopMost(x - amplada / 2, y - Height() / 2);
  // Moved onto a monitor of another scale, the window changed size on the way: centre it again.
  if (Width() != amplada) SetPosition(x - Width() / 2, y - Height() / 2);
  Show();
}

void TFormTransparent::PosarMida(int amplada, int alcada) {
  SetSize(Scale(amplada), Scale(alcada));
}

void TFormTransparent::FormDpiChanged(ui::Rect) {
  // Around its own centre, the pointer's, at the settings' size for the new scale: not where
  // the system suggests, nor its size in proportion, which may round differently.
  const ui::Rect r = BoundsRect();
  const int amplada = Scale(parametres_.AmpladaQuadreDeSeguiment),
            alcada = Scale(parametres_.AlcadaQuadreDeSeguiment);
  SetBounds(r.left + r.Width() / 2 - amplada / 2, r.top + r.Height() / 2 - alcada / 2, amplada,
            alcada);
}

void TFormTransparent::FormPaint(ui::Canvas& canvas) {
  const TParametres& p = parametres_;
  TDibuixTransparent d;
  d.Costat = Width();
  d.Gruix = p.GruixudariaQuadreDeSeguiment;
  d.MostrarQuadre = p.BoolMostrarQuadreDeSeguiment;
  d.Rodo = p.BoolQuadreSeguimentRodo;
  d.Angle = estat_.AngleTemporitzador;
  d.ColorQuadre = p.ColorQuadreSeguiment;
  d.ColorTemporitzador = estat_.ColorTemporitzador;
  d.Anell = estat_.Anell;
  d.Dpi = Dpi();
  std::vector<TTraca> traces = TracesTransparent(d);
  if (estat_.Anell == EstatAnell::NoEsPotClicar) {
    const std::vector<TTraca> senyal = TracesNoEsPotClicar(d.Costat, d.Dpi);
    traces.insert(traces.end(), senyal.begin(), senyal.end());
  }
  Dibuixar(canvas, traces);
}
