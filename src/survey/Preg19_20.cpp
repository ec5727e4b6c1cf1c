#include "survey/RepEncGAFI2016.h"

#include <QMap>

#include "ado/ConsultaADO.h"
#include "survey/CamposConsulta.h"
#include "survey/FormatoNumeros.h"

namespace {

// Places of the tables of questions 19 and 20.
constexpr int CC_TRENGLONES = 5;

}  // namespace

bool TRepEncGAFI2016::Preg19() {
  const QString sOpsCte = OpsConDtClientes(TodasOpsRangoF(CC_FECHAINI14, CC_FECHAFIN14), false);
  const QString sConsulta =
      QStringLiteral("SELECT tDivisas.Simbolo, SUM(tOps1.AuxCant) as TotalCant, Count(1) as TotalOps FROM (") +
      sOpsCte + QStringLiteral(") AS tOps1, ") + QStringLiteral("tDivisas ") + QStringLiteral("WHERE ") +
      QStringLiteral("tOps1.Tipo = 'V' AND ") + QStringLiteral("tDivisas.NumeroDivisa = tOps1.NDiv AND  ") +
      QStringLiteral("tOps1.EsEF = 0 ") + QStringLiteral("GROUP BY tDivisas.Simbolo ") +
      QStringLiteral("ORDER BY SUM(tOps1.AuxCant) DESC ");

  ado::TConsultaADO& qConsulta = *F_qConsultaGen;
  if (!PideConsulta(sConsulta, qConsulta)) {
    return false;
  }
  if (!qConsulta.IsEmpty()) {
    RecorreLugares(qConsulta, CC_TRENGLONES, [&](int nCont, bool bHayFila) {
      QString sMoneda;
      QString sTotalOps;
      QString aTotalMonto;
      if (bHayFila) {
        sMoneda = DameTexto(qConsulta, QStringLiteral("Simbolo"));
        sTotalOps = DameNumero(qConsulta, QStringLiteral("TotalOps"), FormatoEnteroSinCero);
        aTotalMonto = DameNumero(qConsulta, QStringLiteral("TotalCant"), FormatoDosDecimales);
      }
      const QString sLugar = QStringLiteral("19.") + QString::number(nCont);
      AgregaRespuesta(sLugar + QStringLiteral(".1"), sMoneda);
      AgregaRespuesta(sLugar + QStringLiteral(".2"), sTotalOps);
      AgregaRespuesta(sLugar + QStringLiteral(".3"), aTotalMonto);
    });
  }
  // Beside the ranking, the same sales in pesos.
  const QString sPesos = QStringLiteral("SELECT tDivisas.Simbolo, SUM(tOps1.Importe) as TotalImporte FROM (") +
                         sOpsCte +
                         QStringLiteral(") AS tOps1, tDivisas WHERE tOps1.Tipo = 'V' AND tDivisas.NumeroDivisa = "
                                        "tOps1.NDiv AND tOps1.EsEF = 0 GROUP BY tDivisas.Simbolo");
  ado::TConsultaADO qPesos;
  QMap<QString, QString> Pesos;
  if (ConsultaSoporte(QStringLiteral("19"), QStringLiteral("19 pesos"), QStringLiteral("pesos de cada divisa vendida"),
                      sPesos, qPesos))
    Pesos = PesosPorSimbolo(qPesos);
  AnotaRanking(QStringLiteral("19"), QStringLiteral("19"), sConsulta, qConsulta,
               NuevoRanking(QStringLiteral("Divisas vendidas en 2014 por cantidad sumada en su propia divisa "
                                           "(respuestas 19.1 a 19.5)"),
                            QStringLiteral("Moneda"), QStringLiteral("Cantidad (en su divisa)"), CC_TRENGLONES,
                            {QStringLiteral("Operaciones"), QStringLiteral("Monto MXN")}),
               [&]() {
                 TFilaSoporte fila =
                     FilaSoporte(qConsulta, TextoRespuesta(DameTexto(qConsulta, QStringLiteral("Simbolo"))),
                                 QStringLiteral("TotalCant"), FormatoDosDecimales);
                 fila.Extras << DameNumero(qConsulta, QStringLiteral("TotalOps"), FormatoEntero)
                             << Pesos.value(ClaveSimbolo(qConsulta.FieldByName(QStringLiteral("Simbolo"))));
                 return fila;
               });
  SeccionSoporte(QStringLiteral("19")).Notas << CC_NOTA_UNIDADES;
  qConsulta.Close();
  return true;
}

