// Dates: Jet day numbers, their text in the regional settings.
#include "ado/jet/FuncionesSQLite.h"

#include "ado/jet/Regional.h"
#include "ado/jet/ValorSQLite.h"

#include <sqlite3.h>

namespace ado::jet {

namespace {

// A date joined to text: Jet's general date in the regional settings. Anything else passes.
void FechaTexto(sqlite3_context* ctx, int, sqlite3_value** argv) {
  const int nTipo = sqlite3_value_type(argv[0]);
  if (nTipo != SQLITE_INTEGER && nTipo != SQLITE_FLOAT) return sqlite3_result_value(ctx, argv[0]);
  ResultadoTexto(ctx, RegionalDe(ctx).FechaGeneral(sqlite3_value_double(argv[0])).toUtf8());
}

}  // namespace

void RegistraFuncionesFecha(sqlite3* db, const TRegional& regional) {
  RegistraFuncion(db, "jet_fecha_texto", 1, FechaTexto, &regional);
}

}  // namespace ado::jet
