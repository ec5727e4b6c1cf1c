#include "mdbgen/ArchivoPaginas.h"

#include "mdbgen/CodificaJet.h"
#include "mdbgen/EscritorMdb.h"

namespace mdbgen::jet {
namespace {
EErrorMdb ErrorArchivo(const QString& sQue, const QSaveFile& archivo) {
  return EErrorMdb(
      QStringLiteral("No se puede %1 \"%2\": %3").arg(sQue, archivo.fileName(), archivo.errorString()).toStdString());
}
}  // namespace

TArchivoPaginas::TArchivoPaginas(const QString& sRuta) : F_archivo(sRuta) {
  if (!F_archivo.open(QIODevice::WriteOnly)) throw ErrorArchivo(QStringLiteral("crear"), F_archivo);
}

void TArchivoPaginas::Escribe(quint32 nPagina, const uint8_t* pPagina) {
  const qint64 nPosicion = qint64(nPagina) * CC_nPagina;
  if (F_archivo.pos() != nPosicion && !F_archivo.seek(nPosicion))
    throw ErrorArchivo(QStringLiteral("escribir"), F_archivo);
  if (F_archivo.write(reinterpret_cast<const char*>(pPagina), CC_nPagina) != CC_nPagina)
    throw ErrorArchivo(QStringLiteral("escribir"), F_archivo);
}

void TArchivoPaginas::Confirma() {
  if (!F_archivo.commit()) throw ErrorArchivo(QStringLiteral("guardar"), F_archivo);
}

}  // namespace mdbgen::jet
