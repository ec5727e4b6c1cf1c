#include "survey/RepEncGAFI2016.h"

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
  qConsulta.Close();
  return true;
}
