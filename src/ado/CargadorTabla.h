#pragma once

#include "ado/ConexionADO.h"
#include "ado/Consolidacion.h"

#include <QString>
#include <vector>

struct sqlite3;

namespace ado {

class TArchivoMdb;

// SQLite column type of each Jet type. Dates keep Jet's day number under
// "DATETIME", Currency and Decimal their exact forms (jet/ExactoJet.h) under "CURRENCY" and
// "DECIMAL", texts the "JET" collation.
QString TipoSqlite(int nTipoJet);

// Copies a table of the file into db under the file's spelling of its name, in
// one transaction; returns that name. Throws EErrorADO when the file has no
// such table or a page is damaged (nothing is left half loaded).
QString CargaTabla(TArchivoMdb& Archivo, sqlite3* db, const QString& sTabla,
                   const TConexionADO::TProgresoCarga& Progreso);

// The same table of the head office's file and of each branch's (Archivos in the order
// of Consolidacion: head first), rows mapped by its rules, as one table of db.
QString CargaTablaConsolidada(const std::vector<TArchivoMdb*>& Archivos, const TConsolidacionJet& Consolidacion,
                              sqlite3* db, const QString& sTabla, const TConexionADO::TProgresoCarga& Progreso);

// "name" quoted for SQLite.
QString NombreSqlite(const QString& sNombre);

}  // namespace ado
