// Numbers: Jet's operators \ Mod ^, conversions, rounding and mathematics.
#include "ado/jet/FuncionesSQLite.h"

#include "ado/jet/ValorSQLite.h"

#include <cmath>
#include <sqlite3.h>

namespace ado::jet {

namespace {


// The numbers of argv, or false after setting Null (a Null argument) or the type error.
bool Numeros(sqlite3_context* ctx, int argc, sqlite3_value** argv, double* d) {
  if (AlgunoNulo(argc, argv)) {
    sqlite3_result_null(ctx);
    return false;
  }
  for (int i = 0; i < argc; ++i) {
    const auto n = Numero(argv[i]);
    if (!n) {
      sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
      return false;
    }
    d[i] = n->d;
  }
  return true;
}

// Rounded half to even into a range, or the overflow error.
bool Entero(sqlite3_context* ctx, double d, double dMinimo, double dMaximo, qint64& n) {
  const double r = std::nearbyint(d);
  if (!(r >= dMinimo && r <= dMaximo)) {
    sqlite3_result_error(ctx, CC_DESBORDAMIENTO, -1);
    return false;
  }
  n = qint64(r);
  return true;
}

constexpr double CC_MIN_LARGO = -2147483648.0, CC_MAX_LARGO = 2147483647.0;

// a \ b and a Mod b: both operands rounded half to even first; the quotient truncated, the
// remainder with the sign of a.
template <bool B_RESTO>
void DivisionEntera(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  double d[2];
  qint64 a, b;
  if (!Numeros(ctx, argc, argv, d) || !Entero(ctx, d[0], -9.2e18, 9.2e18, a) || !Entero(ctx, d[1], -9.2e18, 9.2e18, b))
    return;
  if (b == 0) return sqlite3_result_error(ctx, CC_DIVISION_POR_CERO, -1);
  sqlite3_result_int64(ctx, B_RESTO ? a % b : a / b);
}

void ResultadoReal(sqlite3_context* ctx, double d) {
  if (!std::isfinite(d)) return sqlite3_result_error(ctx, CC_DESBORDAMIENTO, -1);
  sqlite3_result_double(ctx, d);
}

void Potencia(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  double d[2];
  if (!Numeros(ctx, argc, argv, d)) return;
  if (d[0] < 0 && d[1] != std::trunc(d[1])) return sqlite3_result_error(ctx, CC_ARGUMENTO_NO_VALIDO, -1);
  ResultadoReal(ctx, std::pow(d[0], d[1]));
}

template <int N_MINIMO, int N_MAXIMO>
void AEntero(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  double d;
  qint64 n;
  if (Numeros(ctx, argc, argv, &d) && Entero(ctx, d, N_MINIMO, N_MAXIMO, n)) sqlite3_result_int64(ctx, n);
}

void ALargo(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  double d;
  qint64 n;
  if (Numeros(ctx, argc, argv, &d) && Entero(ctx, d, CC_MIN_LARGO, CC_MAX_LARGO, n)) sqlite3_result_int64(ctx, n);
}

void ASimple(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  double d;
  if (Numeros(ctx, argc, argv, &d)) ResultadoReal(ctx, double(float(d)));
}

void ADoble(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  double d;
  if (Numeros(ctx, argc, argv, &d)) ResultadoReal(ctx, d);
}

void ABooleano(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_TEXT) {
    const QByteArray s = Texto(argv[0]).trimmed().toLower();
    if (s == "true" || s == "verdadero") return sqlite3_result_int(ctx, -1);
    if (s == "false" || s == "falso") return sqlite3_result_int(ctx, 0);
  }
  double d;
  if (Numeros(ctx, argc, argv, &d)) sqlite3_result_int(ctx, d != 0 ? -1 : 0);
}

// Int and Fix keep an integer an integer.
template <double (*REDONDEO)(double)>
void Parte(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER) return sqlite3_result_value(ctx, argv[0]);
  double d;
  if (Numeros(ctx, argc, argv, &d)) sqlite3_result_double(ctx, REDONDEO(d));
}

double Piso(double d) { return std::floor(d); }
double Trunca(double d) { return std::trunc(d); }

// Round(x[, decimals]): half to even on the value's decimal digits.
void Redondea(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  double d[2] = {0, 0};
  if (!Numeros(ctx, argc, argv, d)) return;
  if (d[1] < 0 || d[1] > 15) return sqlite3_result_error(ctx, CC_ARGUMENTO_NO_VALIDO, -1);
  if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER) return sqlite3_result_value(ctx, argv[0]);
  const double dEscala = std::pow(10.0, std::trunc(d[1]));
  // the shortest decimal text of the double decides a tie, as the value was written
  const double dEscalado = QByteArray::number(d[0] * dEscala, 'g', 15).toDouble();
  sqlite3_result_double(ctx, std::nearbyint(dEscalado) / dEscala);
}

