#include "db/ColectorConxs.h"

#include "db/Conexion.h"
#include "db/ParamsGenProy.h"

std::shared_ptr<IColectorConxs> ColectorConexiones;

bool TColectorConxs::NuevaConexion(const QString& sNomConect, const QString& sStrConexion,
                                   TTipoMotorBD TipoMotor, bool bConectado) {
  auto Conexion = std::make_shared<TConexion>(TipoMotor);
  Conexion->SetStrConexion(sStrConexion);
  Conexion->SetConecta(bConectado);
  return Registra(sNomConect, Conexion);
}

bool TColectorConxs::NuevaConexion(const QString& sNomConect, const QString& sUsuario,
                                   const QString& sPassw, const QString& sBDNombre,
                                   const QString& sUbicacion, const QString& sInstancia,
                                   const QString& sPuerto, TTipoMotorBD TipoMotor,
                                   bool bConectado) {
  auto Conexion = std::make_shared<TConexion>(TipoMotor);
  Conexion->SetUsuario(sUsuario);
  Conexion->SetPassw(sPassw);
  Conexion->SetBDNombre(sBDNombre);
  Conexion->SetUbicacion(sUbicacion);
  Conexion->SetInstancia(sInstancia);
  Conexion->SetPuerto(sPuerto);
  Conexion->SetConecta(bConectado);
  return Registra(sNomConect, Conexion);
}

bool TColectorConxs::Registra(const QString& sNomConect, std::shared_ptr<IConexion> Conexion) {
  // A refused descriptor is released here, closing whatever it opened.
  return F_GpoConexiones.try_emplace(sNomConect, std::move(Conexion)).second;
}

std::shared_ptr<IConexion> TColectorConxs::Busca(const QString& sNomConect) const {
  const auto it = F_GpoConexiones.find(sNomConect);
  return it == F_GpoConexiones.end() ? nullptr : it->second;
}

bool TColectorConxs::Conecta(const QString& sNomConect) {
  const auto Conexion = Busca(sNomConect);
  if (!Conexion) return false;
  if (!Conexion->GetConecta()) Conexion->SetConecta(true);
  return Conexion->GetConecta();
}

void TColectorConxs::Desconecta(const QString& sNomConect) {
  if (const auto Conexion = Busca(sNomConect)) Conexion->SetConecta(false);
}

bool TColectorConxs::Conectado(const QString& sNomConect) {
  const auto Conexion = Busca(sNomConect);
  return Conexion && Conexion->GetConecta();
}

void TColectorConxs::EliminaConex(const QString& sNomConect) {
  const auto it = F_GpoConexiones.find(sNomConect);
  if (it == F_GpoConexiones.end()) return;
  it->second->SetConecta(false);
  F_GpoConexiones.erase(it);
}

bool TColectorConxs::DameConex(const QString& sNomConect, TTipoMotorBD TipoMotor,
                               std::shared_ptr<ado::TConexionADO>& Conector) {
  const auto Conexion = Busca(sNomConect);
  if (!Conexion || Conexion->GetTipoMotorBD() != TipoMotor) return false;
  Conector = std::static_pointer_cast<TConectorADO>(Conexion->GetConector())->DameConector();
  return true;
}

bool TColectorConxs::DameSQLConex(const QString& sNomConect,
                                  std::shared_ptr<ado::TConexionADO>& Conector) {
  return DameConex(sNomConect, tmSQLServer, Conector);
}

bool TColectorConxs::DameAccessConex(const QString& sNomConect,
                                     std::shared_ptr<ado::TConexionADO>& Conector) {
  return DameConex(sNomConect, tmAccess, Conector);
}

void TColectorConxs::CreaBDPrinc(const QString& sUbicacionBD, const QString& sPuerto,
                                 bool bConectado) {
  if (Busca(CC_NOMBDPRINC)) return;
  NuevaConexion(CC_NOMBDPRINC, QString(), CC_PASSWBDPRINC, QString(), sUbicacionBD, QString(),
                sPuerto, CC_MOTORBDPRINC, bConectado);
}
