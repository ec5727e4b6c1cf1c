#include "survey/RepEncGAFI2016.h"

#include "ado/ConsultaADO.h"
#include "survey/CamposConsulta.h"
#include "survey/FormatoNumeros.h"

namespace {

// Positions of question 8's list of alert descriptions.
constexpr int CC_TRENGLONES = 10;

}  // namespace

bool TRepEncGAFI2016::Preg7() {
  struct TTrimestre {
    QString sNumRenglon;
    QString sFechaIni;
    QString sFechaFin;
  };
  const TTrimestre trimestres[] = {
      {QStringLiteral("1"), QStringLiteral("2014/01/01"), QStringLiteral("2014/03/31")},
      {QStringLiteral("2"), QStringLiteral("2014/04/01"), QStringLiteral("2014/06/30")},
      {QStringLiteral("3"), QStringLiteral("2014/07/01"), QStringLiteral("2014/09/30")},
      {QStringLiteral("4"), QStringLiteral("2014/10/01"), QStringLiteral("2014/12/31")},
  };
  bool bExito = true;
  for (const TTrimestre& trimestre : trimestres) {
    const bool bTrimestre = Preg7Aux(trimestre.sNumRenglon, trimestre.sFechaIni, trimestre.sFechaFin);
    bExito = bExito && bTrimestre;
  }
  return bExito;
}

bool TRepEncGAFI2016::Preg7Aux(const QString& sNumRenglon, const QString& sFechaIni, const QString& sFechaFin) {
  const QString sConsulta =
      QStringLiteral(" SELECT  TipoRelev, Count(1) as TotalAlertas , SUM( IIF( Reportada <> 0, 1, 0) ) as "
                     "Reportadas FROM   tRelevan WHERE  FechaDetec >= #") +
      sFechaIni + QStringLiteral("# ") + QStringLiteral("AND FechaDetec <= #") + sFechaFin + QStringLiteral("# ") +
      QStringLiteral("AND TipoRelev = 'I' ") + QStringLiteral("GROUP  BY TipoRelev ");

  ado::TConsultaADO& qConsulta = *F_qConsultaGen;
  if (!PideConsulta(sConsulta, qConsulta)) {
    return false;
  }
  const QString sDetectadas = QStringLiteral("7.") + sNumRenglon + QStringLiteral(".1");
  const QString sReportadas = QStringLiteral("7.") + sNumRenglon + QStringLiteral(".2");
  QString sTotal = QStringLiteral("0");
  QString sReportadasTotal = QStringLiteral("0");
  if (!qConsulta.IsEmpty()) {
    qConsulta.First();
    sTotal = FormatoEntero(qConsulta.FieldByName(QStringLiteral("TotalAlertas")).toDouble());
    sReportadasTotal = FormatoEntero(qConsulta.FieldByName(QStringLiteral("Reportadas")).toDouble());
  }
  AgregaRespuesta(sDetectadas, sTotal);
  AgregaRespuesta(sReportadas, sReportadasTotal);
  AnotaCifras(QStringLiteral("7"), QStringLiteral("Alertas de tipo I por trimestre de 2014 (respuestas 7.1 a 7.4)"),
              sDetectadas, sConsulta,
              {{QStringLiteral("Trimestre %1 (%2 a %3): alertas detectadas").arg(sNumRenglon, sFechaIni, sFechaFin),
                sTotal},
               {QStringLiteral("Trimestre %1: de ellas, reportadas").arg(sNumRenglon), sReportadasTotal}});
  qConsulta.Close();
  return true;
}

bool TRepEncGAFI2016::Preg8() {
  // Innermost first: the last one wrapped is the first pattern tested.
  const QString sPatrones[] = {
      QStringLiteral(" IIF( tRelevan.Observaciones LIKE '%EL MONTO DE LA OPERACION ES MAYOR%',  'ALERTA POR REBASAR "
                     "EL PORCENTAJE PERMITIDO EN EL CAMBIO DEL PERFIL TRANSACCIONAL', "),
      QStringLiteral(" IIF( tRelevan.Observaciones LIKE '%PUNTUACION%',  'ALERTA POR REBASAR EL PUNTAJE DEL "
                     "PÁRAMETRO ESTABLECIDO EN LA MATRIZ DE RIESGO', "),
      QStringLiteral(" IIF( Observaciones LIKE '%SUMA AL MENOS EQUIV A 5000 DOLARES%',  'ALERTA POR ACUMULAR EL "
                     "EQUIVALENTE A 5000 DOLARES O MAS EN EL MISMO MES', "),
      QStringLiteral(" IIF( Observaciones LIKE '%SUMA AL MENOS 5000 DOLARES%',  'ALERTA POR ACUMULAR 5000 DOLARES "
                     "O MAS EN EL MISMO MES', "),
  };
  QString sDescripcion = QStringLiteral("Observaciones");
  for (const QString& sPatron : sPatrones) {
    sDescripcion = sPatron + sDescripcion + QStringLiteral(")");
  }

  const QString sConsulta = QStringLiteral("SELECT tAlertas.Obs, Count(1) as Total FROM ( SELECT ") + sDescripcion +
                            QStringLiteral(" as Obs ") + QStringLiteral("FROM   tRelevan ") +
                            QStringLiteral("WHERE  FechaDetec >= #") + CC_FECHAINIC + QStringLiteral("# ") +
                            QStringLiteral("AND TipoRelev = 'I' ) as tAlertas ") +
                            QStringLiteral("GROUP  BY tAlertas.Obs ") + QStringLiteral("ORDER  BY Count(1) DESC ");

  ado::TConsultaADO& qConsulta = *F_qConsultaGen;
  if (!PideConsulta(sConsulta, qConsulta)) {
    return false;
  }
  if (!qConsulta.IsEmpty()) {
    RecorreLugares(qConsulta, CC_TRENGLONES, [&](int nCont, bool bHayFila) {
      QString sObservacion;
      QString sTotal;
      if (bHayFila) {
        sObservacion = qConsulta.FieldByName(QStringLiteral("Obs")).toString();
        sTotal = FormatoEntero(qConsulta.FieldByName(QStringLiteral("Total")).toDouble());
      }
      if (!sTotal.isEmpty()) {
        AgregaRespuesta(QStringLiteral("8.") + QString::number(nCont),
                        sObservacion + QStringLiteral(" (TOTAL ALERTAS: ") + sTotal + QStringLiteral(")"));
      }
    });
  } else {
    AgregaRespuesta(QStringLiteral("8.1"),
                    QStringLiteral("No se generó ninguna Alerta en el Sistema Automatizado desde el inicio de "
                                   "Operaciones hasta la presente fecha"));
  }
  AnotaRanking(QStringLiteral("8"), QStringLiteral("8"), sConsulta, qConsulta,
               NuevoRanking(QStringLiteral("Alertas de tipo I desde el 01/11/2011 por descripción (respuestas 8.1 a "
                                           "8.10)"),
                            QStringLiteral("Descripción"), QStringLiteral("Alertas"), CC_TRENGLONES),
               [&]() {
                 return FilaSoporte(qConsulta, TextoRespuesta(DameTexto(qConsulta, QStringLiteral("Obs"))),
                                    QStringLiteral("Total"), FormatoEntero);
               });
  qConsulta.Close();
  return true;
}
