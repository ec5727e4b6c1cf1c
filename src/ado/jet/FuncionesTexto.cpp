// Text functions; positions count characters from 1; comparison ignores letter case unless
// the compare argument is 0 (binary), as in a query of Access.
#include "ado/jet/FuncionesSQLite.h"

#include "ado/jet/Regional.h"
#include "ado/jet/TextoJet.h"
#include "ado/jet/ValorSQLite.h"

#include <QString>
#include <cmath>
#include <sqlite3.h>

namespace ado::jet {

namespace {


QString Cadena(sqlite3_value* v) { return QString::fromUtf8(ComoTexto(v)); }

void Resultado(sqlite3_context* ctx, const QString& s) { ResultadoTexto(ctx, s.toUtf8()); }

// A whole-number argument, or false after setting the error.
bool Cuenta(sqlite3_context* ctx, sqlite3_value* v, qint64& n, qint64 nMinimo = 0) {
  const auto numero = Numero(v);
  if (!numero) {
    sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
    return false;
  }
  const double d = std::nearbyint(numero->d);
  if (!(d >= double(nMinimo) && d < 2147483648.0)) {
    sqlite3_result_error(ctx, CC_ARGUMENTO_NO_VALIDO, -1);
    return false;
  }
  n = qint64(d);
  return true;
}

Qt::CaseSensitivity Comparacion(sqlite3_value* v) {
  const auto n = Numero(v);
  return n && n->d == 0 ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

void Izquierda(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  qint64 n;
  if (AlgunoNulo(argc, argv)) return sqlite3_result_null(ctx);
  if (Cuenta(ctx, argv[1], n)) Resultado(ctx, Cadena(argv[0]).left(n));
}

void Derecha(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  qint64 n;
  if (AlgunoNulo(argc, argv)) return sqlite3_result_null(ctx);
  if (Cuenta(ctx, argv[1], n)) Resultado(ctx, Cadena(argv[0]).right(n));
}

// Mid(text, start[, length])
void Medio(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  qint64 nDesde, nLargo = -1;
  if (AlgunoNulo(argc, argv)) return sqlite3_result_null(ctx);
  if (!Cuenta(ctx, argv[1], nDesde, 1) || (argc > 2 && !Cuenta(ctx, argv[2], nLargo))) return;
  Resultado(ctx, Cadena(argv[0]).mid(nDesde - 1, nLargo));
}

void Largo(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  sqlite3_result_int64(ctx, Cadena(argv[0]).size());
}

// InStr([start, ]text, sought[, compare])
void Busca(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  qint64 nDesde = 1;
  int i = 0;
  if (argc >= 3) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_error(ctx, CC_ARGUMENTO_NO_VALIDO, -1);
    if (!Cuenta(ctx, argv[0], nDesde, 1)) return;
    i = 1;
  }
  if (AlgunoNulo(2, argv + i)) return sqlite3_result_null(ctx);
  const QString s = Cadena(argv[i]), sBuscado = Cadena(argv[i + 1]);
  const Qt::CaseSensitivity cs = argc > 3 ? Comparacion(argv[3]) : Qt::CaseInsensitive;
  if (nDesde > s.size()) return sqlite3_result_int(ctx, 0);
  sqlite3_result_int64(ctx, s.indexOf(sBuscado, nDesde - 1, cs) + 1);
}

// InStrRev(text, sought[, start[, compare]])
void BuscaAlReves(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AlgunoNulo(2, argv)) return sqlite3_result_null(ctx);
  const QString s = Cadena(argv[0]), sBuscado = Cadena(argv[1]);
  qint64 nDesde = s.size();
  if (argc > 2 && sqlite3_value_type(argv[2]) != SQLITE_NULL) {
    const auto n = Numero(argv[2]);
    if (!n || (n->d < 1 && n->d != -1)) return sqlite3_result_error(ctx, CC_ARGUMENTO_NO_VALIDO, -1);
    if (n->d != -1) nDesde = qint64(n->d);
  }
  const Qt::CaseSensitivity cs = argc > 3 ? Comparacion(argv[3]) : Qt::CaseInsensitive;
  if (nDesde > s.size()) return sqlite3_result_int(ctx, 0);
  if (sBuscado.isEmpty()) return sqlite3_result_int64(ctx, nDesde);
  const qint64 nUltimo = nDesde - sBuscado.size();
  sqlite3_result_int64(ctx, nUltimo < 0 ? 0 : s.lastIndexOf(sBuscado, nUltimo, cs) + 1);
}

template <QString (QString::*TRANSFORMA)() const&>
void Transforma(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  Resultado(ctx, (Cadena(argv[0]).*TRANSFORMA)());
}

// Trim, LTrim and RTrim take off blanks only.
template <bool B_IZQUIERDA, bool B_DERECHA>
void Recorta(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  const QString s = Cadena(argv[0]);
  qsizetype a = 0, b = s.size();
  while (B_IZQUIERDA && a < b && s[a] == u' ') ++a;
  while (B_DERECHA && b > a && s[b - 1] == u' ') --b;
  Resultado(ctx, s.mid(a, b - a));
}

// Replace(text, find, with[, start[, count[, compare]]]): the text from start on.
void Reemplaza(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AlgunoNulo(std::min(argc, 3), argv)) return sqlite3_result_null(ctx);
  qint64 nDesde = 1, nVeces = -1;
  if (argc > 3 && !Cuenta(ctx, argv[3], nDesde, 1)) return;
  if (argc > 4) {
    const auto n = Numero(argv[4]);
    if (!n || n->d < -1) return sqlite3_result_error(ctx, CC_ARGUMENTO_NO_VALIDO, -1);
    nVeces = qint64(n->d);
  }
  const Qt::CaseSensitivity cs = argc > 5 ? Comparacion(argv[5]) : Qt::CaseInsensitive;
  const QString s = Cadena(argv[0]).mid(nDesde - 1), sBusca = Cadena(argv[1]), sPor = Cadena(argv[2]);
  if (sBusca.isEmpty()) return Resultado(ctx, s);
  QString r;
  qsizetype i = 0;
  for (qint64 k = 0; nVeces < 0 || k < nVeces; ++k) {
    const qsizetype j = s.indexOf(sBusca, i, cs);
    if (j < 0) break;
    r += s.mid(i, j - i) + sPor;
    i = j + sBusca.size();
  }
  Resultado(ctx, r + s.mid(i));
}

