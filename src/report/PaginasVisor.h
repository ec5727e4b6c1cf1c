#pragma once

#include "report/ReportePreparado.h"

#include <functional>
#include <memory>
#include <optional>

// A document's pages, laid out when first asked for and then kept for every copy: the
// support's long tables are laid out only where they are shown or written, and on the
// command line that is only with --soporte (their layout was a third of a small run).
class TPaginasVisor {
 public:
  TPaginasVisor();  // no pages
  TPaginasVisor(TReportePreparado Paginas);  // already laid out
  explicit TPaginasVisor(std::function<TReportePreparado()> Prepara);

  const TReportePreparado& Preparadas() const;

 private:
  struct TEstado {
    std::function<TReportePreparado()> Prepara;
    std::optional<TReportePreparado> Paginas;
  };
  std::shared_ptr<TEstado> F_estado;
};
