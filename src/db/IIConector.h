#pragma once

#include <QString>

// An engine connector: owns one connection object and opens or closes it.
class IConector {
 public:
  virtual ~IConector() = default;
  virtual void SetStrConexion(const QString& sStrConexion) = 0;
  virtual QString GetStrConexion() = 0;
  virtual void SetConecta(bool bConectado) = 0;
  virtual bool GetConecta() = 0;
};