bool TRepEncGAFI2016::Preg20() {
  const QString sOpsCte = OpsConDtClientes(TodasOpsRangoF(CC_FECHAINI14, CC_FECHAFIN14), true);
  const QString sConsulta =
      QStringLiteral("SELECT tOps1.Actividad, tDivisas.Simbolo, tOps1.Tipo, Count(1) AS TotalOps, "
                     "IIF( tOps1.Tipo = 'C', 'Compra', 'Venta') AS TipoOp FROM (") +
      sOpsCte + QStringLiteral(") AS tOps1, ") + QStringLiteral("tDivisas ") + QStringLiteral("WHERE ") +
      QStringLiteral("tDivisas.NumeroDivisa = tOps1.NDiv AND  ") + QStringLiteral("( tOps1.EsEF <> 0 OR ") +
      QStringLiteral("tOps1.EsAV <> 0 ) ") + QStringLiteral("GROUP BY tOps1.Actividad, tDivisas.Simbolo, tOps1.Tipo ") +
      QStringLiteral("ORDER BY Count(1) DESC ");

  ado::TConsultaADO& qConsulta = *F_qConsultaGen;
  if (!PideConsulta(sConsulta, qConsulta)) {
    return false;
  }
  if (qConsulta.IsEmpty()) {
    AgregaRespuesta(QStringLiteral("20_NO"), QStringLiteral("X"));
  } else {
    AgregaRespuesta(QStringLiteral("20_SI"), QStringLiteral("X"));
    RecorreLugares(qConsulta, CC_TRENGLONES, [&](int nCont, bool bHayFila) {
      QString sTipoSujeto;
      QString sMoneda;
      QString sTotalOps;
      QString sTipoOp = QStringLiteral("0");
      if (bHayFila) {
        sMoneda = DameTexto(qConsulta, QStringLiteral("Simbolo"));
        if (const QVariant TipoOp = qConsulta.FieldByName(QStringLiteral("TipoOp")); !TipoOp.isNull()) {
          sTipoOp = TipoOp.toString();
        }
        sTipoSujeto = DameTexto(qConsulta, QStringLiteral("Actividad"));
        sTotalOps = DameNumero(qConsulta, QStringLiteral("TotalOps"), FormatoEnteroSinCero);
      }
      const QString sLugar = QStringLiteral("20.") + QString::number(nCont);
      if (!sTipoSujeto.isEmpty()) {
        AgregaRespuesta(sLugar + QStringLiteral(".1"),
                        sTipoSujeto + QStringLiteral(" (TOTAL OPS.: ") + sTotalOps + QStringLiteral(")"));
      }
      AgregaRespuesta(sLugar + QStringLiteral(".2"), sMoneda);
      AgregaRespuesta(sLugar + QStringLiteral(".3"), sTipoOp);
      if (!sTipoSujeto.isEmpty()) {
        AgregaRespuesta(sLugar + QStringLiteral(".4"),
                        QStringLiteral("*Pendiente programar* (TOTAL OPS.:") + sTotalOps + QStringLiteral(")"));
      }
    });
  }
  AnotaRanking(QStringLiteral("20"), QStringLiteral("20"), sConsulta, qConsulta,
               NuevoRanking(QStringLiteral("Sector, moneda y tipo de operación con entidades financieras y "
                                           "actividades vulnerables en 2014 (respuestas 20.1 a 20.5)"),
                            QStringLiteral("Sector · moneda · operación"), QStringLiteral("Operaciones"),
                            CC_TRENGLONES),
               [&]() {
                 TFilaSoporte fila = FilaSoporte(
                     qConsulta,
                     TextoRespuesta(DameTexto(qConsulta, QStringLiteral("Actividad")) + QStringLiteral(" · ") +
                                    DameTexto(qConsulta, QStringLiteral("Simbolo")) + QStringLiteral(" · ") +
                                    DameTexto(qConsulta, QStringLiteral("TipoOp"))),
                     QStringLiteral("TotalOps"), FormatoEntero);
                 fila.sGuardado = QStringLiteral("Tipo ") + DameTexto(qConsulta, QStringLiteral("Tipo"));
                 return fila;
               });
  qConsulta.Close();
  return true;
}
