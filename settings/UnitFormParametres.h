// The parameters dialog: the one place where the user edits the settings record. It changes
// the record in memory only; the file is written when the program closes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "settings/Parametres.h"
#include "ui/ui.h"

struct TTextos;

// The six number boxes, in the order "D'acord" checks them.
enum Caixa : std::size_t {
  CaixaSegons,
  CaixaDecimesClic,
  CaixaDecimesMouseDown,
  CaixaPixels,
  CaixaAmplada,
  CaixaGruixudaria,
  NombreCaixes
};

struct ReglaCaixa {
  std::int32_t TParametres::*camp;  // its range is the settings key's, RangDe(camp)
  std::size_t missatge;             // slot of MissatgesError that names the range
};

constexpr std::array<ReglaCaixa, NombreCaixes> ReglesCaixes{{
    {&TParametres::SegonsIniciActivitat, 0},
    {&TParametres::DecimesTimerClickAutomatic, 0},
    {&TParametres::DecimesDeSegonClicALEstarElMouseDownEnUnaCasella, 1},
    {&TParametres::PixelsDeSeparacioPerqueEsConsideriParat, 1},
    {&TParametres::AmpladaQuadreDeSeguiment, 2},
    {&TParametres::GruixudariaQuadreDeSeguiment, 3},
}};

struct ValidacioCaixes {
  std::array<std::int32_t, NombreCaixes> valors{};
  std::optional<Caixa> errada;  // the first box that fails; later ones are not looked at
};

// Reads the boxes' texts in order with the settings file's integer reader and their ranges.
ValidacioCaixes ValidarCaixes(const std::array<std::string, NombreCaixes>& textos);
// What a failed box shows again: the field's value in a fresh settings record.
std::string TextPerDefecte(Caixa caixa);
// Top left corner of a window centred on the screen, kept on it so the caption stays in reach.
ui::Point CantonadaCentrada(int amplada, int alcada, int ampladaPantalla, int alcadaPantalla);

class TFormParametres : public ui::Form {
 public:
  // A confirmed frame size is handed on at once.
  using CanviMida = std::function<void(int amplada, int alcada)>;
  TFormParametres(TParametres& parametres, CanviMida canviMida);
  // How a bad number's box is shown: the program may keep its dwell click running under it.
  using Missatge = std::function<int(ui::Form* propietari, const std::string& text,
                                     const std::string& titol, unsigned opcions)>;
  Missatge MostrarMissatge = ui::ShowMessageBox;

  static constexpr int Amplada = 699;  // outer size each time it opens
  static constexpr int Alcada = 618;

  // Declared in tab order: the buttons, then the panels from top to bottom.
  ui::Button BitBtnDAcord, BitBtncancelar;
  ui::Panel Panel1;
  ui::CheckBox CheckBoxHiHaComptaEnrdarreraPerEngegar;
  ui::Label Label1;
  ui::Edit EditSegonsPerEngegar;
  ui::Panel Panel2;
  ui::Label Label2;
  ui::Edit EditDecimesClicAutomatic;
  ui::CheckBox CheckBox1ClicAutomaticNoPermetAltresClics;
  ui::Label Label3;
  ui::Edit EditDecimesDeSegonClicALEstarElMouseDownEnUnaCasella;
  ui::Label Label4;
  ui::Edit EditPixelsMouseParat;
  ui::CheckBox CheckBoxTemporitzador;
  ui::Panel Panel3;
  ui::CheckBox CheckBoxQuadreSeguimentCercle;
  ui::Button ButtonColor;
  ui::Label Label5;
  ui::Edit EditAmpladaQuadreSeguiment;
  ui::Label Label6;
  ui::Edit EditGruixudariaQuadreSeguiment;
  ui::Panel Panel4;
  ui::CheckBox CheckBoxArrancarAmbOpcioMenu;
  ui::CheckBox CheckBoxExecutarMinimitzat;

  // The working colour: from the settings on each showing, back only on a successful "D'acord".
  ui::Colour ColorTriat = 0;
  // In the current interface language.
  std::array<std::string, 4> MissatgesError;

  // The number boxes in the order they are checked.
  std::array<ui::Edit*, NombreCaixes> Caixes();
  // Caption, label and check-box texts, and the messages, of one language.
  void PosarTextos(const TTextos& textos);

  void BitBtnDAcordClick();
  void CheckBoxHiHaComptaEnrdarreraPerEngegarClick();
  void ButtonColorClick();

 protected:
  void FormShow() override;

 private:
  void PosarTextosControls(const TTextos& textos);

  TParametres& parametres_;
  CanviMida canviMida_;
};
