#include "ado/jet/ReglasJet.h"

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
    // always joins text, Null as empty: 1 & 2 = "12"
    {"&", "(jet_concat(%1, %2) COLLATE JET)", TResultado::Valor, T::Texto},
};

constexpr unsigned CC_ENTEROS = TiposJet({T::Entero, T::Booleano});
constexpr unsigned CC_EXACTOS = TiposJet({T::Entero, T::Booleano, T::Moneda});
constexpr unsigned CC_NUMEROS = TiposJet({T::Entero, T::Booleano, T::Moneda, T::Doble});
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
    // integers stay integers; with Single or Double the result is Double
    {"+", CC_ENTEROS, CC_ENTEROS, T::Entero, nullptr},
    {"-", CC_ENTEROS, CC_ENTEROS, T::Entero, nullptr},
    {"*", CC_ENTEROS, CC_ENTEROS, T::Entero, nullptr},
    {"+", CC_NUMEROS, CC_NUMEROS, T::Doble, nullptr},
    {"-", CC_NUMEROS, CC_NUMEROS, T::Doble, nullptr},
    {"*", CC_NUMEROS, CC_NUMEROS, T::Doble, nullptr},
    {"+", CC_TEXTO, CC_TEXTO, T::Texto, nullptr},
};

const TReglaFuncion CC_FUNCIONES[] = {
    {"IIF", 3, "(CASE WHEN %1 THEN %2 ELSE %3 END COLLATE JET)", TResultado::Valor, true, false, T::Valor, TTipoDe::Ramas},
    {"ISNULL", 1, "(%1 IS NULL)", TResultado::Logico, false, false, T::Booleano},
    {"ABS", 1, "abs(%1)", TResultado::Numero, false, false, T::Valor, TTipoDe::Primero},
    {"COUNT", 1, "count(%1)", TResultado::Numero, false, true, T::Entero},
    // exact for values of up to four decimals (Currency)
    {"SUM", 1, "jet_sum(%1)", TResultado::Numero, false, true, T::Valor, TTipoDe::Primero},
    {"MIN", 1, "min(%1)", TResultado::Valor, false, true, T::Valor, TTipoDe::Primero},
    {"MAX", 1, "max(%1)", TResultado::Valor, false, true, T::Valor, TTipoDe::Primero},
    // the average of Currency is Currency (four decimals, rounded half to even)
    {"AVG", 1, "avg(%1)", TResultado::Numero, false, true, T::Doble, TTipoDe::Moneda, "jet_mon(avg(%1))"},
    // the spelling a group of texts equal but for letter case shows, whatever the row order
    {"JET_GRAFIA", 1, "(min(%1 COLLATE BINARY) COLLATE JET)", TResultado::Valor, false, true, T::Valor, TTipoDe::Primero},
};

const char* const CC_RESERVADAS[] = {
    "SELECT", "FROM", "WHERE", "GROUP", "BY", "HAVING", "ORDER", "UNION", "ALL", "AS", "ON",
    "INNER", "LEFT", "RIGHT", "OUTER", "JOIN", "AND", "OR", "NOT", "LIKE", "IS", "NULL",
    "BETWEEN", "IN", "DISTINCT", "DISTINCTROW", "TOP", "ASC", "DESC", "INTO", "TRUE", "FALSE",
    "XOR", "EQV", "IMP", "MOD"};

const char* const CC_ESCRITURAS[] = {"DELETE", "INSERT", "UPDATE", "CREATE", "DROP", "ALTER"};

template <typename T, size_t N>
const T* Busca(const T (&tabla)[N], const QString& sNombre) {
  for (const T& regla : tabla)
    if (sNombre.compare(QLatin1String(regla.sJet), Qt::CaseInsensitive) == 0) return &regla;
  return nullptr;
}

template <size_t N>
bool Contiene(const char* const (&tabla)[N], const QString& sPalabra) {
  for (const char* s : tabla)
    if (sPalabra.compare(QLatin1String(s), Qt::CaseInsensitive) == 0) return true;
  return false;
}

}  // namespace

const TReglaOperador* ReglaOperador(const QString& sOperador) { return Busca(CC_OPERADORES, sOperador); }

const TReglaFuncion* ReglaFuncion(const QString& sNombre) { return Busca(CC_FUNCIONES, sNombre); }

const TReglaTipo* ReglaTipo(const QString& sOperador, TTipoJet izquierda, TTipoJet derecha) {
  const unsigned a = TiposJet({izquierda}), b = TiposJet({derecha});
  for (const TReglaTipo& regla : CC_TIPOS)
    if ((regla.izquierda & a) && (regla.derecha & b) && sOperador.compare(QLatin1String(regla.sJet), Qt::CaseInsensitive) == 0)
      return &regla;
  return nullptr;
}

bool EsReservada(const QString& sPalabra) { return Contiene(CC_RESERVADAS, sPalabra); }

bool EsEscritura(const QString& sPalabra) { return Contiene(CC_ESCRITURAS, sPalabra); }

}  // namespace ado::jet
