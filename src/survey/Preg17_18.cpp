#include "survey/RepEncGAFI2016.h"

#include "db/LiteralJet.h"

#include <array>

#include "ado/ConsultaADO.h"
#include "survey/CamposConsulta.h"
#include "survey/FormatoNumeros.h"

namespace {

// Places of questions 17 and 18, and currencies per place of question 18.
constexpr int CC_TRENGLONES = 5;
constexpr int CC_TRENGLONES_DIVISAS = 3;

const QString CC_SALTO = QStringLiteral("\r\n");

}  // namespace

bool TRepEncGAFI2016::Preg17() {
  const QString sOps = TodasOpsRangoF(CC_FECHAINI14, CC_FECHAFIN14);
  const QString sConsulta =
      QStringLiteral("SELECT tCiudad.Ciudad, tCiudad.ClaveLocalidad, Count(1) as Total FROM (") + sOps +
      QStringLiteral(") AS tOps, ") + QStringLiteral("tCliente, tCiudad ") + QStringLiteral("WHERE ") +
      QStringLiteral("tCliente.ClaveCliente = tOps.CvCAux AND ") +
      QStringLiteral("tCiudad.ClaveCiudad = tCliente.ClaveCiudad ") +
      QStringLiteral("GROUP BY tCiudad.Ciudad, tCiudad.ClaveLocalidad ") + QStringLiteral("ORDER BY  Count(1) DESC ");

  ado::TConsultaADO& qConsulta = *F_qConsultaGen;
  if (!PideConsulta(sConsulta, qConsulta)) {
    return false;
  }
  if (!qConsulta.IsEmpty()) {
    RecorreLugares(qConsulta, CC_TRENGLONES, [&](int nCont, bool bHayFila) {
      QString sLocalidad;
      QString sClave;
      QString sTotalOps;
      if (bHayFila) {
        sLocalidad = DameTexto(qConsulta, QStringLiteral("Ciudad"));
        sClave = DameTexto(qConsulta, QStringLiteral("ClaveLocalidad"));
        sTotalOps = DameNumero(qConsulta, QStringLiteral("Total"), FormatoEnteroSinCero);
      }
      const QString sLugar = QStringLiteral("17.") + QString::number(nCont);
      if (!sLocalidad.isEmpty()) {
        AgregaRespuesta(sLugar + QStringLiteral(".1"),
                        sLocalidad + QStringLiteral(" (Clave: ") + sClave + QStringLiteral(")"));
      }
      AgregaRespuesta(sLugar + QStringLiteral(".2"), sTotalOps);
    });
  }
  qConsulta.Close();
  return true;
}

bool TRepEncGAFI2016::Preg18() {
  const QString sOps = TodasOpsRangoF(CC_FECHAINI14, CC_FECHAFIN14);
  const QString sConsulta =
      QStringLiteral("SELECT tCiudad.ClaveCiudad, tCiudad.Ciudad, tCiudad.ClaveLocalidad, SUM(tOps.Importe) as "
                     "TotalImporte FROM (") +
      sOps + QStringLiteral(") AS tOps, ") + QStringLiteral("tCliente, tCiudad ") + QStringLiteral("WHERE ") +
      QStringLiteral("tCliente.ClaveCliente = tOps.CvCAux AND ") +
      QStringLiteral("tCiudad.ClaveCiudad = tCliente.ClaveCiudad ") +
      QStringLiteral("GROUP BY tCiudad.ClaveCiudad, tCiudad.Ciudad, tCiudad.ClaveLocalidad ") +
      QStringLiteral("ORDER BY SUM(tOps.Importe) DESC ");

  std::array<QString, CC_TRENGLONES> sLocalidads;
  ado::TConsultaADO& qConsulta = *F_qConsultaGen;
  if (!PideConsulta(sConsulta, qConsulta)) {
    return false;
  }
  if (!qConsulta.IsEmpty()) {
    RecorreLugares(qConsulta, CC_TRENGLONES, [&](int nCont, bool bHayFila) {
      QString sClvCiudad;
      QString sLocalidad;
      QString sClave;
      QString sTotalImp;
      if (bHayFila) {
        sClvCiudad = DameTexto(qConsulta, QStringLiteral("ClaveCiudad"));
        sLocalidad = DameTexto(qConsulta, QStringLiteral("Ciudad"));
        sClave = DameTexto(qConsulta, QStringLiteral("ClaveLocalidad"));
        sTotalImp = DameNumero(qConsulta, QStringLiteral("TotalImporte"), FormatoDosDecimales);
      }
      sLocalidads[nCont - 1] = sClvCiudad;
      if (!sLocalidad.isEmpty()) {
        AgregaRespuesta(QStringLiteral("18.") + QString::number(nCont) + QStringLiteral(".1"),
                        sLocalidad + CC_SALTO + QStringLiteral(" (Clave: ") + sClave + QStringLiteral(")") + CC_SALTO +
                            QStringLiteral(" (Monto MXN: ") + sTotalImp + QStringLiteral(")"));
      }
    });
  }
  qConsulta.Close();

  bool bExito = true;
  for (int nCont = 1; nCont <= CC_TRENGLONES && bExito; ++nCont) {
    if (!sLocalidads[nCont - 1].isEmpty()) {
      bExito = Preg18_Part2(QString::number(nCont), sLocalidads[nCont - 1]);
    }
  }
  return bExito;
}

bool TRepEncGAFI2016::Preg18_Part2(const QString& sNumRenglon, const QString& sClvLocalidad) {
  const QString sOps = TodasOpsRangoF(CC_FECHAINI14, CC_FECHAFIN14);
  const QString sConsulta =
      QStringLiteral("SELECT tDivisas.Simbolo, SUM(tOps1.AuxCant) as TotalCant FROM (") + sOps +
      QStringLiteral(") AS tOps1, ") + QStringLiteral("tCliente, tDivisas ") + QStringLiteral("WHERE ") +
      QStringLiteral("tDivisas.NumeroDivisa = tOps1.NDiv AND ") +
      QStringLiteral("tCliente.ClaveCliente = tOps1.CvCAux AND ") + QStringLiteral("tCliente.ClaveCiudad = '") +
      LiteralJet(sClvLocalidad) + QStringLiteral("' ") + QStringLiteral("GROUP BY tDivisas.Simbolo ") +
      QStringLiteral("ORDER BY SUM(tOps1.AuxCant) DESC ");

  ado::TConsultaADO& qConsulta = *F_qConsultaGen;
  if (!PideConsulta(sConsulta, qConsulta)) {
    return false;
  }
  if (!qConsulta.IsEmpty()) {
    RecorreLugares(qConsulta, CC_TRENGLONES_DIVISAS, [&](int nCont, bool bHayFila) {
      QString sMonto;
      QString sMoneda;
      if (bHayFila) {
        sMonto = DameNumero(qConsulta, QStringLiteral("TotalCant"), FormatoDosDecimales);
        sMoneda = DameTexto(qConsulta, QStringLiteral("Simbolo"));
      }
      const QString sLugar = QStringLiteral("18.") + sNumRenglon;
      AgregaRespuesta(sLugar + QStringLiteral(".2.") + QString::number(nCont), sMonto);
      AgregaRespuesta(sLugar + QStringLiteral(".3.") + QString::number(nCont), sMoneda);
    });
  }
  qConsulta.Close();
  return true;
}
