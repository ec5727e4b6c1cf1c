// Jet's aggregates beyond SQLite's own: First, Last, StDev, StDevP, Var, VarP.
#include "ado/jet/FuncionesSQLite.h"

#include "ado/jet/ValorSQLite.h"

#include <cmath>
#include <sqlite3.h>

namespace ado::jet {

namespace {

// First and Last: the value of the group's first or last row as read, Null included.
struct TExtremo {
  sqlite3_value* pValor;
  bool bVisto;
};

template <bool B_ULTIMO>
void ExtremoPaso(sqlite3_context* ctx, int, sqlite3_value** argv) {
  auto* e = static_cast<TExtremo*>(sqlite3_aggregate_context(ctx, sizeof(TExtremo)));
  if (!e) return sqlite3_result_error_nomem(ctx);
  if (e->bVisto && !B_ULTIMO) return;
  sqlite3_value_free(e->pValor);
  e->pValor = sqlite3_value_dup(argv[0]);
  e->bVisto = true;
}

void ExtremoFin(sqlite3_context* ctx) {
  auto* e = static_cast<TExtremo*>(sqlite3_aggregate_context(ctx, 0));
  if (!e || !e->pValor) return sqlite3_result_null(ctx);
  sqlite3_result_value(ctx, e->pValor);
  sqlite3_value_free(e->pValor);
}

// Variance by Welford's method; Nulls left out.
struct TVarianza {
  qint64 n;
  double dMedia;
  double dM2;
};

void VarianzaPaso(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return;
  auto* v = static_cast<TVarianza*>(sqlite3_aggregate_context(ctx, sizeof(TVarianza)));
  if (!v) return sqlite3_result_error_nomem(ctx);
  const auto x = Numero(argv[0]);
  if (!x) return sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
  ++v->n;
  const double dDelta = x->d - v->dMedia;
  v->dMedia += dDelta / double(v->n);
  v->dM2 += dDelta * (x->d - v->dMedia);
}

// Sample statistics need two values and give Null with fewer; those of the population one.
template <bool B_POBLACION, bool B_RAIZ>
void VarianzaFin(sqlite3_context* ctx) {
  auto* v = static_cast<TVarianza*>(sqlite3_aggregate_context(ctx, 0));
  const qint64 nMinimo = B_POBLACION ? 1 : 2;
  if (!v || v->n < nMinimo) return sqlite3_result_null(ctx);
  const double dVarianza = v->dM2 / double(B_POBLACION ? v->n : v->n - 1);
  sqlite3_result_double(ctx, B_RAIZ ? std::sqrt(dVarianza) : dVarianza);
}

void Registra(sqlite3* db, const char* sNombre, void (*Paso)(sqlite3_context*, int, sqlite3_value**),
              void (*Fin)(sqlite3_context*)) {
  VerificaRegistro(db, sqlite3_create_function(db, sNombre, 1, SQLITE_UTF8, nullptr, nullptr, Paso, Fin));
}

}  // namespace

void RegistraAgregados(sqlite3* db) {
  Registra(db, "jet_first", ExtremoPaso<false>, ExtremoFin);
  Registra(db, "jet_last", ExtremoPaso<true>, ExtremoFin);
  Registra(db, "jet_stdev", VarianzaPaso, VarianzaFin<false, true>);
  Registra(db, "jet_stdevp", VarianzaPaso, VarianzaFin<true, true>);
  Registra(db, "jet_var", VarianzaPaso, VarianzaFin<false, false>);
  Registra(db, "jet_varp", VarianzaPaso, VarianzaFin<true, false>);
}

}  // namespace ado::jet
