#include "survey/RepEncGAFI2016.h"

#include "data/DataModule.h"

TRepEncGAFIBasic::TRepEncGAFIBasic(std::shared_ptr<ado::TConexionADO> Conector, TReporte& elReporte,
                                   std::shared_ptr<IMensajero> Mensajero, double dTCambio, int nEmpresa,
                                   const TLocalidades& ListaLocs, const TdmMain& dmMain)
    : TRepEncuestaGAFI(std::move(Conector), elReporte, CC_NOMREPORTE, std::move(Mensajero), CC_NUMPREGS),
      F_dTipoCambio(dTCambio),
      F_sEmpAct(QString::number(nEmpresa)),
      F_ListaLocCC(ListaLocs),
      F_dmMain(dmMain) {}

QString TRepEncGAFIBasic::TodasLasOperacionesCV(bool bDondeCanceladas) const {
  const QString sBandera = BooleanToStr(bDondeCanceladas);
  return QStringLiteral(
             "SELECT Tipo, Folio, Fecha, NDiv, Cot, SUM(XCant) AS AuxCant, CvCAux, Importe FROM (  "
             "SELECT Tipo, Folio, Fecha, NumeroDivisa AS NDiv, Cotizacion AS Cot, Cantidad AS XCant, "
             "ClaveCliente AS CvCAux, ImporteCaptura as Importe FROM tMovtos WHERE NumEmp = ") +
         F_sEmpAct + QStringLiteral(" and ") + QStringLiteral("Cancelado = ") + sBandera + QStringLiteral(" ") +
         QStringLiteral("UNION ALL ") +
         QStringLiteral("SELECT Tipo, Folio, Fecha, NumeroDivisa AS NDiv, Cotizacion AS Cot, Cantidad ") +
         QStringLiteral("AS XCant, ClaveCliente AS CvCAux, ImporteCaptura as Importe ") +
         QStringLiteral("FROM tProces ") + QStringLiteral("WHERE NumEmp = ") + F_sEmpAct + QStringLiteral(" and ") +
         QStringLiteral("Cancelado = ") + sBandera + QStringLiteral(" ") + QStringLiteral(") ") +
         QStringLiteral("WHERE (Tipo = 'C' or Tipo = 'V') ") +
         QStringLiteral("GROUP BY Tipo, Folio, Fecha, NDiv, Cot, CvCAux, Importe ");
}

QString TRepEncGAFIBasic::TodasOpsRangoF(const QString& sRangoIni, const QString& sRangoFin) const {
  QString sConsulta = QStringLiteral("SELECT tOps.* FROM (") + TodasLasOperacionesCV(false) +
                      QStringLiteral(") AS tOps ") + QStringLiteral("WHERE ") +
                      QStringLiteral("tOps.Fecha >= #") + sRangoIni + QStringLiteral("# ");
  if (!sRangoFin.isEmpty()) {
    sConsulta += QStringLiteral("AND tOps.Fecha <= #") + sRangoFin + QStringLiteral("#");
  }
  return sConsulta;
}

QString TRepEncGAFIBasic::DameIndicadorCatalogo(const TTablaMemoria& Catalogo, const QString& sAlias) {
  // The data module's table stays as it is; a copy is walked.
  TTablaMemoria catalogo = Catalogo;
  catalogo.Open();
  catalogo.First();
  QString sIndicador = QStringLiteral("IIF( ( ");
  bool bPrimero = true;
  while (!catalogo.Eof()) {
    if (!bPrimero) {
      sIndicador += QStringLiteral("or ");
    }
    sIndicador += QStringLiteral("ClaveActividad = '") + catalogo.CampoTexto(QStringLiteral("Clave")) +
                  QStringLiteral("' ");
    bPrimero = false;
    catalogo.Next();
  }
  catalogo.Close();
  return sIndicador + QStringLiteral("), -1, 0 ) AS ") + sAlias + QStringLiteral(" ");
}

QString TRepEncGAFIBasic::DameEntidadesFinancieras() const {
  return DameIndicadorCatalogo(F_dmMain.vtEntFin, QStringLiteral("EsEF"));
}

QString TRepEncGAFIBasic::DameActividadesVulnerables() const {
  return DameIndicadorCatalogo(F_dmMain.vtActVul, QStringLiteral("EsAV"));
}

QString TRepEncGAFIBasic::DameClientes(bool bIncluirVulnerables) const {
  const QString sEntFin = DameEntidadesFinancieras();
  const QString sActsVuln = DameActividadesVulnerables();
  const QString sClientes =
      QStringLiteral(
          "SELECT  ClaveCliente AS AuxCvC, IIF(PersonaMoral <> 0, Nombre, Nombre + "
          "IIF(ISNULL(ApellidoPaterno), '', ' '+ ApellidoPaterno) + IIF(ISNULL(ApellidoMaterno), '', ' ' + "
          "ApellidoMaterno)) AS Cliente, IIF(PersonaMoral <> 0, 0, -1) AS EsPF, PersonaMoral AS EsPM, "
          "IIF(Nombre LIKE '%PUBLICO%', -1, 0) AS EsPubGen, Extranjero AS EsExtrj, ClaveSector FROM tCliente "
          "WHERE NumEmp = ") +
      F_sEmpAct;

  QString sConsulta = QStringLiteral("SELECT  tXClientes.*, tSector.Sector AS Actividad, ") + sEntFin +
                      QStringLiteral(" ");
  if (bIncluirVulnerables) {
    sConsulta += QStringLiteral(", ") + sActsVuln + QStringLiteral(" ");
  }
  return sConsulta + QStringLiteral("FROM (") + sClientes + QStringLiteral(") AS tXClientes, tSector ") +
         QStringLiteral("WHERE tXClientes.ClaveSector = tSector.ClaveSector");
}

QString TRepEncGAFIBasic::OpsConDtClientes(const QString& sOperaciones, bool IncluirVulnerables) const {
  return QStringLiteral("SELECT * FROM (") + sOperaciones + QStringLiteral(") AS tXOps, ") + QStringLiteral("(") +
         DameClientes(IncluirVulnerables) + QStringLiteral(") AS tXCte ") +
         QStringLiteral("WHERE tXOps.CvCAux = tXCte.AuxCvC ");
}
