#pragma once

#include <memory>

#include <QString>

#include "db/IIConexion.h"

class TConexion : public IConexion {
 public:
  explicit TConexion(TTipoMotorBD TipoMotorBD);

  void SetStrConexion(const QString& sStrConexion) override { F_sSrtConexion = sStrConexion; }
  QString GetStrConexion() override { return F_sSrtConexion; }
  void SetConecta(bool bConectado) override;
  bool GetConecta() override { return F_bConectado; }
  TTipoMotorBD GetTipoMotorBD() override { return F_TipoMotorBD; }
  std::shared_ptr<TConector> GetConector() override { return F_Conector; }
  void SetUsuario(const QString& sUsuario) override { F_sUsuario = sUsuario; }
  QString GetUsuario() override { return F_sUsuario; }
  void SetPassw(const QString& sPassw) override { F_sPassw = sPassw; }
  QString GetPassw() override { return F_sPassw; }
  void SetBDNombre(const QString& sBDNombre) override { F_sBDNombre = sBDNombre; }
  QString GetBDNombre() override { return F_sBDNombre; }
  void SetUbicacion(const QString& sUbicacion) override { F_sUbicacion = sUbicacion; }
  QString GetUbicacion() override { return F_sUbicacion; }
  void SetInstancia(const QString& sInstancia) override { F_sInstancia = sInstancia; }
  QString GetInstancia() override { return F_sInstancia; }
  void SetPuerto(const QString& sPuerto) override { F_sPuerto = sPuerto; }
  QString GetPuerto() override { return F_sPuerto; }

 private:
  bool DatosValidos();
  void CreaStrSQLServer();
  void CreaStrAcess();
  bool CreaStrConexion();
  bool ConectaBD();
  void DesconectaBD();

  TTipoMotorBD F_TipoMotorBD;
  QString F_sSrtConexion;
  QString F_sUsuario;
  QString F_sPassw;
  QString F_sBDNombre;
  QString F_sUbicacion;
  QString F_sInstancia;
  QString F_sPuerto;
  bool F_bConectado = false;
  std::shared_ptr<TConector> F_Conector;
};
