#pragma once

#include <memory>

#include <QString>

#include "ado/ConexionADO.h"
#include "ado/ConsultaADO.h"
#include "db/IIConsultasSQL.h"
#include "db/IILogErrores.h"

class TConsultasSQL : public IConsultasSQL {
 public:
  // The connection is borrowed: the registry owns it. A null one makes every query fail.
  explicit TConsultasSQL(const std::shared_ptr<ado::TConexionADO>& Conector);

  bool PideConsulta(const QString& sConsulta, ado::TConsultaADO& qQuery) override;
  bool EjecutaConsulta(const QString& sConsulta, ado::TConsultaADO& qQuery) override;
  void LimpiaTabla(const QString& sNomTabla, const QString& sCondicion) override;

 protected:
  std::weak_ptr<ado::TConexionADO> F_Conector;
  std::unique_ptr<ado::TConsultaADO> F_qConsultaGen;
  std::shared_ptr<ILogErrores> F_Errores;
};
