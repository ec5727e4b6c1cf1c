// Decimal arithmetic and the texts of exact numbers (Currency and Decimal, ExactoJet.h).
#include "ado/jet/FuncionesSQLite.h"

#include "ado/jet/ExactoJet.h"
#include "ado/jet/FormatoJet.h"
#include "ado/jet/Regional.h"
#include "ado/jet/SumaJet.h"
#include "ado/jet/ValorSQLite.h"

#include <cmath>
#include <sqlite3.h>

namespace ado::jet {

namespace {

std::optional<TDecimalJet> DeClave(sqlite3_value* v) {
  return TDecimalJet::DeClave(QByteArrayView(static_cast<const char*>(sqlite3_value_blob(v)), sqlite3_value_bytes(v)));
}

// Any number, or a Decimal, as a Decimal (a text exactly as written); nullopt for what is
// not a number.
std::optional<TDecimalJet> Decimal(sqlite3_value* v) {
  if (sqlite3_value_type(v) == SQLITE_BLOB) return DeClave(v);
  if (sqlite3_value_type(v) == SQLITE_TEXT)
    if (const auto d = TDecimalJet::DeTexto(Texto(v).trimmed())) return d;
  const auto n = Numero(v);
  if (!n) return std::nullopt;
  return n->bEntero ? TDecimalJet::DeEntero(n->n) : TDecimalJet::DeDoble(n->d);
}

void ResultadoDecimal(sqlite3_context* ctx, const std::optional<TDecimalJet>& d) {
  if (!d) return sqlite3_result_error(ctx, CC_DESBORDAMIENTO, -1);
  const QByteArray s = d->Clave();
  sqlite3_result_blob(ctx, s.constData(), int(s.size()), SQLITE_TRANSIENT);
}

// Operands are Decimals already; nullopt ends the call with Jet's error.
template <int N_ARGUMENTOS, typename TOperacion>
void Opera(sqlite3_context* ctx, sqlite3_value** argv, TOperacion Operacion) {
  if (AlgunoNulo(N_ARGUMENTOS, argv)) return sqlite3_result_null(ctx);
  std::optional<TDecimalJet> valores[N_ARGUMENTOS];
  for (int i = 0; i < N_ARGUMENTOS; ++i)
    if (sqlite3_value_type(argv[i]) != SQLITE_BLOB || !(valores[i] = DeClave(argv[i])))
      return sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
  ResultadoDecimal(ctx, Operacion(*valores[0], *valores[N_ARGUMENTOS - 1]));
}

void Mas(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Opera<2>(ctx, argv, [](const TDecimalJet& a, const TDecimalJet& b) { return a.Mas(b); });
}

void Menos(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Opera<2>(ctx, argv, [](const TDecimalJet& a, const TDecimalJet& b) { return a.Menos(b); });
}

void Por(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Opera<2>(ctx, argv, [](const TDecimalJet& a, const TDecimalJet& b) { return a.Por(b); });
}

void Divide(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[1]) == SQLITE_BLOB)
    if (const auto b = DeClave(argv[1]); b && b->EsCero() && sqlite3_value_type(argv[0]) != SQLITE_NULL)
      return sqlite3_result_error(ctx, CC_DIVISION_POR_CERO, -1);
  Opera<2>(ctx, argv, [](const TDecimalJet& a, const TDecimalJet& b) { return a.Entre(b); });
}

void Negado(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Opera<1>(ctx, argv, [](const TDecimalJet& a, const TDecimalJet&) { return std::optional(a.Negado()); });
}

void Absoluto(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Opera<1>(ctx, argv, [](const TDecimalJet& a, const TDecimalJet&) { return std::optional(a.Absoluto()); });
}

void Piso(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Opera<1>(ctx, argv, [](const TDecimalJet& a, const TDecimalJet&) { return std::optional(a.Piso()); });
}

void Trunca(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Opera<1>(ctx, argv, [](const TDecimalJet& a, const TDecimalJet&) { return std::optional(a.Truncado()); });
}

// Round(x[, n]): half to even at n decimals (0 without n).
void Redondea(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AlgunoNulo(argc, argv)) return sqlite3_result_null(ctx);
  const auto decimales = argc > 1 ? Numero(argv[1]) : TNumero{true, 0, 0};
  const auto valor = sqlite3_value_type(argv[0]) == SQLITE_BLOB ? DeClave(argv[0]) : std::nullopt;
  if (!valor || !decimales) return sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
  const qint64 n = decimales->bEntero ? decimales->n : qint64(std::nearbyint(decimales->d));
  if (n < 0 || n > TDecimalJet::CC_MAX_DIGITOS) return sqlite3_result_error(ctx, CC_ARGUMENTO_NO_VALIDO, -1);
  ResultadoDecimal(ctx, valor->Redondeado(int(n)));
}

// Any number (or numeric text) to a Decimal.
void ADecimal(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  const auto d = Decimal(argv[0]);
  if (!d && sqlite3_value_type(argv[0]) != SQLITE_FLOAT) return sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
  ResultadoDecimal(ctx, d);
}