void Espacios(sqlite3_context* ctx, int, sqlite3_value** argv) {
  qint64 n;
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  if (Cuenta(ctx, argv[0], n)) Resultado(ctx, QString(n, u' '));
}

// String(n, character): a character code or the first letter of a text.
void Repite(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  qint64 n;
  if (AlgunoNulo(argc, argv)) return sqlite3_result_null(ctx);
  if (!Cuenta(ctx, argv[0], n)) return;
  QChar c;
  if (sqlite3_value_type(argv[1]) == SQLITE_TEXT) {
    const QString s = Cadena(argv[1]);
    if (s.isEmpty()) return sqlite3_result_error(ctx, CC_ARGUMENTO_NO_VALIDO, -1);
    c = s[0];
  } else {
    qint64 nCodigo;
    if (!Cuenta(ctx, argv[1], nCodigo)) return;
    c = QChar(char16_t(nCodigo % 256));
  }
  Resultado(ctx, QString(n, c));
}

// StrComp(a, b[, compare]): -1, 0 or 1 in the database's order.
void ComparaTextos(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AlgunoNulo(2, argv)) return sqlite3_result_null(ctx);
  const QByteArray a = ComoTexto(argv[0]), b = ComoTexto(argv[1]);
  const int n = argc > 2 && Comparacion(argv[2]) == Qt::CaseSensitive
                    ? QString::fromUtf8(a).compare(QString::fromUtf8(b), Qt::CaseSensitive)
                    : ComparaJet(a.constData(), int(a.size()), b.constData(), int(b.size()));
  sqlite3_result_int(ctx, n < 0 ? -1 : n > 0 ? 1 : 0);
}

void Codigo(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  const QString s = Cadena(argv[0]);
  if (s.isEmpty()) return sqlite3_result_error(ctx, CC_ARGUMENTO_NO_VALIDO, -1);
  sqlite3_result_int(ctx, s[0].unicode());
}

void Caracter(sqlite3_context* ctx, int, sqlite3_value** argv) {
  qint64 n;
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  if (!Cuenta(ctx, argv[0], n)) return;
  if (n > 255) return sqlite3_result_error(ctx, CC_ARGUMENTO_NO_VALIDO, -1);
  Resultado(ctx, QString(QChar(char16_t(n))));
}

// A number as Jet writes it: up to 15 significant digits, the regional decimal separator.
QString NumeroRegional(sqlite3_context* ctx, sqlite3_value* v) {
  QString s = QString::fromUtf8(NumeroComoTexto(v));
  return s.replace(u'.', RegionalDe(ctx).Locale().decimalPoint());
}

// Str: a leading blank for the sign of a positive number; always a point.
void Str(sqlite3_context* ctx, int, sqlite3_value** argv) {
  switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL: return sqlite3_result_null(ctx);
    case SQLITE_TEXT: {
      const auto n = Numero(argv[0]);
      if (!n) return sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
      break;
    }
    default: break;
  }
  const QByteArray s = NumeroComoTexto(argv[0]);
  ResultadoTexto(ctx, s.startsWith('-') ? s : ' ' + s);
}

void CStr(sqlite3_context* ctx, int, sqlite3_value** argv) {
  switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL: return sqlite3_result_null(ctx);
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: return Resultado(ctx, NumeroRegional(ctx, argv[0]));
    default: return Resultado(ctx, Cadena(argv[0]));
  }
}

}  // namespace

void RegistraFuncionesTexto(sqlite3* db, const TRegional& regional) {
  RegistraFuncion(db, "jet_left", 2, Izquierda);
  RegistraFuncion(db, "jet_right", 2, Derecha);
  RegistraFuncion(db, "jet_mid", -1, Medio);
  RegistraFuncion(db, "jet_len", 1, Largo);
  RegistraFuncion(db, "jet_instr", -1, Busca);
  RegistraFuncion(db, "jet_instrrev", -1, BuscaAlReves);
  RegistraFuncion(db, "jet_ucase", 1, Transforma<&QString::toUpper>);
  RegistraFuncion(db, "jet_lcase", 1, Transforma<&QString::toLower>);
  RegistraFuncion(db, "jet_trim", 1, Recorta<true, true>);
  RegistraFuncion(db, "jet_ltrim", 1, Recorta<true, false>);
  RegistraFuncion(db, "jet_rtrim", 1, Recorta<false, true>);
  RegistraFuncion(db, "jet_replace", -1, Reemplaza);
  RegistraFuncion(db, "jet_space", 1, Espacios);
  RegistraFuncion(db, "jet_string", 2, Repite);
  RegistraFuncion(db, "jet_strcomp", -1, ComparaTextos);
  RegistraFuncion(db, "jet_asc", 1, Codigo);
  RegistraFuncion(db, "jet_chr", 1, Caracter);
  RegistraFuncion(db, "jet_str", 1, Str);
  RegistraFuncion(db, "jet_cstr", 1, CStr, &regional);
}

}  // namespace ado::jet
