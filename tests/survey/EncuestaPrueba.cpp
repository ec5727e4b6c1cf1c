#include "EncuestaPrueba.h"

#include "ado/ErrorADO.h"
#include "BackOfficePrueba.h"

bool TEntornoEncuesta::Conecta(const QString& sRuta, QString& sError) {
  auto Nueva = std::make_shared<ado::TConexionADO>();
  Nueva->SetLoginPrompt(false);
  Nueva->SetConnectionString(BackOffice::CadenaConexion(sRuta));
  try {
    Nueva->SetConnected(true);
  } catch (const ado::EErrorADO& Error) {
    sError = Error.Clase() + QStringLiteral(" - ") + Error.Mensaje();
    return false;
  }
  Conexion = Nueva;
  return true;
}
