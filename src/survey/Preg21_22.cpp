#include "survey/RepEncGAFI2016.h"

#include "ado/ConsultaADO.h"
#include "survey/CamposConsulta.h"
#include "survey/FormatoNumeros.h"

bool TRepEncGAFI2016::Preg21() {
  // Every range runs; any failed range fails the question.
  const bool bRango1 = Preg21Aux(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("3000"));
  const bool bRango2 = Preg21Aux(QStringLiteral("2"), QStringLiteral("3001"), QStringLiteral("5000"));
  const bool bRango3 = Preg21Aux(QStringLiteral("3"), QStringLiteral("5001"), QString());
  return bRango1 && bRango2 && bRango3;
}

bool TRepEncGAFI2016::Preg21Aux(const QString& sRenglon, const QString& sIni, const QString& sHasta) {
  // SQL wants "." whatever the regional settings; 15 significant digits as the rate was typed.
  const QString sTC = QString::number(F_dTipoCambio, 'g', 15);
  QString sConsulta =
      QStringLiteral("SELECT Count(1) as TotalOps FROM ( SELECT tDivisas.Simbolo, IIF( tDivisas.Simbolo = 'USD', "
                     "tOps1.AuxCant, ( tOps1.AuxCant * tOps1.Cot ) /") +
      sTC + QStringLiteral(") AS Cantidad ") + QStringLiteral("FROM (") +
      TodasOpsRangoF(CC_FECHAINI14, CC_FECHAFIN14) + QStringLiteral(") AS tOps1, ") + QStringLiteral("tDivisas ") +
      QStringLiteral("WHERE ") + QStringLiteral("tDivisas.NumeroDivisa = tOps1.NDiv ) as tUmbral ") +
      QStringLiteral("WHERE tUmbral.Cantidad >= ") + sIni;
  if (!sHasta.isEmpty()) {
    sConsulta += QStringLiteral(" ") + QStringLiteral("AND tUmbral.Cantidad <= ") + sHasta;
  }

  ado::TConsultaADO& qConsulta = *F_qConsultaGen;
  if (!PideConsulta(sConsulta, qConsulta)) {
    return false;
  }
  qConsulta.First();
  const QString sTotalOps = DameNumero(qConsulta, QStringLiteral("TotalOps"), FormatoEntero);
  AgregaRespuesta(QStringLiteral("21.") + sRenglon, sTotalOps);
  const QString sUmbral = sHasta.isEmpty() ? QStringLiteral("%1 USD o más").arg(sIni)
                                           : QStringLiteral("de %1 a %2 USD").arg(sIni, sHasta);
  AnotaCifras(QStringLiteral("21"), QStringLiteral("Operaciones de 2014 por umbral en dólares (respuestas 21.1 a 21.3)"),
              QStringLiteral("21.") + sRenglon, sConsulta,
              {{QStringLiteral("Renglón %1: %2").arg(sRenglon, sUmbral), sTotalOps}});
  qConsulta.Close();
  return true;
}

bool TRepEncGAFI2016::Preg22() {
  const QString sOpsCte = OpsConDtClientes(TodasOpsRangoF(CC_FECHAINI14, CC_FECHAFIN14), false);
  const QString sConsulta =
      QStringLiteral("SELECT ABS(SUM( tOps1.EsPF <> 0 )) as TotalF, ABS(SUM( tOps1.EsPM <> 0 )) as TotalM FROM (") +
      sOpsCte + QStringLiteral(") AS tOps1 ") + QStringLiteral("WHERE ") + QStringLiteral("tOps1.EsEF = 0 AND ") +
      QStringLiteral("tOps1.EsExtrj <> 0 ");

  ado::TConsultaADO& qConsulta = *F_qConsultaGen;
  if (!PideConsulta(sConsulta, qConsulta)) {
    return false;
  }
  QString sTotalF = QStringLiteral("0");
  QString sTotalM = QStringLiteral("0");
  if (!qConsulta.IsEmpty()) {
    qConsulta.First();
    // Both sums are Null when no operation qualifies.
    if (const QString sTexto = DameNumero(qConsulta, QStringLiteral("TotalF"), FormatoEntero); !sTexto.isEmpty()) {
      sTotalF = sTexto;
    }
    if (const QString sTexto = DameNumero(qConsulta, QStringLiteral("TotalM"), FormatoEntero); !sTexto.isEmpty()) {
      sTotalM = sTexto;
    }
  }
  AgregaRespuesta(QStringLiteral("22.1"), sTotalF);
  AgregaRespuesta(QStringLiteral("22.2"), sTotalM);
  AnotaCifras(QStringLiteral("22"), QStringLiteral("Operaciones de 2014 de extranjeros que no son entidades financieras "
                                                   "(respuestas 22.1 y 22.2)"),
              QStringLiteral("22"), sConsulta,
              {{QStringLiteral("Personas físicas"), sTotalF}, {QStringLiteral("Personas morales"), sTotalM}});
  qConsulta.Close();
  return true;
}
