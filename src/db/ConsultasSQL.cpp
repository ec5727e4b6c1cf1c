#include "db/ConsultasSQL.h"

#include "ado/ErrorADO.h"
#include "db/ErroresBD.h"

TConsultasSQL::TConsultasSQL(const std::shared_ptr<ado::TConexionADO>& Conector)
    : F_Conector(Conector),
      F_qConsultaGen(std::make_unique<ado::TConsultaADO>()),
      F_Errores(std::make_shared<TErroresBD>()) {
  F_qConsultaGen->SetConnection(F_Conector);
}

namespace {

// Closing and clearing are not guarded; running is.
template <class TAccion>
bool CorreConsulta(ILogErrores& Errores, const QString& sConsulta, ado::TConsultaADO& qQuery,
                   TAccion Accion) {
  qQuery.Close();
  qQuery.ClearSQL();
  try {
    qQuery.SetSQL(sConsulta);
    Accion();
    return true;
  } catch (const ado::EErrorADO& Error) {
    qQuery.Close();
    // A damaged back office ends the run: no caller may read a failed query as an
    // answer (no rows in tCompUsr would mean "users connected", a question would be left out).
    if (Error.Clase() == ado::CC_ERROR_ARCHIVO) throw;
    Errores.MuestraError(CC_ERR_BD101, TextoErrorBD(Error));
    return false;
  }
}

}  // namespace

bool TConsultasSQL::PideConsulta(const QString& sConsulta, ado::TConsultaADO& qQuery) {
  return CorreConsulta(*F_Errores, sConsulta, qQuery, [&qQuery] { qQuery.Open(); });
}

bool TConsultasSQL::EjecutaConsulta(const QString& sConsulta, ado::TConsultaADO& qQuery) {
  return CorreConsulta(*F_Errores, sConsulta, qQuery, [&qQuery] {
    qQuery.ExecSQL();
    qQuery.Close();
  });
}

void TConsultasSQL::LimpiaTabla(const QString& sNomTabla, const QString& sCondicion) {
  QString sConsulta = "DELETE * FROM " + sNomTabla;
  if (!sCondicion.isEmpty()) sConsulta += " WHERE " + sCondicion;
  EjecutaConsulta(sConsulta, *F_qConsultaGen);
}
