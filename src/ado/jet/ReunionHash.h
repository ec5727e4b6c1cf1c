#pragma once

#include "ado/jet/Arbol.h"
#include "ado/jet/EmisorSQLite.h"
#include "ado/jet/IIFilasJet.h"

#include <QtGlobal>
#include <functional>
#include <memory>

struct sqlite3;

namespace ado::jet {

// The rows of SELECT columns FROM a, b, ... WHERE conditions, where the conditions are equal
// columns of two tables and filters of the largest table that cannot fail, joined by
// hashing: SQLite reads each table once, the largest with its filters streams and the others
// wait in hash tables by their join columns. SQLite's plan would look every row of the
// largest table up in each of the others' indexes instead. The same rows, in another order.
// Empty for another shape. Its rows answer CC_OTRO_PLAN when a join column holds a value it
// does not compare itself (numbers beside texts, reals, blobs), which SQLite's affinities
// decide, and when a table waiting in memory would hold more than 4 million values.
// Filas tells how many rows each table of a FROM item holds, about.
std::unique_ptr<IFilasJet> ReunePorHash(const TConsulta& consulta, const TCatalogoJet& catalogo, sqlite3* db,
                                        const std::function<qint64(const TFuente&)>& Filas);

}  // namespace ado::jet
