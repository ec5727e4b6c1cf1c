#pragma once

#include <QString>
#include <QtGlobal>

namespace backoffice {

inline constexpr int CC_EMPRESA = 1;       // the active company of a lone back office
inline constexpr int CC_OTRA_EMPRESA = 2;  // a second company sharing its file

// Which back office is written and how it numbers its keys. A lone back office is
// branch 1 of 1. Branch s of n has company number s and shares its file with another
// company (the next branch's number, or 2 when alone); it numbers its own keys from 1,
// so keys of different branches collide. The joined back office ("unida") holds every
// branch's rows under one numbering: key k of branch s becomes (k - 1) * n + s, a text
// key gets the prefix "s:", each branch's own company rows count as company 1 and the
// other companies' as 0.
class TNumeracion {
 public:
  TNumeracion(int nSucursal, int nSucursales, bool bUnida);

  int Sucursal() const { return F_nSucursal; }
  int Sucursales() const { return F_nSucursales; }
  qint64 Clave(qint64 nClave) const;
  QString Clave(const QString& sClave) const;  // null stays null
  qint64 Empresa() const;                      // NumEmp of its own rows, EmpresaActiva of its INI
  qint64 OtraEmpresa() const;                  // NumEmp of the other company's rows

 private:
  int F_nSucursal;
  int F_nSucursales;
  bool F_bUnida;
};

}  // namespace backoffice
