#pragma once

#include <QString>
#include <QTemporaryDir>

#include "mdbgen/EscritorMdb.h"

// Small back-office files written by mdbgen from readable JSON.
namespace MdbPrueba {

// The path of the written file; mdbgen::EErrorMdb when the JSON is refused.
inline QString Crea(const QTemporaryDir& Dir, const QString& sArchivo, const char* json) {
  const QString sRuta = Dir.filePath(sArchivo);
  mdbgen::EscribeDesdeJson(QByteArray(json), sRuta);
  return sRuta;
}

}  // namespace MdbPrueba
