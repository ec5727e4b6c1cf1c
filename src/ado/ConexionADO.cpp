#include "ado/ConexionADO.h"

#include "ado/CadenaConexion.h"
#include "ado/ErrorADO.h"
#include "ado/SesionJet.h"

namespace ado {

TConexionADO::TConexionADO() = default;
TConexionADO::~TConexionADO() = default;

void TConexionADO::SetLoginPrompt(bool bLoginPrompt) { F_bLoginPrompt = bLoginPrompt; }
bool TConexionADO::LoginPrompt() const { return F_bLoginPrompt; }
void TConexionADO::SetMode(int nMode) { F_nModo = nMode; }
int TConexionADO::Mode() const { return F_nModo; }
void TConexionADO::SetConnectionString(const QString& sCadena) { F_sCadena = sCadena; }
QString TConexionADO::ConnectionString() const { return F_sCadena; }
bool TConexionADO::Connected() const { return F_Sesion != nullptr; }
void TConexionADO::SetProgresoCarga(TProgresoCarga Progreso) { F_Progreso = std::move(Progreso); }

void TConexionADO::SetConnected(bool bConectado) {
  if (!bConectado) {
    F_Sesion.reset();
    return;
  }
  if (F_Sesion) return;
  const TDatosJet Datos = DatosJet(F_sCadena);
  F_Sesion = std::make_unique<TSesionJet>(Datos.sRuta, Datos.sPassword, F_Progreso);
  F_Sesion->SetCacheActiva(F_bCacheActiva);
  F_Sesion->SetConsolidacion(F_Consolidacion);
}

void TConexionADO::SetCacheActiva(bool bActiva) {
  F_bCacheActiva = bActiva;
  if (F_Sesion) F_Sesion->SetCacheActiva(bActiva);
}

void TConexionADO::SetConsolidacion(const TConsolidacionJet& Consolidacion) {
  F_Consolidacion = Consolidacion;
  if (F_Sesion) F_Sesion->SetConsolidacion(Consolidacion);
}

jet::TSentenciaJet TConexionADO::Prepara(const QString& sJet, const jet::TParametrosJet& parametros) {
  if (!F_Sesion)
    throw EErrorADO(CC_ERROR_CONSULTA, QStringLiteral("La conexión no está abierta."));
  return F_Sesion->Prepara(sJet, parametros);
}

}  // namespace ado