void Signo(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  double d;
  if (Numeros(ctx, argc, argv, &d)) sqlite3_result_int(ctx, d > 0 ? 1 : d < 0 ? -1 : 0);
}

void Raiz(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  double d;
  if (!Numeros(ctx, argc, argv, &d)) return;
  if (d < 0) return sqlite3_result_error(ctx, CC_ARGUMENTO_NO_VALIDO, -1);
  sqlite3_result_double(ctx, std::sqrt(d));
}

void Exponencial(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  double d;
  if (Numeros(ctx, argc, argv, &d)) ResultadoReal(ctx, std::exp(d));
}

void Logaritmo(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  double d;
  if (!Numeros(ctx, argc, argv, &d)) return;
  if (d <= 0) return sqlite3_result_error(ctx, CC_ARGUMENTO_NO_VALIDO, -1);
  sqlite3_result_double(ctx, std::log(d));
}

// Val: the number at the start of a text, blanks ignored; 0 when there is none.
void Val(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  QByteArray s = ComoTexto(argv[0]);
  s.replace(' ', "").replace('\t', "");
  qsizetype n = 0;
  auto Digitos = [&] {
    while (n < s.size() && s[n] >= '0' && s[n] <= '9') ++n;
  };
  if (n < s.size() && (s[n] == '-' || s[n] == '+')) ++n;
  Digitos();
  if (n < s.size() && s[n] == '.') {
    ++n;
    Digitos();
  }
  if (n + 1 < s.size() && (s[n] == 'e' || s[n] == 'E' || s[n] == 'd' || s[n] == 'D')) {
    qsizetype m = n + 1;
    if (m < s.size() && (s[m] == '-' || s[m] == '+')) ++m;
    if (m < s.size() && s[m] >= '0' && s[m] <= '9') {
      s[n] = 'e';
      n = m;
      Digitos();
    }
  }
  bool bOk = false;
  const double d = s.left(n).toDouble(&bOk);
  sqlite3_result_double(ctx, bOk ? d : 0.0);
}

// Choose(index, a, b, ...): the index-th value (index truncated); Null outside.
void Elige(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  const auto n = Numero(argv[0]);
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL || !n) return sqlite3_result_null(ctx);
  const double i = std::trunc(n->d);
  if (i < 1 || i >= argc) return sqlite3_result_null(ctx);
  sqlite3_result_value(ctx, argv[int(i)]);
}

// Switch(condition, value, ...): the value of the first true condition; Null when none is.
void Selecciona(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (argc % 2 != 0) return sqlite3_result_error(ctx, CC_ARGUMENTO_NO_VALIDO, -1);
  for (int i = 0; i < argc; i += 2) {
    const auto n = Numero(argv[i]);
    if (sqlite3_value_type(argv[i]) != SQLITE_NULL && n && n->d != 0) return sqlite3_result_value(ctx, argv[i + 1]);
  }
  sqlite3_result_null(ctx);
}

}  // namespace

void RegistraFuncionesNumero(sqlite3* db) {
  RegistraFuncion(db, "jet_div_entera", 2, DivisionEntera<false>);
  RegistraFuncion(db, "jet_mod", 2, DivisionEntera<true>);
  RegistraFuncion(db, "jet_potencia", 2, Potencia);
  RegistraFuncion(db, "jet_cint", 1, AEntero<-32768, 32767>);
  RegistraFuncion(db, "jet_cbyte", 1, AEntero<0, 255>);
  RegistraFuncion(db, "jet_clng", 1, ALargo);
  RegistraFuncion(db, "jet_csng", 1, ASimple);
  RegistraFuncion(db, "jet_cdbl", 1, ADoble);
  RegistraFuncion(db, "jet_cbool", 1, ABooleano);
  RegistraFuncion(db, "jet_int", 1, Parte<Piso>);
  RegistraFuncion(db, "jet_fix", 1, Parte<Trunca>);
  RegistraFuncion(db, "jet_round", -1, Redondea);
  RegistraFuncion(db, "jet_sgn", 1, Signo);
  RegistraFuncion(db, "jet_sqr", 1, Raiz);
  RegistraFuncion(db, "jet_exp", 1, Exponencial);
  RegistraFuncion(db, "jet_log", 1, Logaritmo);
  RegistraFuncion(db, "jet_val", 1, Val);
  RegistraFuncion(db, "jet_choose", -1, Elige);
  RegistraFuncion(db, "jet_switch", -1, Selecciona);
}

}  // namespace ado::jet
