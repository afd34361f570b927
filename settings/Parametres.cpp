#include "settings/Parametres.h"

#include <cstdio>
#include <vector>
#include <type_traits>

#include "ui/ui.h"

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

constexpr const char* Cert = "true";
constexpr const char* Fals = "false";

// The text handed for a missing key: the field's initial value, or nothing for a key whose
// absence keeps the value held.
std::string TextPerDefecte(const ClauParametre& c) {
  static const TParametres inicials;
  switch (c.tipus) {
    case ClauParametre::Tipus::Boolea: return Fals;
    case ClauParametre::Tipus::Enter: return c.ambDefecte ? std::to_string(inicials.*c.enter) : "";
    case ClauParametre::Tipus::Color:
      return std::to_string(static_cast<std::int32_t>(inicials.*c.color));
  }
  return "";
}

std::string TextDe(const TParametres& p, const ClauParametre& c) {
  switch (c.tipus) {
    case ClauParametre::Tipus::Boolea: return p.*c.boolea ? Cert : Fals;
    case ClauParametre::Tipus::Enter: return std::to_string(p.*c.enter);
    case ClauParametre::Tipus::Color: return std::to_string(static_cast<std::int32_t>(p.*c.color));
  }
  return "";
}

template <typename T>
std::size_t IndexDe(T TParametres::*camp) {
  for (std::size_t i = 0; i < NombreClausParametres; ++i) {
    const ClauParametre& c = ClausParametres[i];
    if constexpr (std::is_same_v<T, bool>) {
      if (c.boolea == camp) return i;
    } else {
      if (c.enter == camp) return i;
    }
  }
  return NombreClausParametres;
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

bool LecturaParametres::Presa(std::int32_t TParametres::*camp) const {
  const std::size_t i = IndexDe(camp);
  return i < NombreClausParametres && preses[i];
}

bool LecturaParametres::Presa(bool TParametres::*camp) const {
  const std::size_t i = IndexDe(camp);
  return i < NombreClausParametres && preses[i];
}

LecturaParametres LlegirClausParametres(
    TParametres& p, const std::function<std::string(const char*, const std::string&)>& llegir) {
  LecturaParametres lectura;
  for (std::size_t i = 0; i < NombreClausParametres; ++i) {
    const ClauParametre& c = ClausParametres[i];
    const std::string text = llegir(c.clau, TextPerDefecte(c));
    bool presa = false;
    switch (c.tipus) {
      case ClauParametre::Tipus::Boolea:
        presa = text == Cert;
        if (presa) p.*c.boolea = true;
        break;
      case ClauParametre::Tipus::Enter: {
        const auto v = LlegirEnter(text);
        presa = v && c.rang.Conte(*v);
        if (presa) p.*c.enter = *v;
        break;
      }
      case ClauParametre::Tipus::Color: {
        const auto v = LlegirEnter(text);
        presa = v.has_value();
        if (presa)
          p.*c.color = static_cast<std::uint32_t>(*v);
        else
          lectura.colorDolent = text;
        break;
      }
    }
    lectura.preses[i] = presa;
  }
  // The frame is square or round: its height follows every width taken over.
  if (lectura.Presa(&TParametres::AmpladaQuadreDeSeguiment))
    p.AlcadaQuadreDeSeguiment = p.AmpladaQuadreDeSeguiment;
  return lectura;
}

void DesarClausParametres(
    const TParametres& p,
    const std::function<void(const char*, const char*, const std::string&)>& escriure) {
  for (const ClauParametre& c : ClausParametres) {
    escriure(SeccioParametres, c.clau, TextDe(p, c));
    // The last mode is kept for the next start only when it is to be switched on again.
    if (c.boolea == &TParametres::BoolCheckBoxArrancarAmbOpcioMenu &&
        !p.BoolCheckBoxArrancarAmbOpcioMenu)
      escriure(SeccioMenu, ClauOpcio, "0");
  }
}
