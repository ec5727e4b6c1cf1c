#include "app/SelectorLocalidades.h"

#include <QComboBox>
#include <QListWidget>

#include "survey/IIMensajero.h"
#include "tables/TablaMemoria.h"

bool DameEstadosDisp(TTablaMemoria& vtEstados, TRCR_Estados& RCR_EstadosDisp)
{
  vtEstados.Open();
  RCR_EstadosDisp.IdEstado.clear();
  RCR_EstadosDisp.Estado.clear();
  RCR_EstadosDisp.IdEstado.reserve(vtEstados.RecordCount());
  RCR_EstadosDisp.Estado.reserve(vtEstados.RecordCount());
  int nContador = -1;
  bool bValido = false;
  if (!vtEstados.IsEmpty()) {
    for (vtEstados.First(); !vtEstados.Eof(); vtEstados.Next()) {
      ++nContador;
      RCR_EstadosDisp.IdEstado.append(vtEstados.CampoEntero(QStringLiteral("IdEstado")));
      RCR_EstadosDisp.Estado.append(vtEstados.CampoTexto(QStringLiteral("Estado")));
    }
    bValido = true;
  }
  RCR_EstadosDisp.TotalEstados = nContador;
  vtEstados.Close();
  return bValido;
}

bool DameCiudadesDisp(TTablaMemoria& vLocalidades, TRCR_Ciudades& RCR_CiudadesDisp, int nIdEstado)
{
  vLocalidades.Open();
  vLocalidades.SetFiltered(false);
  vLocalidades.SetFilter(QStringLiteral("IdEstado = ") + QString::number(nIdEstado));
  vLocalidades.SetFiltered(true);
  RCR_CiudadesDisp.IdCiudad.clear();
  RCR_CiudadesDisp.Ciudad.clear();
  RCR_CiudadesDisp.Clave.clear();
  int nContador = -1;
  bool bValido = false;
  if (!vLocalidades.IsEmpty()) {
    for (vLocalidades.First(); !vLocalidades.Eof(); vLocalidades.Next()) {
      ++nContador;
      RCR_CiudadesDisp.IdCiudad.append(vLocalidades.CampoEntero(QStringLiteral("IdLocalidad")));
      RCR_CiudadesDisp.Ciudad.append(vLocalidades.CampoTexto(QStringLiteral("Localidad")));
      RCR_CiudadesDisp.Clave.append(vLocalidades.CampoTexto(QStringLiteral("Clave")));
    }
    bValido = true;
  }
  RCR_CiudadesDisp.TotalCiudades = nContador;
  vLocalidades.Close();
  return bValido;
}

QString LineaLocalidad(const QString& sLocalidad, const QString& sClave)
{
  return sLocalidad + QStringLiteral(" [Clave:") + sClave + QStringLiteral(" ]");
}

TSelectorLocalidades::TSelectorLocalidades(QComboBox* cbEstado, QComboBox* cbCiudad,
                                           QListWidget* lbLoc, TTablaMemoria& vtEstados,
                                           TTablaMemoria& vLocalidades,
                                           std::shared_ptr<IMensajero> Mensajero,
                                           TLocalidades ListaLocs)
    : cbEstado(cbEstado),
      cbCiudad(cbCiudad),
      lbLoc(lbLoc),
      F_vtEstados(vtEstados),
      F_vLocalidades(vLocalidades),
      F_Mensajero(std::move(Mensajero)),
      _ListaLocs(std::move(ListaLocs))
{
}

void TSelectorLocalidades::CargaCBEstados(const QString& sEstado)
{
  int nAuxSelec = -1;
  cbEstado->clear();
  DameEstadosDisp(F_vtEstados, _RCR_EstadosDisp);
  for (int nContador = 0; nContador <= _RCR_EstadosDisp.TotalEstados; ++nContador) {
    cbEstado->addItem(_RCR_EstadosDisp.Estado[nContador]);
    if (_RCR_EstadosDisp.Estado[nContador] == sEstado)
      nAuxSelec = nContador;
  }
  cbEstado->setCurrentIndex(nAuxSelec);
}

void TSelectorLocalidades::CargaCBCiudades(const QString& sCiudad)
{
  int nAuxSelec = -1;
  cbCiudad->clear();
  DameCiudadesDisp(F_vLocalidades, _RCR_CiudadesDisp,
                   _RCR_EstadosDisp.IdEstado[cbEstado->currentIndex()]);
  for (int nContador = 0; nContador <= _RCR_CiudadesDisp.TotalCiudades; ++nContador) {
    cbCiudad->addItem(_RCR_CiudadesDisp.Ciudad[nContador]);
    if (_RCR_CiudadesDisp.Ciudad[nContador] == sCiudad)
      nAuxSelec = nContador;
  }
  cbCiudad->setCurrentIndex(nAuxSelec);
}

void TSelectorLocalidades::cbEstadoSelect()
{
  cbCiudad->clear();
  if (cbEstado->currentIndex() >= 0)
    CargaCBCiudades(QString());
}

void TSelectorLocalidades::cbEstadoExit()
{
  if (cbEstado->currentText().isEmpty())
    cbCiudad->clear();
}

void TSelectorLocalidades::bnAgregarClick()
{
  const int nEstado = cbEstado->currentIndex();
  const int nCiudad = cbCiudad->currentIndex();
  if (nEstado < 0 || nCiudad < 0)
    return;
  if (lbLoc->count() > 4) {
    if (lbLoc->count() == 5)
      F_Mensajero->MsjTxTemp(QStringLiteral("Sólo puede agregar 5 localidades de riesgo."));
    return;
  }
  const QString sLocalidad = _RCR_CiudadesDisp.Ciudad[nCiudad];
  const QString sClave = _RCR_CiudadesDisp.Clave[nCiudad];
  const QString sLocClav = LineaLocalidad(sLocalidad, sClave);
  for (int i = 0; i < lbLoc->count(); ++i) {
    if (lbLoc->item(i)->text().compare(sLocClav, Qt::CaseInsensitive) == 0) {
      F_Mensajero->MsjTxTemp(QStringLiteral("La localidad \"") + sLocalidad +
                             QStringLiteral("\" ya está agregada."));
      return;
    }
  }
  lbLoc->addItem(sLocClav);
  _ListaLocs.Estado->append(_RCR_EstadosDisp.Estado[nEstado]);
  _ListaLocs.Ciudad->append(sLocalidad);
  _ListaLocs.Clave->append(sClave);
  cbCiudad->setCurrentIndex(-1);
}

void TSelectorLocalidades::bnEliminarClick()
{
  const int nRenglon = lbLoc->currentRow();
  if (lbLoc->count() == 0 || nRenglon < 0 || !lbLoc->item(nRenglon)->isSelected())
    return;
  _ListaLocs.Estado->removeAt(nRenglon);
  _ListaLocs.Ciudad->removeAt(nRenglon);
  _ListaLocs.Clave->removeAt(nRenglon);
  delete lbLoc->takeItem(nRenglon);
  // Qt would select the next line, which a second click would remove unseen.
  lbLoc->setCurrentRow(-1);
  lbLoc->clearSelection();
}
