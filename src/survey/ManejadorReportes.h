#pragma once

#include <QString>

#include "survey/IIManejadorReportes.h"

class TReporte;

class TManejadorReportes : public IManejadorReportes {
 public:
  TManejadorReportes(TReporte& elReporte, const QString& sNombre);

  // A one-line value becomes a quoted literal of the report's expression
  // language (quotes inside doubled); a value with CR LF is shown as it is.
  void AgregaDatoReporte(const QString& sCategoria, const QString& sVariable,
                         const QString& sDato) override;
  // Returns when the preview is closed.
  void MuestraReporte() override;
  void RestauraValoresIniciales() override;
  void AvisoConsolidado(const QStringList& BackOffices) override;
  void AgregaAnexo(const TAnexoReporte& Anexo) override;

 private:
  TReporte& F_Reporte;
  QString F_sNombre;
};
