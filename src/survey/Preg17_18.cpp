#include "survey/RepEncGAFI2016.h"

#include "db/LiteralJet.h"

#include <QMap>

#include <array>

#include "ado/ConsultaADO.h"
#include "survey/CamposConsulta.h"
#include "survey/FormatoNumeros.h"

namespace {

// Places of questions 17 and 18, and currencies per place of question 18.
constexpr int CC_TRENGLONES = 5;
constexpr int CC_TRENGLONES_DIVISAS = 3;

const QString CC_SALTO = QStringLiteral("\r\n");

const QString CC_NOTA_PUBLICO = QStringLiteral(
    "El cuestionario dice que no se consideran las operaciones del \"PÚBLICO EN GENERAL\" porque no tiene "
    "localidad asignada: en las consultas eso resulta de los cruces con tCliente y tCiudad, y esas operaciones "
    "aparecen abajo como «ciudad desconocida» cuando el cliente no tiene ciudad.");

// "Ciudad (Clave: ClaveLocalidad)" of the current row, as questions 17 and 18 name a place.
QString TextoLocalidad(const ado::TConsultaADO& qConsulta)
{
  return DameTexto(qConsulta, QStringLiteral("Ciudad")) + QStringLiteral(" (Clave: ") +
         DameTexto(qConsulta, QStringLiteral("ClaveLocalidad")) + QStringLiteral(")");
}

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
  AnotaRanking(QStringLiteral("17"), QStringLiteral("17"), sConsulta, qConsulta,
               NuevoRanking(QStringLiteral("Localidades por número de operaciones de 2014 (respuestas 17.1 a 17.5)"),
                            QStringLiteral("Localidad"), QStringLiteral("Operaciones"), CC_TRENGLONES),
               [&]() {
                 return FilaSoporte(qConsulta, TextoRespuesta(TextoLocalidad(qConsulta)), QStringLiteral("Total"),
                                    FormatoEntero);
               });
  SeccionSoporte(QStringLiteral("17")).Notas << CC_NOTA_PUBLICO;
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
  AnotaRanking(QStringLiteral("18"), QStringLiteral("18"), sConsulta, qConsulta,
               NuevoRanking(QStringLiteral("Ciudades por monto operado en pesos en 2014 (respuestas 18.1 a 18.5)"),
                            QStringLiteral("Localidad"), QStringLiteral("Monto MXN"), CC_TRENGLONES),
               [&]() {
                 TFilaSoporte fila = FilaSoporte(qConsulta, TextoRespuesta(TextoLocalidad(qConsulta)),
                                                 QStringLiteral("TotalImporte"), FormatoDosDecimales);
                 fila.sGuardado = QStringLiteral("ciudad ") + DameTexto(qConsulta, QStringLiteral("ClaveCiudad"));
                 return fila;
               });
  SeccionSoporte(QStringLiteral("18")).Notas << CC_NOTA_PUBLICO << CC_NOTA_UNIDADES;
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
  SoportePreg18Divisas(sNumRenglon, sClvLocalidad, sOps, sConsulta, qConsulta);
  qConsulta.Close();
  return true;
}

void TRepEncGAFI2016::SoportePreg18Divisas(const QString& sNumRenglon, const QString& sClvLocalidad,
                                           const QString& sOps, const QString& sConsulta,
                                           ado::TConsultaADO& qConsulta)
{
  const QString sPesos =
      QStringLiteral("SELECT tDivisas.Simbolo, SUM(tOps1.Importe) as TotalImporte FROM (") + sOps +
      QStringLiteral(") AS tOps1, tCliente, tDivisas WHERE tDivisas.NumeroDivisa = tOps1.NDiv AND "
                     "tCliente.ClaveCliente = tOps1.CvCAux AND tCliente.ClaveCiudad = '") +
      LiteralJet(sClvLocalidad) + QStringLiteral("' GROUP BY tDivisas.Simbolo");
  ado::TConsultaADO qPesos;
  QMap<QString, QString> Pesos;
  if (ConsultaSoporte(QStringLiteral("18"), QStringLiteral("18.%1 pesos").arg(sNumRenglon),
                      QStringLiteral("pesos de cada divisa de la ciudad del lugar %1").arg(sNumRenglon), sPesos, qPesos))
    Pesos = PesosPorSimbolo(qPesos);
  TRankingSoporte Ranking = NuevoRanking(QStringLiteral("Lugar %1, ciudad %2: divisas por cantidad sumada en su "
                                                        "propia divisa (respuestas 18.%1.2 y 18.%1.3)")
                                             .arg(sNumRenglon, sClvLocalidad),
                                         QStringLiteral("Moneda"), QStringLiteral("Cantidad (en su divisa)"),
                                         CC_TRENGLONES_DIVISAS, {QStringLiteral("Monto MXN")});
  Ranking.sNota = QStringLiteral("El orden compara unidades distintas: cada cantidad está en su propia divisa.");
  AnotaRanking(QStringLiteral("18"), QStringLiteral("18.%1 divisas").arg(sNumRenglon), sConsulta, qConsulta, Ranking,
               [&]() {
                 TFilaSoporte fila =
                     FilaSoporte(qConsulta, TextoRespuesta(DameTexto(qConsulta, QStringLiteral("Simbolo"))),
                                 QStringLiteral("TotalCant"), FormatoDosDecimales);
                 fila.Extras << Pesos.value(ClaveSimbolo(qConsulta.FieldByName(QStringLiteral("Simbolo"))));
                 return fila;
               });
}
