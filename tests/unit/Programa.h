// A fresh program on the headless backend for each test: its own temporary settings folder,
// clock and windows, created as the program entry creates them.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "about/Unitabout.h"
#include "app/Pelvoro.h"
#include "app/UnitPelvoro.h"
#include "engine/EstatMotor.h"
#include "overlay/UnitFormTransparent.h"
#include "settings/Parametres.h"
#include "settings/UnitFormParametres.h"
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
    Parametres = TParametres{};
    EstatMotor = TEstatMotor{};
    LiniaOrdres.clear();
  }

  void TearDown() override {
    DestruirFinestres();
    std::filesystem::remove_all(carpeta_);
  }

  // A fresh program for the next case of a table, as each test starts.
  void TornarAComencar() {
    DestruirFinestres();
    SetUp();
  }

  // Starts the program with these lines in the settings file's [Parametres] section.
  void Inici(const std::string& parametres = "") {
    Fitxer("[Parametres]\r\n" + parametres);
    CrearFinestres();
  }

  // Writes the settings file as a user or an earlier run left it.
  void Fitxer(const std::string& text) {
    std::ofstream(ui::headless::ProfilePath(FitxerParametres), std::ios::binary) << text;
  }
  std::string TextFitxer() const { return ui::headless::ProfileFileText(FitxerParametres); }

  TFormPrincipal& Principal() { return *FormPrincipal; }

  std::filesystem::path carpeta_;
};
