#include "survey/RepEncuestaGAFI.h"

#include "survey/BoolPersist.h"
#include "survey/ManejadorReportes.h"

TRepEncuestaGAFI::TRepEncuestaGAFI(std::shared_ptr<ado::TConexionADO> Conector,
                                   TReporte& elReporte, const QString& sNomRep,
                                   std::shared_ptr<IMensajero> Mensajero, int nTotalPreg)
    : TTolvexBD(Conector),
      F_Mensajero(std::move(Mensajero)),
      F_nTotalPreguntas(nTotalPreg),
      F_mjReportes(std::make_shared<TManejadorReportes>(elReporte, sNomRep)) {}

QString TRepEncuestaGAFI::BooleanToStr(bool bValor) {
  return bValor ? QStringLiteral("-1") : QStringLiteral("0");
}

void TRepEncuestaGAFI::RevisaAcentos(QString& sTexto) {
  static const QString CC_MINUSCULAS = QStringLiteral("áéíóúü");
  static const QString CC_MAYUSCULAS = QStringLiteral("ÁÉÍÓÚÜ");
  for (qsizetype i = 0; i < CC_MINUSCULAS.size(); ++i) {
    sTexto.replace(CC_MINUSCULAS[i], CC_MAYUSCULAS[i], Qt::CaseInsensitive);
  }
}

QString TRepEncuestaGAFI::TextoRespuesta(const QString& sDato) {
  QString sValor = sDato;
  for (QChar& cLetra : sValor) {
    if (cLetra >= u'a' && cLetra <= u'z') cLetra = QChar(cLetra.unicode() - u'a' + u'A');
  }
  RevisaAcentos(sValor);
  return sValor;
}

void TRepEncuestaGAFI::AgregaRespuesta(const QString& nInciso, const QString& sDato) {
  F_mjReportes->AgregaDatoReporte(CC_NOM_CATEGORIA, CC_NOM_VAR + nInciso, TextoRespuesta(sDato));
}

bool TRepEncuestaGAFI::GeneraReporte() {
  const std::shared_ptr<IBoolPersist> bExito = std::make_shared<TBoolPersist>(true);
  F_mjReportes->RestauraValoresIniciales();
  F_Mensajero->MsjTxEspera(QStringLiteral("Iniciando..."), false);
  const QString sRazonSocial = GetEmpresa().sRazonSocial;
  QString sNombreCC = sRazonSocial;
  if (F_BackOffices.size() > 1) {
    sNombreCC += QStringLiteral(" · Reporte consolidado de %1 back offices").arg(F_BackOffices.size());
    F_mjReportes->AvisoConsolidado(F_BackOffices);
  }
  F_mjReportes->AgregaDatoReporte(CC_NOM_CATEGORIA, CC_VARNOMCC, sNombreCC);
  F_Mensajero->MsjEnTx(QStringLiteral("Por favor espere..."));
  for (int nCont = 1; nCont <= F_nTotalPreguntas; ++nCont) {
    bExito->SetValor(ContestaPregunta(nCont));
    const int nPorcentaje = nCont * 100 / F_nTotalPreguntas;
    if (nPorcentaje > 99) {
      F_Mensajero->MsjTxEspera(QStringLiteral("Por favor espere... 100%"), false);
    } else {
      F_Mensajero->MsjEnTx("Por favor espere... " + QString::number(nPorcentaje) + "%");
    }
  }
  TerminaPreguntas(sRazonSocial);
  F_Mensajero->MsjTxEspera(QStringLiteral("Preparando reporte..."), false);
  F_mjReportes->MuestraReporte();
  return bExito->GetValor();
}
