#include "survey/ManejadorReportes.h"

#include "report/Reporte.h"

TManejadorReportes::TManejadorReportes(TReporte& elReporte, const QString& sNombre)
    : F_Reporte(elReporte), F_sNombre(sNombre) {}

void TManejadorReportes::AgregaDatoReporte(const QString& sCategoria, const QString& sVariable,
                                           const QString& sDato) {
  if (sDato.contains(QStringLiteral("\r\n"))) {
    F_Reporte.SetVariable(sCategoria, sVariable, sDato);
  } else {
    QString sLiteral = sDato;
    sLiteral.replace('\'', QStringLiteral("''"));
    F_Reporte.SetVariable(sCategoria, sVariable, "'" + sLiteral + "'");
  }
}

void TManejadorReportes::MuestraReporte() {
  F_Reporte.SetNombreArchivo(F_sNombre);
  F_Reporte.MuestraReporte();
}

void TManejadorReportes::RestauraValoresIniciales() { F_Reporte.RestauraValoresIniciales(); }
