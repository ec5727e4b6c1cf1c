#pragma once

#include <QString>

namespace ado {
class TConsultaADO;
}

// The query runner: database errors become one BD-101 dialog and a false result.
class IConsultasSQL {
 public:
  virtual ~IConsultasSQL() = default;
  // On true the query is open on the first row of its result; the caller closes it.
  virtual bool PideConsulta(const QString& sConsulta, ado::TConsultaADO& qQuery) = 0;
  virtual bool EjecutaConsulta(const QString& sConsulta, ado::TConsultaADO& qQuery) = 0;
  virtual void LimpiaTabla(const QString& sNomTabla, const QString& sCondicion) = 0;
};
