#pragma once

#include <memory>

#include "survey/IIMensajero.h"

namespace ado {
class TConexionADO;
}

// While a run uses the connection: shows the loading of tables on the status
// line and, when a table is loaded, puts back the run's own last text (what
// the survey is doing), so that a finished load never stays on the line.
// Messenger() is what the run writes through.
class TAvisoCarga {
 public:
  TAvisoCarga(std::shared_ptr<ado::TConexionADO> Conector, std::shared_ptr<IMensajero> Mensajero);
  ~TAvisoCarga();
  TAvisoCarga(const TAvisoCarga&) = delete;
  TAvisoCarga& operator=(const TAvisoCarga&) = delete;

  std::shared_ptr<IMensajero> Mensajero() const;

 private:
  class TMensajeroRecuerda;
  std::shared_ptr<ado::TConexionADO> F_Conector;
  std::shared_ptr<TMensajeroRecuerda> F_Mensajero;
};
