#include "ado/jet/ValorSQLite.h"

#include "ado/jet/ErrorJet.h"
#include "ado/jet/Regional.h"

#include <QString>
#include <cmath>
#include <sqlite3.h>

namespace ado::jet {

QByteArray Texto(sqlite3_value* v) {
  return QByteArray(reinterpret_cast<const char*>(sqlite3_value_text(v)), sqlite3_value_bytes(v));
}

QByteArray NumeroComoTexto(sqlite3_value* v) {
  if (sqlite3_value_type(v) == SQLITE_INTEGER) return QByteArray::number(sqlite3_value_int64(v));
  return QByteArray::number(sqlite3_value_double(v), 'g', 15).toUpper();
}

QByteArray ComoTexto(sqlite3_value* v) {
  const int nTipo = sqlite3_value_type(v);
  return nTipo == SQLITE_INTEGER || nTipo == SQLITE_FLOAT ? NumeroComoTexto(v) : Texto(v);
}

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

bool AlgunoNulo(int argc, sqlite3_value** argv) {
  for (int i = 0; i < argc; ++i)
    if (sqlite3_value_type(argv[i]) == SQLITE_NULL) return true;
  return false;
}

void ResultadoTexto(sqlite3_context* ctx, const QByteArray& s) {
  sqlite3_result_text(ctx, s.constData(), int(s.size()), SQLITE_TRANSIENT);
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

// Below 2^53 both operands are exact and IEEE division rounds once: the double nearest the
// exact value. Beyond, the decimal text read back gives it.
double DobleDeDiezmilesimas(__int128 n) {
  const __int128 nLimite = __int128(1) << 53;
  return n > -nLimite && n < nLimite ? double(n) / 10000.0 : DecimalComoTexto(n).toDouble();
}

__int128 DiezmilesimasDe(const TNumero& numero) {
  if (numero.bEntero) return __int128(numero.n) * 10000;
  return __int128(std::nearbyint(numero.d * 10000.0));
}

void RegistraFuncion(sqlite3* db, const char* sNombre, int nArgumentos, TFuncionSQLite Funcion,
                     const TRegional* regional, bool bDeterminista) {
  const int nResultado = sqlite3_create_function_v2(
      db, sNombre, nArgumentos, SQLITE_UTF8 | (bDeterminista ? SQLITE_DETERMINISTIC : 0), regional ? new TRegional(*regional) : nullptr,
      Funcion, nullptr, nullptr, [](void* p) { delete static_cast<TRegional*>(p); });
  VerificaRegistro(db, nResultado);
}

void VerificaRegistro(sqlite3* db, int nResultado) {
  if (nResultado != SQLITE_OK)
    LanzaError(QStringLiteral("No se pudieron registrar las reglas de Jet: %1").arg(QString::fromUtf8(sqlite3_errmsg(db))));
}

const TRegional& RegionalDe(sqlite3_context* ctx) { return *static_cast<const TRegional*>(sqlite3_user_data(ctx)); }

}  // namespace ado::jet
