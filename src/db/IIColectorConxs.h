#pragma once

#include <memory>

#include <QString>

#include "ado/ConexionADO.h"
#include "db/Conectores.h"

// The named-connection registry.
class IColectorConxs {
 public:
  virtual ~IColectorConxs() = default;
  virtual bool NuevaConexion(const QString& sNomConect, const QString& sStrConexion,
                             TTipoMotorBD TipoMotor, bool bConectado) = 0;
  virtual bool NuevaConexion(const QString& sNomConect, const QString& sUsuario,
                             const QString& sPassw, const QString& sBDNombre,
                             const QString& sUbicacion, const QString& sInstancia,
                             const QString& sPuerto, TTipoMotorBD TipoMotor, bool bConectado) = 0;
  virtual bool Conecta(const QString& sNomConect) = 0;
  virtual void Desconecta(const QString& sNomConect) = 0;
  virtual bool Conectado(const QString& sNomConect) = 0;
  virtual void EliminaConex(const QString& sNomConect) = 0;
  // The connection object stays owned by the registered descriptor.
  virtual bool DameSQLConex(const QString& sNomConect,
                            std::shared_ptr<ado::TConexionADO>& Conector) = 0;
  virtual bool DameAccessConex(const QString& sNomConect,
                               std::shared_ptr<ado::TConexionADO>& Conector) = 0;
  virtual void CreaBDPrinc(const QString& sUbicacionBD, const QString& sPuerto,
                           bool bConectado) = 0;
};
