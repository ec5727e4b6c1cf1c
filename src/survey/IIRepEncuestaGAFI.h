#pragma once

#include <QString>

// How the main window drives a survey.
class IRepEncuestaGAFI {
 public:
  virtual ~IRepEncuestaGAFI() = default;
  virtual bool GeneraReporte() = 0;
  virtual bool ValidaAcceso(const QString& sUsuario, const QString& sPassw, bool bSoloAdmins) = 0;
  virtual bool UsuariosConectados() = 0;
};
