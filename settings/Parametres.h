// The settings record, its ranges, and the integer reader shared with the parameters dialog.
#pragma once

#include <cstdint>
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

// The one settings record of the program.
extern TParametres Parametres;

struct Interval {
  std::int32_t minim, maxim;
  constexpr bool Conte(std::int32_t v) const { return v >= minim && v <= maxim; }
};

constexpr Interval RangSegonsIniciActivitat{1, 100};
constexpr Interval RangDecimesTimerClickAutomatic{1, 100};
constexpr Interval RangDecimesMouseDown{0, 100};
constexpr Interval RangPixelsDeSeparacio{0, 100};
constexpr Interval RangAmpladaQuadre{50, 1000};
constexpr Interval RangGruixudariaQuadre{1, 22};

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
// Every read sees at most the first 49 characters of a value.
constexpr unsigned MidaBufferLectura = 50;

std::string LlegirClau(const std::string& seccio, const std::string& clau,
                       const std::string& perDefecte);
void EscriureClau(const std::string& seccio, const std::string& clau, const std::string& valor);

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
