#include "ado/CargadorTabla.h"

#include "ado/ArchivoMdb.h"
#include "ado/CanalFilas.h"
#include "ado/ErrorADO.h"
#include "ado/LectorTabla.h"
#include "ado/MapeoConsolidado.h"
#include "ado/Plataforma.h"
#include "ado/SentenciaSQLite.h"

#include <sqlite3.h>
#include <algorithm>
#include <memory>
#include <mutex>
#include <optional>

namespace ado {
namespace {

constexpr qint64 CC_FILAS_POR_AVISO = 16384;
// A table of this many rows starts a run that will take memory worth faulting in early.
constexpr qint64 CC_FILAS_DE_TABLA_GRANDE = 65536;
// Rows per INSERT: one statement step per run of rows instead of one per row. Within the
// 999 parameters that every SQLite build accepts.
constexpr int CC_FILAS_POR_INSERCION = 32;
constexpr int CC_PARAMETROS = 999;

void Ejecuta(sqlite3* db, const char* pSQL) {
  if (sqlite3_exec(db, pSQL, nullptr, nullptr, nullptr) != SQLITE_OK)
    throw EErrorADO(CC_ERROR_CONSULTA, QString::fromUtf8(sqlite3_errmsg(db)));
}

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

// Where each of the loaded table's columns is in a file's rows; a file that lacks one is refused.
std::vector<int> PosicionesColumnas(const TLectorTabla& Lector, const QStringList& Nombres, const QString& sRuta) {
  std::vector<int> Posiciones;
  const QList<TColumnaJet>& Columnas = Lector.Columnas();
  for (const QString& sNombre : Nombres) {
    qsizetype i = 0;
    while (i < Columnas.size() && Columnas[i].sNombre.compare(sNombre, Qt::CaseInsensitive) != 0) ++i;
    if (i == Columnas.size())
      throw EErrorADO(CC_ERROR_CONSULTA, QStringLiteral("La tabla \"%1\" de la base de datos \"%2\" no tiene la columna \"%3\".")
                                             .arg(Lector.Nombre(), sRuta, sNombre));
    Posiciones.push_back(int(i));
  }
  return Posiciones;
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
    case CC_JET_NUMERICO: return QStringLiteral("DECIMAL");
    case CC_JET_SIMPLE:
    case CC_JET_DOBLE: return QStringLiteral("REAL");
    case CC_JET_FECHA: return QStringLiteral("DATETIME");
    case CC_JET_TEXTO:
    case CC_JET_MEMO:
    case CC_JET_GUID: return QStringLiteral("TEXT COLLATE JET");
    default: return QStringLiteral("BLOB");
  }
}

namespace {

// Rows of the files in order into the table named after the first file's spelling,
// shaped as the first file defines it. nEmpresa is 0 for a file read alone.
struct TFuente {
  TArchivoMdb* pArchivo;
  qint64 nEmpresa;
};

TTablaCargada CargaFuentes(const std::vector<TFuente>& Fuentes, const TConsolidacionJet* pConsolidacion, sqlite3* db,
                           const QString& sTabla, const TColumnasCargadas& Pedidas,
                           const TConexionADO::TProgresoCarga& Progreso) {
  std::vector<std::unique_ptr<TLectorTabla>> Lectores;
  qint64 nTotal = 0;
  for (const TFuente& Fuente : Fuentes) {
    TArchivoMdb& Archivo = *Fuente.pArchivo;
    const TEntradaTabla* pEntrada = Archivo.Entrada(sTabla);
    if (!pEntrada)
      throw EErrorADO(CC_ERROR_CONSULTA,
                      QStringLiteral("La tabla \"%1\" no existe en la base de datos \"%2\".").arg(sTabla, Archivo.Ruta()));
    if (pEntrada->sNombre.startsWith(QStringLiteral("sqlite_"), Qt::CaseInsensitive))
      throw EErrorADO(CC_ERROR_CONSULTA,
                      QStringLiteral("La tabla \"%1\" de la base de datos \"%2\" no se puede leer: los nombres que "
                                     "empiezan por \"sqlite_\" están reservados.")
                          .arg(pEntrada->sNombre, Archivo.Ruta()));
    Lectores.push_back(std::make_unique<TLectorTabla>(Archivo, *pEntrada));
    nTotal += Lectores.back()->FilasDeclaradas();
  }
  if (nTotal >= CC_FILAS_DE_TABLA_GRANDE) {
    static std::once_flag Adelantada;
    std::call_once(Adelantada, [&] {
      qint64 nBytes = 0;
      for (const TFuente& Fuente : Fuentes) nBytes += Fuente.pArchivo->Tamano();
      AdelantaMemoria(nBytes);
    });
  }
  const QString sNombre = Lectores.front()->Nombre();
  auto Avisa = [&](qint64 nFilas, qint64 nDe) {
    if (Progreso) Progreso(sNombre, nFilas, nDe);
  };

  TTablaCargada Cargada;
  QStringList Nombres;
  QStringList Definiciones;
  QStringList Parametros;
  const QList<TColumnaJet>& Columnas = Lectores.front()->Columnas();
  for (const TColumnaJet& Columna : Columnas) Cargada.todas.insert(Columna.sNombre.toUpper());
  // A statement that names none of the table's columns (COUNT(*)) still gets its rows: the
  // first column comes with them.
  const bool bNinguna = Pedidas && !Pedidas->intersects(Cargada.todas);
  for (const TColumnaJet& Columna : Columnas) {
    const QString sClave = Columna.sNombre.toUpper();
    if (Pedidas && !Pedidas->contains(sClave) && !(bNinguna && Nombres.isEmpty())) continue;
    Cargada.cargadas.insert(sClave);
    Nombres << Columna.sNombre;
    Definiciones << NombreSqlite(Columna.sNombre) + u' ' + TipoSqlite(Columna.nTipo);
    Parametros << QStringLiteral("?");
  }
  Ejecuta(db, "BEGIN");
  try {
    Ejecuta(db, QStringLiteral("CREATE TABLE %1 (%2)").arg(NombreSqlite(sNombre), Definiciones.join(u','))
                    .toUtf8().constData());
    const QString sFila = u'(' + Parametros.join(u',') + u')';
    const int nPorInsercion = std::clamp(CC_PARAMETROS / std::max(int(Nombres.size()), 1), 1, CC_FILAS_POR_INSERCION);
    PSentencia Insercion = Prepara(db, QStringLiteral("INSERT INTO %1 VALUES %2").arg(NombreSqlite(sNombre), sFila));
    PSentencia InsercionVarias = Prepara(
        db, QStringLiteral("INSERT INTO %1 VALUES %2").arg(NombreSqlite(sNombre), QStringList(nPorInsercion, sFila).join(u',')));
    Avisa(0, nTotal);
    // Rows are decoded (and mapped) on a second thread while this one inserts.
    TCanalFilas Canal(size_t(Nombres.size()), [&](TCanalFilas& Salida) {
      std::vector<TCelda> Auxiliares(size_t(Nombres.size()));
      for (size_t f = 0; f < Lectores.size(); ++f) {
        TLectorTabla& Lector = *Lectores[f];
        const std::vector<int> Posiciones = PosicionesColumnas(Lector, Nombres, Fuentes[f].pArchivo->Ruta());
        std::optional<TMapeoConsolidado> Mapeo;
        if (pConsolidacion)
          Mapeo.emplace(pConsolidacion->Reglas, sNombre, Nombres, int(f), int(Fuentes.size()), Fuentes[f].nEmpresa,
                        pConsolidacion->nEmpresa);
        while (Lector.Siguiente()) {
          const std::vector<TCelda>& Celdas = Lector.Celdas();
          TCelda* pFila = Salida.NuevaFila();
          for (size_t i = 0; i < Posiciones.size(); ++i) {
            const TCelda& Celda = Celdas[size_t(Posiciones[i])];
            pFila[i] = Mapeo ? Mapeo->Mapea(i, Celda, Auxiliares[i]) : Celda;
          }
        }
      }
    });
    // Rows keep their order: a run fills the statement's rows in turn.
    const size_t nColumnas = size_t(Nombres.size());
    auto Inserta = [&](sqlite3_stmt* pSentencia, const TCelda* pFilas, size_t nCeldas) {
      for (size_t i = 0; i < nCeldas; ++i) Enlaza(pSentencia, int(i) + 1, pFilas[i]);
      if (sqlite3_step(pSentencia) != SQLITE_DONE) throw EErrorADO(CC_ERROR_CONSULTA, QString::fromUtf8(sqlite3_errmsg(db)));
      sqlite3_reset(pSentencia);
    };
    qint64 nFilas = 0;
    const TCelda* pFilas = nullptr;
    while (const size_t nRecibidas = Canal.Siguientes(pFilas, size_t(nPorInsercion))) {
      if (nRecibidas == size_t(nPorInsercion)) {
        Inserta(InsercionVarias.get(), pFilas, nRecibidas * nColumnas);
      } else {
        for (size_t f = 0; f < nRecibidas; ++f) Inserta(Insercion.get(), pFilas + f * nColumnas, nColumnas);
      }
      const qint64 nAntes = nFilas;
      nFilas += qint64(nRecibidas);
      if (nFilas / CC_FILAS_POR_AVISO != nAntes / CC_FILAS_POR_AVISO) Avisa(nFilas, std::max(nTotal, nFilas));
    }
    Insercion.reset();
    InsercionVarias.reset();
    Ejecuta(db, "COMMIT");
    Avisa(nFilas, nFilas);
  } catch (...) {
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
  Cargada.sNombre = sNombre;
  return Cargada;
}

}  // namespace

TTablaCargada CargaTabla(TArchivoMdb& Archivo, sqlite3* db, const QString& sTabla, const TColumnasCargadas& columnas,
                         const TConexionADO::TProgresoCarga& Progreso) {
  return CargaFuentes({{&Archivo, 0}}, nullptr, db, sTabla, columnas, Progreso);
}

TTablaCargada CargaTablaConsolidada(const std::vector<TArchivoMdb*>& Archivos, const TConsolidacionJet& Consolidacion,
                                    sqlite3* db, const QString& sTabla, const TColumnasCargadas& columnas,
                                    const TConexionADO::TProgresoCarga& Progreso) {
  std::vector<TFuente> Fuentes{{Archivos.front(), Consolidacion.nEmpresa}};
  for (qsizetype i = 0; i < Consolidacion.Sucursales.size(); ++i)
    Fuentes.push_back({Archivos[size_t(i) + 1], Consolidacion.Sucursales[i].nEmpresa});
  return CargaFuentes(Fuentes, &Consolidacion, db, sTabla, columnas, Progreso);
}

}  // namespace ado
