#pragma once

#include <QString>
#include <QStringList>

struct TAnexoReporte;

// Where the survey delivers its answers: the questionnaire template.
class IManejadorReportes {
 public:
  virtual ~IManejadorReportes() = default;
  virtual void AgregaDatoReporte(const QString& sCategoria, const QString& sVariable,
                                 const QString& sDato) = 0;
  virtual void MuestraReporte() = 0;
  // Every variable back to its template value, so a run never shows an earlier run's answers.
  virtual void RestauraValoresIniciales() = 0;
  // The notice page names the back offices a consolidated report joins, in place of the
  // note that told the centre to add up its branches' reports by hand.
  virtual void AvisoConsolidado(const QStringList& BackOffices) = 0;
  // A second document shown, printed and exported beside the report (until the next run).
  virtual void AgregaAnexo(const TAnexoReporte& Anexo) = 0;
};
