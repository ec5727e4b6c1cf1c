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

void TManejadorReportes::AgregaAnexo(const TAnexoReporte& Anexo) { F_Reporte.SetAnexo(Anexo); }

void TManejadorReportes::AvisoConsolidado(const QStringList& BackOffices) {
  // The template's notice: the note about branches, a blank line, the note about the
  // figures in parentheses, which stays.
  static const QString CC_MEMO_AVISO = QStringLiteral("txAviso");
  const QString sAviso = F_Reporte.TextoMemo(CC_MEMO_AVISO);
  const qsizetype nFinNota1 = sAviso.indexOf(QStringLiteral("\n\n"));
  F_Reporte.SetTextoMemo(CC_MEMO_AVISO,
                         QStringLiteral("REPORTE CONSOLIDADO de %1 back offices; el programa ya hizo las "
                                        "sumatorias y los cálculos para consolidarlos: %2.")
                                 .arg(BackOffices.size())
                                 .arg(BackOffices.join(QStringLiteral("; "))) +
                             (nFinNota1 < 0 ? QString() : sAviso.mid(nFinNota1)));
}
