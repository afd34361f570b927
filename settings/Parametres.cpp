#include "settings/Parametres.h"

#include <cstdio>
#include <vector>

#include "app/UnitPelvoro.h"
#include "ui/ui.h"

TParametres Parametres;

namespace {

// The writes an EscripturaConjunta gathers while one lives.
bool recollint = false;
std::vector<ui::ProfileEntry> pendents;

constexpr std::uint32_t kHexLimit = 0x0FFFFFFF;    // one more digit would overflow 32 bits
constexpr std::int64_t kDecimalLimit = 214748364;  // likewise for decimal digits
constexpr std::int64_t kMaxPositive = 2147483647;
constexpr std::int64_t kMaxNegative = 2147483648;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string Boolea(bool b) { return b ? "true" : "false"; }

void LlegirBoolea(const char* clau, bool& camp) {
  if (LlegirClau(SeccioParametres, clau, "false") == "true") camp = true;
}

// True when the value was taken over.
bool LlegirEnterEnRang(const char* clau, const char* perDefecte, Interval rang,
                       std::int32_t& camp) {
  const auto v = LlegirEnter(LlegirClau(SeccioParametres, clau, perDefecte));
  if (!v || !rang.Conte(*v)) return false;
  camp = *v;
  return true;
}

}  // namespace

std::optional<std::int32_t> LlegirEnter(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i == text.size()) return std::nullopt;

  if (text[i] == '$') {
    ++i;
    if (i == text.size()) return std::nullopt;
    std::uint32_t value = 0;
    for (; i < text.size(); ++i) {
      const int d = HexDigit(text[i]);
      if (d < 0 || value > kHexLimit) return std::nullopt;
      value = value * 16 + static_cast<std::uint32_t>(d);
    }
    return static_cast<std::int32_t>(value);
  }

  bool negative = false;
  if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9' || value > kDecimalLimit) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (negative ? value > kMaxNegative : value > kMaxPositive) return std::nullopt;
  return static_cast<std::int32_t>(negative ? -value : value);
}

std::string LlegirClau(const std::string& seccio, const std::string& clau,
                       const std::string& perDefecte) {
  return ui::ProfileRead(FitxerParametres, seccio, clau, perDefecte, MidaBufferLectura);
}

void EscriureClau(const std::string& seccio, const std::string& clau, const std::string& valor) {
  if (recollint)
    pendents.push_back({seccio, clau, valor});
  else
    ui::ProfileWrite(FitxerParametres, seccio, clau, valor);
}

EscripturaConjunta::EscripturaConjunta() : exterior_(!recollint) { recollint = true; }

EscripturaConjunta::~EscripturaConjunta() {
  if (!exterior_) return;
  recollint = false;
  ui::ProfileWriteAll(FitxerParametres, pendents);
  pendents.clear();
}

