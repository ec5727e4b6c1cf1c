#pragma once

#include "ado/jet/Arbol.h"
#include "ado/jet/TipoJet.h"

#include <functional>

namespace ado::jet {

// The columns of a table the query names, with their Jet types (empty when unknown).
using TCatalogoJet = std::function<TColumnasTipadas(const QString& sTabla)>;

struct TSqlTipado {
  QString sSql;
  TColumnasTipadas columnas;  // the result columns: name and Jet type
};

// Writes a parsed Jet query as SQLite SQL, applying the rules of ReglasJet; the catalogue
// gives the types that Jet's arithmetic depends on. The result needs the functions and the
// collation of RegistraReglas.
TSqlTipado EmiteSQLiteTipado(const TConsulta& consulta, const TCatalogoJet& catalogo);
QString EmiteSQLite(const TConsulta& consulta, const TCatalogoJet& catalogo);

// A name as an SQLite identifier ("..." with inner quotes doubled).
QString CitaNombre(const QString& sNombre);

}  // namespace ado::jet
