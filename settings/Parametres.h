// The settings record, its ranges, and the integer reader shared with the parameters dialog.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

struct TParametres {
  bool BoolCheckBoxHiHaComptaEnreraPerEngegar = false;
  std::int32_t SegonsIniciActivitat = 10;
  std::int32_t DecimesTimerClickAutomatic = 10;
  bool Bool1ClicAutomaticNoPermetAltresClics = false;
  std::int32_t DecimesDeSegonClicALEstarElMouseDownEnUnaCasella = 10;
  std::int32_t PixelsDeSeparacioPerqueEsConsideriParat = 10;
  bool BoolCheckBoxTemporitzador = false;
  bool BoolMostrarQuadreDeSeguiment = false;
  bool BoolQuadreSeguimentRodo = false;
  std::int32_t AmpladaQuadreDeSeguiment = 150;
  std::int32_t GruixudariaQuadreDeSeguiment = 10;
  bool BoolCheckBoxArrancarAmbOpcioMenu = false;
  std::uint32_t ColorQuadreSeguiment = 255;  // 0x00BBGGRR, stored as a signed number
  bool BoolCheckBoxExecutarMinimitzat = false;
  // Not stored: always follows the width, so the frame is square or round.
  std::int32_t AlcadaQuadreDeSeguiment = 150;

  friend bool operator==(const TParametres&, const TParametres&) = default;
};

struct Interval {
  std::int32_t minim, maxim;
  constexpr bool Conte(std::int32_t v) const { return v >= minim && v <= maxim; }
};

// One key of section "Parametres": its name, the field it fills, and how it is read. Reading
// and writing both walk the table below, in its order, which is the file's.
struct ClauParametre {
  enum class Tipus {
    Boolea,  // "true" or "false"; only exactly "true" is taken, so reading never clears one
    Enter,   // decimal text, taken when it lies in rang
    Color,   // any integer; text that is none is reported and the colour held stays
  };
  const char* clau;
  Tipus tipus;
  bool TParametres::*boolea = nullptr;          // for Boolea
  std::int32_t TParametres::*enter = nullptr;   // for Enter
  std::uint32_t TParametres::*color = nullptr;  // for Color
  Interval rang{};
  // A missing key reads as the field's initial value, except where this is false: then the
  // value held stays (the reader fails on the empty text handed instead).
  bool ambDefecte = true;
};

constexpr ClauParametre ClauBoolea(const char* clau, bool TParametres::*camp) {
  return {clau, ClauParametre::Tipus::Boolea, camp};
}
constexpr ClauParametre ClauEnter(const char* clau, std::int32_t TParametres::*camp, Interval rang,
                                  bool ambDefecte = true) {
  return {clau, ClauParametre::Tipus::Enter, nullptr, camp, nullptr, rang, ambDefecte};
}

constexpr std::size_t NombreClausParametres = 14;
constexpr std::array<ClauParametre, NombreClausParametres> ClausParametres{{
    ClauBoolea("BoolCheckBoxHiHaComptaEnreraPerEngegar",
               &TParametres::BoolCheckBoxHiHaComptaEnreraPerEngegar),
    ClauEnter("SegonsIniciActivitat", &TParametres::SegonsIniciActivitat, {1, 100}),
    ClauEnter("DecimesTimerClickAutomatic", &TParametres::DecimesTimerClickAutomatic, {1, 100}),
    ClauBoolea("Bool1ClicAutomaticNoPermetAltresClics",
               &TParametres::Bool1ClicAutomaticNoPermetAltresClics),
    ClauEnter("DecimesDeSegonClicALEstarElMouseDownEnUnaCasella",
              &TParametres::DecimesDeSegonClicALEstarElMouseDownEnUnaCasella, {0, 100}),
    ClauEnter("PixelsDeSeparacioPerqueEsConsideriParat",
              &TParametres::PixelsDeSeparacioPerqueEsConsideriParat, {0, 100}),
    ClauBoolea("BoolCheckBoxTemporitzador", &TParametres::BoolCheckBoxTemporitzador),
    ClauBoolea("BoolMostrarQuadreDeSeguiment", &TParametres::BoolMostrarQuadreDeSeguiment),
    ClauBoolea("BoolQuadreSeguimentRodo", &TParametres::BoolQuadreSeguimentRodo),
    ClauEnter("AmpladaQuadreDeSeguiment", &TParametres::AmpladaQuadreDeSeguiment, {50, 1000}),
    ClauEnter("GruixudariaQuadreDeSeguiment", &TParametres::GruixudariaQuadreDeSeguiment, {1, 22},
              false),
    ClauBoolea("BoolCheckBoxArrancarAmbOpcioMenu", &TParametres::BoolCheckBoxArrancarAmbOpcioMenu),
    {"ColorQuadreSeguiment", ClauParametre::Tipus::Color, nullptr, nullptr,
     &TParametres::ColorQuadreSeguiment},
    ClauBoolea("BoolCheckBoxExecutarMinimitzat", &TParametres::BoolCheckBoxExecutarMinimitzat),
}};