void TFormPrincipal::LlegirParametres() {
  TParametres& p = Parametres;
  LlegirBoolea("BoolCheckBoxHiHaComptaEnreraPerEngegar", p.BoolCheckBoxHiHaComptaEnreraPerEngegar);
  if (LlegirEnterEnRang("SegonsIniciActivitat", "10", RangSegonsIniciActivitat,
                        p.SegonsIniciActivitat))
    LabelCompteEnrera.SetText(std::to_string(p.SegonsIniciActivitat));
  LlegirEnterEnRang("DecimesTimerClickAutomatic", "10", RangDecimesTimerClickAutomatic,
                    p.DecimesTimerClickAutomatic);
  LlegirBoolea("Bool1ClicAutomaticNoPermetAltresClics", p.Bool1ClicAutomaticNoPermetAltresClics);
  LlegirEnterEnRang("DecimesDeSegonClicALEstarElMouseDownEnUnaCasella", "10", RangDecimesMouseDown,
                    p.DecimesDeSegonClicALEstarElMouseDownEnUnaCasella);
  LlegirEnterEnRang("PixelsDeSeparacioPerqueEsConsideriParat", "10", RangPixelsDeSeparacio,
                    p.PixelsDeSeparacioPerqueEsConsideriParat);
  LlegirBoolea("BoolCheckBoxTemporitzador", p.BoolCheckBoxTemporitzador);
  LlegirBoolea("BoolMostrarQuadreDeSeguiment", p.BoolMostrarQuadreDeSeguiment);
  if (p.BoolMostrarQuadreDeSeguiment) MenuMostrarQuadreDeSeguimentDelMouse.SetChecked(true);
  LlegirBoolea("BoolQuadreSeguimentRodo", p.BoolQuadreSeguimentRodo);
  if (LlegirEnterEnRang("AmpladaQuadreDeSeguiment", "150", RangAmpladaQuadre,
                        p.AmpladaQuadreDeSeguiment))
    p.AlcadaQuadreDeSeguiment = p.AmpladaQuadreDeSeguiment;
  // A missing thickness keeps the value held: an empty default fails the reader.
  LlegirEnterEnRang("GruixudariaQuadreDeSeguiment", "", RangGruixudariaQuadre,
                    p.GruixudariaQuadreDeSeguiment);
  LlegirBoolea("BoolCheckBoxArrancarAmbOpcioMenu", p.BoolCheckBoxArrancarAmbOpcioMenu);

  const std::string color = LlegirClau(SeccioParametres, "ColorQuadreSeguiment", "255");
  const auto colorLlegit = LlegirEnter(color);
  if (!colorLlegit) {
    // The reading stops here; start-up goes on.
    ui::ShowMessageBox(this, "'" + color + "' is not a valid integer value.", "Pelvoro",
                       ui::BoxOk | ui::BoxIconError);
    return;
  }
  p.ColorQuadreSeguiment = static_cast<std::uint32_t>(*colorLlegit);

  LlegirBoolea("BoolCheckBoxExecutarMinimitzat", p.BoolCheckBoxExecutarMinimitzat);
  if (p.BoolCheckBoxExecutarMinimitzat) SetState(ui::WindowState::Minimised);
}

void TFormPrincipal::DesarParametres() {
  if (MenuCatala.Checked())
    EscriureClau(SeccioLlenguatge, ClauLlenguatge, "catala");
  else if (MenuCastella.Checked())
    EscriureClau(SeccioLlenguatge, ClauLlenguatge, "castella");

  const TParametres& p = Parametres;
  const auto desar = [](const char* clau, const std::string& valor) {
    EscriureClau(SeccioParametres, clau, valor);
  };
  desar("BoolCheckBoxHiHaComptaEnreraPerEngegar", Boolea(p.BoolCheckBoxHiHaComptaEnreraPerEngegar));
  desar("SegonsIniciActivitat", std::to_string(p.SegonsIniciActivitat));
  desar("DecimesTimerClickAutomatic", std::to_string(p.DecimesTimerClickAutomatic));
  desar("Bool1ClicAutomaticNoPermetAltresClics", Boolea(p.Bool1ClicAutomaticNoPermetAltresClics));
  desar("DecimesDeSegonClicALEstarElMouseDownEnUnaCasella",
        std::to_string(p.DecimesDeSegonClicALEstarElMouseDownEnUnaCasella));
  desar("PixelsDeSeparacioPerqueEsConsideriParat",
        std::to_string(p.PixelsDeSeparacioPerqueEsConsideriParat));
  desar("BoolCheckBoxTemporitzador", Boolea(p.BoolCheckBoxTemporitzador));
  desar("BoolMostrarQuadreDeSeguiment", Boolea(p.BoolMostrarQuadreDeSeguiment));
  desar("BoolQuadreSeguimentRodo", Boolea(p.BoolQuadreSeguimentRodo));
  desar("AmpladaQuadreDeSeguiment", std::to_string(p.AmpladaQuadreDeSeguiment));
  desar("GruixudariaQuadreDeSeguiment", std::to_string(p.GruixudariaQuadreDeSeguiment));
  desar("BoolCheckBoxArrancarAmbOpcioMenu", Boolea(p.BoolCheckBoxArrancarAmbOpcioMenu));
  if (!p.BoolCheckBoxArrancarAmbOpcioMenu) EscriureClau(SeccioMenu, ClauOpcio, "0");
  desar("ColorQuadreSeguiment", std::to_string(static_cast<std::int32_t>(p.ColorQuadreSeguiment)));
  desar("BoolCheckBoxExecutarMinimitzat", Boolea(p.BoolCheckBoxExecutarMinimitzat));
}
