#include "app/Pelvoro.h"

#include "app/Programa.h"
#include "app/UnitPelvoro.h"
#include "ui/ui.h"

namespace {
bool Separador(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

std::vector<std::string> DividirArguments(const std::string& liniaOrdres) {
  std::vector<std::string> arguments;
  std::size_t i = 0;
  const std::size_t n = liniaOrdres.size();
  for (;;) {
    while (i < n && Separador(liniaOrdres[i])) ++i;
    if (i == n) break;
    std::string argument;
    bool entreCometes = false;
    for (; i < n && (entreCometes || !Separador(liniaOrdres[i])); ++i) {
      if (liniaOrdres[i] == '"')
        entreCometes = !entreCometes;
      else
        argument += liniaOrdres[i];
    }
    arguments.push_back(argument);
  }
  return arguments;
}

std::string UnirArguments(const std::string& liniaOrdres) {
  const auto arguments = DividirArguments(liniaOrdres);
  std::string unides;
  for (std::size_t i = 1; i < arguments.size(); ++i) unides += arguments[i];
  return unides;
}

int Pelvoro(TPrograma& programa) {
  // Two copies would share one settings file and one hook library's reports.
  if (!ui::ClaimSingleInstance(NomInstanciaUnica)) {
    ui::ActivateOtherInstance(TFormPrincipal::NomClasse, FitxerPrograma);
    return 0;
  }
  programa.LiniaOrdres = UnirArguments(ui::CommandLine());
  programa.CrearFinestres();
  AvisIRestauracio(programa);
  ui::RunMessageLoop(programa.Principal());
  // Hooks and timers are left as they are: they end with the process.
  programa.DestruirFinestres();
  return 0;
}

void EsperaMilisegons(std::uint32_t N) {
  const std::uint32_t inici = ui::TickCount();
  do {
    ui::ProcessMessages();
    ui::Sleep(1);
  } while (static_cast<std::uint32_t>(ui::TickCount() - inici) < N);
}
