#include "ado/ArchivoMdb.h"

#include "ado/ErrorADO.h"
#include "ado/LectorTabla.h"
#include "ado/Plataforma.h"
#include "ado/SilencioStderr.h"

#include <QFile>
#include <cstring>

namespace ado {
namespace {

constexpr unsigned long CC_PAGINA_CATALOGO = 2;  // MSysObjects' definition
constexpr qint64 CC_TIPO_TABLA = 1;

MdbCatalogEntry* NuevaEntrada(MdbHandle* pMdb, const QByteArray& sNombre, unsigned long nPagina, int nBanderas) {
  auto* pEntrada = new MdbCatalogEntry{};
  pEntrada->mdb = pMdb;
  std::strncpy(pEntrada->object_name, sNombre.constData(), MDB_MAX_OBJ_NAME);
  pEntrada->object_type = MDB_TABLE;
  pEntrada->table_pg = nPagina;
  pEntrada->flags = nBanderas;
  return pEntrada;
}

}  // namespace

TArchivoMdb::TArchivoMdb(const QString& sRuta) : F_sRuta(sRuta) {
  TSilencioStderr Silencio;
  F_pMdb = mdb_open(QFile::encodeName(sRuta).constData(), MDB_NOFLAGS);
  if (!F_pMdb) {
    const QString sDetalle = Silencio.Capturado();
    throw EErrorADO(CC_ERROR_ARCHIVO, QStringLiteral("No se puede leer la base de datos \"%1\"%2")
                                          .arg(sRuta, sDetalle.isEmpty() ? QStringLiteral(".")
                                                                         : QStringLiteral(": ") + sDetalle));
  }
  F_CodigoJet3 = TablaCodigoPagina(F_pMdb->f->code_page ? F_pMdb->f->code_page : 1252);
  try {
    LeeCatalogo();
  } catch (...) {
    mdb_close(F_pMdb);
    throw;
  }
}

void TArchivoMdb::LeeCatalogo() {
  MdbCatalogEntry* pSistema = NuevaEntrada(F_pMdb, "MSysObjects", CC_PAGINA_CATALOGO, 0);
  F_Tablas.emplace_back(pSistema);
  TLectorTabla Lector(*this, pSistema);
  qsizetype nId = -1, nNombre = -1, nTipo = -1, nBanderas = -1;
  for (qsizetype c = 0; c < Lector.Columnas().size(); ++c) {
    const QString sColumna = Lector.Columnas()[c].sNombre.toLower();
    if (sColumna == QStringLiteral("id")) nId = c;
    else if (sColumna == QStringLiteral("name")) nNombre = c;
    else if (sColumna == QStringLiteral("type")) nTipo = c;
    else if (sColumna == QStringLiteral("flags")) nBanderas = c;
  }
  if (nId < 0 || nNombre < 0 || nTipo < 0 || nBanderas < 0)
    throw EErrorADO(CC_ERROR_ARCHIVO, QStringLiteral("La base de datos \"%1\" está dañada (catálogo de objetos).").arg(F_sRuta));
  while (Lector.Siguiente()) {
    const std::vector<TCelda>& Celdas = Lector.Celdas();
    const TCelda& Tipo = Celdas[size_t(nTipo)];
    const TCelda& Nombre = Celdas[size_t(nNombre)];
    const TCelda& Id = Celdas[size_t(nId)];
    if (Tipo.eClase != TClaseCelda::Entero || (Tipo.nEntero & 0x7F) != CC_TIPO_TABLA ||
        Nombre.eClase != TClaseCelda::Texto || Id.eClase != TClaseCelda::Entero)
      continue;
    const TCelda& Banderas = Celdas[size_t(nBanderas)];
    const unsigned long nPagina = static_cast<unsigned long>(Id.nEntero & 0x00FFFFFF);
    if (nPagina == CC_PAGINA_CATALOGO) continue;
    F_Tablas.emplace_back(NuevaEntrada(F_pMdb, QByteArray::fromStdString(Nombre.sDatos), nPagina,
                                       Banderas.eClase == TClaseCelda::Entero ? int(Banderas.nEntero) : 0));
  }
}

TArchivoMdb::~TArchivoMdb() {
  TSilencioStderr Silencio;
  mdb_close(F_pMdb);
}

bool TArchivoMdb::EsJet3() const { return F_pMdb->f->jet_version == MDB_VER_JET3; }

MdbCatalogEntry* TArchivoMdb::Entrada(const QString& sTabla) const {
  const QString sBuscada = sTabla.toCaseFolded();
  for (const auto& pEntrada : F_Tablas)
    if (QString::fromUtf8(pEntrada->object_name).toCaseFolded() == sBuscada) return pEntrada.get();
  return nullptr;
}

}  // namespace ado
