#pragma once

#include "ado/jet/ExactoJet.h"

#include <QtGlobal>

struct sqlite3_context;
struct sqlite3_value;

namespace ado::jet {

// Jet's SUM: integers (Currency's ten-thousandths among them) are added exactly, and a
// total beyond 64 bits is Jet's overflow; Decimals (ExactoJet.h) exactly, only their total
// held to 28 digits;
// doubles of up to four decimals exactly as integers scaled by 10,000, any other double as
// a double. Zeroed memory is an empty sum (SQLite's aggregate context starts so).
struct TSumaJet {
  __int128 nDiezmilesimas;
  double dResto;
  TSumaDecimal decimales;
  qint64 nValores;
  bool bReal;
  bool bDecimal;

  // Nulls are left out; false for a value that is not a number (Jet's type mismatch).
  bool Agrega(sqlite3_value* v);

  // The total: Null without values, a whole number when every value was one, a Decimal
  // when one was, else a double.
  struct TTotal {
    enum class TClase { Nulo, Entero, Real, Decimal, Desborda } clase;
    qint64 n;
    double d;
    TDecimalJet decimal;
  };
  TTotal Total() const;
  // Avg: of integers (Currency's ten-thousandths) an integer rounded half to even, of
  // Decimals a Decimal, else a double.
  TTotal Promedio() const;
};

// The sum an aggregate call keeps in SQLite's context (zeroed, but only 8-byte aligned:
// the 128-bit members need 16); nullptr when bCrea is false and no row came, or out of memory.
TSumaJet* SumaDelContexto(sqlite3_context* ctx, bool bCrea);

}  // namespace ado::jet
