#pragma once

#include "ado/jet/Arbol.h"

namespace ado::jet {

// SELECT g, COUNT(1) AS n FROM (SELECT columns FROM ... WHERE ... AND column = literal) AS d
// GROUP BY g: the derived table's filters by a literal become keys of a grouping that counts
// its rows by every column it has, and the query adds up those counts for its literal. The
// grouping's text is the same whatever the literals, so queries that differ only in them
// share one kept table instead of joining once each. Returns whether it rewrote.
bool PreagregaConteos(TConsulta& consulta);

}  // namespace ado::jet
