#pragma once

#include "ado/jet/TipoJet.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>

struct sqlite3;
struct sqlite3_stmt;

namespace ado::jet {

struct TAgrupacionHash;
class IFilasJet;
struct TConsulta;
struct TFuente;

// Runs Jet SQL on an SQLite session that RegistraReglas prepared. Within one snapshot of
// the loaded tables, identical derived tables are computed once into temporary tables
// (keyed by their translated text), a filter that keeps most rows of one is read in place,
// and the join columns on which SQLite would build a throw-away index get a kept one.
class TEjecutorJet {
 public:
  // The columns a statement may read of a table, upper case (a superset); none: all.
  using TColumnasPedidas = std::optional<QSet<QString>>;
  TEjecutorJet(sqlite3* db, std::function<void(const QString& sTabla, const TColumnasPedidas& columnas)> AseguraTabla);

  // Translates sJet, has every base table it names loaded (AseguraTabla may reload the
  // snapshot and call Olvida), and returns the prepared statement (the caller finalizes
  // it) with the Jet type of each result column. Throws EErrorADO.
  // The values of the query's PARAMETERS come from parametros.
  TSentenciaJet Prepara(const QString& sJet, const TParametrosJet& parametros = {});
  // Drops the computed derived tables (after the loaded tables were reloaded).
  void Olvida();

  // With the cache off every derived table is computed inside each query, no index is
  // made and those kept on loaded tables are dropped (for measuring what the cache saves).
  // SQLite's own automatic indexes stay on: without them a join of operations and clients
  // is quadratic and a large back office would not finish.
  void SetCacheActiva(bool bActiva);
  bool CacheActiva() const;

 private:
  void FijaGrafiaDeGrupos(TConsulta& consulta);
  void FijaGrafiaFuente(TFuente& fuente);
  const std::vector<bool>& ColumnasDeTexto(const QString& sSql);
  void MaterializaConsulta(TConsulta& consulta, bool bMaterializada);
  void MaterializaFuente(TFuente& fuente, bool bSolaFuente, bool bPadreMaterializado);
  bool LeeGuardada(TFuente& fuente);
  void AgrupaAparteSiReduce(std::unique_ptr<TConsulta>& consulta);
  void Materializa(TFuente& fuente, bool bSoloHash = false);
  qint64 Llena(TConsulta& consulta, const QString& sTabla, int nColumnas, const QStringList& textos, bool bSoloHash);
  qint64 FilasDe(const TFuente& fuente);
  // A kept table's rows, or a loaded table's last row number (they are never deleted from).
  qint64 FilasDeTabla(const QString& sTabla);
  qint64 LlenaPorHash(const TAgrupacionHash& plan, const QString& sTabla, int nColumnas);
  qint64 LlenaPorHash(const TAgrupacionHash& plan, IFilasJet& filas, bool bTablaGrande, const QString& sTabla,
                      int nColumnas);
  bool GuardaLaMayoria(const TConsulta& filtro);
  void IndexaComoPideElPlan(const TConsulta& consulta, const QString& sSql);
  std::vector<std::pair<QString, QStringList>> IndicesAutomaticos(const std::map<QString, QString>& tablas,
                                                                  const QString& sSql, bool* pbAlguno = nullptr);
  TColumnasTipadas Columnas(const QString& sTabla);
  QStringList NombresColumnas(const TConsulta& consulta);
  std::vector<std::pair<QVariant, QString>> LeeValores(const TConsulta& consulta);
  void Ejecuta(const QString& sSql);
  sqlite3_stmt* PreparaSQLite(const QString& sSql);

  sqlite3* F_db;
  std::function<void(const QString&, const TColumnasPedidas&)> F_AseguraTabla;
  bool F_bCacheActiva = true;
  std::function<TColumnasTipadas(const QString&)> F_Catalogo;
  std::map<QString, QString> F_temporales;  // translated SQL -> its temporary table
  std::map<QString, TColumnasTipadas> F_columnasTemporales;  // temporary table -> its Jet columns
  // Loaded table -> its Jet columns, while one statement is prepared: its translation asks
  // for them at every column it names.
  std::map<QString, TColumnasTipadas> F_columnasCargadas;
  int F_nTemporales = 0;
  std::map<QString, qint64> F_filas;  // temporary table -> its rows
  std::map<QString, bool> F_enSitio;  // filter of a temporary table -> read in place
  std::map<QString, std::vector<bool>> F_columnasDeTexto;  // translated SQL -> its columns that hold text
  std::set<QString> F_indicesBase;  // kept indexes on loaded tables, quoted
};

}  // namespace ado::jet
