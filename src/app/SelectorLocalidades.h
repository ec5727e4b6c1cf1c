#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

#include "survey/RepEncGAFI2016.h"

class IMensajero;
class QComboBox;
class QListWidget;
class TTablaMemoria;

// States and countries offered in cbEstado; entry i is line i of the box.
struct TRCR_Estados {
  int TotalEstados = -1;  // position of the last entry, -1 when none
  QList<int> IdEstado;
  QStringList Estado;
};

// Localities of the selected state offered in cbCiudad; entry i is line i of the box.
struct TRCR_Ciudades {
  int TotalCiudades = -1;  // position of the last entry, -1 when none
  QList<int> IdCiudad;
  QStringList Ciudad;
  QStringList Clave;
};

// Every row of vtEstados in stored order; true when the catalogue has rows.
bool DameEstadosDisp(TTablaMemoria& vtEstados, TRCR_Estados& RCR_EstadosDisp);
// The rows of vLocalidades whose IdEstado is nIdEstado; true when there are some.
bool DameCiudadesDisp(TTablaMemoria& vLocalidades, TRCR_Ciudades& RCR_CiudadesDisp, int nIdEstado);

// "AGUASCALIENTES [Clave:00101003 ]": a line of the chosen-localities list.
QString LineaLocalidad(const QString& sLocalidad, const QString& sClave);

// The risk-locality picker of the main window: the two combo boxes, the list of
// chosen localities and the shared lists behind it.
class TSelectorLocalidades {
 public:
  TSelectorLocalidades(QComboBox* cbEstado, QComboBox* cbCiudad, QListWidget* lbLoc,
                       TTablaMemoria& vtEstados, TTablaMemoria& vLocalidades,
                       std::shared_ptr<IMensajero> Mensajero, TLocalidades ListaLocs);

  void CargaCBEstados(const QString& sEstado);
  void CargaCBCiudades(const QString& sCiudad);

  void cbEstadoSelect();
  void cbEstadoExit();
  void bnAgregarClick();
  void bnEliminarClick();

 private:
  QComboBox* cbEstado;
  QComboBox* cbCiudad;
  QListWidget* lbLoc;
  TTablaMemoria& F_vtEstados;
  TTablaMemoria& F_vLocalidades;
  std::shared_ptr<IMensajero> F_Mensajero;
  TLocalidades _ListaLocs;
  TRCR_Estados _RCR_EstadosDisp;
  TRCR_Ciudades _RCR_CiudadesDisp;
};
