#include "ado/FechaADO.h"

#include <cmath>

namespace ado {

QDateTime FechaDeDiaJet(double dDia) {
  if (!std::isfinite(dDia) || std::fabs(dDia) > 3.0e6) return {};
  const double dEntero = std::trunc(dDia);
  const qint64 nMilisegundos = std::llround(std::fabs(dDia - dEntero) * 86400000.0);
  const QDateTime Base(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
  return Base.addDays(qint64(dEntero)).addMSecs(nMilisegundos);
}

}  // namespace ado
