#include "survey/RepEncGAFI2016.h"

#include "db/LiteralJet.h"

#include <QCoreApplication>
#include <QMap>

#include <stdexcept>

#include "ado/ConsultaADO.h"
#include "survey/CamposConsulta.h"
#include "survey/FormatoNumeros.h"

namespace {

constexpr int CC_TRENGLONES = 5;

struct TSelectorPreg5 {
  QString sCalculo;
  QString sSeleccion;
  QString sAgrupacion;
};

const TSelectorPreg5* DameSelector(const QString& sCalculo) {
  static const TSelectorPreg5 selectores[] = {
      {QStringLiteral("TipoOp"), QStringLiteral("tAuxOps1.Tipo AS TipoOp, "),
       QStringLiteral("GROUP BY tAuxOps1.Tipo ")},
      {QStringLiteral("InstMon"), QStringLiteral("tAuxOps1.InstMonet AS InstMon, "),
       QStringLiteral("GROUP BY tAuxOps1.InstMonet ")},
      {QStringLiteral("Simbolo"), QStringLiteral("tAuxOps1.Simbolo AS Simbolo, "),
       QStringLiteral("GROUP BY tAuxOps1.Simbolo ")},
  };
  for (const TSelectorPreg5& selector : selectores) {
    if (selector.sCalculo == sCalculo) {
      return &selector;
    }
  }
  return nullptr;
}

// The window's lists are shared and could shrink during a run: a missing
// position ends the run with a clear message instead of reading past the end.
QString DameElemento(const std::shared_ptr<QStringList>& Lista, int nPos) {
  const qsizetype nTamano = Lista ? Lista->size() : 0;
  if (nPos >= nTamano) {
    throw std::out_of_range(
        QStringLiteral("Índice de lista fuera de límites (%1): la lista de localidades de riesgo tiene %2 "
                       "elementos y se necesitan %3.")
            .arg(nPos)
            .arg(nTamano)
            .arg(CC_TRENGLONES)
            .toStdString());
  }
  return Lista->at(nPos);
}

}  // namespace

bool TRepEncGAFI2016::Preg5() {
  bool bExito = true;
  for (int nPos = 0; nPos < CC_TRENGLONES; ++nPos) {
    const QString sClave = DameElemento(F_ListaLocCC.Clave, nPos);
    const QString sLocalidad = DameElemento(F_ListaLocCC.Ciudad, nPos);
    const bool bRenglon = Preg5Aux(QString::number(nPos + 1), sLocalidad, sClave);
    bExito = bExito && bRenglon;
  }
  return bExito;
}

bool TRepEncGAFI2016::Preg5Aux(const QString& sNumRenglon, const QString& sLocalidad, const QString& sClaveLoc) {
  AgregaRespuesta(QStringLiteral("5.") + sNumRenglon + QStringLiteral(".1"),
                  sLocalidad + QStringLiteral(" (Clave: ") + sClaveLoc + QStringLiteral(")"));
  const bool bTipo = CalculaMaxPreg5(sNumRenglon, QStringLiteral("2"), sClaveLoc, QStringLiteral("TipoOp"));
  const bool bInstrumento = CalculaMaxPreg5(sNumRenglon, QStringLiteral("3"), sClaveLoc, QStringLiteral("InstMon"));
  const bool bMoneda = CalculaMaxPreg5(sNumRenglon, QStringLiteral("4"), sClaveLoc, QStringLiteral("Simbolo"));
  return bTipo && bInstrumento && bMoneda;
}

