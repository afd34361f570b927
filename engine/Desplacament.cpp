// Scrolling by dwell: the engine's tick while the compass is up.
#include "engine/Desplacament.h"

#include <cmath>
#include <cstdlib>

#include "engine/Motor.h"
#include "engine/Rellotge.h"

namespace {

constexpr std::int32_t UnaOsca = 120;  // WHEEL_DELTA
constexpr unsigned Roda = ui::MouseWheel;
constexpr unsigned RodaHoritzontal = ui::MouseHWheel;

double Distancia(ui::Point d) { return std::hypot(double(d.x), double(d.y)); }

}  // namespace

ZonaBruixola ZonaDesplacament(ui::Point d, int dpi) {
  const double r = Distancia(d);
  if (r > ui::ScaleForDpi(mides_bruixola::RadiAnell, dpi)) return ZonaBruixola::Fora;
  if (r <= ui::ScaleForDpi(mides_bruixola::RadiCentre, dpi)) return ZonaBruixola::Centre;
  if (std::abs(d.y) >= std::abs(d.x)) return d.y < 0 ? ZonaBruixola::Amunt : ZonaBruixola::Avall;
  return d.x < 0 ? ZonaBruixola::Esquerra : ZonaBruixola::Dreta;
}

std::int32_t IntervalOsca(ui::Point d, int dpi) {
  using namespace mides_bruixola;
  const double dins = ui::ScaleForDpi(RadiCentre, dpi), fora = ui::ScaleForDpi(RadiAnell, dpi);
  double t = (Distancia(d) - dins) / (fora - dins);
  t = t < 0 ? 0 : t > 1 ? 1 : t;
  return static_cast<std::int32_t>(std::lround(MsLent - t * (MsLent - MsRapid)));
}

TOsca OscaDeZona(ZonaBruixola zona) {
  switch (zona) {
    case ZonaBruixola::Amunt: return {Roda, UnaOsca};
    case ZonaBruixola::Avall: return {Roda, -UnaOsca};
    // Windows counts the horizontal wheel positive to the right.
    case ZonaBruixola::Esquerra: return {RodaHoritzontal, -UnaOsca};
    case ZonaBruixola::Dreta: return {RodaHoritzontal, UnaOsca};
    case ZonaBruixola::Centre:
    case ZonaBruixola::Fora: break;
  }
  return {};
}

TPasDesplacament PasDesplacament(TDesplacament& d, ui::Point c, std::int32_t tic,
                                 std::int32_t decimes, std::int32_t tolerancia) {
  TPasDesplacament pas;
  const ui::Point desviacio{c.x - d.centre.x, c.y - d.centre.y};
  const ZonaBruixola zona = ZonaDesplacament(desviacio, d.dpi);
  // A rest is measured from where it began. The rest that set the compass does not count:
  // the pointer has to move before a rest in the centre can end scrolling.
  if (HaMogut(d.iniciRepos, c, tolerancia)) {
    d.iniciRepos = c;
    d.ticsRepos = 0;
    d.mogut = true;
  } else if (d.mogut) {
    ++d.ticsRepos;
  }
  if (zona == ZonaBruixola::Fora) {
    pas.acaba = true;
  } else if (zona == ZonaBruixola::Centre) {
    d.acumulat = 0;
    pas.acaba = pas.repos = d.ticsRepos >= decimes;
  } else {
    // The remainder carries over, so the rate is the interval's on average while no gap
    // between two notches is longer than one tick past it.
    d.acumulat += tic;
    const std::int32_t interval = IntervalOsca(desviacio, d.dpi);
    if (d.acumulat >= interval) {
      d.acumulat -= interval;
      pas.osca = OscaDeZona(zona);
    }
  }
  if (pas.acaba) d.actiu = false;
  return pas;
}

namespace {
// The dwell timer's period, the engine's clock while scrolling.
constexpr std::int32_t MsTic = 100;
}  // namespace

void TMotor::ComencarDesplacament(ui::Point c) {
  desplacament_ = {};
  desplacament_.actiu = true;
  desplacament_.centre = desplacament_.iniciRepos = c;
  desplacament_.dpi = f_.MostrarBruixola(c);
}

void TMotor::TicDesplacament() {
  const ui::Point c = f_.CursorPos();
  // The profile switched off meanwhile: the compass belongs to it.
  if (!f_.PerfilSenseClics()) return AcabarDesplacament(c, false);
  const TPasDesplacament pas =
      PasDesplacament(desplacament_, c, MsTic, p_.DecimesTimerClickAutomatic,
                      p_.PixelsDeSeparacioPerqueEsConsideriParat);
  if (pas.osca.entrada != 0) f_.RodaRatoli(pas.osca.entrada, pas.osca.quantitat);
  // The label counts down a rest in the centre as it counts down a dwell click.
  const bool centre = ZonaDesplacament({c.x - desplacament_.centre.x, c.y - desplacament_.centre.y},
                                       desplacament_.dpi) == ZonaBruixola::Centre;
  f_.EscriureEtiqueta(p_.DecimesTimerClickAutomatic - (centre ? desplacament_.ticsRepos : 0), true);
  if (pas.acaba) AcabarDesplacament(c, pas.repos);
  f_.ActualitzarTitolAplicacio();
}

void TMotor::AcabarDesplacament(ui::Point c, bool repos) {
  desplacament_.actiu = false;
  f_.AmagarBruixola();
  f_.DesplacamentAcabat();
  // The dwell count goes on from here. A rest that ended scrolling has been used: it clicks
  // nothing where it lies. Leaving the ring is a move, and the next rest clicks.
  e_.PosicioMouse = c;
  e_.ClicFet = repos;
  if (!repos) f_.EscriureEtiqueta(p_.DecimesTimerClickAutomatic, true);
}

void TMotor::PasTempsRepos(int pas) {
  const Interval rang = RangDe(&TParametres::DecimesTimerClickAutomatic);
  p_.DecimesTimerClickAutomatic =
      ::PasTempsRepos(p_.DecimesTimerClickAutomatic, pas, rang.minim, rang.maxim);
  f_.DesarTempsRepos(p_.DecimesTimerClickAutomatic);
}
