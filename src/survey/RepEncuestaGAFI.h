#pragma once

#include <memory>

#include <QString>
#include <QStringList>

#include "db/TolvexBD.h"
#include "survey/IIManejadorReportes.h"
#include "survey/IIMensajero.h"
#include "survey/IIRepEncuestaGAFI.h"

class TReporte;

inline const QString CC_NOM_CATEGORIA = QStringLiteral("Cuestionario");
inline const QString CC_NOM_VAR = QStringLiteral("preg_");
inline const QString CC_VARNOMCC = QStringLiteral("NombreCC");

// A survey: runs its questions one by one and fills the questionnaire template.
class TRepEncuestaGAFI : public TTolvexBD, public IRepEncuestaGAFI {
 public:
  TRepEncuestaGAFI(std::shared_ptr<ado::TConexionADO> Conector, TReporte& elReporte,
                   const QString& sNomRep, std::shared_ptr<IMensajero> Mensajero,
                   int nTotalPreg);

  // False when any question failed; every question still runs and the report is shown.
  bool GeneraReporte() override;
  bool ValidaAcceso(const QString& sUsuario, const QString& sPassw, bool bSoloAdmins) override {
    return TTolvexBD::ValidaAcceso(sUsuario, sPassw, bSoloAdmins);
  }
  bool UsuariosConectados() override { return TTolvexBD::UsuariosConectados(); }

  // The back offices a consolidated report joins, head office first (one line each);
  // none or one: the report of one back office.
  void SetBackOffices(const QStringList& BackOffices) { F_BackOffices = BackOffices; }

  // nNumPreg counts from 1; true when the question was answered.
  virtual bool ContestaPregunta(int nNumPreg) = 0;

 protected:
  // After the last question, before the report is shown: what a survey adds beside it.
  virtual void TerminaPreguntas(const QString& sRazonSocial) { (void)sRazonSocial; }

  // "-1" or "0", as the back office stores Yes/No.
  static QString BooleanToStr(bool bValor);
  // The six small accented vowels become capitals; nothing else changes.
  static void RevisaAcentos(QString& sTexto);
  // Sets "preg_" + nInciso to sDato with ASCII letters and accented vowels capitalised.
  void AgregaRespuesta(const QString& nInciso, const QString& sDato);
  // sDato as AgregaRespuesta writes it: ASCII letters and accented vowels capitalised.
  static QString TextoRespuesta(const QString& sDato);

  const QStringList& BackOffices() const { return F_BackOffices; }

  std::shared_ptr<IMensajero> F_Mensajero;
  int F_nTotalPreguntas;
  std::shared_ptr<IManejadorReportes> F_mjReportes;

 private:
  QStringList F_BackOffices;
};
