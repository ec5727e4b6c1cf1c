#include "ado/jet/SumaJet.h"

#include "ado/jet/ValorSQLite.h"

#include <cmath>
#include <cstdint>
#include <sqlite3.h>

namespace ado::jet {

bool TSumaJet::Agrega(sqlite3_value* v) {
  if (sqlite3_value_type(v) == SQLITE_NULL) return true;
  const auto valor = Numero(v);
  if (!valor) return false;
  bAlguno = true;
  if (valor->bEntero) {
    nDiezmilesimas += __int128(valor->n) * 10000;
    return true;
  }
  bDecimal = true;
  const double dEscalado = valor->d * 10000.0;
  if (std::fabs(dEscalado) < 9e18) {
    const qint64 n = std::llround(dEscalado);
    if (double(n) / 10000.0 == valor->d) {
      nDiezmilesimas += n;
      return true;
    }
  }
  dResto += valor->d;
  return true;
}

TSumaJet::TTotal TSumaJet::Total() const {
  if (!bAlguno) return {TTotal::TClase::Nulo, 0, 0};
  const __int128 nEnteros = nDiezmilesimas / 10000;
  if (!bDecimal && nEnteros >= INT64_MIN && nEnteros <= INT64_MAX) return {TTotal::TClase::Entero, qint64(nEnteros), 0};
  return {TTotal::TClase::Real, 0, DobleDeDiezmilesimas(nDiezmilesimas) + dResto};
}

}  // namespace ado::jet
