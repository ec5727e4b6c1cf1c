#pragma once

#include "ado/jet/Arbol.h"
#include "ado/jet/IIFilasJet.h"

#include <QStringList>
#include <QtGlobal>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct sqlite3_stmt;
struct sqlite3_value;

namespace ado::jet {

// A grouping whose keys are columns and whose aggregates are COUNT and SUM is done by
// hashing the rows: SQLite groups by sorting, and sorting many rows on text keys under the
// JET collation is what makes such a grouping slow.
struct TAgrupacionHash {
  // An output column: a key (its group's smallest spelling in binary order, as every plan
  // shows a grouped text column; numbers of one group are equal), the group's rows, or the
  // count or SUM of an argument.
  struct TSalida {
    enum class TClase { Clave, Filas, Valores, Suma } clase;
    int n;  // Clave: the key; Valores, Suma: the argument
  };
  std::vector<TSalida> salidas;
  int nClaves = 0;
  std::unique_ptr<TConsulta> pFilas;  // the rows to group: the keys, then the arguments
};

// Empty when the grouping has another shape (ORDER BY, HAVING, DISTINCT, TOP, other
// aggregates, computed keys).
std::optional<TAgrupacionHash> PlanAgrupacionHash(const TConsulta& consulta);

// A top-level grouping of that shape, ordered (if at all) by its keys and aggregates, reads
// instead a kept grouping of its rows (hashed), which it groups again: one row per group,
// so SQLite's sort is short. Nombres gives the query's column names, which stay. False when
// it cannot.
bool AgrupaAparte(TConsulta& consulta, const std::function<QStringList()>& Nombres);

// Groups the rows filas yields (keys whose texts compare under the JET collation by that,
// the others byte for byte) and runs insercion once per group, in the order of their keys as
// SQLite's grouping gives them. Returns SQLITE_DONE; CC_REDUCE_POCO, having inserted
// nothing, when the first rows are mostly groups of their own; CC_OTRO_PLAN, likewise, when
// filas cannot give its rows; SQLITE_MISMATCH for a SUM of something that is not a number;
// CC_DESBORDA for a SUM beyond its type; or the code of the failed step. "Mostly" is judged
// on the first CC_FILAS_DE_PRUEBA rows; with bTablaGrande (it reads a table of at least that
// many rows), already on the first CC_FILAS_PRIMERA_PRUEBA when nearly all of them are
// groups of their own.
inline constexpr int CC_REDUCE_POCO = -1;
inline constexpr int CC_DESBORDA = -2;
inline constexpr qint64 CC_FILAS_DE_PRUEBA = 65536;
inline constexpr qint64 CC_FILAS_PRIMERA_PRUEBA = 8192;
int AgrupaPorHash(IFilasJet& filas, const TAgrupacionHash& plan, bool bTablaGrande, sqlite3_stmt* insercion,
                  qint64& nGrupos);

// Appends a value so that two values append the same bytes exactly when SQLite's grouping
// holds them equal: Nulls together, 1 and 1.0 together, texts by their collation (bJet: the
// JET collation, else byte for byte).
void AgregaClave(std::string& clave, sqlite3_value* valor, bool bJet);

}  // namespace ado::jet