// Currency's ten-thousandths to a Decimal.
void DeMoneda(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  if (sqlite3_value_type(argv[0]) != SQLITE_INTEGER) return sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
  ResultadoDecimal(ctx, TDecimalJet::DeMoneda(sqlite3_value_int64(argv[0])));
}

// Where the translator cannot keep a Decimal: the double nearest it.
void ADoble(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) != SQLITE_BLOB) return sqlite3_result_value(ctx, argv[0]);
  const auto d = DeClave(argv[0]);
  if (!d) return sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
  sqlite3_result_double(ctx, d->Doble());
}

std::optional<TDecimalJet> Exacto(sqlite3_value* v, bool bMoneda) {
  if (bMoneda && sqlite3_value_type(v) == SQLITE_INTEGER) return TDecimalJet::DeMoneda(sqlite3_value_int64(v));
  if (!bMoneda && sqlite3_value_type(v) == SQLITE_BLOB) return DeClave(v);
  return std::nullopt;
}

// The exact text with the regional decimal separator.
std::optional<QString> TextoExacto(sqlite3_context* ctx, sqlite3_value* v, bool bMoneda) {
  const auto d = Exacto(v, bMoneda);
  if (!d) return std::nullopt;
  return QString::fromLatin1(d->Texto()).replace(u'.', RegionalDe(ctx).Locale().decimalPoint());
}

// The exact text with a point, as & joins a number to a text; Null stays Null.
template <bool B_MONEDA>
void TextoConPunto(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  const auto d = Exacto(argv[0], B_MONEDA);
  if (!d) return sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
  ResultadoTexto(ctx, d->Texto());
}

template <bool B_MONEDA>
void CStr(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  const auto s = TextoExacto(ctx, argv[0], B_MONEDA);
  if (!s) return sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
  ResultadoTexto(ctx, s->toUtf8());
}

// Format(x): the exact text; with a format, the number's format (or a date's) on its double.
template <bool B_MONEDA>
void Formato(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  const QString sFormato =
      argc > 1 && sqlite3_value_type(argv[1]) != SQLITE_NULL ? QString::fromUtf8(Texto(argv[1])) : QString();
  if (sFormato.isEmpty()) return CStr<B_MONEDA>(ctx, 1, argv);
  const auto exacto = Exacto(argv[0], B_MONEDA);
  if (!exacto) return sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
  const double d = exacto->Doble();
  const auto s = FormateaNumero(d, sFormato, RegionalDe(ctx), exacto->Texto());
  ResultadoTexto(ctx, (s ? *s : FormateaFecha(d, sFormato, RegionalDe(ctx))).toUtf8());
}

}  // namespace

void ResultadoSuma(sqlite3_context* ctx, const TSumaJet::TTotal& total) {
  using C = TSumaJet::TTotal::TClase;
  switch (total.clase) {
    case C::Nulo: return sqlite3_result_null(ctx);
    case C::Entero: return sqlite3_result_int64(ctx, total.n);
    case C::Real: return sqlite3_result_double(ctx, total.d);
    case C::Decimal: return ResultadoDecimal(ctx, total.decimal);
    case C::Desborda: return sqlite3_result_error(ctx, CC_DESBORDAMIENTO, -1);
  }
}

void RegistraFuncionesDecimal(sqlite3* db, const TRegional& regional) {
  RegistraFuncion(db, "jet_dec_mas", 2, Mas);
  RegistraFuncion(db, "jet_dec_menos", 2, Menos);
  RegistraFuncion(db, "jet_dec_por", 2, Por);
  RegistraFuncion(db, "jet_dec_entre", 2, Divide);
  RegistraFuncion(db, "jet_dec_neg", 1, Negado);
  RegistraFuncion(db, "jet_dec_abs", 1, Absoluto);
  RegistraFuncion(db, "jet_dec_int", 1, Piso);
  RegistraFuncion(db, "jet_dec_fix", 1, Trunca);
  RegistraFuncion(db, "jet_dec_round", -1, Redondea);
  RegistraFuncion(db, "jet_dec", 1, ADecimal);
  RegistraFuncion(db, "jet_dec_mon", 1, DeMoneda);
  RegistraFuncion(db, "jet_dec_real", 1, ADoble);
  RegistraFuncion(db, "jet_mon_texto", 1, TextoConPunto<true>);
  RegistraFuncion(db, "jet_dec_texto", 1, TextoConPunto<false>);
  RegistraFuncion(db, "jet_cstr_mon", 1, CStr<true>, &regional);
  RegistraFuncion(db, "jet_cstr_dec", 1, CStr<false>, &regional);
  RegistraFuncion(db, "jet_format_mon", -1, Formato<true>, &regional);
  RegistraFuncion(db, "jet_format_dec", -1, Formato<false>, &regional);
}

}  // namespace ado::jet
