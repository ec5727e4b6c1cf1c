#include "Numeracion.h"

namespace backoffice {

TNumeracion::TNumeracion(int nSucursal, int nSucursales, bool bUnida)
    : F_nSucursal(nSucursal), F_nSucursales(nSucursales), F_bUnida(bUnida)
{
}

qint64 TNumeracion::Clave(qint64 nClave) const
{
  return F_bUnida ? (nClave - 1) * F_nSucursales + F_nSucursal : nClave;
}

QString TNumeracion::Clave(const QString& sClave) const
{
  if (!F_bUnida || sClave.isNull())
    return sClave;
  return QString::number(F_nSucursal) + u':' + sClave;
}

qint64 TNumeracion::Empresa() const
{
  return F_bUnida ? CC_EMPRESA : F_nSucursal;
}

qint64 TNumeracion::OtraEmpresa() const
{
  if (F_bUnida)
    return 0;
  return F_nSucursales == 1 ? CC_OTRA_EMPRESA : F_nSucursal % F_nSucursales + 1;
}

}  // namespace backoffice
