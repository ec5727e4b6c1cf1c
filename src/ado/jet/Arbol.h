#pragma once

#include "ado/jet/Token.h"

#include <functional>
#include <memory>
#include <vector>

namespace ado::jet {

struct TConsulta;

// An expression of the Jet dialect as parsed (no rule applied yet).
struct TExpresion {
  enum class TClase {
    Numero,     // sTexto: the literal as written
    Texto,      // sTexto: the value
    Fecha,      // dValor: Jet day number
    Nulo,
    Booleano,   // dValor: -1 or 0
    Columna,    // sCalificador (may be empty), sTexto: the column
    Estrella,   // the * of COUNT(*)
    Funcion,    // sTexto: name as written; hijos: arguments
    Unario,     // sTexto: "-", "+" or "NOT"; hijos[0]
    Binario,    // sTexto: operator in upper case; hijos[0], hijos[1]
    Like,       // hijos[0] LIKE hijos[1]; bNegada
    EsNulo,     // hijos[0] IS NULL; bNegada
    Entre,      // hijos[0] BETWEEN hijos[1] AND hijos[2]; bNegada
    En,         // hijos[0] IN (hijos[1..]) or IN (pConsulta); bNegada
    Subconsulta,  // (pConsulta): its one value
    Existe,       // EXISTS (pConsulta)
    Cuantificada  // hijos[0] sTexto ANY|ALL (pConsulta); sCalificador: "ANY" or "ALL"
  };
  TClase clase = TClase::Nulo;
  QString sTexto;
  QString sCalificador;
  double dValor = 0;
  bool bNegada = false;
  std::vector<std::unique_ptr<TExpresion>> hijos;
  std::unique_ptr<TConsulta> pConsulta;  // subqueries
  TPosicion pos;
};

// An item of FROM: a named table, a derived table or a join of two items.
struct TFuente {
  enum class TClase { Tabla, Derivada, Union };
  TClase clase = TClase::Tabla;
  QString sNombre;                        // Tabla: the table
  QString sAlias;                         // Tabla, Derivada: may be empty
  std::unique_ptr<TConsulta> pConsulta;   // Derivada
  QString sTipoUnion;                     // Union: "INNER", "LEFT" or "RIGHT"
  std::unique_ptr<TFuente> pIzquierda, pDerecha;
  std::unique_ptr<TExpresion> pCondicion; // Union: ON
  bool bParentesis = false;               // Union written between parentheses
  TPosicion pos;
};

struct TElementoSelect {
  std::unique_ptr<TExpresion> pExpresion;  // empty for * and alias.*
  bool bEstrella = false;
  QString sCalificador;                    // alias.*
  QString sAlias;                          // AS name
};

struct TSelect {
  bool bDistinct = false;
  bool bDistinctRow = false;  // DISTINCTROW: one row per combination of the rows of the tables shown
  int nTop = 0;             // TOP n (0: none)
  bool bTopPorcentaje = false;
  std::vector<TElementoSelect> elementos;
  std::vector<std::unique_ptr<TFuente>> fuentes;  // comma-separated
  std::unique_ptr<TExpresion> pDonde;
  std::vector<std::unique_ptr<TExpresion>> agrupaPor;
  std::unique_ptr<TExpresion> pTeniendo;
};

struct TOrden {
  std::unique_ptr<TExpresion> pExpresion;
  bool bDescendente = false;
};

// PARAMETERS name type, ...
struct TParametro {
  QString sNombre;
  QString sTipo;  // upper case, without size
  TPosicion pos;
};

// [PARAMETERS ...;] [TRANSFORM aggregate] SELECT [UNION [ALL] SELECT ...] [ORDER BY ...]
// [PIVOT expression [IN (values)]]
struct TConsulta {
  std::vector<TParametro> parametros;
  std::vector<TSelect> partes;
  std::vector<bool> unionesTodas;  // between parts: true for UNION ALL
  std::vector<TOrden> orden;
  std::unique_ptr<TExpresion> pTransforma;  // TRANSFORM: the value of each cell
  std::unique_ptr<TExpresion> pPivote;      // PIVOT: the column heading
  std::vector<std::unique_ptr<TExpresion>> valoresPivote;  // IN (...): the columns, in order
};

// Deep copies (a crosstab repeats its value once per column).
std::unique_ptr<TExpresion> Clona(const TExpresion& e);
std::unique_ptr<TConsulta> Clona(const TConsulta& consulta);
std::unique_ptr<TFuente> Clona(const TFuente& fuente);

// New nodes, for the rules that rewrite a query.
std::unique_ptr<TExpresion> NuevaColumna(const QString& sCalificador, const QString& sNombre);
std::unique_ptr<TExpresion> NuevaFuncion(const QString& sNombre, std::unique_ptr<TExpresion> argumento);

// The terms of a chain of ANDs, taken out of it in order; and terms joined by AND again
// (empty for none).
void Conjunciones(std::unique_ptr<TExpresion> e, std::vector<std::unique_ptr<TExpresion>>& terminos);
std::unique_ptr<TExpresion> Une(std::vector<std::unique_ptr<TExpresion>> terminos);

// A condition that cannot fail whichever rows it sees (comparisons, IS NULL, BETWEEN, IN and
// LIKE of columns and literals, joined by AND, OR, NOT): a rule may have it tested on rows
// that SQLite's plan would have left out before it.
bool NoFalla(const TExpresion& e);

// Calls f on every expression slot of the query's own clauses (select list, joins'
// conditions, WHERE, GROUP BY, HAVING, ORDER BY), outermost first; f may replace the
// expression. Subqueries and derived tables are not entered: f sees their node.
void RecorreExpresiones(TConsulta& consulta, const std::function<void(std::unique_ptr<TExpresion>&)>& f);
// The derived tables and subqueries that the query's clauses hold, one level down.
void RecorreSubconsultas(TConsulta& consulta, const std::function<void(TConsulta&)>& f);

}  // namespace ado::jet
