#include "ado/ArchivoMdb.h"

#include "ado/ErrorADO.h"
#include "ado/SilencioStderr.h"

#include <QFile>
#include <QStringDecoder>

namespace ado {

TArchivoMdb::TArchivoMdb(const QString& sRuta) : F_sRuta(sRuta) {
  TSilencioStderr Silencio;
  F_pMdb = mdb_open(QFile::encodeName(sRuta).constData(), MDB_NOFLAGS);
  if (F_pMdb && !mdb_read_catalog(F_pMdb, MDB_TABLE)) {
    mdb_close(F_pMdb);
    F_pMdb = nullptr;
  }
  if (!F_pMdb) {
    const QString sDetalle = Silencio.Capturado();
    throw EErrorADO(CC_ERROR_ARCHIVO, QStringLiteral("No se puede leer la base de datos \"%1\"%2")
                                          .arg(sRuta, sDetalle.isEmpty() ? QStringLiteral(".")
                                                                         : QStringLiteral(": ") + sDetalle));
  }
  const QByteArray sCodigo = "windows-" + QByteArray::number(F_pMdb->f->code_page ? F_pMdb->f->code_page : 1252);
  QStringDecoder Decodificador(sCodigo.constData());
  if (!Decodificador.isValid()) Decodificador = QStringDecoder("windows-1252");
  for (int n = 0; n < 256; ++n) {
    const char c = char(n);
    const QString s = Decodificador.decode(QByteArrayView(&c, 1));
    Decodificador.resetState();
    F_CodigoJet3[n] = s.toStdString();
  }
}

TArchivoMdb::~TArchivoMdb() {
  TSilencioStderr Silencio;
  mdb_close(F_pMdb);
}

bool TArchivoMdb::EsJet3() const { return F_pMdb->f->jet_version == MDB_VER_JET3; }

MdbCatalogEntry* TArchivoMdb::Entrada(const QString& sTabla) const {
  const QString sBuscada = sTabla.toCaseFolded();
  GPtrArray* pCatalogo = F_pMdb->catalog;
  for (guint i = 0; pCatalogo && i < pCatalogo->len; ++i) {
    auto* pEntrada = static_cast<MdbCatalogEntry*>(g_ptr_array_index(pCatalogo, i));
    if (pEntrada->object_type == MDB_TABLE && QString::fromUtf8(pEntrada->object_name).toCaseFolded() == sBuscada)
      return pEntrada;
  }
  return nullptr;
}

}  // namespace ado
