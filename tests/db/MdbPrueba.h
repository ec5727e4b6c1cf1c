#pragma once

#include <QString>
#include <QTemporaryDir>

#include "mdbgen/EscritorMdb.h"

// Small back-office files written by mdbgen from readable JSON.
namespace MdbPrueba {

inline QString& UltimoError() {
  static QString sError;
  return sError;
}

// The path of the written file, or empty when mdbgen could not write it (Motivo() says why).
inline QString Crea(const QTemporaryDir& Dir, const QString& sArchivo, const char* json) {
  const QString sRuta = Dir.filePath(sArchivo);
  try {
    mdbgen::EscribeDesdeJson(QByteArray(json), sRuta);
    return sRuta;
  } catch (const mdbgen::EErrorMdb& Error) {
    UltimoError() = QString::fromUtf8(Error.what());
    return QString();
  }
}

inline QString Motivo() { return "mdbgen no pudo escribir el archivo: " + UltimoError(); }

}  // namespace MdbPrueba
