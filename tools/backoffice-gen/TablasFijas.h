#pragma once

#include "Numeracion.h"
#include "Salida.h"

#include <QList>
#include <QString>

namespace backoffice {

inline constexpr int CC_PRIMER_ANIO = 2011;
inline constexpr int CC_ULTIMO_ANIO = 2015;

struct TDivisa {
  int nNumero;
  QString sNombre;
  QString sSimbolo;         // null: a currency kept without symbol
  int nGrupo;               // may name no row of tGrupos
  double dPeso;             // share of the operation lines
  double aCotizacion[5];    // mean pesos per unit, 2011 to 2015
  double dMinimo, dMaximo;  // usual amount of one line, in its own units
};

struct TSector {
  int nClave;
  QString sSector;
  QString sActividad;  // activity key; null for one sector
  char cClase;         // 'F' financial entity, 'V' vulnerable activity, 'N' neither
};

const QList<TDivisa>& Divisas();
const QList<TSector>& Sectores();
// Branches after the first keep one more trade of their own (a financial entity or a
// vulnerable activity), which no other branch has.
inline constexpr int CC_SECTOR_PROPIO = 29;
TSector SectorPropio(int nSucursal);

// tEmpresa, tEmps, tCompUsr (empty), tGrupos, tDivisas, tSector.
void EscribeTablasFijas(TSalida& Salida, const TNumeracion& Numeracion);

}  // namespace backoffice
