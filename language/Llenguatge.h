// The interface languages: the texts each one sets. The language in force is the check mark of
// its menu item; there is no variable for it.
#pragma once

#include <array>

// Each text is named after the control or menu item that shows it, so a new control is a new
// field and no other text moves.
struct TTextosMenu {
  const char* MenuMostrarQuadreDeSeguimentDelMouse;
  const char* MenuClicAutomaticAlEstarParat;
  const char* MenuClicTabletPCALEstarElMouseDownEnUnaCasella;
  const char* MenuTabletPCClicAlPremerLaPantalla;
  const char* MenuTabletPCClicEsquerraClicDret;
  const char* MenuEnviarClicksReals;
  const char* MenuParametres;
  const char* MenuLlenguatge;
  const char* MenuParlantDe;
  const char* MenuSortir;
};

struct TTextosParametres {
  const char* CheckBoxHiHaComptaEnrdarreraPerEngegar;
  const char* Label1;
  const char* Label2;
  const char* CheckBox1ClicAutomaticNoPermetAltresClics;
  const char* Label3;
  const char* Label4;
  const char* CheckBoxTemporitzador;
  const char* CheckBoxQuadreSeguimentCercle;
  const char* Label5;
  const char* Label6;
  const char* CheckBoxArrancarAmbOpcioMenu;
  const char* CheckBoxExecutarMinimitzat;
  // The buttons: the same in Catalan and Spanish, translated only into English.
  const char* BitBtnDAcord;
  const char* BitBtncancelar;
  const char* ButtonColor;
};

struct TTextos {
  TTextosMenu menu;
  const char* titolParametres;
  TTextosParametres parametres;
  // One per range the dialog checks: 1-100, 0-100, 50-1000, 1-22.
  std::array<const char*, 4> missatgesError;
};

extern const TTextos TextosCatala;
extern const TTextos TextosCastella;
// Chosen in the window's own menu; stored as its own value, which older readers take for Catalan.
extern const TTextos TextosAngles;

// The English switch's caption, the same in every language, as each language's own name is.
constexpr const char* TitolMenuAngles = "English";
