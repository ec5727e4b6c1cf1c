#pragma once
// Error texts that say where the bad input is: table, row (0-based) and column.
#include "mdbgen/EscritorMdb.h"

namespace mdbgen {

// "Tabla "T", fila 3, columna "C": detalle"; a negative row or empty column is left out.
EErrorMdb ErrorEn(const QString& sTabla, qint64 nFila, const QString& sColumna, const QString& sDetalle);

}  // namespace mdbgen
