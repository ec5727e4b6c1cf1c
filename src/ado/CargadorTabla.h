#pragma once

#include "ado/ConexionADO.h"

#include <QString>

struct sqlite3;

namespace ado {

class TArchivoMdb;

// SQLite column type of each Jet type. Dates keep Jet's day number under
// "DATETIME", Currency its value under "CURRENCY", texts the "JET" collation.
QString TipoSqlite(int nTipoJet);

// Copies a table of the file into db under the file's spelling of its name, in
// one transaction; returns that name. Throws EErrorADO when the file has no
// such table or a page is damaged (nothing is left half loaded).
QString CargaTabla(TArchivoMdb& Archivo, sqlite3* db, const QString& sTabla,
                   const TConexionADO::TProgresoCarga& Progreso);

// "name" quoted for SQLite.
QString NombreSqlite(const QString& sNombre);

}  // namespace ado
