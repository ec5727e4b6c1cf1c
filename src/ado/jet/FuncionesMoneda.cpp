// Currency arithmetic: exact on integers of ten-thousandths, as Jet keeps Currency (the
// emitter passes every operand already as such; ExactoJet.h).
#include "ado/jet/FuncionesSQLite.h"

#include "ado/jet/ExactoJet.h"
#include "ado/jet/ValorSQLite.h"

#include <cmath>
#include <sqlite3.h>

namespace ado::jet {

namespace {

constexpr __int128 CC_MAXIMO = INT64_MAX;  // Currency is a 64-bit integer

void Resultado(sqlite3_context* ctx, __int128 n) {
  if (n > CC_MAXIMO || n < -CC_MAXIMO - 1) return sqlite3_result_error(ctx, CC_DESBORDAMIENTO, -1);
  sqlite3_result_int64(ctx, qint64(n));
}

// Operands are ten-thousandths already.
template <int N_ARGUMENTOS, typename TOperacion>
void Opera(sqlite3_context* ctx, sqlite3_value** argv, TOperacion Operacion) {
  if (AlgunoNulo(N_ARGUMENTOS, argv)) return sqlite3_result_null(ctx);
  for (int i = 0; i < N_ARGUMENTOS; ++i)
    if (sqlite3_value_type(argv[i]) != SQLITE_INTEGER) return sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
  const __int128 a = sqlite3_value_int64(argv[0]);
  const __int128 b = N_ARGUMENTOS > 1 ? sqlite3_value_int64(argv[N_ARGUMENTOS - 1]) : 0;
  Resultado(ctx, Operacion(a, b));
}

void Mas(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Opera<2>(ctx, argv, [](__int128 a, __int128 b) { return a + b; });
}

void Menos(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Opera<2>(ctx, argv, [](__int128 a, __int128 b) { return a - b; });
}

void Por(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Opera<2>(ctx, argv, [](__int128 a, __int128 b) { return DivideAlPar(a * b, 10000); });
}

void Absoluto(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Opera<1>(ctx, argv, [](__int128 a, __int128) { return a < 0 ? -a : a; });
}

// Int rounds towards minus infinity, Fix towards zero; both stay Currency.
void Piso(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Opera<1>(ctx, argv, [](__int128 a, __int128) { return (a >= 0 || a % 10000 == 0 ? a / 10000 : a / 10000 - 1) * 10000; });
}

void Trunca(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Opera<1>(ctx, argv, [](__int128 a, __int128) { return a / 10000 * 10000; });
}

// Round(x[, n]): half to even at n decimals (0 without n); four or more leave it as it is.
void Redondea(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AlgunoNulo(argc, argv)) return sqlite3_result_null(ctx);
  const auto decimales = argc > 1 ? Numero(argv[1]) : TNumero{true, 0, 0};
  if (sqlite3_value_type(argv[0]) != SQLITE_INTEGER || !decimales) return sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
  const qint64 n = decimales->bEntero ? decimales->n : qint64(std::nearbyint(decimales->d));
  if (n < 0) return sqlite3_result_error(ctx, CC_ARGUMENTO_NO_VALIDO, -1);
  const __int128 a = sqlite3_value_int64(argv[0]);
  if (n >= 4) return Resultado(ctx, a);
  __int128 d = 1;
  for (qint64 i = n; i < 4; ++i) d *= 10;
  Resultado(ctx, DivideAlPar(a, d) * d);
}

// Any number, or a Decimal, to Currency: four decimals, half to even.
void AMoneda(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  if (sqlite3_value_type(argv[0]) == SQLITE_BLOB) {
    const auto decimal = TDecimalJet::DeClave(
        QByteArrayView(static_cast<const char*>(sqlite3_value_blob(argv[0])), sqlite3_value_bytes(argv[0])));
    if (!decimal) return sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
    const auto n = decimal->Moneda();
    if (!n) return sqlite3_result_error(ctx, CC_DESBORDAMIENTO, -1);
    return sqlite3_result_int64(ctx, *n);
  }
  const auto a = Numero(argv[0]);
  if (!a) return sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
  if (!a->bEntero && !(std::fabs(a->d) < 9.3e14)) return sqlite3_result_error(ctx, CC_DESBORDAMIENTO, -1);
  Resultado(ctx, DiezmilesimasDe(*a));
}

// Where the translator cannot keep Currency: the double nearest it.
void ADoble(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) != SQLITE_INTEGER) return sqlite3_result_value(ctx, argv[0]);
  sqlite3_result_double(ctx, DobleDeDiezmilesimas(sqlite3_value_int64(argv[0])));
}

}  // namespace

void RegistraFuncionesMoneda(sqlite3* db) {
  RegistraFuncion(db, "jet_mon_mas", 2, Mas);
  RegistraFuncion(db, "jet_mon_menos", 2, Menos);
  RegistraFuncion(db, "jet_mon_por", 2, Por);
  RegistraFuncion(db, "jet_mon_abs", 1, Absoluto);
  RegistraFuncion(db, "jet_mon_int", 1, Piso);
  RegistraFuncion(db, "jet_mon_fix", 1, Trunca);
  RegistraFuncion(db, "jet_mon_round", -1, Redondea);
  RegistraFuncion(db, "jet_mon", 1, AMoneda);
  RegistraFuncion(db, "jet_mon_real", 1, ADoble);
}

}  // namespace ado::jet
