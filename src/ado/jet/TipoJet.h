#pragma once

#include <QString>
#include <vector>

namespace ado::jet {

// The Jet type of a value or a result column, as far as the translator can tell.
enum class TTipoJet {
  Valor,     // unknown or mixed
  Booleano,  // Yes/No and comparisons: -1/0
  Entero,    // Byte, Integer, Long
  Moneda,    // Currency: its count of ten-thousandths (ExactoJet.h)
  Decimal,   // Decimal: its ordered BLOB (ExactoJet.h)
  Doble,     // Single, Double
  Fecha,     // Jet day number
  Texto      // Text, Memo
};

// The loader's declared SQLite type ("CURRENCY", "DECIMAL", "DATETIME", "INTEGER", ...) as a Jet type.
TTipoJet TipoDeclarado(const QString& sDeclarado);

// Currency and Decimal keep an exact form in SQLite that only the functions made for them read.
inline bool EsExacto(TTipoJet tipo) { return tipo == TTipoJet::Moneda || tipo == TTipoJet::Decimal; }

struct TColumnaTipada {
  QString sNombre;
  TTipoJet tipo = TTipoJet::Valor;
};
using TColumnasTipadas = std::vector<TColumnaTipada>;

}  // namespace ado::jet

struct sqlite3_stmt;

namespace ado::jet {

// A prepared statement (the caller finalizes it) and the Jet type of each result column.
struct TSentenciaJet {
  sqlite3_stmt* pSentencia = nullptr;
  std::vector<TTipoJet> tipos;
};

}  // namespace ado::jet

#include <map>

namespace ado::jet {

// Values of a query's PARAMETERS: name (any letter case) -> value as the user wrote it.
using TParametrosJet = std::map<QString, QString>;

}  // namespace ado::jet
