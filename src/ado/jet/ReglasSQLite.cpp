#include "ado/jet/ReglasSQLite.h"

#include "ado/jet/ErrorJet.h"
#include "ado/jet/FuncionesSQLite.h"
#include "ado/jet/Regional.h"
#include "ado/jet/SumaJet.h"
#include "ado/jet/TextoJet.h"
#include "ado/jet/ValorSQLite.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <sqlite3.h>

namespace ado::jet {

namespace {

int Colacion(void*, int na, const void* a, int nb, const void* b) {
  return ComparaJet(static_cast<const char*>(a), na, static_cast<const char*>(b), nb);
}

void Like(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (AlgunoNulo(2, argv)) return sqlite3_result_null(ctx);
  auto* patron = static_cast<TPatronLike*>(sqlite3_get_auxdata(ctx, 1));
  if (!patron) {
    const QByteArray sPatron = ComoTexto(argv[1]);
    patron = new TPatronLike(sPatron.constData(), int(sPatron.size()));
    sqlite3_set_auxdata(ctx, 1, patron, [](void* p) { delete static_cast<TPatronLike*>(p); });
    patron = static_cast<TPatronLike*>(sqlite3_get_auxdata(ctx, 1));
    if (!patron) return sqlite3_result_error_nomem(ctx);
  }
  const QByteArray sTexto = ComoTexto(argv[0]);
  sqlite3_result_int(ctx, patron->Coincide(sTexto.constData(), int(sTexto.size())) ? 1 : 0);
}

// a + b: text + text joins; Null on either side gives Null; otherwise numbers add.
void Mas(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (AlgunoNulo(2, argv)) return sqlite3_result_null(ctx);
  if (sqlite3_value_type(argv[0]) == SQLITE_TEXT && sqlite3_value_type(argv[1]) == SQLITE_TEXT)
    return ResultadoTexto(ctx, Texto(argv[0]) + Texto(argv[1]));
  const auto a = Numero(argv[0]), b = Numero(argv[1]);
  if (!a || !b) return sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
  qint64 nSuma = 0;
  if (a->bEntero && b->bEntero && !__builtin_add_overflow(a->n, b->n, &nSuma))
    return sqlite3_result_int64(ctx, nSuma);
  sqlite3_result_double(ctx, a->d + b->d);
}

// a & b: always text, one Null as empty; Null & Null is Null.
void Concatena(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL && sqlite3_value_type(argv[1]) == SQLITE_NULL)
    return sqlite3_result_null(ctx);
  QByteArray s;
  for (int i = 0; i < 2; ++i)
    if (sqlite3_value_type(argv[i]) != SQLITE_NULL) s += ComoTexto(argv[i]);
  ResultadoTexto(ctx, s);
}

// a / b: always floating point; dividing by zero is an error, as in Jet.
void Divide(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (AlgunoNulo(2, argv)) return sqlite3_result_null(ctx);
  const auto a = Numero(argv[0]), b = Numero(argv[1]);
  if (!a || !b) return sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
  if (b->d == 0) return sqlite3_result_error(ctx, CC_DIVISION_POR_CERO, -1);
  sqlite3_result_double(ctx, a->d / b->d);
}

void SumaPaso(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return;
  TSumaJet* suma = SumaDelContexto(ctx, true);
  if (!suma) return sqlite3_result_error_nomem(ctx);
  if (!suma->Agrega(argv[0])) sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
}

void SumaFin(sqlite3_context* ctx) {
  const TSumaJet* suma = SumaDelContexto(ctx, false);
  if (!suma) return sqlite3_result_null(ctx);
  ResultadoSuma(ctx, suma->Total());
}

// Avg of Currency is Currency, of a Decimal a Decimal (SumaPaso gathers their values).
void PromedioFin(sqlite3_context* ctx) {
  const TSumaJet* suma = SumaDelContexto(ctx, false);
  if (!suma) return sqlite3_result_null(ctx);
  ResultadoSuma(ctx, suma->Promedio());
}

// A subquery used as a value returned more than one row.
void VariasFilas(sqlite3_context* ctx, int, sqlite3_value**) {
  sqlite3_result_error(ctx, "A lo sumo un registro puede ser devuelto por esta subconsulta.", -1);
}

}  // namespace

void RegistraReglas(sqlite3* db, const QLocale& locale) {
  const int nDeterminista = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
  // The emitter quotes every name with "": an unknown one must fail, never become a text.
  VerificaRegistro(db, sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr));
  VerificaRegistro(db, sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr));
  VerificaRegistro(db, sqlite3_create_collation(db, "JET", SQLITE_UTF8, nullptr, Colacion));
  VerificaRegistro(db, sqlite3_create_function(db, "jet_like", 2, nDeterminista, nullptr, Like, nullptr, nullptr));
  VerificaRegistro(db, sqlite3_create_function(db, "jet_mas", 2, nDeterminista, nullptr, Mas, nullptr, nullptr));
  VerificaRegistro(db, sqlite3_create_function(db, "jet_concat", 2, nDeterminista, nullptr, Concatena, nullptr, nullptr));
  VerificaRegistro(db, sqlite3_create_function(db, "jet_div", 2, nDeterminista, nullptr, Divide, nullptr, nullptr));
  VerificaRegistro(db, sqlite3_create_function(db, "jet_sum", 1, nDeterminista, nullptr, nullptr, SumaPaso, SumaFin));
  VerificaRegistro(db, sqlite3_create_function(db, "jet_avg_exacto", 1, nDeterminista, nullptr, nullptr, SumaPaso, PromedioFin));
  RegistraFuncion(db, "jet_varias_filas", 0, VariasFilas);
  RegistraFuncionesMoneda(db);
  const TRegional regional(locale);
  RegistraFuncionesFecha(db, regional);
  RegistraFuncionesNumero(db);
  RegistraFuncionesTexto(db, regional);
  RegistraFuncionesFormato(db, regional);
  RegistraFuncionesDecimal(db, regional);
  RegistraAgregados(db);
}

}  // namespace ado::jet
