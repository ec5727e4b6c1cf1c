#pragma once

// The SQL texts the survey and the back-office gateway run, composed fragment by fragment
// as the survey composes them (company number, flags and dates inserted as text).
#include <QString>
#include <QStringList>

namespace jet_sistema {

inline const QString CC_EMPRESA = QStringLiteral("3");

inline QString TodasLasOperacionesCV(bool bDondeCanceladas) {
  const QString sFlag = bDondeCanceladas ? QStringLiteral("-1") : QStringLiteral("0");
  return QStringLiteral(
             "SELECT Tipo, Folio, Fecha, NDiv, Cot, SUM(XCant) AS AuxCant, CvCAux, Importe FROM (  SELECT Tipo, "
             "Folio, Fecha, NumeroDivisa AS NDiv, Cotizacion AS Cot, Cantidad AS XCant, ClaveCliente AS CvCAux, "
             "ImporteCaptura as Importe FROM tMovtos WHERE NumEmp = ") +
         CC_EMPRESA + QStringLiteral(" and ") + QStringLiteral("Cancelado = ") + sFlag + QStringLiteral(" ") +
         QStringLiteral("UNION ALL ") +
         QStringLiteral("SELECT Tipo, Folio, Fecha, NumeroDivisa AS NDiv, Cotizacion AS Cot, Cantidad ") +
         QStringLiteral("AS XCant, ClaveCliente AS CvCAux, ImporteCaptura as Importe ") + QStringLiteral("FROM tProces ") +
         QStringLiteral("WHERE NumEmp = ") + CC_EMPRESA + QStringLiteral(" and ") + QStringLiteral("Cancelado = ") +
         sFlag + QStringLiteral(" ") + QStringLiteral(") ") + QStringLiteral("WHERE (Tipo = 'C' or Tipo = 'V') ") +
         QStringLiteral("GROUP BY Tipo, Folio, Fecha, NDiv, Cot, CvCAux, Importe ");
}

inline QString TodasOpsRangoF(const QString& sRangoIni, const QString& sRangoFin) {
  QString s = QStringLiteral("SELECT tOps.* FROM (") + TodasLasOperacionesCV(false) + QStringLiteral(") AS tOps ") +
              QStringLiteral("WHERE ") + QStringLiteral("tOps.Fecha >= #") + sRangoIni + QStringLiteral("# ");
  if (!sRangoFin.isEmpty()) s += QStringLiteral("AND tOps.Fecha <= #") + sRangoFin + QStringLiteral("#");
  return s;
}

inline QString ListaClaves(const QStringList& claves, const QString& sFin) {
  QString s = QStringLiteral("IIF( ( ");
  for (int i = 0; i < claves.size(); ++i) {
    if (i > 0) s += QStringLiteral("or ");
    s += QStringLiteral("ClaveActividad = '") + claves[i] + QStringLiteral("' ");
  }
  return s + sFin;
}

inline QString DameEntidadesFinancieras() {
  return ListaClaves({QStringLiteral("2222222"), QStringLiteral("2222223")}, QStringLiteral("), -1, 0 ) AS EsEF "));
}

inline QString DameActividadesVulnerables() {
  return ListaClaves({QStringLiteral("3333333"), QStringLiteral("3333334")}, QStringLiteral("), -1, 0 ) AS EsAV "));
}

inline QString DameClientes(bool bIncluirVulnerables) {
  const QString sClientes =
      QStringLiteral(
          "SELECT  ClaveCliente AS AuxCvC, IIF(PersonaMoral <> 0, Nombre, Nombre + IIF(ISNULL(ApellidoPaterno), '', "
          "' '+ ApellidoPaterno) + IIF(ISNULL(ApellidoMaterno), '', ' ' + ApellidoMaterno)) AS Cliente, "
          "IIF(PersonaMoral <> 0, 0, -1) AS EsPF, PersonaMoral AS EsPM, IIF(Nombre LIKE '%PUBLICO%', -1, 0) AS "
          "EsPubGen, Extranjero AS EsExtrj, ClaveSector FROM tCliente WHERE NumEmp = ") +
      CC_EMPRESA;
  QString s = QStringLiteral("SELECT  tXClientes.*, tSector.Sector AS Actividad, ") + DameEntidadesFinancieras() +
              QStringLiteral(" ");
  if (bIncluirVulnerables) s += QStringLiteral(", ") + DameActividadesVulnerables() + QStringLiteral(" ");
  return s + QStringLiteral("FROM (") + sClientes + QStringLiteral(") AS tXClientes, tSector ") +
         QStringLiteral("WHERE tXClientes.ClaveSector = tSector.ClaveSector");
}

inline QString OpsConDtClientes(const QString& sOperaciones, bool bIncluirVulnerables) {
  return QStringLiteral("SELECT * FROM (") + sOperaciones + QStringLiteral(") AS tXOps, ") + QStringLiteral("(") +
         DameClientes(bIncluirVulnerables) + QStringLiteral(") AS tXCte ") +
         QStringLiteral("WHERE tXOps.CvCAux = tXCte.AuxCvC ");
}

inline QString Ops2014() { return TodasOpsRangoF(QStringLiteral("2014/01/01"), QStringLiteral("2014/12/31")); }

inline QString CalculaMaxPreg5(const QString& sClaveLoc, const QString& sCalculo) {
  QString sElemento, sGrupo;
  if (sCalculo == QLatin1String("TipoOp")) {
    sElemento = QStringLiteral("tAuxOps1.Tipo AS TipoOp, ");
    sGrupo = QStringLiteral("GROUP BY tAuxOps1.Tipo ");
  } else if (sCalculo == QLatin1String("InstMon")) {
    sElemento = QStringLiteral("tAuxOps1.InstMonet AS InstMon, ");
    sGrupo = QStringLiteral("GROUP BY tAuxOps1.InstMonet ");
  } else {
    sElemento = QStringLiteral("tAuxOps1.Simbolo AS Simbolo, ");
    sGrupo = QStringLiteral("GROUP BY tAuxOps1.Simbolo ");
  }
  return QStringLiteral("SELECT ") + sElemento + QStringLiteral(" ") + QStringLiteral("Count(1) as TotalOps ") +
         QStringLiteral("FROM ( ") + QStringLiteral("SELECT tOps1.Tipo, tGrupos.InstMonet, tDivisas.Simbolo  ") +
         QStringLiteral("FROM (") + TodasOpsRangoF(QStringLiteral("2011/11/01"), QString()) +
         QStringLiteral(") AS tOps1, ") + QStringLiteral("tDivisas, tGrupos, tCliente, tCiudad ") +
         QStringLiteral("WHERE ") + QStringLiteral("tDivisas.NumeroDivisa = tOps1.NDiv AND ") +
         QStringLiteral("tGrupos.ClaveGrupo = tDivisas.ClaveGrupo AND ") +
         QStringLiteral("tCliente.ClaveCliente = tOps1.CvCAux AND ") +
         QStringLiteral("tCiudad.ClaveCiudad = tCliente.ClaveCiudad AND ") + QStringLiteral("tCiudad.ClaveLocalidad = '") +
         sClaveLoc + QStringLiteral("'  ") + QStringLiteral(") as tAuxOps1 ") + sGrupo +
         QStringLiteral("ORDER BY Count(1) DESC ");
}

inline QString Preg7Aux(const QString& sFechaIni, const QString& sFechaFin) {
  return QStringLiteral(" SELECT  TipoRelev, Count(1) as TotalAlertas , SUM( IIF( Reportada <> 0, 1, 0) ) as "
                        "Reportadas FROM   tRelevan WHERE  FechaDetec >= #") +
         sFechaIni + QStringLiteral("# ") + QStringLiteral("AND FechaDetec <= #") + sFechaFin + QStringLiteral("# ") +
         QStringLiteral("AND TipoRelev = 'I' ") + QStringLiteral("GROUP  BY TipoRelev ");
}

inline QString Preg8() {
  const QString sFragmentos[] = {
      QStringLiteral(" IIF( tRelevan.Observaciones LIKE '%EL MONTO DE LA OPERACION ES MAYOR%',  'ALERTA POR REBASAR EL "
                     "PORCENTAJE PERMITIDO EN EL CAMBIO DEL PERFIL TRANSACCIONAL', "),
      QStringLiteral(" IIF( tRelevan.Observaciones LIKE '%PUNTUACION%',  'ALERTA POR REBASAR EL PUNTAJE DEL PÁRAMETRO "
                     "ESTABLECIDO EN LA MATRIZ DE RIESGO', "),
      QStringLiteral(" IIF( Observaciones LIKE '%SUMA AL MENOS EQUIV A 5000 DOLARES%',  'ALERTA POR ACUMULAR EL "
                     "EQUIVALENTE A 5000 DOLARES O MAS EN EL MISMO MES', "),
      QStringLiteral(" IIF( Observaciones LIKE '%SUMA AL MENOS 5000 DOLARES%',  'ALERTA POR ACUMULAR 5000 DOLARES O "
                     "MAS EN EL MISMO MES', ")};
  QString sExpresion = QStringLiteral("Observaciones");
  for (const QString& sFragmento : sFragmentos) sExpresion = sFragmento + sExpresion + QStringLiteral(")");
  return QStringLiteral("SELECT tAlertas.Obs, Count(1) as Total FROM ( SELECT ") + sExpresion +
         QStringLiteral(" as Obs ") + QStringLiteral("FROM   tRelevan ") + QStringLiteral("WHERE  FechaDetec >= #") +
         QStringLiteral("2011/11/01") + QStringLiteral("# ") + QStringLiteral("AND TipoRelev = 'I' ) as tAlertas ") +
         QStringLiteral("GROUP  BY tAlertas.Obs ") + QStringLiteral("ORDER  BY Count(1) DESC ");
}

inline QString Preg17() {
  return QStringLiteral("SELECT tCiudad.Ciudad, tCiudad.ClaveLocalidad, Count(1) as Total FROM (") + Ops2014() +
         QStringLiteral(") AS tOps, ") + QStringLiteral("tCliente, tCiudad ") + QStringLiteral("WHERE ") +
         QStringLiteral("tCliente.ClaveCliente = tOps.CvCAux AND ") +
         QStringLiteral("tCiudad.ClaveCiudad = tCliente.ClaveCiudad ") +
         QStringLiteral("GROUP BY tCiudad.Ciudad, tCiudad.ClaveLocalidad ") + QStringLiteral("ORDER BY  Count(1) DESC ");
}

inline QString Preg18() {
  return QStringLiteral("SELECT tCiudad.ClaveCiudad, tCiudad.Ciudad, tCiudad.ClaveLocalidad, SUM(tOps.Importe) as "
                        "TotalImporte FROM (") +
         Ops2014() + QStringLiteral(") AS tOps, ") + QStringLiteral("tCliente, tCiudad ") + QStringLiteral("WHERE ") +
         QStringLiteral("tCliente.ClaveCliente = tOps.CvCAux AND ") +
         QStringLiteral("tCiudad.ClaveCiudad = tCliente.ClaveCiudad ") +
         QStringLiteral("GROUP BY tCiudad.ClaveCiudad, tCiudad.Ciudad, tCiudad.ClaveLocalidad ") +
         QStringLiteral("ORDER BY SUM(tOps.Importe) DESC ");
}

inline QString Preg18Part2(const QString& sClvLocalidad) {
  return QStringLiteral("SELECT tDivisas.Simbolo, SUM(tOps1.AuxCant) as TotalCant FROM (") + Ops2014() +
         QStringLiteral(") AS tOps1, ") + QStringLiteral("tCliente, tDivisas ") + QStringLiteral("WHERE ") +
         QStringLiteral("tDivisas.NumeroDivisa = tOps1.NDiv AND ") +
         QStringLiteral("tCliente.ClaveCliente = tOps1.CvCAux AND ") + QStringLiteral("tCliente.ClaveCiudad = '") +
         sClvLocalidad + QStringLiteral("' ") + QStringLiteral("GROUP BY tDivisas.Simbolo ") +
         QStringLiteral("ORDER BY SUM(tOps1.AuxCant) DESC ");
}

inline QString Preg19() {
  return QStringLiteral("SELECT tDivisas.Simbolo, SUM(tOps1.AuxCant) as TotalCant, Count(1) as TotalOps FROM (") +
         OpsConDtClientes(Ops2014(), false) + QStringLiteral(") AS tOps1, ") + QStringLiteral("tDivisas ") +
         QStringLiteral("WHERE ") + QStringLiteral("tOps1.Tipo = 'V' AND ") +
         QStringLiteral("tDivisas.NumeroDivisa = tOps1.NDiv AND  ") + QStringLiteral("tOps1.EsEF = 0 ") +
         QStringLiteral("GROUP BY tDivisas.Simbolo ") + QStringLiteral("ORDER BY SUM(tOps1.AuxCant) DESC ");
}

inline QString Preg20() {
  return QStringLiteral("SELECT tOps1.Actividad, tDivisas.Simbolo, tOps1.Tipo, Count(1) AS TotalOps, IIF( tOps1.Tipo = "
                        "'C', 'Compra', 'Venta') AS TipoOp FROM (") +
         OpsConDtClientes(Ops2014(), true) + QStringLiteral(") AS tOps1, ") + QStringLiteral("tDivisas ") +
         QStringLiteral("WHERE ") + QStringLiteral("tDivisas.NumeroDivisa = tOps1.NDiv AND  ") +
         QStringLiteral("( tOps1.EsEF <> 0 OR ") + QStringLiteral("tOps1.EsAV <> 0 ) ") +
         QStringLiteral("GROUP BY tOps1.Actividad, tDivisas.Simbolo, tOps1.Tipo ") +
         QStringLiteral("ORDER BY Count(1) DESC ");
}

inline QString Preg21Aux(const QString& sIni, const QString& sHasta) {
  QString s = QStringLiteral("SELECT Count(1) as TotalOps FROM ( SELECT tDivisas.Simbolo, IIF( tDivisas.Simbolo = "
                             "'USD', tOps1.AuxCant, ( tOps1.AuxCant * tOps1.Cot ) /") +
              QStringLiteral("13.29") + QStringLiteral(") AS Cantidad ") + QStringLiteral("FROM (") + Ops2014() +
              QStringLiteral(") AS tOps1, ") + QStringLiteral("tDivisas ") + QStringLiteral("WHERE ") +
              QStringLiteral("tDivisas.NumeroDivisa = tOps1.NDiv ) as tUmbral ") +
              QStringLiteral("WHERE tUmbral.Cantidad >= ") + sIni;
  if (!sHasta.isEmpty()) s += QStringLiteral(" ") + QStringLiteral("AND tUmbral.Cantidad <= ") + sHasta;
  return s;
}

inline QString Preg22() {
  return QStringLiteral("SELECT ABS(SUM( tOps1.EsPF <> 0 )) as TotalF, ABS(SUM( tOps1.EsPM <> 0 )) as TotalM FROM (") +
         OpsConDtClientes(Ops2014(), false) + QStringLiteral(") AS tOps1 ") + QStringLiteral("WHERE ") +
         QStringLiteral("tOps1.EsEF = 0 AND ") + QStringLiteral("tOps1.EsExtrj <> 0 ");
}

inline QString ValidaAcceso(const QString& sUsuario, const QString& sPassw, bool bSoloAdmins) {
  QString s = QStringLiteral("SELECT ClaveEmp FROM tEmps WHERE ClaveEmp = '") + sUsuario + QStringLiteral("' and ") +
              QStringLiteral("Password = '") + sPassw + QStringLiteral("'");
  if (bSoloAdmins) s += QStringLiteral("and Nivel = 0");
  return s;
}

}  // namespace jet_sistema
