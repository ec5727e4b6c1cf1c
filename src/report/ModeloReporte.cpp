#include "report/ModeloReporte.h"

#include <QPageSize>
#include <algorithm>

QPageLayout TPagina::Layout() const
{
  // Qt wants the portrait paper size plus the orientation; a landscape size given
  // with landscape orientation would come out rotated twice.
  const double dCorto = std::min(tamanoMm.width(), tamanoMm.height());
  const double dLargo = std::max(tamanoMm.width(), tamanoMm.height());
  const QPageSize tamano(QSizeF(dCorto, dLargo), QPageSize::Millimeter, QString(),
                         QPageSize::ExactMatch);
  return QPageLayout(tamano, orientacion, margenesMm, QPageLayout::Millimeter);
}

double TPagina::AnchoImprimible() const
{
  return (tamanoMm.width() - margenesMm.left() - margenesMm.right()) * CC_UNIDADES_POR_MM;
}
