// A fresh program on the headless backend for each test: its own temporary settings folder,
// clock and windows, created as the program entry creates them.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "about/Unitabout.h"
#include "app/Pelvoro.h"
#include "app/Programa.h"
#include "app/UnitPelvoro.h"
#include "engine/EstatMotor.h"
#include "overlay/UnitFormTransparent.h"
#include "settings/Parametres.h"
#include "settings/UnitFormParametres.h"
#include "tipusclic/UnitFormTipusClic.h"
#include "ui/headless/headless.h"

class ProgramaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A folder of this run's own: runs of other trees, or at the same time, never share one.
    // A table that starts afresh between its cases comes here again: the last folder goes.
    if (!carpeta_.empty()) std::filesystem::remove_all(carpeta_);
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // Parameterised tests' names hold '/', which cannot stand in a folder's name.
    std::string nom = std::string(info->test_suite_name()) + "." + info->name();
    std::replace(nom.begin(), nom.end(), '/', '_');
    std::string plantilla =
        (std::filesystem::temp_directory_path() / ("pelvoro-" + nom + ".XXXXXX")).string();
    ASSERT_NE(mkdtemp(plantilla.data()), nullptr) << plantilla;
    carpeta_ = plantilla;
    ui::headless::Reset(carpeta_);
    programa_ = std::make_unique<TPrograma>();
  }

  void TearDown() override {
    programa_.reset();
    std::filesystem::remove_all(carpeta_);
  }

  // A fresh program for the next case of a table, as each test starts.
  void TornarAComencar() {
    programa_.reset();
    SetUp();
  }

  // The program's steps, on this test's program.
  void CrearFinestres() { programa_->CrearFinestres(); }
  void DestruirFinestres() { programa_->DestruirFinestres(); }
  void AvisIRestauracio() { ::AvisIRestauracio(*programa_); }
  int Pelvoro() { return ::Pelvoro(*programa_); }

  // Starts the program with these lines in the settings file's [Parametres] section.
  void Inici(const std::string& parametres = "") {
    Fitxer("[Parametres]\r\n" + parametres);
    CrearFinestres();
  }

  // Writes the settings file as a user or an earlier run left it.
  // The screen point at the middle of r, a rectangle of the click-type panel's layout, and of
  // the panel's button of type t.
  ui::Point CentrePanell(ui::Rect r) {
    const ui::Rect f = Programa().FormTipusClic()->BoundsRect();
    return {f.left + (r.left + r.right) / 2, f.top + (r.top + r.bottom) / 2};
  }
  ui::Point CentreBotoPanell(TipusClic t) { return CentrePanell(RectBotoTipusClic(t)); }
  void Fitxer(const std::string& text) {
    std::ofstream(ui::headless::ProfilePath(FitxerParametres), std::ios::binary) << text;
  }
  std::string TextFitxer() const { return ui::headless::ProfileFileText(FitxerParametres); }

  TPrograma& Programa() { return *programa_; }
  TFormPrincipal& Principal() { return programa_->Principal(); }
  TAboutBox& About() { return programa_->AboutBox(); }
  TFormParametres& Dialeg() { return programa_->FormParametres(); }
  TFormTransparent& Transparent() { return programa_->FormTransparent(); }
  TParametres& Parametres() { return programa_->Parametres; }
  TEstatMotor& EstatMotor() { return programa_->EstatMotor; }

  std::filesystem::path carpeta_;
  std::unique_ptr<TPrograma> programa_;
};
