#pragma once

#include <QtGlobal>

struct sqlite3_value;

namespace ado::jet {

// Jet's SUM: values of up to four decimals (Currency loads as the double nearest its value)
// are added exactly as integers scaled by 10,000; any other value is added as a double.
// Zeroed memory is an empty sum (SQLite's aggregate context starts so).
struct TSumaJet {
  __int128 nDiezmilesimas;
  double dResto;
  bool bAlguno;
  bool bDecimal;

  // Nulls are left out; false for a value that is not a number (Jet's type mismatch).
  bool Agrega(sqlite3_value* v);

  // The total: Null without values, a whole number when every value was one, else a double.
  struct TTotal {
    enum class TClase { Nulo, Entero, Real } clase;
    qint64 n;
    double d;
  };
  TTotal Total() const;
};

}  // namespace ado::jet
