#pragma once

#include "ado/jet/TipoJet.h"

#include <QString>
#include <initializer_list>

namespace ado::jet {

// The dialect differences between Jet and SQLite, one entry per rule. The parser and the
// emitter read these tables; the functions they name are registered by RegistraReglas.

// What an expression yields once written for SQLite.
enum class TResultado {
  Valor,   // any value; text results carry the JET collation
  Numero,  // certainly a number (so "+" may stay SQLite's addition)
  Logico   // SQLite's 1/0: written as -(...) where Jet uses it as a value (-1/0)
};

// Binary operators. %1 and %2 are the operands written as values.
struct TReglaOperador {
  const char* sJet;
  const char* sPlantilla;
  TResultado resultado;
  TTipoJet tipo;  // the Jet type of the result unless a TReglaTipo says otherwise
};

// Jet's result types of arithmetic: Currency with Currency or an integer stays Currency and
// exact; a date plus a number stays a date; a date joined to text becomes its text. The first
// entry whose operator and operand types match decides the type and, when given, the template.
struct TReglaTipo {
  const char* sJet;
  unsigned izquierda;  // set of TTipoJet (TiposJet)
  unsigned derecha;
  TTipoJet tipo;
  const char* sPlantilla;  // nullptr: the operator's own
};

constexpr unsigned TiposJet(std::initializer_list<TTipoJet> tipos) {
  unsigned n = 0;
  for (TTipoJet tipo : tipos) n |= 1u << unsigned(tipo);
  return n;
}

// Where a function's result type comes from.
enum class TTipoDe {
  Fijo,      // TReglaFuncion::tipo
  Primero,   // the first argument's (MIN, MAX, SUM)
  Ramas,     // the common type of the branches (IIF)
  Moneda     // Currency or Decimal as the first argument, otherwise tipo (AVG)
};

// Functions. %1, %2, %3 are the arguments and %* all of them, comma-separated; the first
// is written as a condition when bPrimeroCondicion (IIF), otherwise every argument is a value.
struct TReglaFuncion {
  const char* sJet;
  int nArgumentos;
  int nMaximoArgumentos;  // -1: any number; not above nArgumentos: exactly nArgumentos
  const char* sPlantilla;
  TResultado resultado;
  TTipoJet tipo;
  TTipoDe tipoDe = TTipoDe::Fijo;
  bool bAgregada = false;  // COUNT, SUM, MIN, MAX, AVG, FIRST, ...
  bool bPrimeroCondicion = false;
  TTipoJet tipoEspecial = TTipoJet::Valor;  // when the first argument has this type ...
  const char* sPlantillaEspecial = nullptr;  // ... this template applies
};

// A function of a Currency or Decimal first argument that keeps it exact: that argument is
// written in its exact form and the result has its type (CCUR, CSTR, FORMAT: their own).
struct TReglaExacta {
  const char* sJet;
  TTipoJet tipo;
  const char* sPlantilla;
};

const TReglaOperador* ReglaOperador(const QString& sOperador);
const TReglaExacta* ReglaExacta(const QString& sFuncion, TTipoJet tipo);
const TReglaFuncion* ReglaFuncion(const QString& sNombre);
const TReglaTipo* ReglaTipo(const QString& sOperador, TTipoJet izquierda, TTipoJet derecha);

// "+" between two operands that are certainly numbers stays SQLite's addition.
inline constexpr const char* CC_SUMA_NUMERICA = "(%1 + %2)";
// Jet's AND/OR/NOT on numbers are bitwise (-1 AND 5 = 5); on comparisons, logical.
inline constexpr const char* CC_AND_BITS = "(%1 & %2)";
inline constexpr const char* CC_OR_BITS = "(%1 | %2)";
inline constexpr const char* CC_NOT_BITS = "(~%1)";
// A comparison used as a value.
inline constexpr const char* CC_LOGICO_COMO_VALOR = "(-%1)";
// Every text literal compares with the one collation.
inline constexpr const char* CC_COLACION = " COLLATE JET";
// Jet's LIKE (% and _ and [lists], case folded, accents kept).
inline constexpr const char* CC_LIKE = "jet_like(%1, %2)";
// Jet names an unnamed computed column Expr1000, Expr1001, ...
inline constexpr int CC_PRIMER_EXPR = 1000;

// Words that end an expression or a FROM item: never taken as a name or an alias.
bool EsReservada(const QString& sPalabra);
// First words of statements that would write; the engine is read-only.
bool EsEscritura(const QString& sPalabra);

}  // namespace ado::jet
