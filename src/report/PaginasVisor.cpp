#include "report/PaginasVisor.h"

TPaginasVisor::TPaginasVisor() : TPaginasVisor(TReportePreparado()) {}

TPaginasVisor::TPaginasVisor(TReportePreparado Paginas) : F_estado(std::make_shared<TEstado>())
{
  F_estado->Paginas = std::move(Paginas);
}

TPaginasVisor::TPaginasVisor(std::function<TReportePreparado()> Prepara) : F_estado(std::make_shared<TEstado>())
{
  F_estado->Prepara = std::move(Prepara);
}

const TReportePreparado& TPaginasVisor::Preparadas() const
{
  if (!F_estado->Paginas) {
    F_estado->Paginas = F_estado->Prepara();
    F_estado->Prepara = nullptr;  // what it held (the document's tables) is no longer needed
  }
  return *F_estado->Paginas;
}
