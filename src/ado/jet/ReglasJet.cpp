#include "ado/jet/ReglasJet.h"

#include "ado/jet/Token.h"

#include <iterator>

namespace ado::jet {

namespace {

using T = TTipoJet;

const TReglaOperador CC_OPERADORES[] = {
    {"=", "(%1 = %2)", TResultado::Logico, T::Booleano},
    {"<>", "(%1 <> %2)", TResultado::Logico, T::Booleano},
    {"<", "(%1 < %2)", TResultado::Logico, T::Booleano},
    {">", "(%1 > %2)", TResultado::Logico, T::Booleano},
    {"<=", "(%1 <= %2)", TResultado::Logico, T::Booleano},
    {">=", "(%1 >= %2)", TResultado::Logico, T::Booleano},
    // text + text joins, Null propagates, numeric text converts, other text fails
    {"+", "(jet_mas(%1, %2) COLLATE JET)", TResultado::Valor, T::Valor},
    {"-", "(%1 - %2)", TResultado::Numero, T::Valor},
    {"*", "(%1 * %2)", TResultado::Numero, T::Valor},
    // always floating point: 7 / 2 = 3.5
    {"/", "jet_div(%1, %2)", TResultado::Numero, T::Doble},
    // integer division and remainder of the operands rounded half to even: 7.5 \ 2 is 4
    {"\\", "jet_div_entera(%1, %2)", TResultado::Numero, T::Entero},
    {"MOD", "jet_mod(%1, %2)", TResultado::Numero, T::Entero},
    {"^", "jet_potencia(%1, %2)", TResultado::Numero, T::Doble},
    // always joins text, Null as empty: 1 & 2 = "12"
    {"&", "(jet_concat(%1, %2) COLLATE JET)", TResultado::Valor, T::Texto},
};

constexpr unsigned CC_ENTEROS = TiposJet({T::Entero, T::Booleano});
constexpr unsigned CC_EXACTOS = TiposJet({T::Entero, T::Booleano, T::Moneda});
constexpr unsigned CC_DECIMALES = TiposJet({T::Entero, T::Booleano, T::Moneda, T::Decimal});
constexpr unsigned CC_NUMEROS = TiposJet({T::Entero, T::Booleano, T::Moneda, T::Decimal, T::Doble});
constexpr unsigned CC_FECHA = TiposJet({T::Fecha});
constexpr unsigned CC_TEXTO = TiposJet({T::Texto});
constexpr unsigned CC_TODOS = ~0u;

const TReglaTipo CC_TIPOS[] = {
    // a date joined to text is its text in the regional short date (and time)
    {"&", CC_FECHA, CC_FECHA, T::Texto, "(jet_concat(jet_fecha_texto(%1), jet_fecha_texto(%2)) COLLATE JET)"},
    {"&", CC_FECHA, CC_TODOS, T::Texto, "(jet_concat(jet_fecha_texto(%1), %2) COLLATE JET)"},
    {"&", CC_TODOS, CC_FECHA, T::Texto, "(jet_concat(%1, jet_fecha_texto(%2)) COLLATE JET)"},
    {"+", CC_FECHA, CC_TEXTO, T::Texto, "(jet_mas(jet_fecha_texto(%1), %2) COLLATE JET)"},
    {"+", CC_TEXTO, CC_FECHA, T::Texto, "(jet_mas(%1, jet_fecha_texto(%2)) COLLATE JET)"},
    // a date moved by a number of days stays a date; two dates apart are days
    {"+", CC_FECHA, CC_NUMEROS | CC_FECHA, T::Fecha, nullptr},
    {"+", CC_NUMEROS, CC_FECHA, T::Fecha, nullptr},
    {"-", CC_FECHA, CC_FECHA, T::Doble, nullptr},
    {"-", CC_FECHA, CC_NUMEROS, T::Fecha, nullptr},
    // Currency with Currency or an integer: exact, a 64-bit integer of ten-thousandths
    {"+", CC_EXACTOS, CC_EXACTOS & ~CC_ENTEROS, T::Moneda, "jet_mon_mas(%1, %2)"},
    {"+", CC_EXACTOS & ~CC_ENTEROS, CC_EXACTOS, T::Moneda, "jet_mon_mas(%1, %2)"},
    {"-", CC_EXACTOS, CC_EXACTOS & ~CC_ENTEROS, T::Moneda, "jet_mon_menos(%1, %2)"},
    {"-", CC_EXACTOS & ~CC_ENTEROS, CC_EXACTOS, T::Moneda, "jet_mon_menos(%1, %2)"},
    {"*", CC_EXACTOS, CC_EXACTOS & ~CC_ENTEROS, T::Moneda, "jet_mon_por(%1, %2)"},
    {"*", CC_EXACTOS & ~CC_ENTEROS, CC_EXACTOS, T::Moneda, "jet_mon_por(%1, %2)"},
    // Decimal with Decimal, Currency or an integer: exact, a Decimal
    {"+", CC_DECIMALES, TiposJet({T::Decimal}), T::Decimal, "jet_dec_mas(%1, %2)"},
    {"+", TiposJet({T::Decimal}), CC_DECIMALES, T::Decimal, "jet_dec_mas(%1, %2)"},
    {"-", CC_DECIMALES, TiposJet({T::Decimal}), T::Decimal, "jet_dec_menos(%1, %2)"},
    {"-", TiposJet({T::Decimal}), CC_DECIMALES, T::Decimal, "jet_dec_menos(%1, %2)"},
    {"*", CC_DECIMALES, TiposJet({T::Decimal}), T::Decimal, "jet_dec_por(%1, %2)"},
    {"*", TiposJet({T::Decimal}), CC_DECIMALES, T::Decimal, "jet_dec_por(%1, %2)"},
    // a division that involves a Decimal is a Decimal (Access's / operator)
    {"/", CC_DECIMALES, TiposJet({T::Decimal}), T::Decimal, "jet_dec_entre(%1, %2)"},
    {"/", TiposJet({T::Decimal}), CC_DECIMALES, T::Decimal, "jet_dec_entre(%1, %2)"},
    // integers stay integers; with Single or Double the result is Double
    {"+", CC_ENTEROS, CC_ENTEROS, T::Entero, nullptr},
    {"-", CC_ENTEROS, CC_ENTEROS, T::Entero, nullptr},
    {"*", CC_ENTEROS, CC_ENTEROS, T::Entero, nullptr},
    {"+", CC_NUMEROS, CC_NUMEROS, T::Doble, nullptr},
    {"-", CC_NUMEROS, CC_NUMEROS, T::Doble, nullptr},
    {"*", CC_NUMEROS, CC_NUMEROS, T::Doble, nullptr},
    {"+", CC_TEXTO, CC_TEXTO, T::Texto, nullptr},
};

using R = TResultado;
using D = TTipoDe;

// Functions whose result is text carry the JET collation, as a text column does.
const TReglaFuncion CC_FUNCIONES[] = {
    {"IIF", 3, 0, "(CASE WHEN %1 THEN %2 ELSE %3 END COLLATE JET)", R::Valor, T::Valor, D::Ramas, false, true},
    {"ISNULL", 1, 0, "(%1 IS NULL)", R::Logico, T::Booleano},
    // Switch(condition, value, ...) and Choose(index, value, ...): Null when none applies
    {"SWITCH", 2, -1, "(jet_switch(%*) COLLATE JET)", R::Valor, T::Valor},
    {"CHOOSE", 2, -1, "(jet_choose(%*) COLLATE JET)", R::Valor, T::Valor},
    // aggregates; SUM is exact for values of up to four decimals (Currency)
    {"COUNT", 1, 0, "count(%1)", R::Numero, T::Entero, D::Fijo, true},
    {"SUM", 1, 0, "jet_sum(%1)", R::Numero, T::Valor, D::Primero, true},
    {"MIN", 1, 0, "min(%1)", R::Valor, T::Valor, D::Primero, true},
    {"MAX", 1, 0, "max(%1)", R::Valor, T::Valor, D::Primero, true},
    // the average of Currency is Currency (four decimals, rounded half to even): CC_EXACTAS
    {"AVG", 1, 0, "avg(%1)", R::Numero, T::Doble, D::Moneda, true},
    // the spelling a group of texts equal but for letter case shows, whatever the row order
    {"JET_GRAFIA", 1, 0, "(min(%1 COLLATE BINARY) COLLATE JET)", R::Valor, T::Valor, D::Primero, true},
    // the value of the group's first or last row as read, Null included
    {"FIRST", 1, 0, "jet_first(%1)", R::Valor, T::Valor, D::Primero, true},
    {"LAST", 1, 0, "jet_last(%1)", R::Valor, T::Valor, D::Primero, true},
    // sample statistics are Null below two values
    {"STDEV", 1, 0, "jet_stdev(%1)", R::Numero, T::Doble, D::Fijo, true},
    {"STDEVP", 1, 0, "jet_stdevp(%1)", R::Numero, T::Doble, D::Fijo, true},
    {"VAR", 1, 0, "jet_var(%1)", R::Numero, T::Doble, D::Fijo, true},
    {"VARP", 1, 0, "jet_varp(%1)", R::Numero, T::Doble, D::Fijo, true},
    // text; a Null argument gives Null
    {"LEFT", 2, 0, "(jet_left(%1, %2) COLLATE JET)", R::Valor, T::Texto},
    {"RIGHT", 2, 0, "(jet_right(%1, %2) COLLATE JET)", R::Valor, T::Texto},
    {"MID", 2, 3, "(jet_mid(%*) COLLATE JET)", R::Valor, T::Texto},
    {"LEN", 1, 0, "jet_len(%1)", R::Numero, T::Entero},
    {"INSTR", 2, 4, "jet_instr(%*)", R::Numero, T::Entero},
    {"INSTRREV", 2, 4, "jet_instrrev(%*)", R::Numero, T::Entero},
    {"UCASE", 1, 0, "(jet_ucase(%1) COLLATE JET)", R::Valor, T::Texto},
    {"LCASE", 1, 0, "(jet_lcase(%1) COLLATE JET)", R::Valor, T::Texto},
    {"TRIM", 1, 0, "(jet_trim(%1) COLLATE JET)", R::Valor, T::Texto},
    {"LTRIM", 1, 0, "(jet_ltrim(%1) COLLATE JET)", R::Valor, T::Texto},
    {"RTRIM", 1, 0, "(jet_rtrim(%1) COLLATE JET)", R::Valor, T::Texto},
    {"REPLACE", 3, 6, "(jet_replace(%*) COLLATE JET)", R::Valor, T::Texto},
    {"SPACE", 1, 0, "(jet_space(%1) COLLATE JET)", R::Valor, T::Texto},
    {"STRING", 2, 0, "(jet_string(%1, %2) COLLATE JET)", R::Valor, T::Texto},
    {"STRCOMP", 2, 3, "jet_strcomp(%*)", R::Numero, T::Entero},
    {"ASC", 1, 0, "jet_asc(%1)", R::Numero, T::Entero},
    {"CHR", 1, 0, "(jet_chr(%1) COLLATE JET)", R::Valor, T::Texto},
    {"VAL", 1, 0, "jet_val(%1)", R::Numero, T::Doble},
    {"STR", 1, 0, "(jet_str(%1) COLLATE JET)", R::Valor, T::Texto},
    // CStr and Format follow the regional settings; of a date, its date text
    {"CSTR", 1, 0, "(jet_cstr(%1) COLLATE JET)", R::Valor, T::Texto, D::Fijo, false, false, T::Fecha,
     "(jet_fecha_texto(%1) COLLATE JET)"},
    {"FORMAT", 1, 2, "(jet_format(%*) COLLATE JET)", R::Valor, T::Texto, D::Fijo, false, false, T::Fecha,
     "(jet_format_fecha(%*) COLLATE JET)"},
    // conversions round half to even and fail outside the type's range
    {"CINT", 1, 0, "jet_cint(%1)", R::Numero, T::Entero},
    {"CLNG", 1, 0, "jet_clng(%1)", R::Numero, T::Entero},
    {"CBYTE", 1, 0, "jet_cbyte(%1)", R::Numero, T::Entero},
    {"CSNG", 1, 0, "jet_csng(%1)", R::Numero, T::Doble},
    {"CDBL", 1, 0, "jet_cdbl(%1)", R::Numero, T::Doble},
    {"CCUR", 1, 0, "jet_mon(%1)", R::Numero, T::Moneda},
    {"CBOOL", 1, 0, "jet_cbool(%1)", R::Numero, T::Booleano},
    {"CDATE", 1, 0, "jet_cdate(%1)", R::Numero, T::Fecha},
    // mathematics
    {"ABS", 1, 0, "abs(%1)", R::Numero, T::Valor, D::Primero},
    {"INT", 1, 0, "jet_int(%1)", R::Numero, T::Valor, D::Primero},
    {"FIX", 1, 0, "jet_fix(%1)", R::Numero, T::Valor, D::Primero},
    {"ROUND", 1, 2, "jet_round(%*)", R::Numero, T::Valor, D::Primero},
    {"SGN", 1, 0, "jet_sgn(%1)", R::Numero, T::Entero},
    {"SQR", 1, 0, "jet_sqr(%1)", R::Numero, T::Doble},
    {"EXP", 1, 0, "jet_exp(%1)", R::Numero, T::Doble},
    {"LOG", 1, 0, "jet_log(%1)", R::Numero, T::Doble},
    // dates: a text argument is read in the regional settings
    {"YEAR", 1, 0, "jet_year(%1)", R::Numero, T::Entero},
    {"MONTH", 1, 0, "jet_month(%1)", R::Numero, T::Entero},
    {"DAY", 1, 0, "jet_day(%1)", R::Numero, T::Entero},
    {"HOUR", 1, 0, "jet_hour(%1)", R::Numero, T::Entero},
    {"MINUTE", 1, 0, "jet_minute(%1)", R::Numero, T::Entero},
    {"SECOND", 1, 0, "jet_second(%1)", R::Numero, T::Entero},
    {"WEEKDAY", 1, 2, "jet_weekday(%*)", R::Numero, T::Entero},
    {"DATEPART", 2, 4, "jet_datepart(%*)", R::Numero, T::Entero},
    {"DATEADD", 3, 0, "jet_dateadd(%1, %2, %3)", R::Numero, T::Fecha},
    {"DATEDIFF", 3, 5, "jet_datediff(%*)", R::Numero, T::Entero},
    {"DATESERIAL", 3, 0, "jet_dateserial(%1, %2, %3)", R::Numero, T::Fecha},
    {"TIMESERIAL", 3, 0, "jet_timeserial(%1, %2, %3)", R::Numero, T::Fecha},
    {"DATEVALUE", 1, 0, "jet_datevalue(%1)", R::Numero, T::Fecha},
    {"TIMEVALUE", 1, 0, "jet_timevalue(%1)", R::Numero, T::Fecha},
    {"DATE", 0, 0, "jet_date()", R::Numero, T::Fecha},
    {"TIME", 0, 0, "jet_time()", R::Numero, T::Fecha},
    {"NOW", 0, 0, "jet_now()", R::Numero, T::Fecha},
    {"MONTHNAME", 1, 2, "(jet_monthname(%*) COLLATE JET)", R::Valor, T::Texto},
    {"WEEKDAYNAME", 1, 3, "(jet_weekdayname(%*) COLLATE JET)", R::Valor, T::Texto},
};

// Functions that read Currency's or Decimal's exact form (ExactoJet.h) when their first
// argument has that type; any other function reads the double nearest it.
const TReglaExacta CC_EXACTAS[] = {
    {"SUM", T::Moneda, "jet_sum(%1)"},
    {"SUM", T::Decimal, "jet_sum(%1)"},
    {"AVG", T::Moneda, "jet_avg_exacto(%1)"},
    {"AVG", T::Decimal, "jet_avg_exacto(%1)"},
    {"COUNT", T::Moneda, "count(%1)"},
    {"COUNT", T::Decimal, "count(%1)"},
    {"MIN", T::Moneda, "min(%1)"},
    {"MIN", T::Decimal, "min(%1)"},
    {"MAX", T::Moneda, "max(%1)"},
    {"MAX", T::Decimal, "max(%1)"},
    {"FIRST", T::Moneda, "jet_first(%1)"},
    {"FIRST", T::Decimal, "jet_first(%1)"},
    {"LAST", T::Moneda, "jet_last(%1)"},
    {"LAST", T::Decimal, "jet_last(%1)"},
    {"JET_GRAFIA", T::Moneda, "min(%1)"},
    {"JET_GRAFIA", T::Decimal, "min(%1)"},
    {"ABS", T::Moneda, "jet_mon_abs(%1)"},
    {"ABS", T::Decimal, "jet_dec_abs(%1)"},
    {"INT", T::Moneda, "jet_mon_int(%1)"},
    {"INT", T::Decimal, "jet_dec_int(%1)"},
    {"FIX", T::Moneda, "jet_mon_fix(%1)"},
    {"FIX", T::Decimal, "jet_dec_fix(%1)"},
    {"ROUND", T::Moneda, "jet_mon_round(%*)"},
    {"ROUND", T::Decimal, "jet_dec_round(%*)"},
    {"CCUR", T::Moneda, "%1"},
    {"CCUR", T::Decimal, "jet_mon(%1)"},
    {"CSTR", T::Moneda, "(jet_cstr_mon(%1) COLLATE JET)"},
    {"CSTR", T::Decimal, "(jet_cstr_dec(%1) COLLATE JET)"},
    {"FORMAT", T::Moneda, "(jet_format_mon(%*) COLLATE JET)"},
    {"FORMAT", T::Decimal, "(jet_format_dec(%*) COLLATE JET)"},
};

const char* const CC_RESERVADAS[] = {
    "SELECT", "FROM", "WHERE", "GROUP", "BY", "HAVING", "ORDER", "UNION", "ALL", "AS", "ON",
    "INNER", "LEFT", "RIGHT", "OUTER", "JOIN", "AND", "OR", "NOT", "LIKE", "IS", "NULL",
    "BETWEEN", "IN", "DISTINCT", "DISTINCTROW", "TOP", "ASC", "DESC", "INTO", "TRUE", "FALSE",
    "XOR", "EQV", "IMP", "MOD", "PARAMETERS", "TRANSFORM", "PIVOT", "EXISTS"};

const char* const CC_ESCRITURAS[] = {"DELETE", "INSERT", "UPDATE", "CREATE", "DROP", "ALTER"};

template <typename T, size_t N>
const T* Busca(const T (&tabla)[N], const QString& sNombre) {
  for (const T& regla : tabla)
    if (MismoNombre(sNombre, QLatin1String(regla.sJet))) return &regla;
  return nullptr;
}

template <size_t N>
bool Contiene(const char* const (&tabla)[N], const QString& sPalabra) {
  for (const char* s : tabla)
    if (MismoNombre(sPalabra, QLatin1String(s))) return true;
  return false;
}

}  // namespace

const TReglaOperador* ReglaOperador(const QString& sOperador) { return Busca(CC_OPERADORES, sOperador); }

const TReglaFuncion* ReglaFuncion(const QString& sNombre) { return Busca(CC_FUNCIONES, sNombre); }

const TReglaTipo* ReglaTipo(const QString& sOperador, TTipoJet izquierda, TTipoJet derecha) {
  const unsigned a = TiposJet({izquierda}), b = TiposJet({derecha});
  for (const TReglaTipo& regla : CC_TIPOS)
    if ((regla.izquierda & a) && (regla.derecha & b) && MismoNombre(sOperador, QLatin1String(regla.sJet)))
      return &regla;
  return nullptr;
}

const TReglaExacta* ReglaExacta(const QString& sFuncion, TTipoJet tipo) {
  for (const TReglaExacta& regla : CC_EXACTAS)
    if (regla.tipo == tipo && MismoNombre(sFuncion, QLatin1String(regla.sJet))) return &regla;
  return nullptr;
}

bool EsReservada(const QString& sPalabra) { return Contiene(CC_RESERVADAS, sPalabra); }

bool EsEscritura(const QString& sPalabra) { return Contiene(CC_ESCRITURAS, sPalabra); }

}  // namespace ado::jet
