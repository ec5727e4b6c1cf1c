#pragma once

#include <QList>
#include <QString>

#include <cstdint>
#include <random>

namespace backoffice {

// Deterministic choices from a seed: the same seed gives the same sequence on
// every machine (mt19937_64 is fully specified; the standard distributions are
// not, so the arithmetic here is our own).
class TAzar {
 public:
  explicit TAzar(std::uint64_t nSemilla) : F_motor(nSemilla) {}

  std::uint64_t Bits() { return F_motor(); }
  qint64 Entero(qint64 nMin, qint64 nMax);  // both inclusive
  double Real();                            // [0, 1)
  bool Probabilidad(double dP) { return Real() < dP; }
  // Index chosen with the given cumulative weights (ascending, last = total).
  int Ponderado(const QList<double>& acumulados);

  template <typename T>
  const T& Elige(const QList<T>& lista)
  {
    return lista[static_cast<qsizetype>(Entero(0, lista.size() - 1))];
  }

 private:
  std::mt19937_64 F_motor;
};

// Cumulative weights for TAzar::Ponderado.
QList<double> Acumulados(const QList<double>& pesos);

}  // namespace backoffice
