#pragma once

#include "ado/jet/Arbol.h"

namespace ado::jet {

// Writes a parsed Jet query as SQLite SQL, applying the rules of ReglasJet. The result
// needs the functions and the collation of RegistraReglas.
QString EmiteSQLite(const TConsulta& consulta);

// A name as an SQLite identifier ("..." with inner quotes doubled).
QString CitaNombre(const QString& sNombre);

}  // namespace ado::jet
