#include "ado/jet/ReglasSQLite.h"

#include "ado/jet/ErrorJet.h"
#include "ado/jet/TextoJet.h"

#include <QByteArray>
#include <QString>
#include <cmath>
#include <optional>
#include <sqlite3.h>

namespace ado::jet {

namespace {

const char* const CC_TIPOS_NO_COINCIDEN = "No coinciden los tipos de datos en la expresión de criterios.";

int Colacion(void*, int na, const void* a, int nb, const void* b) {
  return ComparaJet(static_cast<const char*>(a), na, static_cast<const char*>(b), nb);
}

QByteArray Texto(sqlite3_value* v) {
  return QByteArray(reinterpret_cast<const char*>(sqlite3_value_text(v)), sqlite3_value_bytes(v));
}

// Jet writes a number as text with up to 15 significant digits.
QByteArray NumeroComoTexto(sqlite3_value* v) {
  if (sqlite3_value_type(v) == SQLITE_INTEGER) return QByteArray::number(sqlite3_value_int64(v));
  return QByteArray::number(sqlite3_value_double(v), 'g', 15).toUpper();
}

QByteArray ComoTexto(sqlite3_value* v) {
  const int nTipo = sqlite3_value_type(v);
  return nTipo == SQLITE_INTEGER || nTipo == SQLITE_FLOAT ? NumeroComoTexto(v) : Texto(v);
}

// A number, or a text that reads wholly as one; nullopt for other text.
struct TNumero {
  bool bEntero;
  qint64 n;
  double d;
};

std::optional<TNumero> Numero(sqlite3_value* v) {
  switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER: return TNumero{true, sqlite3_value_int64(v), double(sqlite3_value_int64(v))};
    case SQLITE_FLOAT: return TNumero{false, 0, sqlite3_value_double(v)};
    default: break;
  }
  const QByteArray s = Texto(v).trimmed();
  bool bOk = false;
  const qint64 n = s.toLongLong(&bOk);
  if (bOk) return TNumero{true, n, double(n)};
  const double d = s.toDouble(&bOk);
  if (bOk) return TNumero{false, 0, d};
  return std::nullopt;
}

bool AlgunoNulo(sqlite3_value** argv) {
  return sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL;
}

void Like(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (AlgunoNulo(argv)) return sqlite3_result_null(ctx);
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

void ResultadoTexto(sqlite3_context* ctx, const QByteArray& s) {
  sqlite3_result_text(ctx, s.constData(), int(s.size()), SQLITE_TRANSIENT);
}

// a + b: text + text joins; Null on either side gives Null; otherwise numbers add.
void Mas(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (AlgunoNulo(argv)) return sqlite3_result_null(ctx);
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
  if (AlgunoNulo(argv)) return sqlite3_result_null(ctx);
  const auto a = Numero(argv[0]), b = Numero(argv[1]);
  if (!a || !b) return sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
  if (b->d == 0) return sqlite3_result_error(ctx, "División por cero.", -1);
  sqlite3_result_double(ctx, a->d / b->d);
}

// SUM: values of up to four decimals (Currency loads as the double nearest its value) are
// added exactly as integers scaled by 10,000; any other value is added as a double.
struct TSuma {
  __int128 nDiezmilesimas;
  double dResto;
  bool bAlguno;
  bool bDecimal;
};

void SumaPaso(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return;
  auto* suma = static_cast<TSuma*>(sqlite3_aggregate_context(ctx, sizeof(TSuma)));
  if (!suma) return sqlite3_result_error_nomem(ctx);
  const auto valor = Numero(argv[0]);
  if (!valor) return sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
  suma->bAlguno = true;
  if (valor->bEntero) {
    suma->nDiezmilesimas += __int128(valor->n) * 10000;
    return;
  }
  suma->bDecimal = true;
  const double dEscalado = valor->d * 10000.0;
  if (std::fabs(dEscalado) < 9e18) {
    const qint64 n = std::llround(dEscalado);
    if (double(n) / 10000.0 == valor->d) {
      suma->nDiezmilesimas += n;
      return;
    }
  }
  suma->dResto += valor->d;
}

QByteArray DecimalComoTexto(__int128 n) {
  const bool bNegativo = n < 0;
  unsigned __int128 u = bNegativo ? -static_cast<unsigned __int128>(n) : static_cast<unsigned __int128>(n);
  QByteArray s;
  for (int i = 0; u > 0 || i < 5; ++i) {
    if (i == 4) s.prepend('.');
    s.prepend(char('0' + int(u % 10)));
    u /= 10;
  }
  return bNegativo ? '-' + s : s;
}

void SumaFin(sqlite3_context* ctx) {
  auto* suma = static_cast<TSuma*>(sqlite3_aggregate_context(ctx, 0));
  if (!suma || !suma->bAlguno) return sqlite3_result_null(ctx);
  const __int128 nEnteros = suma->nDiezmilesimas / 10000;
  if (!suma->bDecimal && nEnteros >= INT64_MIN && nEnteros <= INT64_MAX)
    return sqlite3_result_int64(ctx, qint64(nEnteros));
  // Below 2^53 both operands are exact and IEEE division rounds once: the double nearest the
  // exact sum. Beyond, the decimal text read back gives it.
  const __int128 nLimite = __int128(1) << 53;
  const double dExacta = suma->nDiezmilesimas > -nLimite && suma->nDiezmilesimas < nLimite
                             ? double(suma->nDiezmilesimas) / 10000.0
                             : DecimalComoTexto(suma->nDiezmilesimas).toDouble();
  sqlite3_result_double(ctx, dExacta + suma->dResto);
}

void Verifica(sqlite3* db, int nResultado) {
  if (nResultado != SQLITE_OK)
    LanzaError(QStringLiteral("No se pudieron registrar las reglas de Jet: %1").arg(QString::fromUtf8(sqlite3_errmsg(db))));
}

}  // namespace

void RegistraReglas(sqlite3* db) {
  const int nDeterminista = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
  // The emitter quotes every name with "": an unknown one must fail, never become a text.
  Verifica(db, sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr));
  Verifica(db, sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr));
  Verifica(db, sqlite3_create_collation(db, "JET", SQLITE_UTF8, nullptr, Colacion));
  Verifica(db, sqlite3_create_function(db, "jet_like", 2, nDeterminista, nullptr, Like, nullptr, nullptr));
  Verifica(db, sqlite3_create_function(db, "jet_mas", 2, nDeterminista, nullptr, Mas, nullptr, nullptr));
  Verifica(db, sqlite3_create_function(db, "jet_concat", 2, nDeterminista, nullptr, Concatena, nullptr, nullptr));
  Verifica(db, sqlite3_create_function(db, "jet_div", 2, nDeterminista, nullptr, Divide, nullptr, nullptr));
  Verifica(db, sqlite3_create_function(db, "jet_sum", 1, nDeterminista, nullptr, nullptr, SumaPaso, SumaFin));
}

}  // namespace ado::jet
