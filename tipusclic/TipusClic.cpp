#include "tipusclic/TipusClic.h"

#include <algorithm>

namespace {

constexpr unsigned EsquerrePrem = ui::MouseLeftDown;
constexpr unsigned EsquerreAllibera = ui::MouseLeftUp;

bool Dins(const ui::Rect& r, ui::Point p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

}  // namespace

TAccioClic ClicEsquerre() { return {{EsquerrePrem, EsquerreAllibera}, std::nullopt, true}; }

void TEstatTipusClic::Triar(TipusClic tipus) {
  triat_ = (tipus == TipusClic::Pausa && triat_ == TipusClic::Pausa) ? TipusClic::Esquerre : tipus;
}

TAccioClic TEstatTipusClic::Clic(ui::Point c, ZonaPanell zona) {
  const bool sobrePanell = zona.tipus != ZonaPanell::Tipus::Fora;
  if (arrossegant_) return AlliberarArrossegament(c, sobrePanell);

  TAccioClic accio;
  switch (zona.tipus) {
    case ZonaPanell::Tipus::Boto:
      // Chosen here, with nothing injected: the type in force (a right or double click, a
      // pause) is not meant for the panel, and no hook has to step aside for it.
      Triar(zona.boto);
      accio.so = true;
      return accio;
    case ZonaPanell::Tipus::Temps:
      accio.so = true;
      accio.pasTemps = zona.pas;
      return accio;
    case ZonaPanell::Tipus::Fons:
      // With a drag chosen, a rest on the panel's background picks the panel itself up, to
      // be carried by the pointer until the next rest. Nothing is injected: the panel follows
      // the pointer on its own, with no press that a lost move could leave behind.
      if (triat_ == TipusClic::Arrossegar) {
        accio.so = true;
        arrossegant_ = arrossegantPanell_ = true;
        inici_ = c;
      }
      return accio;
    case ZonaPanell::Tipus::Fora: break;
  }

  accio.so = triat_ != TipusClic::Pausa;
  switch (triat_) {
    case TipusClic::Esquerre: accio.entrades = {EsquerrePrem, EsquerreAllibera}; break;
    case TipusClic::Doble:
      // Back to back at one point: well within the double-click time and rectangle.
      accio.entrades = {EsquerrePrem, EsquerreAllibera, EsquerrePrem, EsquerreAllibera};
      triat_ = TipusClic::Esquerre;
      break;
    case TipusClic::Dret:
      accio.entrades = {ui::MouseRightDown, ui::MouseRightUp};
      triat_ = TipusClic::Esquerre;
      break;
    case TipusClic::Arrossegar:
      accio.entrades = {EsquerrePrem};
      arrossegant_ = true;
      arrossegantPanell_ = false;
      inici_ = c;
      break;
    case TipusClic::Desplacar:
      // Chosen until scrolling ends, so the panel shows what the pointer is doing.
      accio.desplacar = true;
      break;
    case TipusClic::Pausa: break;
  }
  return accio;
}

void TEstatTipusClic::DesplacamentAcabat() {
  if (triat_ == TipusClic::Desplacar) triat_ = TipusClic::Esquerre;
}

TAccioClic TEstatTipusClic::AlliberarArrossegament(ui::Point c, bool sobrePanell) {
  TAccioClic accio;
  if (!arrossegantPanell_) accio.entrades = {EsquerreAllibera};
  accio.so = true;
  // A drop on the panel is no drop: the button goes up where the drag started. The pointer
  // stays there, as putting it back at once could overtake the release, which the system
  // takes at the pointer's place when it gets to it.
  if (sobrePanell && !arrossegantPanell_ && !(c == inici_)) accio.abans = inici_;
  arrossegant_ = arrossegantPanell_ = false;
  // A pause chosen by hand while the button was held outlasts the drag; any other choice
  // falls back to a left click, as after every other type.
  if (triat_ != TipusClic::Pausa) triat_ = TipusClic::Esquerre;
  return accio;
}

TAccioClic TEstatTipusClic::AcabarArrossegament(ui::Point c) {
  if (!arrossegant_) return {};
  TAccioClic accio = AlliberarArrossegament(c, true);
  accio.so = false;
  return accio;
}

ui::Rect RectBotoTipusClic(TipusClic tipus) {
  using namespace disseny_panell;
  const int i = static_cast<int>(tipus);
  const int top = AlcadaFranja + i * (AlcadaBoto + Separacio);
  return {Marge, top, Marge + AmpladaBoto, top + AlcadaBoto};
}

ui::Rect RectBotoTemps(int pas) {
  using namespace disseny_panell;
  const int left = pas < 0 ? Marge : Amplada - Marge - AmpladaBotoTemps;
  return {left, DaltFilaTemps, left + AmpladaBotoTemps, DaltFilaTemps + AlcadaFilaTemps};
}

ui::Rect RectValorTemps() {
  return {RectBotoTemps(-1).right, disseny_panell::DaltFilaTemps, RectBotoTemps(1).left,
          RectBotoTemps(1).bottom};
}

std::int32_t PasTempsRepos(std::int32_t decimes, int pas, std::int32_t minim, std::int32_t maxim) {
  // A value from outside the range (never from the file or the dialog) comes back into it.
  return std::clamp(decimes + pas, minim, maxim);
}

std::string TextTempsRepos(std::int32_t decimes, char comaDecimal) {
  return std::to_string(decimes / 10) + comaDecimal + std::to_string(decimes % 10) + " s";
}

ZonaPanell ZonaDelPunt(const ui::Rect& panell, bool visible, ui::Point p, int dpi) {
  if (!visible || !Dins(panell, p)) return {};
  const ui::Point client{p.x - panell.left, p.y - panell.top};
  for (TipusClic t : TotsElsTipusClic)
    if (Dins(ui::ScaleForDpi(RectBotoTipusClic(t), dpi), client))
      return {ZonaPanell::Tipus::Boto, t};
  for (int pas : {-1, 1})
    if (Dins(ui::ScaleForDpi(RectBotoTemps(pas), dpi), client))
      return {ZonaPanell::Tipus::Temps, TipusClic::Esquerre, pas};
  return {ZonaPanell::Tipus::Fons, TipusClic::Esquerre};
}

ui::Point LimitarALaPantalla(ui::Point lloc, int amplada, int alcada, int ampladaPantalla,
                             int alcadaPantalla) {
  return {std::max(0, std::min(lloc.x, ampladaPantalla - amplada)),
          std::max(0, std::min(lloc.y, alcadaPantalla - alcada))};
}

ui::Point LimitarAlsMonitors(ui::Point lloc, int amplada, int alcada,
                             const std::vector<ui::Rect>& monitors) {
  const ui::Rect panell{lloc.x, lloc.y, lloc.x + amplada, lloc.y + alcada};
  const auto comu = [&](const ui::Rect& m) {
    const long long w = std::min(panell.right, m.right) - std::max(panell.left, m.left);
    const long long h = std::min(panell.bottom, m.bottom) - std::max(panell.top, m.top);
    return w > 0 && h > 0 ? w * h : 0;
  };
  if (monitors.empty()) return lloc;
  const ui::Rect* on = &monitors.front();
  for (const ui::Rect& m : monitors)
    if (comu(m) > comu(*on)) on = &m;
  const ui::Point dins = LimitarALaPantalla({lloc.x - on->left, lloc.y - on->top}, amplada, alcada,
                                            on->Width(), on->Height());
  return {dins.x + on->left, dins.y + on->top};
}

ui::Point LlocInicial(int alcada, int alcadaPantalla) {
  return {0, std::max(0, (alcadaPantalla - alcada) / 2)};
}
