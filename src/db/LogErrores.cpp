#include "db/LogErrores.h"

#include <stdexcept>

#include "db/Dialogos.h"

void TManejadorErrores::MuestraError(const QString& sClaveErr, const QString& sMsjAdicional) {
  const auto it = F_ListaErrores.constFind(sClaveErr);
  if (it == F_ListaErrores.constEnd()) {
    Dialogos().Mensaje("Error #" + sClaveErr + " " + sMsjAdicional);
  } else if (it->bMostrarMsj) {
    Dialogos().Mensaje("Error #" + sClaveErr + ": " + it->sMsjUsuario + " " + sMsjAdicional);
  }
}

QString TManejadorErrores::DameErrorMsj(const QString& sClaveErr, const QString& sMsjAdicional,
                                        bool bIncluyeClave) {
  QString sTexto;
  const auto it = F_ListaErrores.constFind(sClaveErr);
  if (it != F_ListaErrores.constEnd()) {
    sTexto = it->sMsjUsuario + " " + sMsjAdicional;
  } else {
    sTexto = sMsjAdicional.isEmpty() ? QStringLiteral("Error desconocido") : sMsjAdicional;
  }
  return bIncluyeClave ? "Error #" + sClaveErr + ": " + sTexto : sTexto;
}

void TManejadorErrores::RegistraError(const QString& sClaveErr, const QString& sMsjUsuario,
                                      const QString& sMsjLog, bool bMostrar) {
  if (F_ListaErrores.contains(sClaveErr)) {
    throw std::logic_error("error code registered twice: " + sClaveErr.toStdString());
  }
  F_ListaErrores.insert(sClaveErr, TMsjError{sMsjUsuario, sMsjLog, bMostrar});
}
