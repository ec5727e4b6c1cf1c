#pragma once

#include "ado/jet/Arbol.h"

#include <QtGlobal>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3_stmt;

namespace ado::jet {

// A grouping whose keys are columns and whose aggregates count rows is done by hashing the
// rows: SQLite groups by sorting, and sorting many rows on text keys under the JET
// collation is what makes such a grouping slow.
struct TAgrupacionHash {
  // For each output column, the key it shows or -1 for a count of rows. A key shows the
  // group's smallest spelling in binary order, as the grouped text columns of every plan do
  // (numbers of one group are equal).
  std::vector<int> salidas;
  std::unique_ptr<TConsulta> pFilas;  // the rows to group, one column per key
};

// Empty when the grouping has another shape.
std::optional<TAgrupacionHash> PlanAgrupacionHash(const TConsulta& consulta);

// Groups the rows filas yields (one column per key; clavesJet: the keys whose texts compare
// under the JET collation, the others byte for byte) and runs insercion once per group, in
// the order the groups first appear. Returns SQLITE_DONE, or the code of the failed step.
int AgrupaPorHash(sqlite3_stmt* filas, const std::vector<bool>& clavesJet,
                  const std::vector<int>& salidas, sqlite3_stmt* insercion, qint64& nGrupos);

}  // namespace ado::jet
