#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "survey/LocalidadesOperadas.h"
#include "survey/RepEncuestaGAFI.h"
#include "survey/Soporte.h"

class TdmMain;
class TTablaMemoria;

// One pre-flight finding: what was checked and what did not pass (names, or the
// reason the check could not run).
struct THallazgo {
  QString sRevision;
  QStringList Nombres;
};

// The risk localities chosen in the main window, in order of entry: three
// parallel lists owned by the window and shared (never copied) with the survey.
struct TLocalidades {
  std::shared_ptr<QStringList> Estado;
  std::shared_ptr<QStringList> Ciudad;
  std::shared_ptr<QStringList> Clave;
};

// Number of questions of the 2016 survey and the name its report is shown under.
inline constexpr int CC_NUMPREGS = 9;
inline const QString CC_NOMREPORTE = QStringLiteral("Encuesta GAFI 2016");
// First day of the records that questions 5 and 8 consider.
inline const QString CC_FECHAINIC = QStringLiteral("2011/11/01");
// The year that questions 17 to 22 consider.
inline const QString CC_FECHAINI14 = QStringLiteral("2014/01/01");
inline const QString CC_FECHAFIN14 = QStringLiteral("2014/12/31");

// The survey layer that knows the back office: the run's inputs and the Jet SQL
// derived tables every question computes on. It runs no query itself.
class TRepEncGAFIBasic : public TRepEncuestaGAFI {
 public:
  TRepEncGAFIBasic(std::shared_ptr<ado::TConexionADO> Conector, TReporte& elReporte,
                   std::shared_ptr<IMensajero> Mensajero, double dTCambio, int nEmpresa,
                   const TLocalidades& ListaLocs, const TdmMain& dmMain);

  QString DameEntidadesFinancieras() const;
  QString DameActividadesVulnerables() const;
  QString DameClientes(bool bIncluirVulnerables) const;
  QString OpsConDtClientes(const QString& sOperaciones, bool IncluirVulnerables) const;
  QString TodasOpsRangoF(const QString& sRangoIni, const QString& sRangoFin) const;
  QString TodasLasOperacionesCV(bool bDondeCanceladas) const;

  // The back office's locality keys with operations of question 5's period, most
  // first (the keys question 5 can answer for).
  bool DameLocalidadesOperadas(QList<TLocalidadOperada>& Localidades);

  // What the user would otherwise have to check by hand before a run: the chosen
  // localities no city carries, currencies used without a symbol, clients' sectors
  // without an activity key. Only what was found (or could not be checked) is listed.
  QList<THallazgo> RevisionPrevia();

  // Every operation line since question 5's first day that some question's joins drop,
  // with one 0/1 column per reason (each tested on its own) and En2014: the table the
  // support counts left-out operations on.
  QString OperacionesFuera() const;

 protected:
  double F_dTipoCambio;
  QString F_sEmpAct;
  TLocalidades F_ListaLocCC;

 private:
  // "IIF( ( ClaveActividad = 'k1' or ... ), -1, 0 ) AS <sAlias> " over a catalogue's keys.
  static QString DameIndicadorCatalogo(const TTablaMemoria& Catalogo, const QString& sAlias);

  const TdmMain& F_dmMain;  // the catalogues vtEntFin and vtActVul
};

// The 2016 questionnaire: one operation per question the back office answers.
class TRepEncGAFI2016 : public TRepEncGAFIBasic {
 public:
  using TRepEncGAFIBasic::TRepEncGAFIBasic;

  bool ContestaPregunta(int nNumPreg) override;

  // Question 5: risk localities.
  bool Preg5();
  bool Preg5Aux(const QString& sNumRenglon, const QString& sLocalidad, const QString& sClaveLoc);
  bool CalculaMaxPreg5(const QString& sNumRenglon, const QString& sNumCol, const QString& sClaveLoc,
                       const QString& sCalculo);
  static void DaFormatoPreg5(QString& sDato, const QString& sCalculo);

  // Questions 7 and 8: alerts.
  bool Preg7();
  bool Preg7Aux(const QString& sNumRenglon, const QString& sFechaIni, const QString& sFechaFin);
  bool Preg8();

  // Questions 17 and 18: localities with most operations and largest amounts.
  bool Preg17();
  bool Preg18();
  bool Preg18_Part2(const QString& sNumRenglon, const QString& sClvLocalidad);

  // Questions 19 and 20: currencies sold, other obliged entities.
  bool Preg19();
  bool Preg20();

  // Questions 21 and 22: amount thresholds, foreign clients.
  bool Preg21();
  bool Preg21Aux(const QString& sRenglon, const QString& sIni, const QString& sHasta);
  bool Preg22();

  // The support of the answers ("Soporte de las respuestas"): filled while the questions
  // run and completed after the last one; the run's files, user and program come from SetCorrida.
  void SetCorrida(const TCorridaSoporte& Corrida) { F_Soporte.Corrida = Corrida; }
  const TSoporte& Soporte() const { return F_Soporte; }

 protected:
  // Left-out operations and run facts; the support goes to the report as its annex.
  void TerminaPreguntas(const QString& sRazonSocial) override;

 private:
  // A support figure's query, on a query object of its own: a failure is noted in the
  // support, never reported as the questionnaire's error.
  bool ConsultaSoporte(const QString& sPregunta, const QString& sId, const QString& sDescripcion,
                       const QString& sSQL, ado::TConsultaADO& qConsulta);
  // The ranking in the open result of an answer's own query, from its first row.
  TRankingSoporte& AnotaRanking(const QString& sPregunta, const QString& sId, const QString& sSQL,
                                ado::TConsultaADO& qConsulta, TRankingSoporte Ranking,
                                const std::function<TFilaSoporte()>& LeeFila);
  // Plain figures of an answer (no ranking): rows of (concept, figure).
  void AnotaCifras(const QString& sPregunta, const QString& sTitulo, const QString& sId, const QString& sSQL,
                   const QList<std::pair<QString, QString>>& Cifras);
  TSeccionSoporte& SeccionSoporte(const QString& sPregunta);
  // Question sPregunta's operations left out, for the reasons its joins have.
  // sPublico: the column that tells the walk-in public's operations apart.
  void SoporteFuera(const QString& sPregunta, const QStringList& Motivos, const QString& sPublico);
  void SoporteCorrida(const QString& sRazonSocial);
  // Question 5's currency numbers by symbol, as the engine groups symbols.
  QString NumerosDivisa(const QVariant& Simbolo);

  void SoportePreg5(const QString& sNumRenglon, const QString& sNumCol, const QString& sCalculo,
                    const QString& sConsulta, ado::TConsultaADO& qConsulta);
  void SoportePreg18Divisas(const QString& sNumRenglon, const QString& sClvLocalidad, const QString& sOps,
                            const QString& sConsulta, ado::TConsultaADO& qConsulta);

  TSoporte F_Soporte;
  QList<std::pair<QVariant, qint64>> F_DivisasSoporte;  // tDivisas' symbol and number
  bool F_bDivisasSoporte = false;
};
