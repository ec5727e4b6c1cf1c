#pragma once

#include <QString>

// The company record of tEmpresa.
struct TEmpresa {
  QString sRazonSocial;   // "Empresa"
  QString sRFC;           // "RFC"
  QString sRegistroCNBV;  // "RegistroCC"
  QString sNumEmpresa;    // "NumEmp"
};

// The back-office tables that are not survey data.
class ITolvexBD {
 public:
  virtual ~ITolvexBD() = default;
  virtual bool GetConectado() = 0;
  virtual TEmpresa GetEmpresa() = 0;
  virtual bool ValidaAcceso(const QString& sUsuario, const QString& sPassw, bool bSoloAdmins) = 0;
  // True when users are connected or the count could not be read.
  virtual bool UsuariosConectados() = 0;
};
