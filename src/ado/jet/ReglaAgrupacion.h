#pragma once

#include "ado/jet/Arbol.h"

namespace ado::jet {

// Jet refuses a grouped or aggregated SELECT whose list, HAVING or ORDER BY reads a column
// outside the GROUP BY and outside every aggregate (SQLite would give some row's value).
// Checks every part and every derived table; throws EErrorADO naming the column.
void ValidaAgrupacion(const TConsulta& consulta);

// A SELECT with GROUP BY, HAVING or an aggregate in its list: it yields one row per group.
bool EsAgrupada(const TSelect& select);

// Which GROUP BY term of select a plain column is (an unqualified name matches a qualified
// one), or -1.
int IndiceEnGrupo(const TExpresion& e, const TSelect& select);

// The same expression as written, ignoring letter case of names; an unqualified column
// matches a qualified one of the same name.
bool MismaExpresion(const TExpresion& a, const TExpresion& b);

// COUNT(*) or COUNT of a number: the rows of the group.
bool EsConteoDeFilas(const TExpresion& e);

}  // namespace ado::jet