// The range of an integer field, as its key gives it.
constexpr Interval RangDe(std::int32_t TParametres::*camp) {
  for (const ClauParametre& c : ClausParametres)
    if (c.enter == camp) return c.rang;
  return {0, -1};  // no such key: nothing is in range
}

// Leading blanks, then an optional sign and decimal digits or "$" and hexadecimal digits, and
// nothing after the number; signed 32 bits ("$" gives the bit pattern). Nothing on failure.
std::optional<std::int32_t> LlegirEnter(const std::string& text);

// The settings file and its sections. The window handle for the hook library is kept there
// too, under the names the library reads (hook/Comunicacio.h).
constexpr const char* FitxerParametres = "pelvoro.ini";
constexpr const char* SeccioParametres = "Parametres";
constexpr const char* SeccioMenu = "Menu";
constexpr const char* ClauOpcio = "Opcio";
constexpr const char* SeccioLlenguatge = "Llenguatge";
constexpr const char* ClauLlenguatge = "Llenguatge";
// English's value: a reader that knows only "catala" and "castella" takes it for Catalan.
constexpr const char* LlenguatgeAngles = "angles";
// Every read sees at most the first 49 characters of a value.
constexpr unsigned MidaBufferLectura = 50;

std::string LlegirClau(const std::string& seccio, const std::string& clau,
                       const std::string& perDefecte);
void EscriureClau(const std::string& seccio, const std::string& clau, const std::string& valor);

// What reading the keys found.
struct LecturaParametres {
  std::array<bool, NombreClausParametres> preses{};  // by key: its value was taken over
  std::optional<std::string> colorDolent;            // the colour's text when it is no integer
  bool Presa(std::int32_t TParametres::*camp) const;
  bool Presa(bool TParametres::*camp) const;
};

// Reads every key of the table into p through llegir (key, default text -> stored text). A
// width taken over sets the height too. A bad colour leaves the colour held and the reading
// goes on: the keys after it are still the user's.
LecturaParametres LlegirClausParametres(
    TParametres& p, const std::function<std::string(const char*, const std::string&)>& llegir);

// Writes every key of the table from p through escriure (section, key, text), in the table's
// order, and "Opcio" = "0" right after the restart key when the last mode is not restored.
void DesarClausParametres(
    const TParametres& p,
    const std::function<void(const char*, const char*, const std::string&)>& escriure);

// While one lives, EscriureClau gathers the writes; they reach the file together, in one
// replace, when it goes: a close never leaves half its options written.
class EscripturaConjunta {
 public:
  EscripturaConjunta();
  ~EscripturaConjunta();
  EscripturaConjunta(const EscripturaConjunta&) = delete;
  EscripturaConjunta& operator=(const EscripturaConjunta&) = delete;

 private:
  bool exterior_;  // the outermost one, which writes
};
