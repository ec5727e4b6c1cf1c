#pragma once

#include "ado/jet/Arbol.h"
#include "ado/jet/TipoJet.h"

namespace ado::jet {

// Puts the given values of the query's PARAMETERS where their names are used, as literals
// of the declared type (a Currency one stays Currency). A declared parameter without a
// value, or a value that is not of its type, is refused naming the parameter.
void SustituyeParametros(TConsulta& consulta, const TParametrosJet& valores);

}  // namespace ado::jet