bool TRepEncGAFI2016::CalculaMaxPreg5(const QString& sNumRenglon, const QString& sNumCol, const QString& sClaveLoc,
                                      const QString& sCalculo) {
  const TSelectorPreg5* selector = DameSelector(sCalculo);
  if (selector == nullptr) {
    return false;
  }
  const QString sConsulta =
      QStringLiteral("SELECT ") + selector->sSeleccion + QStringLiteral(" ") + QStringLiteral("Count(1) as TotalOps ") +
      QStringLiteral("FROM ( ") + QStringLiteral("SELECT tOps1.Tipo, tGrupos.InstMonet, tDivisas.Simbolo  ") +
      QStringLiteral("FROM (") + TodasOpsRangoF(CC_FECHAINIC, QString()) + QStringLiteral(") AS tOps1, ") +
      QStringLiteral("tDivisas, tGrupos, tCliente, tCiudad ") + QStringLiteral("WHERE ") +
      QStringLiteral("tDivisas.NumeroDivisa = tOps1.NDiv AND ") +
      QStringLiteral("tGrupos.ClaveGrupo = tDivisas.ClaveGrupo AND ") +
      QStringLiteral("tCliente.ClaveCliente = tOps1.CvCAux AND ") +
      QStringLiteral("tCiudad.ClaveCiudad = tCliente.ClaveCiudad AND ") + QStringLiteral("tCiudad.ClaveLocalidad = '") +
      LiteralJet(sClaveLoc) + QStringLiteral("'  ") + QStringLiteral(") as tAuxOps1 ") + selector->sAgrupacion +
      QStringLiteral("ORDER BY Count(1) DESC ");

  ado::TConsultaADO& qConsulta = *F_qConsultaGen;
  if (!PideConsulta(sConsulta, qConsulta)) {
    return false;
  }
  QCoreApplication::processEvents();

  const QString sInciso = QStringLiteral("5.") + sNumRenglon + QStringLiteral(".") + sNumCol;
  if (!qConsulta.IsEmpty()) {
    qConsulta.First();
    const QString sTotalOps = FormatoEntero(qConsulta.FieldByName(QStringLiteral("TotalOps")).toDouble());
    QString sDato = qConsulta.FieldByName(sCalculo).toString();
    DaFormatoPreg5(sDato, sCalculo);
    AgregaRespuesta(sInciso, sDato + QStringLiteral(" (TOTAL OPS.: ") + sTotalOps + QStringLiteral(")"));
  } else {
    AgregaRespuesta(sInciso, QStringLiteral("No existen operaciones"));
  }
  SoportePreg5(sNumRenglon, sNumCol, sCalculo, sConsulta, qConsulta);
  qConsulta.Close();
  return true;
}

void TRepEncGAFI2016::DaFormatoPreg5(QString& sDato, const QString& sCalculo) {
  struct TNombre {
    const char16_t* sCalculo;
    const char16_t* sValor;
    const char16_t* sNombre;
  };
  static const TNombre nombres[] = {
      {u"TipoOp", u"C", u"COMPRA"},
      {u"TipoOp", u"V", u"VENTA"},
      {u"InstMon", u"01", u"EFECTIVO"},
      {u"InstMon", u"03", u"TRANSFERENCIAS"},
      {u"InstMon", u"04", u"CHEQUES DE VIAJERO"},
      {u"InstMon", u"05", u"ORO O PLATINO AMONEDADOS"},
      {u"InstMon", u"06", u"PLATA AMONEDADA"},
      {u"InstMon", u"08", u"DERECHOS"},
      {u"InstMon", u"10", u"CHEQUES"},
      {u"InstMon", u"11", u"BIENES"},
      {u"InstMon", u"12", u"CHEQUE DE CAJA"},
  };
  for (const TNombre& nombre : nombres) {
    if (sCalculo == QStringView(nombre.sCalculo) && sDato == QStringView(nombre.sValor)) {
      sDato = QString::fromUtf16(nombre.sNombre);
      return;
    }
  }
}

void TRepEncGAFI2016::SoportePreg5(const QString& sNumRenglon, const QString& sNumCol, const QString& sCalculo,
                                   const QString& sConsulta, ado::TConsultaADO& qConsulta)
{
  static const QMap<QString, QString> Columnas = {{QStringLiteral("TipoOp"), QStringLiteral("Tipo de operación")},
                                                  {QStringLiteral("InstMon"), QStringLiteral("Instrumento monetario")},
                                                  {QStringLiteral("Simbolo"), QStringLiteral("Moneda")}};
  const int nPos = sNumRenglon.toInt() - 1;
  const QString sLocalidad =
      F_ListaLocCC.Ciudad && nPos < F_ListaLocCC.Ciudad->size() ? F_ListaLocCC.Ciudad->at(nPos) : QString();
  const QString sClave =
      F_ListaLocCC.Clave && nPos < F_ListaLocCC.Clave->size() ? F_ListaLocCC.Clave->at(nPos) : QString();
  AnotaRanking(QStringLiteral("5"), QStringLiteral("5.%1.%2").arg(sNumRenglon, sNumCol), sConsulta, qConsulta,
               NuevoRanking(QStringLiteral("Localidad %1, %2 (Clave: %3): %4 (respuesta 5.%1.%5)")
                                .arg(sNumRenglon, sLocalidad, sClave, Columnas.value(sCalculo), sNumCol),
                            Columnas.value(sCalculo), QStringLiteral("Operaciones"), 1),
               [&]() {
                 const QVariant Guardado = qConsulta.FieldByName(sCalculo);
                 QString sDato = Guardado.toString();
                 DaFormatoPreg5(sDato, sCalculo);
                 TFilaSoporte fila =
                     FilaSoporte(qConsulta, TextoRespuesta(sDato), QStringLiteral("TotalOps"), FormatoEntero);
                 if (sCalculo == QLatin1String("Simbolo"))
                   fila.sGuardado = NumerosDivisa(Guardado);
                 else if (fila.sValor != Guardado.toString())
                   fila.sGuardado = Guardado.toString();
                 return fila;
               });
}
