#pragma once

#include <QMap>
#include <QString>

#include "db/IILogErrores.h"

struct TMsjError {
  QString sMsjUsuario;
  QString sMsjLog;  // kept for a log; no operation shows it
  bool bMostrarMsj = true;
};

// A catalogue of error codes; descendants fill it in RegistraErrores.
class TManejadorErrores : public ILogErrores {
 public:
  void MuestraError(const QString& sClaveErr, const QString& sMsjAdicional) override;
  QString DameErrorMsj(const QString& sClaveErr, const QString& sMsjAdicional,
                       bool bIncluyeClave) override;

 protected:
  TManejadorErrores() = default;
  // Called by the constructor of each concrete catalogue (a base constructor
  // cannot reach the override).
  virtual void RegistraErrores() = 0;
  // Throws std::logic_error for a code registered twice.
  void RegistraError(const QString& sClaveErr, const QString& sMsjUsuario,
                     const QString& sMsjLog, bool bMostrar);

 private:
  QMap<QString, TMsjError> F_ListaErrores;
};
