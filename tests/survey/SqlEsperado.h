#pragma once

#include <QString>

// Whole SQL texts the survey must compose: company 3, financial-entity keys k1 to k3,
// vulnerable-activity keys v1 and v2, keys with a quote where a question quotes one.
namespace SqlEsperado {

inline const QString CC_OPS_CV_FALSO = QString::fromUtf8(
    R"SQL(SELECT Tipo, Folio, Fecha, NDiv, Cot, SUM(XCant) AS AuxCant, CvCAux, Importe FROM (  SELECT Tipo)SQL"
    R"SQL(, Folio, Fecha, NumeroDivisa AS NDiv, Cotizacion AS Cot, Cantidad AS XCant, ClaveCliente AS CvCA)SQL"
    R"SQL(ux, ImporteCaptura as Importe FROM tMovtos WHERE NumEmp = 3 and Cancelado = 0 UNION ALL SELECT T)SQL"
    R"SQL(ipo, Folio, Fecha, NumeroDivisa AS NDiv, Cotizacion AS Cot, Cantidad AS XCant, ClaveCliente AS C)SQL"
    R"SQL(vCAux, ImporteCaptura as Importe FROM tProces WHERE NumEmp = 3 and Cancelado = 0 ) WHERE (Tipo =)SQL"
    R"SQL( 'C' or Tipo = 'V') GROUP BY Tipo, Folio, Fecha, NDiv, Cot, CvCAux, Importe )SQL");
inline const QString CC_OPS_CV_VERDADERO = QString::fromUtf8(
    R"SQL(SELECT Tipo, Folio, Fecha, NDiv, Cot, SUM(XCant) AS AuxCant, CvCAux, Importe FROM (  SELECT Tipo)SQL"
    R"SQL(, Folio, Fecha, NumeroDivisa AS NDiv, Cotizacion AS Cot, Cantidad AS XCant, ClaveCliente AS CvCA)SQL"
    R"SQL(ux, ImporteCaptura as Importe FROM tMovtos WHERE NumEmp = 3 and Cancelado = -1 UNION ALL SELECT )SQL"
    R"SQL(Tipo, Folio, Fecha, NumeroDivisa AS NDiv, Cotizacion AS Cot, Cantidad AS XCant, ClaveCliente AS )SQL"
    R"SQL(CvCAux, ImporteCaptura as Importe FROM tProces WHERE NumEmp = 3 and Cancelado = -1 ) WHERE (Tipo)SQL"
    R"SQL( = 'C' or Tipo = 'V') GROUP BY Tipo, Folio, Fecha, NDiv, Cot, CvCAux, Importe )SQL");
inline const QString CC_OPS_DESDE_2011 = QString::fromUtf8(
    R"SQL(SELECT tOps.* FROM (SELECT Tipo, Folio, Fecha, NDiv, Cot, SUM(XCant) AS AuxCant, CvCAux, Importe)SQL"
    R"SQL( FROM (  SELECT Tipo, Folio, Fecha, NumeroDivisa AS NDiv, Cotizacion AS Cot, Cantidad AS XCant, )SQL"
    R"SQL(ClaveCliente AS CvCAux, ImporteCaptura as Importe FROM tMovtos WHERE NumEmp = 3 and Cancelado = )SQL"
    R"SQL(0 UNION ALL SELECT Tipo, Folio, Fecha, NumeroDivisa AS NDiv, Cotizacion AS Cot, Cantidad AS XCan)SQL"
    R"SQL(t, ClaveCliente AS CvCAux, ImporteCaptura as Importe FROM tProces WHERE NumEmp = 3 and Cancelado)SQL"
    R"SQL( = 0 ) WHERE (Tipo = 'C' or Tipo = 'V') GROUP BY Tipo, Folio, Fecha, NDiv, Cot, CvCAux, Importe )SQL"
    R"SQL() AS tOps WHERE tOps.Fecha >= #2011/11/01# )SQL");
inline const QString CC_OPS_2014 = QString::fromUtf8(
    R"SQL(SELECT tOps.* FROM (SELECT Tipo, Folio, Fecha, NDiv, Cot, SUM(XCant) AS AuxCant, CvCAux, Importe)SQL"
    R"SQL( FROM (  SELECT Tipo, Folio, Fecha, NumeroDivisa AS NDiv, Cotizacion AS Cot, Cantidad AS XCant, )SQL"
    R"SQL(ClaveCliente AS CvCAux, ImporteCaptura as Importe FROM tMovtos WHERE NumEmp = 3 and Cancelado = )SQL"
    R"SQL(0 UNION ALL SELECT Tipo, Folio, Fecha, NumeroDivisa AS NDiv, Cotizacion AS Cot, Cantidad AS XCan)SQL"
    R"SQL(t, ClaveCliente AS CvCAux, ImporteCaptura as Importe FROM tProces WHERE NumEmp = 3 and Cancelado)SQL"
    R"SQL( = 0 ) WHERE (Tipo = 'C' or Tipo = 'V') GROUP BY Tipo, Folio, Fecha, NDiv, Cot, CvCAux, Importe )SQL"
    R"SQL() AS tOps WHERE tOps.Fecha >= #2014/01/01# AND tOps.Fecha <= #2014/12/31#)SQL");
inline const QString CC_CLIENTES_SIN_AV = QString::fromUtf8(
    R"SQL(SELECT  tXClientes.*, tSector.Sector AS Actividad, IIF( ( ClaveActividad = 'k1' or ClaveActivida)SQL"
    R"SQL(d = 'k2' or ClaveActividad = 'k3' ), -1, 0 ) AS EsEF  FROM (SELECT  ClaveCliente AS AuxCvC, IIF()SQL"
    R"SQL(PersonaMoral <> 0, Nombre, Nombre + IIF(ISNULL(ApellidoPaterno), '', ' '+ ApellidoPaterno) + IIF)SQL"
    R"SQL((ISNULL(ApellidoMaterno), '', ' ' + ApellidoMaterno)) AS Cliente, IIF(PersonaMoral <> 0, 0, -1) )SQL"
    R"SQL(AS EsPF, PersonaMoral AS EsPM, IIF(Nombre LIKE '%PUBLICO%', -1, 0) AS EsPubGen, Extranjero AS Es)SQL"
    R"SQL(Extrj, ClaveSector FROM tCliente WHERE NumEmp = 3) AS tXClientes, tSector WHERE tXClientes.Clave)SQL"
    R"SQL(Sector = tSector.ClaveSector)SQL");
inline const QString CC_CLIENTES_CON_AV = QString::fromUtf8(
    R"SQL(SELECT  tXClientes.*, tSector.Sector AS Actividad, IIF( ( ClaveActividad = 'k1' or ClaveActivida)SQL"
    R"SQL(d = 'k2' or ClaveActividad = 'k3' ), -1, 0 ) AS EsEF  , IIF( ( ClaveActividad = 'v1' or ClaveAct)SQL"
    R"SQL(ividad = 'v2' ), -1, 0 ) AS EsAV  FROM (SELECT  ClaveCliente AS AuxCvC, IIF(PersonaMoral <> 0, N)SQL"
    R"SQL(ombre, Nombre + IIF(ISNULL(ApellidoPaterno), '', ' '+ ApellidoPaterno) + IIF(ISNULL(ApellidoMate)SQL"
    R"SQL(rno), '', ' ' + ApellidoMaterno)) AS Cliente, IIF(PersonaMoral <> 0, 0, -1) AS EsPF, PersonaMora)SQL"
    R"SQL(l AS EsPM, IIF(Nombre LIKE '%PUBLICO%', -1, 0) AS EsPubGen, Extranjero AS EsExtrj, ClaveSector F)SQL"
    R"SQL(ROM tCliente WHERE NumEmp = 3) AS tXClientes, tSector WHERE tXClientes.ClaveSector = tSector.Cla)SQL"
    R"SQL(veSector)SQL");
inline const QString CC_OPS_CON_CLIENTES = QString::fromUtf8(
    R"SQL(SELECT * FROM (OPS) AS tXOps, (SELECT  tXClientes.*, tSector.Sector AS Actividad, IIF( ( ClaveAc)SQL"
    R"SQL(tividad = 'k1' or ClaveActividad = 'k2' or ClaveActividad = 'k3' ), -1, 0 ) AS EsEF  , IIF( ( Cl)SQL"
    R"SQL(aveActividad = 'v1' or ClaveActividad = 'v2' ), -1, 0 ) AS EsAV  FROM (SELECT  ClaveCliente AS A)SQL"
    R"SQL(uxCvC, IIF(PersonaMoral <> 0, Nombre, Nombre + IIF(ISNULL(ApellidoPaterno), '', ' '+ ApellidoPat)SQL"
    R"SQL(erno) + IIF(ISNULL(ApellidoMaterno), '', ' ' + ApellidoMaterno)) AS Cliente, IIF(PersonaMoral <>)SQL"
    R"SQL( 0, 0, -1) AS EsPF, PersonaMoral AS EsPM, IIF(Nombre LIKE '%PUBLICO%', -1, 0) AS EsPubGen, Extra)SQL"
    R"SQL(njero AS EsExtrj, ClaveSector FROM tCliente WHERE NumEmp = 3) AS tXClientes, tSector WHERE tXCli)SQL"
    R"SQL(entes.ClaveSector = tSector.ClaveSector) AS tXCte WHERE tXOps.CvCAux = tXCte.AuxCvC )SQL");
inline const QString CC_SQL_PREG5 = QString::fromUtf8(
    R"SQL(SELECT tAuxOps1.InstMonet AS InstMon,  Count(1) as TotalOps FROM ( SELECT tOps1.Tipo, tGrupos.In)SQL"
    R"SQL(stMonet, tDivisas.Simbolo  FROM (SELECT tOps.* FROM (SELECT Tipo, Folio, Fecha, NDiv, Cot, SUM(X)SQL"
    R"SQL(Cant) AS AuxCant, CvCAux, Importe FROM (  SELECT Tipo, Folio, Fecha, NumeroDivisa AS NDiv, Cotiz)SQL"
    R"SQL(acion AS Cot, Cantidad AS XCant, ClaveCliente AS CvCAux, ImporteCaptura as Importe FROM tMovtos )SQL"
    R"SQL(WHERE NumEmp = 3 and Cancelado = 0 UNION ALL SELECT Tipo, Folio, Fecha, NumeroDivisa AS NDiv, Co)SQL"
    R"SQL(tizacion AS Cot, Cantidad AS XCant, ClaveCliente AS CvCAux, ImporteCaptura as Importe FROM tProc)SQL"
    R"SQL(es WHERE NumEmp = 3 and Cancelado = 0 ) WHERE (Tipo = 'C' or Tipo = 'V') GROUP BY Tipo, Folio, F)SQL"
    R"SQL(echa, NDiv, Cot, CvCAux, Importe ) AS tOps WHERE tOps.Fecha >= #2011/11/01# ) AS tOps1, tDivisas)SQL"
    R"SQL(, tGrupos, tCliente, tCiudad WHERE tDivisas.NumeroDivisa = tOps1.NDiv AND tGrupos.ClaveGrupo = t)SQL"
    R"SQL(Divisas.ClaveGrupo AND tCliente.ClaveCliente = tOps1.CvCAux AND tCiudad.ClaveCiudad = tCliente.C)SQL"
    R"SQL(laveCiudad AND tCiudad.ClaveLocalidad = '31''050'  ) as tAuxOps1 GROUP BY tAuxOps1.InstMonet ORD)SQL"
    R"SQL(ER BY Count(1) DESC )SQL");
inline const QString CC_SQL_PREG7 = QString::fromUtf8(
    R"SQL( SELECT  TipoRelev, Count(1) as TotalAlertas , SUM( IIF( Reportada <> 0, 1, 0) ) as Reportadas F)SQL"
    R"SQL(ROM   tRelevan WHERE  FechaDetec >= #2014/10/01# AND FechaDetec <= #2014/12/31# AND TipoRelev = )SQL"
    R"SQL('I' GROUP  BY TipoRelev )SQL");
inline const QString CC_SQL_PREG8 = QString::fromUtf8(
    R"SQL(SELECT tAlertas.Obs, Count(1) as Total FROM ( SELECT  IIF( Observaciones LIKE '%SUMA AL MENOS 50)SQL"
    R"SQL(00 DOLARES%',  'ALERTA POR ACUMULAR 5000 DOLARES O MAS EN EL MISMO MES',  IIF( Observaciones LIK)SQL"
    R"SQL(E '%SUMA AL MENOS EQUIV A 5000 DOLARES%',  'ALERTA POR ACUMULAR EL EQUIVALENTE A 5000 DOLARES O )SQL"
    R"SQL(MAS EN EL MISMO MES',  IIF( tRelevan.Observaciones LIKE '%PUNTUACION%',  'ALERTA POR REBASAR EL )SQL"
    R"SQL(PUNTAJE DEL PÁRAMETRO ESTABLECIDO EN LA MATRIZ DE RIESGO',  IIF( tRelevan.Observaciones LIKE '%E)SQL"
    R"SQL(L MONTO DE LA OPERACION ES MAYOR%',  'ALERTA POR REBASAR EL PORCENTAJE PERMITIDO EN EL CAMBIO DE)SQL"
    R"SQL(L PERFIL TRANSACCIONAL', Observaciones)))) as Obs FROM   tRelevan WHERE  FechaDetec >= #2011/11/)SQL"
    R"SQL(01# AND TipoRelev = 'I' ) as tAlertas GROUP  BY tAlertas.Obs ORDER  BY Count(1) DESC )SQL");
inline const QString CC_SQL_PREG17 = QString::fromUtf8(
    R"SQL(SELECT tCiudad.Ciudad, tCiudad.ClaveLocalidad, Count(1) as Total FROM (SELECT tOps.* FROM (SELEC)SQL"
    R"SQL(T Tipo, Folio, Fecha, NDiv, Cot, SUM(XCant) AS AuxCant, CvCAux, Importe FROM (  SELECT Tipo, Fol)SQL"
    R"SQL(io, Fecha, NumeroDivisa AS NDiv, Cotizacion AS Cot, Cantidad AS XCant, ClaveCliente AS CvCAux, I)SQL"
    R"SQL(mporteCaptura as Importe FROM tMovtos WHERE NumEmp = 3 and Cancelado = 0 UNION ALL SELECT Tipo, )SQL"
    R"SQL(Folio, Fecha, NumeroDivisa AS NDiv, Cotizacion AS Cot, Cantidad AS XCant, ClaveCliente AS CvCAux)SQL"
    R"SQL(, ImporteCaptura as Importe FROM tProces WHERE NumEmp = 3 and Cancelado = 0 ) WHERE (Tipo = 'C' )SQL"
    R"SQL(or Tipo = 'V') GROUP BY Tipo, Folio, Fecha, NDiv, Cot, CvCAux, Importe ) AS tOps WHERE tOps.Fech)SQL"
    R"SQL(a >= #2014/01/01# AND tOps.Fecha <= #2014/12/31#) AS tOps, tCliente, tCiudad WHERE tCliente.Clav)SQL"
    R"SQL(eCliente = tOps.CvCAux AND tCiudad.ClaveCiudad = tCliente.ClaveCiudad GROUP BY tCiudad.Ciudad, t)SQL"
    R"SQL(Ciudad.ClaveLocalidad ORDER BY  Count(1) DESC )SQL");
inline const QString CC_SQL_PREG18 = QString::fromUtf8(
    R"SQL(SELECT tCiudad.ClaveCiudad, tCiudad.Ciudad, tCiudad.ClaveLocalidad, SUM(tOps.Importe) as TotalIm)SQL"
    R"SQL(porte FROM (SELECT tOps.* FROM (SELECT Tipo, Folio, Fecha, NDiv, Cot, SUM(XCant) AS AuxCant, CvC)SQL"
    R"SQL(Aux, Importe FROM (  SELECT Tipo, Folio, Fecha, NumeroDivisa AS NDiv, Cotizacion AS Cot, Cantida)SQL"
    R"SQL(d AS XCant, ClaveCliente AS CvCAux, ImporteCaptura as Importe FROM tMovtos WHERE NumEmp = 3 and )SQL"
    R"SQL(Cancelado = 0 UNION ALL SELECT Tipo, Folio, Fecha, NumeroDivisa AS NDiv, Cotizacion AS Cot, Cant)SQL"
    R"SQL(idad AS XCant, ClaveCliente AS CvCAux, ImporteCaptura as Importe FROM tProces WHERE NumEmp = 3 a)SQL"
    R"SQL(nd Cancelado = 0 ) WHERE (Tipo = 'C' or Tipo = 'V') GROUP BY Tipo, Folio, Fecha, NDiv, Cot, CvCA)SQL"
    R"SQL(ux, Importe ) AS tOps WHERE tOps.Fecha >= #2014/01/01# AND tOps.Fecha <= #2014/12/31#) AS tOps, )SQL"
    R"SQL(tCliente, tCiudad WHERE tCliente.ClaveCliente = tOps.CvCAux AND tCiudad.ClaveCiudad = tCliente.C)SQL"
    R"SQL(laveCiudad GROUP BY tCiudad.ClaveCiudad, tCiudad.Ciudad, tCiudad.ClaveLocalidad ORDER BY SUM(tOp)SQL"
    R"SQL(s.Importe) DESC )SQL");
inline const QString CC_SQL_PREG18_DIVISAS = QString::fromUtf8(
    R"SQL(SELECT tDivisas.Simbolo, SUM(tOps1.AuxCant) as TotalCant FROM (SELECT tOps.* FROM (SELECT Tipo, )SQL"
    R"SQL(Folio, Fecha, NDiv, Cot, SUM(XCant) AS AuxCant, CvCAux, Importe FROM (  SELECT Tipo, Folio, Fech)SQL"
    R"SQL(a, NumeroDivisa AS NDiv, Cotizacion AS Cot, Cantidad AS XCant, ClaveCliente AS CvCAux, ImporteCa)SQL"
    R"SQL(ptura as Importe FROM tMovtos WHERE NumEmp = 3 and Cancelado = 0 UNION ALL SELECT Tipo, Folio, F)SQL"
    R"SQL(echa, NumeroDivisa AS NDiv, Cotizacion AS Cot, Cantidad AS XCant, ClaveCliente AS CvCAux, Import)SQL"
    R"SQL(eCaptura as Importe FROM tProces WHERE NumEmp = 3 and Cancelado = 0 ) WHERE (Tipo = 'C' or Tipo )SQL"
    R"SQL(= 'V') GROUP BY Tipo, Folio, Fecha, NDiv, Cot, CvCAux, Importe ) AS tOps WHERE tOps.Fecha >= #20)SQL"
    R"SQL(14/01/01# AND tOps.Fecha <= #2014/12/31#) AS tOps1, tCliente, tDivisas WHERE tDivisas.NumeroDivi)SQL"
    R"SQL(sa = tOps1.NDiv AND tCliente.ClaveCliente = tOps1.CvCAux AND tCliente.ClaveCiudad = 'O''HIGGINS')SQL"
    R"SQL( GROUP BY tDivisas.Simbolo ORDER BY SUM(tOps1.AuxCant) DESC )SQL");

}  // namespace SqlEsperado
