#pragma once

#include "ado/ConexionADO.h"
#include "ado/Consolidacion.h"

#include <QSet>
#include <QString>
#include <optional>
#include <vector>

struct sqlite3;

namespace ado {

class TArchivoMdb;

// SQLite column type of each Jet type. Dates keep Jet's day number under
// "DATETIME", Currency and Decimal their exact forms (jet/ExactoJet.h) under "CURRENCY" and
// "DECIMAL", texts the "JET" collation.
QString TipoSqlite(int nTipoJet);

// The columns to copy of a table, upper case; none: all of them.
using TColumnasCargadas = std::optional<QSet<QString>>;

// A copied table: its name in db, and which of its columns were copied (upper case).
struct TTablaCargada {
  QString sNombre;
  QSet<QString> cargadas;
  QSet<QString> todas;
};

// Copies a table of the file into db under the file's spelling of its name, in one
// transaction: the columns asked for (the first one when none of them is the table's, so
// its rows are there to count). Throws EErrorADO when the file has no such table or a page
// is damaged (nothing is left half loaded).
TTablaCargada CargaTabla(TArchivoMdb& Archivo, sqlite3* db, const QString& sTabla, const TColumnasCargadas& columnas,
                         const TConexionADO::TProgresoCarga& Progreso);

// The same table of the head office's file and of each branch's (Archivos in the order
// of Consolidacion: head first), rows mapped by its rules, as one table of db.
TTablaCargada CargaTablaConsolidada(const std::vector<TArchivoMdb*>& Archivos, const TConsolidacionJet& Consolidacion,
                                    sqlite3* db, const QString& sTabla, const TColumnasCargadas& columnas,
                                    const TConexionADO::TProgresoCarga& Progreso);

// "name" quoted for SQLite.
QString NombreSqlite(const QString& sNombre);

}  // namespace ado
