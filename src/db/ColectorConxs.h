#pragma once

#include <map>
#include <memory>

#include <QString>

#include "db/IIColectorConxs.h"
#include "db/IIConexion.h"

class TColectorConxs : public IColectorConxs {
 public:
  TColectorConxs() = default;

  bool NuevaConexion(const QString& sNomConect, const QString& sStrConexion,
                     TTipoMotorBD TipoMotor, bool bConectado) override;
  bool NuevaConexion(const QString& sNomConect, const QString& sUsuario, const QString& sPassw,
                     const QString& sBDNombre, const QString& sUbicacion,
                     const QString& sInstancia, const QString& sPuerto, TTipoMotorBD TipoMotor,
                     bool bConectado) override;
  bool Conecta(const QString& sNomConect) override;
  void Desconecta(const QString& sNomConect) override;
  bool Conectado(const QString& sNomConect) override;
  void EliminaConex(const QString& sNomConect) override;
  bool DameSQLConex(const QString& sNomConect,
                    std::shared_ptr<ado::TConexionADO>& Conector) override;
  bool DameAccessConex(const QString& sNomConect,
                       std::shared_ptr<ado::TConexionADO>& Conector) override;
  void CreaBDPrinc(const QString& sUbicacionBD, const QString& sPuerto, bool bConectado) override;

 private:
  bool Registra(const QString& sNomConect, std::shared_ptr<IConexion> Conexion);
  std::shared_ptr<IConexion> Busca(const QString& sNomConect) const;
  bool DameConex(const QString& sNomConect, TTipoMotorBD TipoMotor,
                 std::shared_ptr<ado::TConexionADO>& Conector);

  // Names compared exactly (QString's operator< is case-sensitive, code unit by code unit).
  std::map<QString, std::shared_ptr<IConexion>> F_GpoConexiones;
};

// The process's one registry, created at start-up and released last.
extern std::shared_ptr<IColectorConxs> ColectorConexiones;
