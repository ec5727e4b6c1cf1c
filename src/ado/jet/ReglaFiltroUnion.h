#pragma once

#include "ado/jet/Arbol.h"
#include "ado/jet/EmisorSQLite.h"

namespace ado::jet {

// SELECT ... FROM (SELECT ... UNION ALL SELECT ...) WHERE filter: the filter moves into every
// part, on the columns each part gives at the filtered places. SQLite pushes such a filter
// into the parts itself but tests it again outside, twice per row. Only a filter that cannot
// fail, whose columns every part takes from the one table it reads, with the same Jet type
// in every part (so the comparison is the same). Returns whether it moved the filter.
bool FiltraEnLasPartes(TConsulta& consulta, const TCatalogoJet& catalogo);

}  // namespace ado::jet
