// Currency arithmetic: exact on integers of ten-thousandths, as Jet keeps Currency.
#include "ado/jet/FuncionesSQLite.h"

#include "ado/jet/ValorSQLite.h"

#include <cmath>
#include <sqlite3.h>

namespace ado::jet {

namespace {

constexpr __int128 CC_MAXIMO = INT64_MAX;  // Currency is a 64-bit integer

// Half to even, as Jet rounds a Currency result: n / d for d > 0.
__int128 DivideAlPar(__int128 n, __int128 d) {
  __int128 q = n / d, r = n % d;
  if (r < 0) {
    --q;
    r += d;
  }
  if (2 * r > d || (2 * r == d && (q & 1))) ++q;
  return q;
}

void Resultado(sqlite3_context* ctx, __int128 n) {
  if (n > CC_MAXIMO || n < -CC_MAXIMO - 1) return sqlite3_result_error(ctx, CC_DESBORDAMIENTO, -1);
  sqlite3_result_double(ctx, DobleDeDiezmilesimas(n));
}

template <typename TOperacion>
void Opera(sqlite3_context* ctx, sqlite3_value** argv, TOperacion Operacion) {
  if (AlgunoNulo(2, argv)) return sqlite3_result_null(ctx);
  const auto a = Numero(argv[0]), b = Numero(argv[1]);
  if (!a || !b) return sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
  Resultado(ctx, Operacion(DiezmilesimasDe(*a), DiezmilesimasDe(*b)));
}

void Mas(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Opera(ctx, argv, [](__int128 a, __int128 b) { return a + b; });
}

void Menos(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Opera(ctx, argv, [](__int128 a, __int128 b) { return a - b; });
}

void Por(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Opera(ctx, argv, [](__int128 a, __int128 b) { return DivideAlPar(a * b, 10000); });
}

// Any number to Currency: four decimals, half to even.
void AMoneda(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  const auto a = Numero(argv[0]);
  if (!a) return sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
  if (!a->bEntero && !(std::fabs(a->d) < 9.3e14)) return sqlite3_result_error(ctx, CC_DESBORDAMIENTO, -1);
  Resultado(ctx, DiezmilesimasDe(*a));
}

}  // namespace

void RegistraFuncionesMoneda(sqlite3* db) {
  RegistraFuncion(db, "jet_mon_mas", 2, Mas);
  RegistraFuncion(db, "jet_mon_menos", 2, Menos);
  RegistraFuncion(db, "jet_mon_por", 2, Por);
  RegistraFuncion(db, "jet_mon", 1, AMoneda);
}

}  // namespace ado::jet
