#pragma once

#include <memory>

#include <QString>

#include "db/Conectores.h"

// A connection descriptor: the settings of one connection and its connector.
class IConexion {
 public:
  virtual ~IConexion() = default;
  virtual void SetStrConexion(const QString& sStrConexion) = 0;
  virtual QString GetStrConexion() = 0;
  virtual void SetConecta(bool bConectado) = 0;
  virtual bool GetConecta() = 0;
  virtual TTipoMotorBD GetTipoMotorBD() = 0;
  virtual std::shared_ptr<TConector> GetConector() = 0;
  virtual void SetUsuario(const QString& sUsuario) = 0;
  virtual QString GetUsuario() = 0;
  virtual void SetPassw(const QString& sPassw) = 0;
  virtual QString GetPassw() = 0;
  virtual void SetBDNombre(const QString& sBDNombre) = 0;
  virtual QString GetBDNombre() = 0;
  virtual void SetUbicacion(const QString& sUbicacion) = 0;
  virtual QString GetUbicacion() = 0;
  virtual void SetInstancia(const QString& sInstancia) = 0;
  virtual QString GetInstancia() = 0;
  virtual void SetPuerto(const QString& sPuerto) = 0;
  virtual QString GetPuerto() = 0;
};
