// The pure pieces beside the windows, called directly: the click-type panel's choice state, its
// zones and its place on the screen, the rest test of the dwell click, the about box's cycle.
#include <gtest/gtest.h>

#include "about/CicleImatges.h"
#include "engine/Rellotge.h"
#include "tipusclic/TipusClic.h"

namespace {

using Entrades = std::vector<unsigned>;
const ZonaPanell Fora{};
constexpr ui::Point Aqui{300, 200}, Alla{600, 400};

ZonaPanell EnBoto(TipusClic t) { return {ZonaPanell::Tipus::Boto, t}; }
const ZonaPanell Fons{ZonaPanell::Tipus::Fons, TipusClic::Esquerre};

TEST(EstatTipusClic, EachChoiceInjectsItsClickOnceAndFallsBackToLeft) {
  TEstatTipusClic estat;
  EXPECT_EQ(estat.Clic(Aqui, Fora).entrades, (Entrades{ui::MouseLeftDown, ui::MouseLeftUp}));

  // Chosen on the panel: a sound, nothing injected.
  const TAccioClic triat = estat.Clic(Aqui, EnBoto(TipusClic::Doble));
  EXPECT_TRUE(triat.so);
  EXPECT_TRUE(triat.entrades.empty());
  EXPECT_EQ(estat.Clic(Aqui, Fora).entrades,
            (Entrades{ui::MouseLeftDown, ui::MouseLeftUp, ui::MouseLeftDown, ui::MouseLeftUp}));
  EXPECT_EQ(estat.Triat(), TipusClic::Esquerre);

  estat.Triar(TipusClic::Dret);
  EXPECT_EQ(estat.Clic(Aqui, Fora).entrades, (Entrades{ui::MouseRightDown, ui::MouseRightUp}));
  EXPECT_EQ(estat.Triat(), TipusClic::Esquerre);

  // A pause clicks nothing, silently, until it is chosen again.
  estat.Triar(TipusClic::Pausa);
  for (int i = 0; i < 3; ++i) {
    const TAccioClic res = estat.Clic(Aqui, Fora);
    EXPECT_TRUE(res.entrades.empty());
    EXPECT_FALSE(res.so);
  }
  estat.Clic(Aqui, EnBoto(TipusClic::Pausa));
  EXPECT_EQ(estat.Triat(), TipusClic::Esquerre);
}

TEST(EstatTipusClic, ADragPressesAtOneRestAndReleasesAtTheNextOrWhereItBeganOnThePanel) {
  TEstatTipusClic estat;
  estat.Triar(TipusClic::Arrossegar);
  EXPECT_EQ(estat.Clic(Aqui, Fora).entrades, Entrades{ui::MouseLeftDown});
  EXPECT_TRUE(estat.Arrossegant());
  const TAccioClic deixar = estat.Clic(Alla, Fora);
  EXPECT_EQ(deixar.entrades, Entrades{ui::MouseLeftUp});
  EXPECT_FALSE(deixar.abans.has_value());
  EXPECT_EQ(estat.Triat(), TipusClic::Esquerre);

  // Dropped on the panel: released where it began, choosing nothing.
  estat.Triar(TipusClic::Arrossegar);
  estat.Clic(Aqui, Fora);
  const TAccioClic sobre = estat.Clic(Alla, EnBoto(TipusClic::Dret));
  EXPECT_EQ(sobre.entrades, Entrades{ui::MouseLeftUp});
  EXPECT_EQ(sobre.abans, Aqui);
  EXPECT_EQ(estat.Triat(), TipusClic::Esquerre);

  // Ended by a stop: the button goes up, with no sound; with no drag, nothing happens.
  estat.Triar(TipusClic::Arrossegar);
  estat.Clic(Aqui, Fora);
  const TAccioClic acabat = estat.AcabarArrossegament(Alla);
  EXPECT_EQ(acabat.entrades, Entrades{ui::MouseLeftUp});
  EXPECT_FALSE(acabat.so);
  EXPECT_TRUE(estat.AcabarArrossegament(Alla).entrades.empty());

  // Begun on the panel's background: the panel is carried, no button goes down or up.
  estat.Triar(TipusClic::Arrossegar);
  const TAccioClic agafar = estat.Clic(Aqui, Fons);
  EXPECT_TRUE(agafar.entrades.empty());
  EXPECT_TRUE(estat.ArrossegantPanell());
  EXPECT_TRUE(estat.Clic(Alla, Fora).entrades.empty());
  EXPECT_FALSE(estat.Arrossegant());
}

// Which zone a point falls on, for a panel whose top left corner is at (100, 200), by its
// place in the panel.
ZonaPanell Zona(int x, int y, int dpi) {
  const ui::Point origen{100, 200};
  const int amplada = ui::ScaleForDpi(disseny_panell::Amplada, dpi);
  const int alcada = ui::ScaleForDpi(disseny_panell::Alcada, dpi);
  return ZonaDelPunt({origen.x, origen.y, origen.x + amplada, origen.y + alcada}, true,
                     {origen.x + x, origen.y + y}, dpi);
}

bool EsBoto(const ZonaPanell& z, TipusClic t) {
  return z.tipus == ZonaPanell::Tipus::Boto && z.boto == t;
}

TEST(ZonaDelPunt, TheButtonsGripAndGapsAt96And144Dpi) {
  // At 96 dpi the buttons are 100 x 70 below an 18-pixel grip, 4 pixels apart.
  EXPECT_TRUE(EsBoto(Zona(50, 50, 96), TipusClic::Esquerre));
  EXPECT_TRUE(EsBoto(Zona(50, 135, 96), TipusClic::Doble));
  EXPECT_TRUE(EsBoto(Zona(50, 190, 96), TipusClic::Dret));
  EXPECT_TRUE(EsBoto(Zona(50, 380, 96), TipusClic::Pausa));
  EXPECT_EQ(Zona(50, 10, 96).tipus, ZonaPanell::Tipus::Fons);  // the grip
  EXPECT_EQ(Zona(50, 90, 96).tipus, ZonaPanell::Tipus::Fons);  // between two buttons
  EXPECT_EQ(Zona(2, 50, 96).tipus, ZonaPanell::Tipus::Fons);   // the margin
  // At 144 dpi everything is half as large again: the same points fall elsewhere.
  EXPECT_TRUE(EsBoto(Zona(50, 50, 144), TipusClic::Esquerre));
  EXPECT_EQ(Zona(50, 135, 144).tipus, ZonaPanell::Tipus::Fons);
  EXPECT_TRUE(EsBoto(Zona(50, 190, 144), TipusClic::Doble));
  EXPECT_TRUE(EsBoto(Zona(150, 570, 144), TipusClic::Pausa));
  EXPECT_EQ(Zona(50, 20, 144).tipus, ZonaPanell::Tipus::Fons);
  // Outside it, or with it hidden, a point is on no zone.
  EXPECT_EQ(Zona(-1, 50, 96).tipus, ZonaPanell::Tipus::Fora);
  EXPECT_EQ(Zona(108, 50, 96).tipus, ZonaPanell::Tipus::Fora);
  EXPECT_EQ(ZonaDelPunt({100, 200, 208, 588}, false, {150, 250}).tipus, ZonaPanell::Tipus::Fora);
}

TEST(LimitarALaPantalla, ThePanelStaysWhollyOnTheScreenOrKeepsItsCornerOnIt) {
  EXPECT_EQ(LimitarALaPantalla({300, 200}, 108, 388, 1024, 768), (ui::Point{300, 200}));
  EXPECT_EQ(LimitarALaPantalla({1000, 700}, 108, 388, 1024, 768), (ui::Point{916, 380}));
  EXPECT_EQ(LimitarALaPantalla({-40, -5}, 108, 388, 1024, 768), (ui::Point{0, 0}));
  EXPECT_EQ(LimitarALaPantalla({916, 380}, 108, 388, 1024, 768), (ui::Point{916, 380}));
  // Larger than the screen: the top left corner stays on it.
  EXPECT_EQ(LimitarALaPantalla({50, 50}, 162, 900, 1024, 768), (ui::Point{50, 0}));
}

TEST(HaMogut, ExactlyTheToleranceOnEitherAxisIsRestOneMoreIsAMove) {
  EXPECT_FALSE(HaMogut({100, 100}, {110, 90}, 10));
  EXPECT_FALSE(HaMogut({100, 100}, {90, 110}, 10));
  EXPECT_TRUE(HaMogut({100, 100}, {111, 100}, 10));
  EXPECT_TRUE(HaMogut({100, 100}, {100, 89}, 10));
  EXPECT_FALSE(HaMogut({5, 5}, {5, 5}, 0));
  EXPECT_TRUE(HaMogut({5, 5}, {5, 6}, 0));
  EXPECT_TRUE(HaMogut({-3, 0}, {3, 0}, 5));
}

TEST(CicleImatges, ThePicturesTakeTurnsInTheirOrderFromTheFirstOneShown) {
  EXPECT_EQ(Seguent(Imatge::Projecte), Imatge::Marca);
  EXPECT_EQ(Seguent(Imatge::Marca), Imatge::Inteligencia);
  EXPECT_EQ(Seguent(Imatge::Inteligencia), Imatge::Dedicatoria);
  EXPECT_EQ(Seguent(Imatge::Dedicatoria), Imatge::Projecte);
  // Indexed as Projecte, Marca, Inteligencia, Dedicatoria.
  EXPECT_EQ(ImatgeQueCanvia({true, true, true, true}), Imatge::Marca);
  EXPECT_EQ(ImatgeQueCanvia({true, false, true, true}), Imatge::Inteligencia);
  EXPECT_EQ(ImatgeQueCanvia({true, false, false, true}), Imatge::Dedicatoria);
  EXPECT_EQ(ImatgeQueCanvia({true, false, false, false}), Imatge::Projecte);
  EXPECT_EQ(ImatgeQueCanvia({false, false, false, false}), std::nullopt);
}

}  // namespace
