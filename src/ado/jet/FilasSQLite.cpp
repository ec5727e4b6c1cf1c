#include "ado/jet/IIFilasJet.h"

#include <QString>
#include <sqlite3.h>

namespace ado::jet {

bool ColumnaDeTexto(const char* sTipo) {
  if (!sTipo || !*sTipo) return true;
  const QString s = QString::fromUtf8(sTipo).toUpper();
  return s.contains(QLatin1String("CHAR")) || s.contains(QLatin1String("TEXT")) || s.contains(QLatin1String("CLOB"));
}

int TFilasSQLite::Paso() { return sqlite3_step(F_stmt); }

int TFilasSQLite::Columnas() const { return sqlite3_column_count(F_stmt); }

sqlite3_value* TFilasSQLite::Valor(int i) { return sqlite3_column_value(F_stmt, i); }

bool TFilasSQLite::Texto(int i) const { return ColumnaDeTexto(sqlite3_column_decltype(F_stmt, i)); }

}  // namespace ado::jet
