// Dates: Jet day numbers, their parts, arithmetic of intervals and their text in the
// regional settings.
#include "ado/jet/FuncionesSQLite.h"

#include "ado/FechaADO.h"
#include "ado/jet/FechaJet.h"
#include "ado/jet/Regional.h"
#include "ado/jet/ValorSQLite.h"

#include <QString>
#include <cmath>
#include <sqlite3.h>

namespace ado::jet {

namespace {


// A date argument: a day number, or a text in the regional settings. False after setting
// Null or the error.
bool Dia(sqlite3_context* ctx, sqlite3_value* v, double& d) {
  switch (sqlite3_value_type(v)) {
    case SQLITE_NULL: sqlite3_result_null(ctx); return false;
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: d = sqlite3_value_double(v); return true;
    default: break;
  }
  const auto dia = RegionalDe(ctx).LeeFecha(QString::fromUtf8(Texto(v)));
  if (!dia) {
    sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
    return false;
  }
  d = *dia;
  return true;
}

bool Fecha(sqlite3_context* ctx, sqlite3_value* v, QDateTime& fecha) {
  double d;
  if (!Dia(ctx, v, d)) return false;
  fecha = FechaDeDiaJet(d);
  if (!fecha.isValid()) {
    sqlite3_result_error(ctx, CC_DESBORDAMIENTO, -1);
    return false;
  }
  return true;
}

bool Numero(sqlite3_context* ctx, sqlite3_value* v, double& d) {
  if (sqlite3_value_type(v) == SQLITE_NULL) {
    sqlite3_result_null(ctx);
    return false;
  }
  const auto n = jet::Numero(v);
  if (!n) {
    sqlite3_result_error(ctx, CC_TIPOS_NO_COINCIDEN, -1);
    return false;
  }
  d = n->d;
  return true;
}

void ResultadoFecha(sqlite3_context* ctx, const QDateTime& fecha) {
  if (!fecha.isValid() || fecha.date().year() < 100 || fecha.date().year() > 9999)
    return sqlite3_result_error(ctx, CC_DESBORDAMIENTO, -1);
  sqlite3_result_double(ctx, DiaJet(fecha));
}

// Weekday with firstdayofweek (1 Sunday ... 7 Saturday; 0 the system's, taken as Sunday).
int DiaSemana(const QDate& dia, int nPrimero) {
  const int nDomingo = dia.dayOfWeek() % 7 + 1;  // 1 Sunday
  return (nDomingo - (nPrimero < 1 ? 1 : nPrimero) + 7) % 7 + 1;
}

// Week of the year that contains 1 January, weeks starting on nPrimero.
int Semana(const QDate& dia, int nPrimero) {
  const QDate enero(dia.year(), 1, 1);
  return (enero.daysTo(dia) + DiaSemana(enero, nPrimero) - 1) / 7 + 1;
}

enum class TIntervalo { Anio, Trimestre, Mes, DiaDelAnio, Dia, DiaSemana, Semana, Hora, Minuto, Segundo };

bool Intervalo(sqlite3_context* ctx, sqlite3_value* v, TIntervalo& intervalo) {
  static const struct {
    const char* s;
    TIntervalo i;
  } CC_INTERVALOS[] = {{"yyyy", TIntervalo::Anio}, {"q", TIntervalo::Trimestre}, {"m", TIntervalo::Mes},
                       {"y", TIntervalo::DiaDelAnio}, {"d", TIntervalo::Dia}, {"w", TIntervalo::DiaSemana},
                       {"ww", TIntervalo::Semana}, {"h", TIntervalo::Hora}, {"n", TIntervalo::Minuto},
                       {"s", TIntervalo::Segundo}};
  const QByteArray s = Texto(v).trimmed().toLower();
  for (const auto& e : CC_INTERVALOS)
    if (s == e.s) {
      intervalo = e.i;
      return true;
    }
  sqlite3_result_error(ctx, CC_ARGUMENTO_NO_VALIDO, -1);
  return false;
}

template <int (*PARTE)(const QDateTime&)>
void Parte(sqlite3_context* ctx, int, sqlite3_value** argv) {
  QDateTime fecha;
  if (Fecha(ctx, argv[0], fecha)) sqlite3_result_int(ctx, PARTE(fecha));
}

int Anio(const QDateTime& f) { return f.date().year(); }
int Mes(const QDateTime& f) { return f.date().month(); }
int DiaDelMes(const QDateTime& f) { return f.date().day(); }
int Hora(const QDateTime& f) { return f.time().hour(); }
int Minuto(const QDateTime& f) { return f.time().minute(); }
int Segundo(const QDateTime& f) { return f.time().second(); }

int Primero(sqlite3_value** argv, int argc, int i) {
  if (argc <= i || sqlite3_value_type(argv[i]) == SQLITE_NULL) return 1;
  return int(sqlite3_value_int(argv[i]));
}

void Weekday(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  QDateTime fecha;
  if (Fecha(ctx, argv[0], fecha)) sqlite3_result_int(ctx, DiaSemana(fecha.date(), Primero(argv, argc, 1)));
}

// DatePart(interval, date[, firstdayofweek[, firstweekofyear]])
void DatePart(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  TIntervalo intervalo;
  QDateTime f;
  if (AlgunoNulo(2, argv)) return sqlite3_result_null(ctx);
  if (!Intervalo(ctx, argv[0], intervalo) || !Fecha(ctx, argv[1], f)) return;
  const int nPrimero = Primero(argv, argc, 2);
  int n = 0;
  switch (intervalo) {
    case TIntervalo::Anio: n = f.date().year(); break;
    case TIntervalo::Trimestre: n = (f.date().month() - 1) / 3 + 1; break;
    case TIntervalo::Mes: n = f.date().month(); break;
    case TIntervalo::DiaDelAnio: n = f.date().dayOfYear(); break;
    case TIntervalo::Dia: n = f.date().day(); break;
    case TIntervalo::DiaSemana: n = DiaSemana(f.date(), nPrimero); break;
    case TIntervalo::Semana: n = Semana(f.date(), nPrimero); break;
    case TIntervalo::Hora: n = f.time().hour(); break;
    case TIntervalo::Minuto: n = f.time().minute(); break;
    case TIntervalo::Segundo: n = f.time().second(); break;
  }
  sqlite3_result_int(ctx, n);
}

// DateAdd(interval, number, date): months keep the day, or the month's last one.
void DateAdd(sqlite3_context* ctx, int, sqlite3_value** argv) {
  TIntervalo intervalo;
  double dNumero;
  QDateTime f;
  if (AlgunoNulo(3, argv)) return sqlite3_result_null(ctx);
  if (!Intervalo(ctx, argv[0], intervalo) || !Numero(ctx, argv[1], dNumero) || !Fecha(ctx, argv[2], f)) return;
  const qint64 n = qint64(std::trunc(dNumero));
  switch (intervalo) {
    case TIntervalo::Anio: return ResultadoFecha(ctx, f.addYears(int(n)));
    case TIntervalo::Trimestre: return ResultadoFecha(ctx, f.addMonths(int(n * 3)));
    case TIntervalo::Mes: return ResultadoFecha(ctx, f.addMonths(int(n)));
    case TIntervalo::DiaDelAnio:
    case TIntervalo::Dia:
    case TIntervalo::DiaSemana: return ResultadoFecha(ctx, f.addDays(n));
    case TIntervalo::Semana: return ResultadoFecha(ctx, f.addDays(n * 7));
    case TIntervalo::Hora: return ResultadoFecha(ctx, f.addSecs(n * 3600));
    case TIntervalo::Minuto: return ResultadoFecha(ctx, f.addSecs(n * 60));
    case TIntervalo::Segundo: return ResultadoFecha(ctx, f.addSecs(n));
  }
}

// DateDiff(interval, date1, date2[, firstdayofweek]): boundaries crossed from date1 to date2.
void DateDiff(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  TIntervalo intervalo;
  QDateTime a, b;
  if (AlgunoNulo(3, argv)) return sqlite3_result_null(ctx);
  if (!Intervalo(ctx, argv[0], intervalo) || !Fecha(ctx, argv[1], a) || !Fecha(ctx, argv[2], b)) return;
  const qint64 nDias = a.date().daysTo(b.date());
  const qint64 nSegundos = nDias * 86400 + (b.time().msecsSinceStartOfDay() / 1000 - a.time().msecsSinceStartOfDay() / 1000);
  auto Piso = [](qint64 x, qint64 d) { return x >= 0 ? x / d : -((-x + d - 1) / d); };
  qint64 n = 0;
  switch (intervalo) {
    case TIntervalo::Anio: n = b.date().year() - a.date().year(); break;
    case TIntervalo::Trimestre:
      n = (b.date().year() - a.date().year()) * 4 + (b.date().month() - 1) / 3 - (a.date().month() - 1) / 3;
      break;
    case TIntervalo::Mes: n = (b.date().year() - a.date().year()) * 12 + b.date().month() - a.date().month(); break;
    case TIntervalo::DiaDelAnio:
    case TIntervalo::Dia: n = nDias; break;
    case TIntervalo::DiaSemana: n = nDias / 7; break;
    case TIntervalo::Semana: {
      const int nPrimero = Primero(argv, argc, 3);
      auto Inicio = [&](const QDate& d) { return d.addDays(1 - DiaSemana(d, nPrimero)); };
      n = Inicio(a.date()).daysTo(Inicio(b.date())) / 7;
      break;
    }
    case TIntervalo::Hora: n = Piso(nSegundos + a.time().minute() * 60 + a.time().second(), 3600); break;
    case TIntervalo::Minuto: n = Piso(nSegundos + a.time().second(), 60); break;
    case TIntervalo::Segundo: n = nSegundos; break;
  }
  sqlite3_result_int64(ctx, n);
}

// DateSerial(year, month, day): months and days beyond their range carry over; years 0-29
// are 2000-2029 and 30-99 are 1930-1999.
void DateSerial(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double d[3];
  for (int i = 0; i < 3; ++i)
    if (!Numero(ctx, argv[i], d[i])) return;
  int nAnio = int(std::nearbyint(d[0]));
  if (nAnio >= 0 && nAnio < 30) nAnio += 2000;
  else if (nAnio >= 30 && nAnio < 100) nAnio += 1900;
  const QDate base = QDate(nAnio, 1, 1).addMonths(int(std::nearbyint(d[1])) - 1);
  if (!base.isValid()) return sqlite3_result_error(ctx, CC_DESBORDAMIENTO, -1);
  ResultadoFecha(ctx, QDateTime(base.addDays(qint64(std::nearbyint(d[2])) - 1), QTime(0, 0), Qt::UTC));
}

void TimeSerial(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double d[3];
  for (int i = 0; i < 3; ++i)
    if (!Numero(ctx, argv[i], d[i])) return;
  const double dSegundos = std::nearbyint(d[0]) * 3600 + std::nearbyint(d[1]) * 60 + std::nearbyint(d[2]);
  const double dDias = std::floor(dSegundos / 86400);
  const double dFraccion = (dSegundos - dDias * 86400) / 86400;
  sqlite3_result_double(ctx, dDias >= 0 ? dDias + dFraccion : dDias + 1 - (1 - dFraccion));
}

void DateValue(sqlite3_context* ctx, int, sqlite3_value** argv) {
  QDateTime f;
  if (Fecha(ctx, argv[0], f)) ResultadoFecha(ctx, QDateTime(f.date(), QTime(0, 0), Qt::UTC));
}

void TimeValue(sqlite3_context* ctx, int, sqlite3_value** argv) {
  QDateTime f;
  if (Fecha(ctx, argv[0], f)) sqlite3_result_double(ctx, f.time().msecsSinceStartOfDay() / 86400000.0);
}

// Date(), Time() and Now() read the local clock.
void Hoy(sqlite3_context* ctx, int, sqlite3_value**) {
  const QDateTime ahora = QDateTime::currentDateTime();
  sqlite3_result_double(ctx, DiaJet(QDateTime(ahora.date(), QTime(0, 0), Qt::UTC)));
}

void Ahora(sqlite3_context* ctx, int, sqlite3_value**) {
  const QDateTime ahora = QDateTime::currentDateTime();
  sqlite3_result_double(ctx, DiaJet(QDateTime(ahora.date(), QTime(ahora.time().hour(), ahora.time().minute(), ahora.time().second()), Qt::UTC)));
}

void HoraActual(sqlite3_context* ctx, int, sqlite3_value**) {
  const QTime ahora = QTime::currentTime();
  sqlite3_result_double(ctx, QTime(ahora.hour(), ahora.minute(), ahora.second()).msecsSinceStartOfDay() / 86400000.0);
}

void ResultadoNombre(sqlite3_context* ctx, const QString& s) { ResultadoTexto(ctx, s.toUtf8()); }

bool Abreviado(sqlite3_value** argv, int argc, int i) {
  if (argc <= i || sqlite3_value_type(argv[i]) == SQLITE_NULL) return false;
  const auto n = jet::Numero(argv[i]);
  return n && n->d != 0;
}

// MonthName(month[, abbreviate]) in the regional language.
void MonthName(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  double d;
  if (!Numero(ctx, argv[0], d)) return;
  const int n = int(std::nearbyint(d));
  if (n < 1 || n > 12) return sqlite3_result_error(ctx, CC_ARGUMENTO_NO_VALIDO, -1);
  ResultadoNombre(ctx, RegionalDe(ctx).Locale().standaloneMonthName(n, Abreviado(argv, argc, 1) ? QLocale::ShortFormat
                                                                                                 : QLocale::LongFormat));
}

// WeekdayName(weekday[, abbreviate[, firstdayofweek]]): weekday 1 is firstdayofweek.
void WeekdayName(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  double d;
  if (!Numero(ctx, argv[0], d)) return;
  const int n = int(std::nearbyint(d));
  if (n < 1 || n > 7) return sqlite3_result_error(ctx, CC_ARGUMENTO_NO_VALIDO, -1);
  const int nDomingo = (n - 1 + Primero(argv, argc, 2) - 1) % 7 + 1;  // 1 Sunday
  const int nQt = nDomingo == 1 ? 7 : nDomingo - 1;                  // Qt: 1 Monday
  ResultadoNombre(ctx, RegionalDe(ctx).Locale().standaloneDayName(nQt, Abreviado(argv, argc, 1) ? QLocale::ShortFormat
                                                                                                : QLocale::LongFormat));
}

// CDate: a number is already a day number; a text is read in the regional settings.
void CDate(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double d;
  if (Dia(ctx, argv[0], d)) sqlite3_result_double(ctx, d);
}

// A date joined to text: Jet's general date in the regional settings. Anything else passes.
void FechaTexto(sqlite3_context* ctx, int, sqlite3_value** argv) {
  const int nTipo = sqlite3_value_type(argv[0]);
  if (nTipo != SQLITE_INTEGER && nTipo != SQLITE_FLOAT) return sqlite3_result_value(ctx, argv[0]);
  ResultadoTexto(ctx, RegionalDe(ctx).FechaGeneral(sqlite3_value_double(argv[0])).toUtf8());
}

}  // namespace

void RegistraFuncionesFecha(sqlite3* db, const TRegional& regional) {
  RegistraFuncion(db, "jet_fecha_texto", 1, FechaTexto, &regional);
  RegistraFuncion(db, "jet_year", 1, Parte<Anio>, &regional);
  RegistraFuncion(db, "jet_month", 1, Parte<Mes>, &regional);
  RegistraFuncion(db, "jet_day", 1, Parte<DiaDelMes>, &regional);
  RegistraFuncion(db, "jet_hour", 1, Parte<Hora>, &regional);
  RegistraFuncion(db, "jet_minute", 1, Parte<Minuto>, &regional);
  RegistraFuncion(db, "jet_second", 1, Parte<Segundo>, &regional);
  RegistraFuncion(db, "jet_weekday", -1, Weekday, &regional);
  RegistraFuncion(db, "jet_datepart", -1, DatePart, &regional);
  RegistraFuncion(db, "jet_dateadd", 3, DateAdd, &regional);
  RegistraFuncion(db, "jet_datediff", -1, DateDiff, &regional);
  RegistraFuncion(db, "jet_dateserial", 3, DateSerial, &regional);
  RegistraFuncion(db, "jet_timeserial", 3, TimeSerial, &regional);
  RegistraFuncion(db, "jet_datevalue", 1, DateValue, &regional);
  RegistraFuncion(db, "jet_timevalue", 1, TimeValue, &regional);
  RegistraFuncion(db, "jet_monthname", -1, MonthName, &regional);
  RegistraFuncion(db, "jet_weekdayname", -1, WeekdayName, &regional);
  RegistraFuncion(db, "jet_cdate", 1, CDate, &regional);
  RegistraFuncion(db, "jet_date", 0, Hoy, nullptr, false);
  RegistraFuncion(db, "jet_time", 0, HoraActual, nullptr, false);
  RegistraFuncion(db, "jet_now", 0, Ahora, nullptr, false);
}

}  // namespace ado::jet
