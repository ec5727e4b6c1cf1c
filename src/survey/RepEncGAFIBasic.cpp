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

QString TRepEncGAFIBasic::OperacionesFuera() const
{
  // Questions 5, 17 and 18 join any company's clients and their cities; 19, 20 and 22
  // the company's clients and their sectors; 5, 18 to 21 the currencies, 5 their groups.
  // One row per client key (a key may name clients of several companies) gives both kinds
  // of client, so each operation looks its client up once.
  const QString sPublico =
      QStringLiteral("tCliente.Nombre LIKE '%PUBLICO%' OR tCliente.Nombre LIKE '%PÚBLICO%'");
  const QString sDeLaEmpresa = QStringLiteral("tCliente.NumEmp = ") + F_sEmpAct;
  const QString sClientes =
      QStringLiteral("SELECT tCliente.ClaveCliente AS CveCte, MAX(IIF(ISNULL(tCiudad.ClaveCiudad), 0, 1)) AS "
                     "ConCiudad, MAX(IIF(%1, 1, 0)) AS PubGen, MAX(IIF(%2, 1, 0)) AS DeLaEmpresa, MAX(IIF(%2 AND NOT "
                     "ISNULL(tSector.ClaveSector), 1, 0)) AS ConSector, MAX(IIF(%2 AND (%1), 1, 0)) AS PubGenEmpresa "
                     "FROM (tCliente LEFT JOIN tCiudad ON tCiudad.ClaveCiudad = tCliente.ClaveCiudad) LEFT JOIN "
                     "tSector ON tSector.ClaveSector = tCliente.ClaveSector GROUP BY tCliente.ClaveCliente")
          .arg(sPublico, sDeLaEmpresa);
  const QString sDivisas = QStringLiteral(
      "SELECT tDivisas.NumeroDivisa AS NumDiv, MAX(IIF(ISNULL(tGrupos.ClaveGrupo), 0, 1)) AS ConGrupo "
      "FROM tDivisas LEFT JOIN tGrupos ON tGrupos.ClaveGrupo = tDivisas.ClaveGrupo GROUP BY tDivisas.NumeroDivisa");
  const QString sMotivos[] = {
      QStringLiteral("ISNULL(tCte.CveCte)"),
      QStringLiteral("tCte.ConCiudad = 0"),
      QStringLiteral("ISNULL(tCte.CveCte) OR tCte.DeLaEmpresa = 0"),
      QStringLiteral("tCte.DeLaEmpresa = 1 AND tCte.ConSector = 0"),
      QStringLiteral("ISNULL(tDiv.NumDiv)"),
      QStringLiteral("tDiv.ConGrupo = 0"),
  };
  const QString sColumnas[] = {
      QStringLiteral("SinCliente"),        QStringLiteral("CiudadDesconocida"), QStringLiteral("SinClienteEmpresa"),
      QStringLiteral("SectorDesconocido"), QStringLiteral("SinDivisa"),         QStringLiteral("DivisaSinGrupo"),
  };
  QString sSeleccion = QStringLiteral(
      "SELECT tOps.Tipo, tOps.Folio, tOps.Fecha, tOps.CvCAux, tOps.NDiv, IIF(tOps.Fecha >= #") + CC_FECHAINI14 +
      QStringLiteral("# AND tOps.Fecha <= #") + CC_FECHAFIN14 +
      QStringLiteral("#, 1, 0) AS En2014, IIF(tCte.PubGen = 1, 1, 0) AS PubGen, "
                     "IIF(tCte.PubGenEmpresa = 1, 1, 0) AS PubGenEmpresa");
  for (int i = 0; i < 6; ++i)
    sSeleccion += QStringLiteral(", IIF(%1, 1, 0) AS %2").arg(sMotivos[i], sColumnas[i]);
  return sSeleccion + QStringLiteral(" FROM ((") + TodasOpsRangoF(CC_FECHAINIC, QString()) +
         QStringLiteral(") AS tOps LEFT JOIN (") + sClientes +
         QStringLiteral(") AS tCte ON tCte.CveCte = tOps.CvCAux) LEFT JOIN (") + sDivisas +
         QStringLiteral(") AS tDiv ON tDiv.NumDiv = tOps.NDiv WHERE ISNULL(tCte.CveCte) OR tCte.ConCiudad = 0 OR "
                        "tCte.DeLaEmpresa = 0 OR tCte.ConSector = 0 OR ISNULL(tDiv.NumDiv) OR tDiv.ConGrupo = 0");
}
