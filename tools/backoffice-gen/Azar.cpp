#include "Azar.h"

#include <algorithm>

namespace backoffice {

qint64 TAzar::Entero(qint64 nMin, qint64 nMax)
{
  const std::uint64_t nRango = static_cast<std::uint64_t>(nMax - nMin) + 1;
  return nMin + static_cast<qint64>(F_motor() % nRango);
}

double TAzar::Real()
{
  return static_cast<double>(F_motor() >> 11) * (1.0 / 9007199254740992.0);
}

int TAzar::Ponderado(const QList<double>& acumulados)
{
  const double dValor = Real() * acumulados.last();
  const auto it = std::upper_bound(acumulados.cbegin(), acumulados.cend(), dValor);
  return static_cast<int>(std::min<qsizetype>(it - acumulados.cbegin(), acumulados.size() - 1));
}

QList<double> Acumulados(const QList<double>& pesos)
{
  QList<double> acumulados;
  acumulados.reserve(pesos.size());
  double dSuma = 0;
  for (double dPeso : pesos)
    acumulados.append(dSuma += dPeso);
  return acumulados;
}

}  // namespace backoffice
