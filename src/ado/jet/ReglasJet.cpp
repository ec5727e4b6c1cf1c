#include "ado/jet/ReglasJet.h"

#include <iterator>

namespace ado::jet {

namespace {

const TReglaOperador CC_OPERADORES[] = {
    {"=", "(%1 = %2)", TResultado::Logico},
    {"<>", "(%1 <> %2)", TResultado::Logico},
    {"<", "(%1 < %2)", TResultado::Logico},
    {">", "(%1 > %2)", TResultado::Logico},
    {"<=", "(%1 <= %2)", TResultado::Logico},
    {">=", "(%1 >= %2)", TResultado::Logico},
    // text + text joins, Null propagates, numeric text converts, other text fails
    {"+", "(jet_mas(%1, %2) COLLATE JET)", TResultado::Valor},
    {"-", "(%1 - %2)", TResultado::Numero},
    {"*", "(%1 * %2)", TResultado::Numero},
    // always floating point: 7 / 2 = 3.5
    {"/", "jet_div(%1, %2)", TResultado::Numero},
    // always joins text, Null as empty: 1 & 2 = "12"
    {"&", "(jet_concat(%1, %2) COLLATE JET)", TResultado::Valor},
};

const TReglaFuncion CC_FUNCIONES[] = {
    {"IIF", 3, "(CASE WHEN %1 THEN %2 ELSE %3 END COLLATE JET)", TResultado::Valor, true, false},
    {"ISNULL", 1, "(%1 IS NULL)", TResultado::Logico, false, false},
    {"ABS", 1, "abs(%1)", TResultado::Numero, false, false},
    {"COUNT", 1, "count(%1)", TResultado::Numero, false, true},
    // exact for values of up to four decimals (Currency)
    {"SUM", 1, "jet_sum(%1)", TResultado::Numero, false, true},
    {"MIN", 1, "min(%1)", TResultado::Valor, false, true},
    {"MAX", 1, "max(%1)", TResultado::Valor, false, true},
    {"AVG", 1, "avg(%1)", TResultado::Numero, false, true},
    // the spelling a group of texts equal but for letter case shows, whatever the row order
    {"JET_GRAFIA", 1, "(min(%1 COLLATE BINARY) COLLATE JET)", TResultado::Valor, false, true},
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

bool EsReservada(const QString& sPalabra) { return Contiene(CC_RESERVADAS, sPalabra); }

bool EsEscritura(const QString& sPalabra) { return Contiene(CC_ESCRITURAS, sPalabra); }

}  // namespace ado::jet
