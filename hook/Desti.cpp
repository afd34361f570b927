#include "hook/Desti.h"

#include <limits>

#include "hook/Comunicacio.h"

namespace hook {

namespace {

struct Cerca {
  const Finestres* finestres;
  std::intptr_t trobada;
};

bool Visitar(void* context, std::intptr_t finestra) {
  auto* cerca = static_cast<Cerca*>(context);
  FetsFinestra fets;
  cerca->finestres->Fets(cerca->finestres->dades, finestra, fets);
  if (!PotSerDesti(fets)) return true;
  cerca->trobada = finestra;
  return false;
}

}  // namespace

bool PotSerDesti(const FetsFinestra& fets) {
  if (!fets.existeix || !fets.delProces) return false;
  const std::string_view classe(fets.classe, sizeof fets.classe);
  return classe.substr(0, classe.find('\0')) == ClasseFinestraPrincipal;
}

std::intptr_t TriarDesti(std::string_view textHandle, const Finestres& finestres) {
  const auto valor = LlegirHandle(textHandle);
  if (valor && *valor >= std::numeric_limits<std::intptr_t>::min() &&
      *valor <= std::numeric_limits<std::intptr_t>::max()) {
    const auto anomenada = static_cast<std::intptr_t>(*valor);
    FetsFinestra fets;
    finestres.Fets(finestres.dades, anomenada, fets);
    if (PotSerDesti(fets)) return anomenada;
  }
  Cerca cerca{&finestres, 0};
  finestres.Recorrer(finestres.dades, Visitar, &cerca);
  return cerca.trobada;
}

}  // namespace hook
