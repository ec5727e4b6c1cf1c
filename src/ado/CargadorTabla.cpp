#include "ado/CargadorTabla.h"

#include "ado/ArchivoMdb.h"
#include "ado/ErrorADO.h"
#include "ado/LectorTabla.h"

#include <sqlite3.h>
#include <memory>

namespace ado {
namespace {

constexpr qint64 CC_FILAS_POR_AVISO = 16384;

void Ejecuta(sqlite3* db, const char* pSQL) {
  if (sqlite3_exec(db, pSQL, nullptr, nullptr, nullptr) != SQLITE_OK)
    throw EErrorADO(CC_ERROR_CONSULTA, QString::fromUtf8(sqlite3_errmsg(db)));
}

struct TFinalizaSentencia {
  void operator()(sqlite3_stmt* p) const { sqlite3_finalize(p); }
};
using PSentencia = std::unique_ptr<sqlite3_stmt, TFinalizaSentencia>;

PSentencia Prepara(sqlite3* db, const QString& sSQL) {
  sqlite3_stmt* p = nullptr;
  if (sqlite3_prepare_v2(db, sSQL.toUtf8().constData(), -1, &p, nullptr) != SQLITE_OK)
    throw EErrorADO(CC_ERROR_CONSULTA, QString::fromUtf8(sqlite3_errmsg(db)));
  return PSentencia(p);
}

void Enlaza(sqlite3_stmt* pSentencia, int nParametro, const TCelda& Celda) {
  switch (Celda.eClase) {
    case TClaseCelda::Nulo: sqlite3_bind_null(pSentencia, nParametro); break;
    case TClaseCelda::Entero: sqlite3_bind_int64(pSentencia, nParametro, Celda.nEntero); break;
    case TClaseCelda::Real: sqlite3_bind_double(pSentencia, nParametro, Celda.dReal); break;
    case TClaseCelda::Texto:
      sqlite3_bind_text(pSentencia, nParametro, Celda.sDatos.data(), int(Celda.sDatos.size()), SQLITE_STATIC);
      break;
    case TClaseCelda::Blob:
      sqlite3_bind_blob(pSentencia, nParametro, Celda.sDatos.data(), int(Celda.sDatos.size()), SQLITE_STATIC);
      break;
  }
}

}  // namespace

QString NombreSqlite(const QString& sNombre) {
  QString s = sNombre;
  return u'"' + s.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString TipoSqlite(int nTipoJet) {
  switch (nTipoJet) {
    case CC_JET_BOOLEANO:
    case CC_JET_BYTE:
    case CC_JET_ENTERO:
    case CC_JET_LARGO: return QStringLiteral("INTEGER");
    case CC_JET_MONEDA: return QStringLiteral("CURRENCY");
    case CC_JET_SIMPLE:
    case CC_JET_DOBLE:
    case CC_JET_NUMERICO: return QStringLiteral("REAL");
    case CC_JET_FECHA: return QStringLiteral("DATETIME");
    case CC_JET_TEXTO:
    case CC_JET_MEMO:
    case CC_JET_GUID: return QStringLiteral("TEXT COLLATE JET");
    default: return QStringLiteral("BLOB");
  }
}

QString CargaTabla(TArchivoMdb& Archivo, sqlite3* db, const QString& sTabla,
                   const TConexionADO::TProgresoCarga& Progreso) {
  const TEntradaTabla* pEntrada = Archivo.Entrada(sTabla);
  if (!pEntrada)
    throw EErrorADO(CC_ERROR_CONSULTA,
                    QStringLiteral("La tabla \"%1\" no existe en la base de datos \"%2\".").arg(sTabla, Archivo.Ruta()));
  if (pEntrada->sNombre.startsWith(QStringLiteral("sqlite_"), Qt::CaseInsensitive))
    throw EErrorADO(CC_ERROR_CONSULTA,
                    QStringLiteral("La tabla \"%1\" de la base de datos \"%2\" no se puede leer: los nombres que "
                                   "empiezan por \"sqlite_\" están reservados.")
                        .arg(pEntrada->sNombre, Archivo.Ruta()));
  TLectorTabla Lector(Archivo, *pEntrada);
  const QString sNombre = Lector.Nombre();
  const qint64 nTotal = Lector.FilasDeclaradas();
  auto Avisa = [&](qint64 nFilas, qint64 nDe) {
    if (Progreso) Progreso(sNombre, nFilas, nDe);
  };

  QStringList Definiciones;
  QStringList Parametros;
  for (const TColumnaJet& Columna : Lector.Columnas()) {
    Definiciones << NombreSqlite(Columna.sNombre) + u' ' + TipoSqlite(Columna.nTipo);
    Parametros << QStringLiteral("?");
  }
  Ejecuta(db, "BEGIN");
  try {
    Ejecuta(db, QStringLiteral("CREATE TABLE %1 (%2)").arg(NombreSqlite(sNombre), Definiciones.join(u','))
                    .toUtf8().constData());
    PSentencia Insercion = Prepara(db, QStringLiteral("INSERT INTO %1 VALUES (%2)")
                                           .arg(NombreSqlite(sNombre), Parametros.join(u',')));
    Avisa(0, nTotal);
    qint64 nFilas = 0;
    while (Lector.Siguiente()) {
      const std::vector<TCelda>& Celdas = Lector.Celdas();
      for (size_t i = 0; i < Celdas.size(); ++i) Enlaza(Insercion.get(), int(i) + 1, Celdas[i]);
      if (sqlite3_step(Insercion.get()) != SQLITE_DONE)
        throw EErrorADO(CC_ERROR_CONSULTA, QString::fromUtf8(sqlite3_errmsg(db)));
      sqlite3_reset(Insercion.get());
      if (++nFilas % CC_FILAS_POR_AVISO == 0) Avisa(nFilas, std::max(nTotal, nFilas));
    }
    Insercion.reset();
    Ejecuta(db, "COMMIT");
    Avisa(nFilas, nFilas);
  } catch (...) {
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
  return sNombre;
}

}  // namespace ado
