#include "ado/jet/SumaJet.h"

#include "ado/jet/ValorSQLite.h"

#include <cmath>
#include <cstdint>
#include <sqlite3.h>

namespace ado::jet {

bool TSumaJet::Agrega(sqlite3_value* v) {
  if (sqlite3_value_type(v) == SQLITE_NULL) return true;
  if (sqlite3_value_type(v) == SQLITE_BLOB) {
    const auto valor = TDecimalJet::DeClave(
        QByteArrayView(static_cast<const char*>(sqlite3_value_blob(v)), sqlite3_value_bytes(v)));
    if (!valor) return false;
    ++nValores;
    bDecimal = true;
    decimales.Agrega(*valor);
    return true;
  }
  const auto valor = Numero(v);
  if (!valor) return false;
  ++nValores;
  if (valor->bEntero) {
    nDiezmilesimas += __int128(valor->n) * 10000;
    return true;
  }
  bReal = true;
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

TSumaJet::TTotal TSumaJet::Promedio() const {
  using C = TTotal::TClase;
  TTotal total = Total();
  const qint64 n = nValores;
  switch (total.clase) {
    case C::Nulo:
    case C::Desborda: break;
    case C::Decimal: {
      const auto promedio = total.decimal.Entre(TDecimalJet::DeEntero(n));
      if (promedio) total.decimal = *promedio;
      else total.clase = C::Desborda;
      break;
    }
    case C::Entero: total.n = qint64(DivideAlPar(total.n, n)); break;
    case C::Real: total.d /= double(n); break;
  }
  return total;
}

TSumaJet* SumaDelContexto(sqlite3_context* ctx, bool bCrea) {
  void* p = sqlite3_aggregate_context(ctx, bCrea ? int(sizeof(TSumaJet) + alignof(TSumaJet)) : 0);
  if (!p) return nullptr;
  const auto n = reinterpret_cast<quintptr>(p);
  return reinterpret_cast<TSumaJet*>((n + alignof(TSumaJet) - 1) / alignof(TSumaJet) * alignof(TSumaJet));
}

TSumaJet::TTotal TSumaJet::Total() const {
  using C = TTotal::TClase;
  if (nValores == 0) return {C::Nulo, 0, 0, {}};
  if (bDecimal && !bReal) {  // integers beside Decimals join them
    const auto enteros = TDecimalJet::DeTexto(DecimalComoTexto(nDiezmilesimas));
    if (!enteros) return {C::Desborda, 0, 0, {}};
    TSumaDecimal todos = decimales;
    todos.Agrega(*enteros);
    const auto suma = todos.Total();
    return suma ? TTotal{C::Decimal, 0, 0, *suma} : TTotal{C::Desborda, 0, 0, {}};
  }
  const __int128 nEnteros = nDiezmilesimas / 10000;
  if (!bReal && !bDecimal) {
    if (nEnteros < INT64_MIN || nEnteros > INT64_MAX) return {C::Desborda, 0, 0, {}};
    return {C::Entero, qint64(nEnteros), 0, {}};
  }
  // Decimals are converted only when there are some: this runs once per group. Without
  // them a zero is added still, so a total of -0 reads 0 as before.
  double dDecimales = 0.0;
  if (bDecimal) {
    const auto suma = decimales.Total();
    if (!suma) return {C::Desborda, 0, 0, {}};
    dDecimales = suma->Doble();
  }
  return {C::Real, 0, DobleDeDiezmilesimas(nDiezmilesimas) + dResto + dDecimales, {}};
}

}  // namespace ado::jet
