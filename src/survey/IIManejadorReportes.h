#pragma once

#include <QString>

// Where the survey delivers its answers: the questionnaire template.
class IManejadorReportes {
 public:
  virtual ~IManejadorReportes() = default;
  virtual void AgregaDatoReporte(const QString& sCategoria, const QString& sVariable,
                                 const QString& sDato) = 0;
  virtual void MuestraReporte() = 0;
  // Every variable back to its template value, so a run never shows an earlier run's answers.
  virtual void RestauraValoresIniciales() = 0;
};
